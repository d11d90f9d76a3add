#include "ui/datum_window.h"

#include <algorithm>

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "model/datum_dialog.h"
#include "model/datum_rules.h"
#include "ui/dialog_parts.h"
#include "ui/dialogs.h"
#include "ui/qt_platform.h"

namespace ui {

namespace {

constexpr int kFrameWidthTwips = 4200;  // each of the two frames side by side, at least
constexpr int kRemarkLines = 2;

QLabel* FrameLabel(QGroupBox* frame, QLayout* layout, const QString& name) {
    auto* label = new QLabel(frame);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    return label;
}

// An option group of buttons optName(0 ... n-1) with the given captions.
QButtonGroup* OptionGroup(QDialog* dialog, QGroupBox* frame, QGridLayout* grid, const char* name,
                          const std::vector<std::string>& captions, int columns) {
    auto* group = new QButtonGroup(dialog);
    for (std::size_t k = 0; k < captions.size(); ++k) {
        auto* option = new QRadioButton(ToQt(captions[k]), frame);
        option->setObjectName(QString("%1(%2)").arg(name).arg(k));
        group->addButton(option, static_cast<int>(k));
        grid->addWidget(option, static_cast<int>(k) / columns, static_cast<int>(k) % columns);
    }
    return group;
}

}  // namespace

void RunDatumDialog(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                    const std::function<void()>& opened) {
    model::DatumDialog d = model::OpenDatumDialog(program, request.point);
    ModalDialog dialog(parent, "EditDatum", ToQt(d.caption));
    QVBoxLayout* layout = dialog.column();

    auto* header = new QLabel(ToQt(d.header), &dialog);
    header->setObjectName("lblHeader");
    layout->addWidget(header);

    auto* option_frame = new QGroupBox(model::kDatumOptionFrameCaption, &dialog);
    option_frame->setObjectName("frmOption");
    auto* option_grid = new QGridLayout(option_frame);
    QButtonGroup* options = OptionGroup(&dialog, option_frame, option_grid, "optOption",
                                        {d.option_captions.begin(), d.option_captions.end()}, 1);
    layout->addWidget(option_frame);

    auto* list = new QComboBox(&dialog);
    list->setObjectName("cmbDatum");
    list->setPlaceholderText(model::kDatumListEmptyText);
    list->setMaxVisibleItems(16);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    layout->addWidget(list);

    auto* area_frame = new QGroupBox(model::kAreaFrameCaption, &dialog);
    auto* area_layout = new QVBoxLayout(area_frame);
    QLabel* area = FrameLabel(area_frame, area_layout, "lblArea");
    area->setWordWrap(true);
    layout->addWidget(area_frame);

    // The ellipsoid and the shift parameters side by side.
    auto* frames = new QHBoxLayout;
    auto* ellipsoid_frame = new QGroupBox(model::kEllipsoidFrameCaption, &dialog);
    auto* ellipsoid_layout = new QVBoxLayout(ellipsoid_frame);
    std::array<QLabel*, 5> ellipsoid{};
    for (std::size_t k = 0; k < ellipsoid.size(); ++k)
        ellipsoid[k] = FrameLabel(ellipsoid_frame, ellipsoid_layout, QString("lblEllipsoid(%1)").arg(k));
    ellipsoid_layout->addStretch();
    frames->addWidget(ellipsoid_frame);
    auto* shift_frame = new QGroupBox(model::kShiftFrameCaption, &dialog);
    auto* shift_layout = new QVBoxLayout(shift_frame);
    QLabel* remark = FrameLabel(shift_frame, shift_layout, "lblRemark");
    remark->setWordWrap(true);
    remark->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    remark->setMinimumHeight(remark->fontMetrics().lineSpacing() * kRemarkLines);
    std::array<QLabel*, 7> parameters{};
    for (std::size_t k = 0; k < parameters.size(); ++k) {
        parameters[k] = FrameLabel(shift_frame, shift_layout, QString("lblParameter(%1)").arg(k + 1));
        // Hidden under the special option without the dialog changing its size.
        QSizePolicy keep = parameters[k]->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        parameters[k]->setSizePolicy(keep);
    }
    frames->addWidget(shift_frame);
    layout->addLayout(frames);

    auto* freeze_frame = new QGroupBox(model::kFreezeFrameCaption, &dialog);
    freeze_frame->setObjectName("frmFreeze");
    auto* freeze_grid = new QGridLayout(freeze_frame);
    QButtonGroup* freeze = OptionGroup(&dialog, freeze_frame, freeze_grid, "optFreeze",
                                       {model::kFreezeCaptions.begin(), model::kFreezeCaptions.end()}, 2);
    layout->addWidget(freeze_frame);
    dialog.AddOkCancel();

    int frame_width = TwipsToPixels(kFrameWidthTwips);
    auto show = [&] {
        for (int n = 0; n < 4; ++n) {
            QAbstractButton* option = options->button(n);
            const QSignalBlocker block(option);
            option->setText(ToQt(d.option_captions[static_cast<std::size_t>(n)]));
            option->setEnabled(d.option_enabled[static_cast<std::size_t>(n)]);
            option->setChecked(d.option == n);
        }
        ShowEntries(list, d.entries, d.selected);
        area->setText(ToQt(d.area));
        for (std::size_t k = 0; k < ellipsoid.size(); ++k) ellipsoid[k]->setText(ToQt(d.ellipsoid_labels[k]));
        remark->setText(ToQt(d.remark));
        for (std::size_t k = 0; k < parameters.size(); ++k) {
            parameters[k]->setText(ToQt(d.parameter_labels[k]));
            parameters[k]->setVisible(d.parameters_visible);
        }
        if (QAbstractButton* chosen = freeze->button(d.freeze)) {
            const QSignalBlocker block(chosen);
            chosen->setChecked(true);
        }
        // Both frames as wide as the wider one's captions and values need in this
        // font; never narrower than before, so a pick can only widen the dialog.
        frame_width = std::max({frame_width, ellipsoid_frame->minimumSizeHint().width(),
                                shift_frame->minimumSizeHint().width()});
        ellipsoid_frame->setFixedWidth(frame_width);
        shift_frame->setFixedWidth(frame_width);
    };
    show();
    // The list is as wide as its longest entry of any option would need: fixed at opening.
    list->setMinimumContentsLength(48);

    QObject::connect(options, &QButtonGroup::idClicked, &dialog, [&](int n) {
        Guard(program, [&] { model::ChooseDatumOption(program, d, n); });
        show();
    });
    QObject::connect(list, &QComboBox::activated, &dialog, [&](int p) {
        Guard(program, [&] { if (p >= 0) model::PickDatumEntry(program, d, p); });
        show();
    });
    QObject::connect(freeze, &QButtonGroup::idClicked, &dialog, [&](int k) { d.freeze = k; });
    QObject::connect(dialog.ok(), &QPushButton::clicked, &dialog, [&] {
        bool closed = false;
        Guard(program, [&] { closed = model::DatumDialogOK(program, d); });
        if (closed) dialog.accept();  // refused without a pick: the dialog stays open
    });

    dialog.Run(list, opened);  // the datum dialog has no other field to start in
}

}  // namespace ui
