#include "ui/form_dialog.h"

#include <QButtonGroup>
#include <QLabel>

#include "ui/dialogs.h"
#include "ui/qt_platform.h"

namespace ui {

FormDialog::FormDialog(QWidget* parent, const char* name, const std::string& caption, const std::string& header)
    : ModalDialog(parent, name, ToQt(caption)) {
    if (!header.empty()) {
        auto* label = new QLabel(ToQt(header), this);
        label->setObjectName("lblHeader");
        column()->addWidget(label);
    }
    form_ = new QFormLayout;
    form_->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    column()->addLayout(form_);
}

TextBox* FormDialog::Box(const char* name, const char* label, const std::string& text) {
    auto* box = new TextBox(name, this);
    box->setText(ToQt(text));
    // The label's access key (Alt and the letter) moves to its box.
    form_->addRow(WithAccessKey(label, access_keys_), box);
    return box;
}

std::array<QRadioButton*, 2> FormDialog::FreezeButtons(int frozen) {
    std::array<QRadioButton*, 2> buttons{};
    auto* group = new QButtonGroup(this);
    for (int k = 0; k < 2; ++k) {
        QRadioButton*& button = buttons[static_cast<std::size_t>(k)];
        button = new QRadioButton(k == 0 ? "  Freeze Point A" : "  Freeze Point B", this);
        button->setObjectName(QString("optFreeze(%1)").arg(k));
        group->addButton(button, k);
        column()->addWidget(button);
    }
    buttons[frozen == 1 ? 1 : 0]->setChecked(true);
    return buttons;
}

void FormDialog::Finish(model::Program& program, const std::function<bool()>& ok) {
    AddOkCancel();
    connect(this->ok(), &QPushButton::clicked, this, [this, &program, ok] {
        bool stored = false;
        Guard(program, [&] { stored = ok(); });
        if (stored) accept();
        else reject();
    });
}

}  // namespace ui
