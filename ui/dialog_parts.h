#pragma once
// Pieces every dialog of the program shares: the modal dialog with its button
// box, a text box that selects its text when entered and reports when it is
// left, the lists kept in step with the model, and the box the model chose
// for the input focus.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/actions.h"

namespace ui {

// A modal dialog of the program, named and titled: its controls in one
// column, its buttons in a button box at the foot. Its size is fixed by its
// controls.
class ModalDialog : public QDialog {
    Q_OBJECT
public:
    ModalDialog(QWidget* parent, const char* name, const QString& title);
    // The column the controls go into, top to bottom.
    QVBoxLayout* column() const { return column_; }
    // A button at the foot, right of those added before it.
    QPushButton* AddButton(const QString& caption, const QString& name);
    // cmdOK, the default button (Enter), and cmdCancel, which closes the dialog
    // as Escape does. What OK does is the caller's.
    void AddOkCancel();
    QPushButton* ok() const { return ok_; }
    // The buttons in the middle of the foot rather than at its right.
    void CentreButtons();
    // Centres the dialog over its parent window, gives `focus` (where not null)
    // the focus, runs `opened` (where set) and runs the dialog modal.
    int Run(QWidget* focus, const std::function<void()>& opened = {});

private:
    QVBoxLayout* column_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* ok_ = nullptr;
};

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

// Shows the model's entries in the list (refilled only when they changed) with
// the entry at `selected` selected, none when it is -1; a list box scrolls it
// to its middle. The list's signals stay quiet meanwhile.
void ShowEntries(QComboBox* list, const std::vector<std::string>& entries, int selected);
void ShowEntries(QListWidget* list, const std::vector<std::string>& entries, int selected);

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

}  // namespace ui
