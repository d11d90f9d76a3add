#include "ui/user_datum_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/user_datum_actions.h"
#include "ui/dialog_parts.h"
#include "ui/dialogs.h"
#include "ui/qt_platform.h"

namespace ui {

namespace {

using datums::UserDatumEditor;

QLabel* Label(const char* text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A text box of the editor, named as its frame's control array names it.
TextBox* Box(const QString& name, QWidget* parent) {
    auto* box = new TextBox("", parent);
    box->setObjectName(name);
    box->setMinimumWidth(TwipsToPixels(2400));
    return box;
}

}  // namespace

void RunUserDatumEditor(QWidget* parent, model::Program& program, const std::function<void()>& opened) {
    UserDatumEditor editor = model::OpenUserDatumEditor(program);
    ModalDialog dialog(parent, "Add_Datum", datums::kUserDatumEditorCaption);
    QVBoxLayout* layout = dialog.column();

    // The action, the user datum list and "Remove datum".
    auto* top = new QGridLayout;
    auto* actions = new QButtonGroup(&dialog);
    std::array<QRadioButton*, 2> action_buttons{};
    for (int k = 0; k < 2; ++k) {
        auto* button = new QRadioButton(datums::kUserDatumActionCaptions[static_cast<std::size_t>(k)], &dialog);
        button->setObjectName(QString("optAction(%1)").arg(k));
        actions->addButton(button, k);
        action_buttons[static_cast<std::size_t>(k)] = button;
        top->addWidget(button, k, 0);
    }
    auto* user_list = new QComboBox(&dialog);
    user_list->setObjectName("cmbUserDatum");
    user_list->setPlaceholderText(datums::kSelectFromListText);
    user_list->setMinimumWidth(TwipsToPixels(3600));
    top->addWidget(user_list, 1, 1);
    auto* remove = new QPushButton(datums::kRemoveDatumCaption, &dialog);
    remove->setObjectName("cmdRemove");
    remove->setAutoDefault(false);
    top->addWidget(remove, 1, 2);
    top->setColumnStretch(1, 1);
    layout->addLayout(top);

    // Frame DATUM.
    auto* datum_frame = new QGroupBox(datums::kDatumFrameCaption, &dialog);
    datum_frame->setObjectName("frmDatum");
    auto* datum_layout = new QGridLayout(datum_frame);
    std::array<TextBox*, 2> datum_boxes{};
    for (int k = 0; k < 2; ++k) {
        datum_boxes[static_cast<std::size_t>(k)] = Box(QString("txtDatum(%1)").arg(k), datum_frame);
        datum_layout->addWidget(Label(datums::kDatumBoxLabels[static_cast<std::size_t>(k)], datum_frame), k, 0);
        datum_layout->addWidget(datum_boxes[static_cast<std::size_t>(k)], k, 1);
    }
    datum_layout->setColumnStretch(1, 1);
    layout->addWidget(datum_frame);

    // Frame REFERENCE ELLIPSOID.
    auto* ellipsoid_frame = new QGroupBox(datums::kEllipsoidFrameCaption, &dialog);
    ellipsoid_frame->setObjectName("frmEllipsoid");
    auto* ellipsoid_layout = new QGridLayout(ellipsoid_frame);
    ellipsoid_layout->addWidget(Label(datums::kEllipsoidListLabel, ellipsoid_frame), 0, 0);
    auto* ellipsoid_list = new QComboBox(ellipsoid_frame);
    ellipsoid_list->setObjectName("cmbEllipsoid");
    ellipsoid_list->setMaxVisibleItems(16);
    ellipsoid_list->setPlaceholderText(datums::kSelectFromListText);
    ellipsoid_layout->addWidget(ellipsoid_list, 0, 1, 1, 2);
    auto* modes = new QButtonGroup(&dialog);
    auto* mode_column = new QVBoxLayout;
    for (int k = 0; k < 5; ++k) {
        auto* button =
            new QRadioButton(datums::kEllipsoidInputModeCaptions[static_cast<std::size_t>(k)], ellipsoid_frame);
        button->setObjectName(QString("optInputMode(%1)").arg(k));
        modes->addButton(button, k);
        mode_column->addWidget(button);
    }
    mode_column->addStretch();
    std::array<TextBox*, 5> ellipsoid_boxes{};
    for (int k = 0; k < 5; ++k) {
        ellipsoid_boxes[static_cast<std::size_t>(k)] = Box(QString("txtEllipsoid(%1)").arg(k), ellipsoid_frame);
        ellipsoid_layout->addWidget(Label(datums::kEllipsoidBoxLabels[static_cast<std::size_t>(k)], ellipsoid_frame),
                                    k + 1, 0);
        ellipsoid_layout->addWidget(ellipsoid_boxes[static_cast<std::size_t>(k)], k + 1, 1);
    }
    ellipsoid_layout->addLayout(mode_column, 1, 2, 5, 1);
    ellipsoid_layout->setColumnStretch(1, 1);
    layout->addWidget(ellipsoid_frame);

    // Frame DATUMSHIFT FROM DATUM TO WGS84: Info on its own row, then the
    // translations, rotations and scale, each group with its unit.
    auto* shift_frame = new QGroupBox(datums::kShiftFrameCaption, &dialog);
    shift_frame->setObjectName("frmShift");
    auto* shift_layout = new QGridLayout(shift_frame);
    std::array<TextBox*, 8> shift_boxes{};
    for (int k = 0; k < 8; ++k) shift_boxes[static_cast<std::size_t>(k)] = Box(QString("txtShift(%1)").arg(k), shift_frame);
    // Row and column of each box's label; the box stands in the next column.
    constexpr std::array<std::pair<int, int>, 8> kShiftPlaces{
        {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {1, 2}, {2, 2}, {3, 2}, {5, 0}}};
    for (std::size_t k = 0; k < shift_boxes.size(); ++k) {
        const auto [row, column] = kShiftPlaces[k];
        shift_layout->addWidget(Label(datums::kShiftBoxLabels[k], shift_frame), row, column);
        if (k == datums::kRemarkBox) {
            shift_layout->addWidget(shift_boxes[k], row, column + 1, 1, 3);
        } else {
            shift_layout->addWidget(shift_boxes[k], row, column + 1);
            shift_boxes[k]->setMinimumWidth(TwipsToPixels(1800));
        }
    }
    shift_layout->addWidget(Label(datums::kMetreUnitLabel, shift_frame), 4, 1);
    shift_layout->addWidget(Label(datums::kArcSecondUnitLabel, shift_frame), 4, 3);
    shift_layout->addWidget(Label(datums::kPpmUnitLabel, shift_frame), 5, 2, 1, 2);
    auto* note = Label(datums::kShiftDirectionNote, shift_frame);
    note->setObjectName("lblNote");
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);
    shift_layout->addWidget(note, 6, 0, 1, 4);
    layout->addWidget(shift_frame);
    dialog.AddOkCancel();

