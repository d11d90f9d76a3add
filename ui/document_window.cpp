#include "ui/document_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QScreen>
#include <QVBoxLayout>

#include "model/report.h"
#include "ui/dialogs.h"
#include "ui/qt_platform.h"

namespace ui {

namespace {

// The text box's place in the window's inner area, in twips.
constexpr int kTextLeft = 100;
constexpr int kTextTop = 500;
// Room for the report's widest line and a few more lines than it has.
constexpr int kColumnsShown = 80;
constexpr int kLinesShown = 16;

}  // namespace

DocumentWindow::DocumentWindow(model::Program& program, QWidget* main_window)
    : QWidget(main_window, Qt::Window), program_(program) {
    setObjectName("frmDocument");
    setWindowTitle("Report");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(kTextLeft), TwipsToPixels(kTextTop), 0, 0);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("txtDocument");
    // The report's columns line up in a fixed-pitch font, as they do in the file.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(text_);
    const QFontMetrics metrics(text_->font());
    resize(TwipsToPixels(kTextLeft) + metrics.horizontalAdvance(QString(kColumnsShown, 'M')),
           TwipsToPixels(kTextTop) + metrics.lineSpacing() * kLinesShown);
    // The user's edits are the document's text.
    connect(text_, &QPlainTextEdit::textChanged, this,
            [this] { program_.report_document.text = FromQt(text_->toPlainText()); });
}

void DocumentWindow::ShowText(const std::string& text) {
    QString shown = ToQt(text);
    shown.replace("\r\n", "\n");
    text_->setPlainText(shown);
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    model::CloseReportDocument(program_);
    event->accept();
}

DocumentWindow* FindDocumentWindow(QWidget* main_window) {
    return main_window->findChild<DocumentWindow*>("frmDocument", Qt::FindDirectChildrenOnly);
}

void PrintToTextFile(QWidget* main_window, model::Program& program) {
    DocumentWindow* window = FindDocumentWindow(main_window);
    if (window && !program.report_document.open) window = nullptr;  // closing, not yet deleted
    if (!model::FilePrintTextfile(program)) return;
    if (!window) {
        window = new DocumentWindow(program, main_window);
        window->ShowText(program.report_document.text);
        // Beside the main window, not over its sheet.
        const QRect frame = main_window->frameGeometry();
        QPoint place(frame.right() + 1, frame.top());
        if (const QScreen* screen = main_window->screen()) {
            const QRect room = screen->availableGeometry();
            place.setX(std::max(room.left(), std::min(place.x(), room.right() - window->width())));
            place.setY(std::max(room.top(), std::min(place.y(), room.bottom() - window->height())));
        }
        window->move(place);
    }
    window->show();
    window->raise();
}

}  // namespace ui
