#pragma once
// Pieces every dialog of the program shares: a text box that selects its text
// when entered and reports when it is left, the OK and Cancel buttons, and the
// input focus given by a control name.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <string>

namespace ui {

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(const char* name, QWidget* parent);
signals:
    // The box lost the focus to another control of its dialog.
    void left();
protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
private:
    bool leaving_ = false;
};

// cmdOK and cmdCancel in a row at the foot of a dialog; OK is the default button.
struct OkCancel {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QWidget* row = nullptr;
};
OkCancel MakeOkCancel(QDialog* dialog);

// Gives the focus to the control of that name, or to `first` when the name is empty or unknown.
void FocusControl(QDialog* dialog, const std::string& name, QWidget* first);

// The caption with an access key ("&") on its first letter that `used` does
// not hold yet (which then holds it); unchanged when every letter is taken.
QString WithAccessKey(const QString& caption, QString& used);

// Runs the modal dialog; when it has closed, the window that was active before
// it (or the dialog's parent window) is active again and its focused control
// has the focus back.
int ExecModal(QDialog& dialog);

// Places the dialog over the centre of its parent window.
void CentreOnParent(QDialog* dialog);

}  // namespace ui
