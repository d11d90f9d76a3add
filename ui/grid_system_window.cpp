#include "ui/grid_system_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "model/grid_dialog.h"
#include "ui/dialog_parts.h"
#include "ui/dialogs.h"
#include "ui/qt_platform.h"

namespace ui {

namespace {

constexpr int kZoneRowsShown = 8;

// A list box showing `rows` entries, wide enough for its longest entry.
QListWidget* MakeList(QWidget* dialog, const char* name, const std::vector<std::string>& entries, int rows) {
    auto* list = new QListWidget(dialog);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);  // no entry cut at the top
    int widest = 0;
    for (const std::string& entry : entries) widest = std::max(widest, list->fontMetrics().horizontalAdvance(ToQt(entry)));
    // Rows a little taller than the text, so no entry looks cramped or cut.
    const int row_height = list->fontMetrics().height() + TwipsToPixels(75);
    ShowEntries(list, entries, -1);
    for (int k = 0; k < list->count(); ++k) list->item(k)->setSizeHint(QSize(widest, row_height));
    const int frame = 2 * list->frameWidth();
    const bool scrolls = static_cast<int>(entries.size()) > rows;
    const int scroll_bar = scrolls ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setFixedHeight(row_height * std::min<int>(rows, static_cast<int>(entries.size())) + frame);
    list->setMinimumWidth(widest + scroll_bar + frame + TwipsToPixels(240));
    return list;
}

}  // namespace

void RunGridSystemDialog(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                         const std::function<void()>& opened) {
    model::GridSystemDialog d = model::OpenGridSystemDialog(program, request.point);
    ModalDialog dialog(parent, "EditProjection", ToQt(d.caption));
    QVBoxLayout* layout = dialog.column();

    auto* header = new QLabel(ToQt(d.header), &dialog);
    header->setObjectName("lblHeader");
    layout->addWidget(header);
    QListWidget* systems = MakeList(&dialog, "lstGridSystem", d.grid_systems, 2);
    layout->addWidget(systems);
    layout->addSpacing(TwipsToPixels(60));
    auto* zone_label = new QLabel(ToQt(d.zone_label), &dialog);
    zone_label->setObjectName("lblZoneCaption");
    layout->addWidget(zone_label);
    QListWidget* zones = MakeList(&dialog, "lstZone", d.zones, kZoneRowsShown);
    zone_label->setBuddy(zones);
    layout->addWidget(zones);
    layout->addSpacing(TwipsToPixels(60));

    auto* both = new QCheckBox(ToQt(d.both_label), &dialog);
    both->setObjectName("chkChangeOpposite");
    layout->addWidget(both);

    auto* freeze_box = new QGroupBox(ToQt(d.freeze_label), &dialog);
    freeze_box->setObjectName("frmFreeze");
    auto* freeze_layout = new QVBoxLayout(freeze_box);
    auto* freeze = new QButtonGroup(&dialog);
    for (int k = 0; k < 2; ++k) {
        auto* option = new QRadioButton(ToQt(d.freeze_options[static_cast<std::size_t>(k)]), freeze_box);
        option->setObjectName(QString("optFreeze(%1)").arg(k));
        freeze->addButton(option, k);
        freeze_layout->addWidget(option);
    }
    layout->addWidget(freeze_box);
    dialog.AddOkCancel();

    auto show = [&] {
        ShowEntries(systems, d.grid_systems, d.grid_system);
        ShowEntries(zones, d.zones, d.zone);
        const QSignalBlocker block_both(both);
        both->setChecked(d.both);
        both->setEnabled(d.both_enabled);
        for (int k = 0; k < 2; ++k) {
            QAbstractButton* option = freeze->button(k);
            const QSignalBlocker block_option(option);
            option->setChecked(d.freeze == k);
            option->setEnabled(d.freeze_enabled);
        }
    };
    show();
    QObject::connect(systems, &QListWidget::currentRowChanged, &dialog, [&](int row) {
        Guard(program, [&] { if (row >= 0) model::ChooseGridSystem(d, row); });
        show();
    });
    QObject::connect(zones, &QListWidget::currentRowChanged, &dialog, [&](int row) {
        Guard(program, [&] { if (row >= 0) model::ChooseZone(d, row); });
        show();
    });
    QObject::connect(both, &QCheckBox::toggled, &dialog, [&](bool ticked) {
        model::TickBoth(d, ticked);
        show();
    });
    QObject::connect(freeze, &QButtonGroup::idClicked, &dialog, [&](int k) {
        Guard(program, [&] { model::ChooseGridFreeze(d, k); });
        show();
    });
    QObject::connect(dialog.ok(), &QPushButton::clicked, &dialog, [&] {
        bool stored = false;
        Guard(program, [&] { stored = model::GridSystemDialogOK(program, d); });
        if (stored) dialog.accept();
        else dialog.reject();
    });

    // The selected zone in the middle of the list, once the list has its final size.
    QTimer::singleShot(0, &dialog, [&] { ShowEntries(zones, d.zones, d.zone); });
    dialog.Run(FieldWidget(request.focus, {{model::Field::Zone, zones}}, systems), opened);
}

}  // namespace ui
