#pragma once
// The point and offset dialogs' family: a header, labelled text boxes (each
// label's access key moves to its box), the offset dialogs' freeze options,
// OK and Cancel.
#include <QFormLayout>
#include <QRadioButton>
#include <array>
#include <functional>
#include <string>

#include "model/program.h"
#include "ui/dialog_parts.h"

namespace ui {

class FormDialog : public ModalDialog {
    Q_OBJECT
public:
    // No header label where `header` is empty.
    FormDialog(QWidget* parent, const char* name, const std::string& caption, const std::string& header);
    TextBox* Box(const char* name, const char* label, const std::string& text);
    // optFreeze(0) and optFreeze(1) under the boxes, `frozen` checked.
    std::array<QRadioButton*, 2> FreezeButtons(int frozen);
    // Adds OK and Cancel; OK runs `ok` and closes the dialog (a failed OK has shown its notice).
    void Finish(model::Program& program, const std::function<bool()>& ok);

private:
    QFormLayout* form_ = nullptr;
    QString access_keys_;  // the letters taken (OK and Cancel are Enter and Escape)
};

}  // namespace ui
