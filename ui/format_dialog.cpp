#include "ui/format_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>

#include "model/format_actions.h"
#include "ui/dialogs.h"
#include "ui/qt_platform.h"

namespace ui {

namespace {

const char* FormatDialogName(text::FormatDialogKind kind) {
    switch (kind) {
        case text::FormatDialogKind::Geographic: return "Format_Geographic";
        case text::FormatDialogKind::Bearing: return "Format_Bearing";
        case text::FormatDialogKind::Length: break;
    }
    return "Format_Distance";
}

}  // namespace

FormatChoiceDialog::FormatChoiceDialog(QWidget* parent, const text::FormatDialog& d)
    : ModalDialog(parent, FormatDialogName(d.kind), ToQt(d.title)) {
    if (!d.information.empty()) {
        auto* information = new QLabel(ToQt(d.information), this);
        information->setObjectName("lblInformation");
        column()->addWidget(information);
    }
    auto* options_box = new QGroupBox(this);
    auto* options_layout = new QVBoxLayout(options_box);
    options_ = new QButtonGroup(this);
    const auto& table = text::FormatOptions(d.kind);
    for (std::size_t k = 0; k < table.size(); ++k) {
        auto* option = new QRadioButton(ToQt(table[k].caption), options_box);
        option->setObjectName(QString("optOption(%1)").arg(k));
        options_->addButton(option, static_cast<int>(k));
        options_layout->addWidget(option);
    }
    column()->addWidget(options_box);
    if (d.kind == text::FormatDialogKind::Geographic) {
        auto* note = new QLabel(text::kGeographicUnitNote, this);
        note->setObjectName("lblNote");
        column()->addWidget(note);
    }
    auto* form = new QFormLayout;
    decimals_ = new QComboBox(this);
    decimals_->setObjectName("lstDecimals");
    decimals_->setMinimumWidth(TwipsToPixels(900));
    form->addRow(text::kDecimalsCaption, decimals_);
    example_ = new QLabel(this);
    example_->setObjectName("lblExample");
    example_->setTextFormat(Qt::PlainText);
    example_->setMinimumWidth(TwipsToPixels(3000));
    form->addRow(text::kExampleCaption, example_);
    column()->addLayout(form);
    AddOkCancel();
}

void RunFormatDialog(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                     const std::function<void()>& opened) {
    std::optional<text::FormatDialog> opened_dialog = model::OpenFormatDialog(program, request.kind);
    if (!opened_dialog) return;  // an unknown kind word loads nothing
    text::FormatDialog& d = *opened_dialog;
    FormatChoiceDialog dialog(parent, d);
    QButtonGroup* options = dialog.options();
    auto show = [&] {
        const QSignalBlocker block_options(options);
        if (QAbstractButton* option = options->button(d.record.Option)) option->setChecked(true);
        std::vector<std::string> offered;
        for (int n : d.decimals_offered) offered.push_back(std::to_string(n));
        ShowEntries(dialog.decimals(), offered,
                    d.record.Decimals < static_cast<int>(offered.size()) ? d.record.Decimals : -1);
        dialog.example()->setText(ToQt(model::FormatExample(program, d)));
    };
    show();
    QObject::connect(options, &QButtonGroup::idClicked, &dialog, [&](int k) {
        Guard(program, [&] { text::ChooseOption(d, k); show(); });
    });
    QObject::connect(dialog.decimals(), &QComboBox::activated, &dialog, [&](int index) {
        Guard(program, [&] { text::ChooseDecimals(d, index); show(); });
    });
    QObject::connect(dialog.ok(), &QPushButton::clicked, &dialog, [&] {
        bool stored = false;
        Guard(program, [&] { stored = model::FormatDialogOK(program, d); });
        if (stored) dialog.accept();
        else dialog.reject();
    });
    dialog.Run(options->button(d.record.Option), opened);
}

}  // namespace ui
