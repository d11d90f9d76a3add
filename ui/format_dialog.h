#pragma once
// Format_Geographic, Format_Bearing and Format_Distance, the format dialogs'
// family: the options of a kind of value, the number of decimals and an
// example written as the choice would write it. OK stores the choice and
// rewrites the sheet's values; Cancel, Escape and closing change nothing.
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <functional>

#include "model/actions.h"
#include "model/program.h"
#include "text/format_dialogs.h"
#include "ui/dialog_parts.h"

namespace ui {

class FormatChoiceDialog : public ModalDialog {
    Q_OBJECT
public:
    FormatChoiceDialog(QWidget* parent, const text::FormatDialog& d);
    QButtonGroup* options() const { return options_; }
    QComboBox* decimals() const { return decimals_; }
    QLabel* example() const { return example_; }

private:
    QButtonGroup* options_ = nullptr;
    QComboBox* decimals_ = nullptr;
    QLabel* example_ = nullptr;
};

// Opens the format dialog the request names and returns when it has closed;
// an unknown kind opens nothing. `opened` runs once it is open.
void RunFormatDialog(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                     const std::function<void()>& opened);

}  // namespace ui
