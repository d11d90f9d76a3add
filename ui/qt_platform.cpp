#include "ui/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <algorithm>

#include "ui/dialog_parts.h"
#include "ui/opposite_datum_window.h"

namespace ui {

namespace {

QMessageBox::Icon QtIcon(platform::Icon icon) {
    switch (icon) {
        case platform::Icon::Information: return QMessageBox::Information;
        case platform::Icon::Exclamation: return QMessageBox::Warning;
        case platform::Icon::Question: return QMessageBox::Question;
        case platform::Icon::Stop: return QMessageBox::Critical;
        case platform::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString Title(const std::string& title) {
    return ToQt(title.empty() ? std::string(platform::kApplicationTitle) : title);
}

double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

QPoint PlaceOnScreen(const QRect& wanted) {
    const QScreen* best = QGuiApplication::primaryScreen();
    long long most = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->availableGeometry().intersected(wanted);
        const long long area = shown.isEmpty() ? 0 : static_cast<long long>(shown.width()) * shown.height();
        if (area > most) {
            most = area;
            best = screen;
        }
    }
    if (!best) return wanted.topLeft();
    const QRect room = best->availableGeometry();
    // The frame's title bar lies above the window's inner area.
    const int title = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize size = wanted.size() + QSize(0, title);
    const int x = std::max(room.left(), std::min(wanted.left(), room.right() + 1 - size.width()));
    const int y = std::max(room.top(), std::min(wanted.top(), room.bottom() + 1 - size.height()));
    return {x, y};
}

QString ToQt(const std::string& text) { return QString::fromStdString(text); }
std::string FromQt(const QString& text) { return text.toStdString(); }

int TwipsToPixels(int twips) { return static_cast<int>(twips * LogicalDpi() / 1440.0 + 0.5); }
int PixelsToTwips(int pixels) { return static_cast<int>(pixels * 1440.0 / LogicalDpi() + 0.5); }

QString QtFilter(const std::string& filter) {
    // The program's filters are "Description|pattern" pairs joined by "|".
    const QStringList parts = ToQt(filter).split('|');
    QStringList filters;
    for (int k = 0; k + 1 < parts.size(); k += 2) filters << parts[k];
    if (filters.isEmpty()) return ToQt(filter);
    return filters.join(";;");
}

model::Platform QtPlatform(QWidget* parent) {
    model::Platform p;
    p.notices.show = [parent](const platform::Notice& notice) {
        QMessageBox box(QtIcon(notice.icon), Title(notice.title), ToQt(notice.text), QMessageBox::Ok, parent);
        ExecModal(box);
    };
    auto dialog = [parent](const platform::FileDialogRequest& request, bool save) -> std::optional<std::string> {
        QFileDialog d(parent, ToQt(request.title), ToQt(request.initial_folder), QtFilter(request.filter));
        d.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        d.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!request.default_extension.empty()) {
            std::string ext = request.default_extension;
            if (ext[0] == '.') ext.erase(0, 1);
            d.setDefaultSuffix(ToQt(ext));
        }
        if (ExecModal(d) != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
        return FromQt(d.selectedFiles().first());
    };
    p.file_dialogs.open = [dialog](const platform::FileDialogRequest& r) { return dialog(r, false); };
    p.file_dialogs.save = [dialog](const platform::FileDialogRequest& r) { return dialog(r, true); };
    p.settings.get = [](const std::string& application, const std::string& section,
                        const std::string& key) -> std::optional<std::string> {
        QSettings settings(ToQt(application), ToQt(application));
        const QString path = ToQt(section) + "/" + ToQt(key);
        if (!settings.contains(path)) return std::nullopt;
        return FromQt(settings.value(path).toString());
    };
    p.settings.set = [](const std::string& application, const std::string& section, const std::string& key,
                        const std::string& value) {
        QSettings settings(ToQt(application), ToQt(application));
        settings.setValue(ToQt(section) + "/" + ToQt(key), ToQt(value));
    };
    p.folders = model::FileSystemFolders();
    p.opposite_datum = [parent](model::OppositeDatumDialog& d) { ShowOppositeDatumDialog(parent, d); };
    return p;
}

}  // namespace ui