    // Mirrors the editor into the controls.
    auto show = [&] {
        const datums::UserDatumEditorView view = model::ViewUserDatumEditor(program, editor);
        const QSignalBlocker block_actions(actions), block_modes(modes);
        action_buttons[1]->setEnabled(view.edit_option_enabled);
        if (QAbstractButton* action = actions->button(editor.action)) action->setChecked(true);
        ShowEntries(user_list, view.datum_list, editor.selected);
        remove->setEnabled(view.remove_enabled);
        // Nothing picked until the user picks; the user's pick stays shown.
        ShowEntries(ellipsoid_list, view.ellipsoid_list, ellipsoid_list->currentIndex());
        if (QAbstractButton* mode = modes->button(editor.input_mode)) mode->setChecked(true);
        for (std::size_t k = 0; k < datum_boxes.size(); ++k) datum_boxes[k]->setText(ToQt(editor.datum_boxes[k]));
        for (std::size_t k = 0; k < ellipsoid_boxes.size(); ++k) {
            ellipsoid_boxes[k]->setText(ToQt(editor.ellipsoid_boxes[k]));
            ellipsoid_boxes[k]->setEnabled(view.ellipsoid_box_enabled[k]);
        }
        for (std::size_t k = 0; k < shift_boxes.size(); ++k) shift_boxes[k]->setText(ToQt(editor.shift_boxes[k]));
    };
    // Typing goes straight into the editor's box texts.
    auto track = [&](TextBox* box, std::string& text) {
        QObject::connect(box, &QLineEdit::textEdited, &dialog, [&text](const QString& typed) { text = FromQt(typed); });
    };
    for (std::size_t k = 0; k < datum_boxes.size(); ++k) track(datum_boxes[k], editor.datum_boxes[k]);
    for (std::size_t k = 0; k < ellipsoid_boxes.size(); ++k) {
        track(ellipsoid_boxes[k], editor.ellipsoid_boxes[k]);
        QObject::connect(ellipsoid_boxes[k], &TextBox::left, &dialog, [&] {
            Guard(program, [&] { model::LeaveEllipsoidBox(program, editor); show(); });
        });
    }
    for (std::size_t k = 0; k < shift_boxes.size(); ++k) track(shift_boxes[k], editor.shift_boxes[k]);
    show();

    QObject::connect(actions, &QButtonGroup::idClicked, &dialog, [&](int k) {
        Guard(program, [&] { model::ChooseUserDatumAction(program, editor, k); show(); });
    });
    QObject::connect(user_list, &QComboBox::activated, &dialog, [&](int position) {
        Guard(program, [&] { model::SelectUserDatum(program, editor, position); show(); });
    });
    QObject::connect(ellipsoid_list, &QComboBox::activated, &dialog, [&](int position) {
        Guard(program, [&] { model::PickEllipsoid(program, editor, position); show(); });
    });
    QObject::connect(modes, &QButtonGroup::idClicked, &dialog, [&](int k) {
        Guard(program, [&] { datums::ChooseEllipsoidInputMode(editor, k); show(); });
    });
    QObject::connect(remove, &QPushButton::clicked, &dialog, [&] {
        Guard(program, [&] { model::RemoveUserDatum(program, editor); show(); });
    });
    QObject::connect(dialog.ok(), &QPushButton::clicked, &dialog, [&] {
        bool stored = false;
        Guard(program, [&] { stored = model::UserDatumEditorOK(program, editor); });
        if (stored) dialog.accept();
    });

    dialog.Run(datum_boxes[0], opened);
}

}  // namespace ui
