#pragma once
// Pieces every dialog of the program shares: a text box that selects its text
// when entered and reports when it is left, the OK and Cancel buttons, and the
// box the model chose for the input focus.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>
#include <utility>

#include "model/actions.h"

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

// The dialog's widget of the field the model chose for the focus, or `first`
// when the field is First or not one of this dialog's.
QWidget* FieldWidget(model::Field field, std::initializer_list<std::pair<model::Field, QWidget*>> widgets,
                     QWidget* first);

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
