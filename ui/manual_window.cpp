#include "ui/manual_window.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/notices.h"
#include "ui/qt_platform.h"

namespace ui {

namespace {

constexpr const char* kBuiltInManual = R"(<h1>Twopoint</h1>
<p>Twopoint holds two points, A and B, each in geographic, cartesian and grid
co-ordinates on its own datum, and shows on one sheet everything that relates them.</p>
<h2>Editing</h2>
<ul>
<li>Release the left mouse button on a value to edit it: latitude, longitude and
height; X, Y and Z; northing and easting; in the middle column a range, bearing or
vector, which moves Point B.</li>
<li>Release the right mouse button on a value to choose its display format.</li>
<li>Click a name, datum, grid system or zone to change it.</li>
<li>The Edit menu opens the same dialogs from the keyboard; Tab moves over the
sheet's values, Enter edits the value that has the focus.</li>
</ul>
<h2>Modes</h2>
<p>The Mode menu switches between range/bearing calculations (green: both points
on one datum) and datum shift (violet: one place on two datums). The View menu
shows and hides the groups of rows.</p>
<h2>Copying and printing</h2>
<p>Ctrl+C or Edit, Copy Sheet copies the whole sheet as text. Ctrl+C on a value
that has the focus, or Shift with the right mouse button on a value, copies that
value alone. File, Print prints the sheet; File, Print to Text-file appends a
short report to a text file.</p>
<h2>Files</h2>
<p>The setup is saved in Polvant.ini in the program's data folder when the
program ends, and read at the next start.</p>)";

}  // namespace

QStringList ManualFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program + "/doc", QDir::cleanPath(program + "/../share/doc/twopoint")};
}

QString FindManual(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo file(folder + "/manual.html");
        if (file.isFile() && file.isReadable()) return file.absoluteFilePath();
    }
    return {};
}

void ShowManual(QWidget* parent, const QString& path) {
    auto* window = parent->findChild<QDialog*>("frmManual");
    if (!window) {
        window = new QDialog(parent);
        window->setObjectName("frmManual");
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(ToQt(std::string(platform::kApplicationTitle) + " manual"));
        auto* layout = new QVBoxLayout(window);
        auto* browser = new QTextBrowser(window);
        browser->setObjectName("txtManual");
        browser->setOpenExternalLinks(true);
        layout->addWidget(browser);
        window->resize(TwipsToPixels(9000), TwipsToPixels(9000));
    }
    auto* browser = window->findChild<QTextBrowser*>("txtManual");
    if (path.isEmpty()) browser->setHtml(kBuiltInManual);
    else browser->setSource(QUrl::fromLocalFile(path));
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace ui
