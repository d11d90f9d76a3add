#include "ui/schedule_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/schedule_actions.h"
#include "schedule/schedule_text.h"
#include "ui/dialog_parts.h"
#include "ui/dialogs.h"
#include "ui/pickers_window.h"
#include "ui/qt_platform.h"

namespace ui {

namespace {

using schedule::PickerButton;

constexpr std::array<const char*, 3> kRouteNames{"Geodetic line", "Great circle", "Rhumb line"};

QPushButton* PickerButtonWidget(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(TwipsToPixels(1300));
    return button;
}

// An input frame that keeps its place in the row while hidden.
QGroupBox* InputFrame(const char* name, const char* caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    QSizePolicy policy = frame->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    frame->setSizePolicy(policy);
    return frame;
}

QLabel* ResultLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    // Wide enough for a date and time ("28 May 2026 22:46") with room to spare.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("00 MMM 0000 00:00") + TwipsToPixels(180));
    return label;
}

}  // namespace

void RunRouteSchedule(QWidget* parent, model::Program& program, const std::function<void()>& opened) {
    schedule::ScheduleForm form = model::OpenRouteSchedule(program, schedule::PresentLocalTime());
    ModalDialog dialog(parent, "Schedule_Form", schedule::kScheduleTitle);
    QVBoxLayout* layout = dialog.column();

    // The input combination and the time zones.
    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel("Input :", &dialog));
    auto* input = new QComboBox(&dialog);
    input->setObjectName("cmbInput");
    choices->addWidget(input);
    choices->addSpacing(TwipsToPixels(360));
    std::array<QComboBox*, 2> zones{};
    const std::array<const char*, 2> zone_captions{"ETD zone :", "ETA zone :"};
    const std::vector<std::string> zone_texts = schedule::ZoneListTexts();
    for (std::size_t k = 0; k < 2; ++k) {
        choices->addWidget(new QLabel(zone_captions[k], &dialog));
        zones[k] = new QComboBox(&dialog);
        zones[k]->setObjectName(QString("cmbTimeZone(%1)").arg(k));
        zones[k]->setMaxVisibleItems(schedule::kZoneCount);
        choices->addWidget(zones[k]);
    }
    auto* detect = new QPushButton(schedule::kDetectTimezonesCaption, &dialog);
    detect->setObjectName("cmdTimeZone");
    detect->setAutoDefault(false);
    choices->addWidget(detect);
    choices->addStretch();
    layout->addLayout(choices);

    // The four input frames; a combination shows the two it needs.
    auto* frames_row = new QHBoxLayout;
    QGroupBox* etd_frame = InputFrame("frmETD", "ETD", &dialog);
    auto* etd_layout = new QHBoxLayout(etd_frame);
    QPushButton* etd_date = PickerButtonWidget("cmdDate", etd_frame);
    QPushButton* etd_time = PickerButtonWidget("cmdTime", etd_frame);
    etd_layout->addWidget(etd_date);
    etd_layout->addWidget(etd_time);
    QGroupBox* speed_frame = InputFrame("frmSpeed", "Speed", &dialog);
    auto* speed_layout = new QHBoxLayout(speed_frame);
    auto* speed = new TextBox("txtSpeed", speed_frame);
    speed->setMinimumWidth(TwipsToPixels(900));
    speed->setMaximumWidth(TwipsToPixels(1200));
    auto* unit = new QComboBox(speed_frame);
    unit->setObjectName("cmbSpeedUnit");
    std::vector<std::string> unit_texts;
    for (const schedule::SpeedUnit& u : schedule::SpeedUnits()) unit_texts.emplace_back(u.text);
    speed_layout->addWidget(speed);
    speed_layout->addWidget(unit);
    QGroupBox* time_frame = InputFrame("frmTime", "Time to sail", &dialog);
    auto* time_layout = new QHBoxLayout(time_frame);
    auto* days = new TextBox("txtDays", time_frame);
    days->setMinimumWidth(TwipsToPixels(600));
    days->setMaximumWidth(TwipsToPixels(900));
    QPushButton* sail_time = PickerButtonWidget("cmdTime", time_frame);
    time_layout->addWidget(days);
    time_layout->addWidget(new QLabel("days", time_frame));
    time_layout->addWidget(sail_time);
    QGroupBox* eta_frame = InputFrame("frmETA", "ETA", &dialog);
    auto* eta_layout = new QHBoxLayout(eta_frame);
    QPushButton* eta_date = PickerButtonWidget("cmdDate", eta_frame);
    QPushButton* eta_time = PickerButtonWidget("cmdTime", eta_frame);
    eta_layout->addWidget(eta_date);
    eta_layout->addWidget(eta_time);
    for (QGroupBox* frame : {etd_frame, speed_frame, time_frame, eta_frame}) frames_row->addWidget(frame);
    frames_row->addStretch();
    layout->addLayout(frames_row);

    // The result grid: a row per route, the headers above.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(TwipsToPixels(60));
    auto* distance_header = new QLabel("Distance", &dialog);
    grid->addWidget(distance_header, 0, 1);
    std::array<QLabel*, 6> headers{};
    for (std::size_t k = 0; k < headers.size(); ++k) {
        headers[k] = new QLabel(&dialog);
        headers[k]->setObjectName(QString("lblHeader(%1)").arg(k));
        grid->addWidget(headers[k], 0, static_cast<int>(k) + 2);
    }
    struct RowLabels {
        QLabel *distance, *dep_zone, *dep_gmt, *sail_time, *speed, *arr_gmt, *arr_zone;
    };
    std::array<RowLabels, 3> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        grid->addWidget(new QLabel(kRouteNames[i], &dialog), r, 0);
        RowLabels& row = rows[i];
        row.distance = ResultLabel(QString("lblDistance(%1)").arg(i), &dialog);
        row.dep_zone = ResultLabel(QString("lblDepZone(%1)").arg(i), &dialog);
        row.dep_gmt = ResultLabel(QString("lblDepGMT(%1)").arg(i), &dialog);
        row.sail_time = ResultLabel(QString("lblSailTime(%1)").arg(i), &dialog);
        row.speed = ResultLabel(QString("lblSpeed(%1)").arg(i), &dialog);
        row.arr_gmt = ResultLabel(QString("lblArrGMT(%1)").arg(i), &dialog);
        row.arr_zone = ResultLabel(QString("lblArrZone(%1)").arg(i), &dialog);
        int column = 1;
        for (QLabel* label : {row.distance, row.dep_zone, row.dep_gmt, row.sail_time, row.speed, row.arr_gmt,
                              row.arr_zone})
            grid->addWidget(label, r, column++);
    }
    layout->addLayout(grid);

    QPushButton* calc = dialog.AddButton(schedule::kCalcCaption, "cmdCalc");
    calc->setDefault(true);
    QPushButton* print = dialog.AddButton(schedule::kPrintCaption, "cmdPrint");
    print->setAutoDefault(false);
    print->setEnabled(false);  // the schedule has no printout: shown greyed rather than doing nothing
    QPushButton* close = dialog.AddButton(schedule::kCloseCaption, "cmdClose");
    close->setAutoDefault(false);

    // The form's texts into the controls.
    auto show = [&] {
        const schedule::ScheduleInputs& in = form.inputs;
        ShowEntries(input, schedule::InputCombinationTexts(), in.combination);
        ShowEntries(unit, unit_texts, in.speed_unit);
        ShowEntries(zones[0], zone_texts, in.etd_zone_index);
        ShowEntries(zones[1], zone_texts, in.eta_zone_index);
        speed->setText(ToQt(in.speed_text));
        days->setText(ToQt(in.days_text));
        etd_date->setText(ToQt(in.etd_date));
        etd_time->setText(ToQt(in.etd_time));
        eta_date->setText(ToQt(in.eta_date));
        eta_time->setText(ToQt(in.eta_time));
        sail_time->setText(ToQt(in.sailing_time));
        etd_frame->setVisible(form.frames.etd);
        speed_frame->setVisible(form.frames.speed);
        time_frame->setVisible(form.frames.time);
        eta_frame->setVisible(form.frames.eta);
        for (std::size_t k = 0; k < headers.size(); ++k) headers[k]->setText(ToQt(form.headers[k]));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const schedule::ScheduleRow& row = form.rows[i];
            rows[i].distance->setText(ToQt(row.distance));
            rows[i].dep_zone->setText(ToQt(row.dep_zone));
            rows[i].dep_gmt->setText(ToQt(row.dep_gmt));
            rows[i].sail_time->setText(ToQt(row.sail_time));
            rows[i].speed->setText(ToQt(row.speed));
            rows[i].arr_gmt->setText(ToQt(row.arr_gmt));
            rows[i].arr_zone->setText(ToQt(row.arr_zone));
        }
    };
    // The typed texts into the form (the buttons' captions are the form's own).
    auto pull = [&] {
        form.inputs.speed_text = FromQt(speed->text());
        form.inputs.days_text = FromQt(days->text());
    };
    show();

    QObject::connect(input, &QComboBox::activated, &dialog, [&](int k) {
        Guard(program, [&] { pull(); model::ChooseScheduleInput(program, form, k); show(); });
    });
    QObject::connect(unit, &QComboBox::activated, &dialog, [&](int k) {
        Guard(program, [&] { pull(); model::ChooseScheduleSpeedUnit(program, form, k); show(); });
    });
    QObject::connect(zones[0], &QComboBox::activated, &dialog, [&](int k) { form.inputs.etd_zone_index = k; });
    QObject::connect(zones[1], &QComboBox::activated, &dialog, [&](int k) { form.inputs.eta_zone_index = k; });
    QObject::connect(detect, &QPushButton::clicked, &dialog, [&] {
        Guard(program, [&] { pull(); model::DetectScheduleTimezones(program, form); show(); });
    });
    QObject::connect(calc, &QPushButton::clicked, &dialog, [&] {
        Guard(program, [&] { pull(); model::CalculateSchedule(program, form); show(); });
    });
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    const std::array<std::pair<QPushButton*, PickerButton>, 5> pickers{{{etd_date, PickerButton::EtdDate},
                                                                        {etd_time, PickerButton::EtdTime},
                                                                        {eta_date, PickerButton::EtaDate},
                                                                        {eta_time, PickerButton::EtaTime},
                                                                        {sail_time, PickerButton::SailingTime}}};
    for (const auto& [widget, which] : pickers) {
        const PickerButton picked = which;
        const bool date = picked == PickerButton::EtdDate || picked == PickerButton::EtaDate;
        QObject::connect(widget, &QPushButton::clicked, &dialog, [&, picked, date] {
            Guard(program, [&] {
                pull();
                if (date) RunSetdate(&dialog, form, picked);
                else RunSettime(&dialog, form, picked);
                show();
            });
        });
    }

    dialog.Run(input, opened);
}

}  // namespace ui
