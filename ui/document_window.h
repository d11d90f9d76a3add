#pragma once
// frmDocument, the document window of File, Print to Text-file: a resizable
// window beside the main window holding the report in one editable text box.
// The report is built when the window is created; while it stays open each
// Print to Text-file appends its current text, the user's edits included.
#include <QPlainTextEdit>
#include <QWidget>

#include "model/program.h"

namespace ui {

class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    DocumentWindow(model::Program& program, QWidget* main_window);
    QPlainTextEdit* text() const { return text_; }
    // Shows the model's document text (line ends as the text box keeps them).
    void ShowText(const std::string& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    model::Program& program_;
    QPlainTextEdit* text_ = nullptr;
};

// The open document window of the main window, or nullptr.
DocumentWindow* FindDocumentWindow(QWidget* main_window);

// File, Print to Text-file: the save dialog; with a chosen file the document
// window is shown (created with a fresh report when it is not open) and its
// current text appended to the file.
void PrintToTextFile(QWidget* main_window, model::Program& program);

}  // namespace ui
