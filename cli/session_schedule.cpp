// The session's lines for the route schedule (Options, Route schedule) and its
// date and time pickers: `schedule open`, the dialog's controls one line each,
// `schedule close`; over it `setdate BUTTON` / `settime BUTTON` with their
// picks and `ok` or `cancel`.
#include <ostream>

#include "cli/operation.h"
#include "cli/session.h"
#include "cli/session_print.h"
#include "model/actions.h"
#include "model/dialogs.h"
#include "model/menus.h"
#include "model/program.h"
#include "model/schedule_actions.h"
#include "schedule/schedule_text.h"

namespace cli {
namespace {

constexpr const char* kSchedule = "schedule";
constexpr const char* kSetdate = "setdate";
constexpr const char* kSettime = "settime";

using schedule::PickerButton;

struct DateDialog {
    PickerButton button;
    schedule::DatePicker picker;
};
struct TimeDialog {
    PickerButton button;
    schedule::TimePicker picker;
};

schedule::ScheduleForm& Form(Session& s) {
    for (auto& open : s.open_dialogs)
        if (open.action == kSchedule) return std::any_cast<schedule::ScheduleForm&>(open.dialog);
    throw RecordError("the route schedule is not open (schedule open)");
}

void Close(Session& s) {
    s.open_dialogs.pop_back();
    // Closing a picker leaves the schedule open and the main window disabled.
    if (s.open_dialogs.empty()) model::CloseDialog(s.program);
}

// The entry of `list` whose text is `text`, else a RecordError listing them.
int ListEntry(const std::vector<std::string>& list, const std::string& text, const char* what) {
    for (std::size_t k = 0; k < list.size(); ++k)
        if (list[k] == text) return static_cast<int>(k);
    std::string offered;
    for (const auto& entry : list) offered += (offered.empty() ? "" : ", ") + entry;
    throw RecordError(std::string(what) + " '" + text + "' is not in the list (" + offered + ")");
}

std::vector<std::string> SpeedUnitTexts() {
    std::vector<std::string> texts;
    for (const auto& unit : schedule::SpeedUnits()) texts.emplace_back(unit.text);
    return texts;
}

// The zone list of a frame word: "etd" cmbTimeZone(0), "eta" cmbTimeZone(1).
int& ZoneOf(schedule::ScheduleForm& form, const std::string& frame) {
    if (frame == "etd") return form.inputs.etd_zone_index;
    if (frame == "eta") return form.inputs.eta_zone_index;
    throw RecordError("zone list '" + frame + "' (etd or eta expected)");
}

PickerButton DateButton(const std::string& word) {
    if (word == "etd") return PickerButton::EtdDate;
    if (word == "eta") return PickerButton::EtaDate;
    throw RecordError("date button '" + word + "' (etd or eta expected)");
}

PickerButton TimeButton(const std::string& word) {
    if (word == "etd") return PickerButton::EtdTime;
    if (word == "eta") return PickerButton::EtaTime;
    if (word == "sail") return PickerButton::SailingTime;
    throw RecordError("time button '" + word + "' (etd, eta or sail expected)");
}

const char* Shown(bool visible) { return visible ? "visible" : "hidden"; }

void ShowForm(Session& s, const schedule::ScheduleForm& form) {
    std::ostream& out = s.out;
    const schedule::ScheduleInputs& in = form.inputs;
    const auto zones = schedule::ZoneListTexts();
    out << "cmbInput\t" << schedule::InputCombinationTexts()[static_cast<std::size_t>(in.combination)] << '\n';
    out << "frmETD\t" << Shown(form.frames.etd) << '\t' << in.etd_date << '\t' << in.etd_time << '\n';
    out << "frmSpeed\t" << Shown(form.frames.speed) << '\t' << Printable(in.speed_text) << '\t'
        << schedule::SpeedUnitAt(in.speed_unit).text << '\n';
    out << "frmTime\t" << Shown(form.frames.time) << '\t' << Printable(in.days_text) << '\t' << in.sailing_time
        << '\n';
    out << "frmETA\t" << Shown(form.frames.eta) << '\t' << in.eta_date << '\t' << in.eta_time << '\n';
    out << "cmbTimeZone(0)\t" << zones[static_cast<std::size_t>(in.etd_zone_index)] << '\n';
    out << "cmbTimeZone(1)\t" << zones[static_cast<std::size_t>(in.eta_zone_index)] << '\n';
    out << "lblHeader";
    for (const auto& header : form.headers) out << '\t' << header;
    out << '\n';
    for (std::size_t i = 0; i < form.rows.size(); ++i) {
        const schedule::ScheduleRow& row = form.rows[i];
        out << "row(" << i << ")\t" << Printable(row.distance) << '\t' << row.dep_zone << '\t' << row.dep_gmt
            << '\t' << row.sail_time << '\t' << row.speed << '\t' << row.arr_gmt << '\t' << row.arr_zone << '\n';
    }
}

std::string Span(const std::vector<std::string>& list) {
    return list.empty() ? "" : list.front() + " ... " + list.back();
}

void Schedule(Session& s, const std::string& rest) {
    const auto [word, argument] = FirstWord(rest);
    if (word == "open") {
        if (!s.open_dialogs.empty()) throw RecordError("the route schedule is already open");
        const model::MenuEntry* entry = model::FindMenuEntry(s.program.menus, "mnuRoute");
        if (entry && !entry->enabled) throw RecordError("the menu entry mnuRoute is disabled in this mode");
        if (model::MenuCommand(s.program, "mnuRoute").kind != model::DialogKind::RouteSchedule) return;
        s.open_dialogs.push_back({kSchedule, model::OpenRouteSchedule(s.program, schedule::PresentLocalTime()),
                                  {kSetdate, kSettime}});
        return;
    }
    schedule::ScheduleForm& form = Form(s);
    if (word == "input") {
        const auto& texts = schedule::InputCombinationTexts();
        int k = -1;
        for (std::size_t j = 0; j < texts.size(); ++j)
            if (texts[j] == argument) k = static_cast<int>(j);
        model::ChooseScheduleInput(s.program, form, k >= 0 ? k : ReadChoice(argument, "input combination", 0, 4));
    } else if (word == "unit") {
        model::ChooseScheduleSpeedUnit(s.program, form, ListEntry(SpeedUnitTexts(), argument, "speed unit"));
    } else if (word == "zone") {
        const auto [frame, zone] = FirstWord(argument);
        int& index = ZoneOf(form, frame);
        index = ListEntry(schedule::ZoneListTexts(), zone, "time zone");
    } else if (word == "speed") {
        form.inputs.speed_text = argument;
    } else if (word == "days") {
        form.inputs.days_text = argument;
    } else if (word == "detect") {
        model::DetectScheduleTimezones(s.program, form);
    } else if (word == "calc") {
        model::CalculateSchedule(s.program, form);
    } else if (word == "print") {
        // The dialog's Print button has no action.
    } else if (word == "show") {
        ShowForm(s, form);
    } else if (word == "close") {
        Close(s);
    } else {
        throw RecordError("schedule '" + word +
                          "' (open, input, unit, zone, speed, days, detect, calc, print, show or close expected)");
    }
}

void Setdate(Session& s, const std::string& rest) {
    const auto [word, argument] = FirstWord(rest);
    if (auto* open = OpenDialogOf<DateDialog>(s, kSetdate)) {
        schedule::DatePicker& picker = open->picker;
        if (word == "day") {
            ListEntry(picker.days, argument, "day");
            schedule::PickDay(picker, argument);
        } else if (word == "month") {
            ListEntry(picker.months, argument, "month");
            schedule::PickMonth(picker, argument);
        } else if (word == "year") {
            ListEntry(picker.years, argument, "year");
            schedule::PickYear(picker, argument);
        } else if (word == "show") {
            s.out << "lblHeader\t" << picker.header << "\nlblDate\t" << picker.date_text << "\nlstDay\t"
                  << Span(picker.days) << "\nlstMonth\t" << Span(picker.months) << "\nlstYear\t"
                  << Span(picker.years) << '\n';
        } else if (word == "ok") {
            const DateDialog picked = *open;
            Close(s);
            model::DatePickerOK(Form(s), picked.button, picked.picker);
        } else if (word == "cancel") {
            Close(s);
        } else {
            throw RecordError("setdate '" + word + "' (day, month, year, show, ok or cancel expected)");
        }
        return;
    }
    if (s.open_dialogs.empty() || s.open_dialogs.back().action != kSchedule)
        throw RecordError("setdate opens from the route schedule (schedule open)");
    if (!argument.empty()) throw RecordError("setdate " + word + " takes nothing more");
    const PickerButton button = DateButton(word);
    const int present_year = schedule::ToCivil(schedule::PresentLocalTime()).year;
    s.open_dialogs.push_back({kSetdate, DateDialog{button, model::OpenDatePicker(Form(s), button, present_year)}, {}});
}

void Settime(Session& s, const std::string& rest) {
    const auto [word, argument] = FirstWord(rest);
    if (auto* open = OpenDialogOf<TimeDialog>(s, kSettime)) {
        schedule::TimePicker& picker = open->picker;
        if (word == "hour") {
            ListEntry(picker.hours, argument, "hour");
            schedule::PickHour(picker, argument);
        } else if (word == "minute") {
            ListEntry(picker.minutes, argument, "minute");
            schedule::PickMinute(picker, argument);
        } else if (word == "second") {
            ListEntry(picker.seconds, argument, "second");
            schedule::PickSecond(picker, argument);
        } else if (word == "show") {
            s.out << "lblHeader\t" << picker.header << "\nlblTime\t" << picker.time_text << '\n';
        } else if (word == "ok") {
            const TimeDialog picked = *open;
            Close(s);
            model::TimePickerOK(Form(s), picked.button, picked.picker);
        } else if (word == "cancel") {
            Close(s);
        } else {
            throw RecordError("settime '" + word + "' (hour, minute, second, show, ok or cancel expected)");
        }
        return;
    }
    if (s.open_dialogs.empty() || s.open_dialogs.back().action != kSchedule)
        throw RecordError("settime opens from the route schedule (schedule open)");
    if (!argument.empty()) throw RecordError("settime " + word + " takes nothing more");
    const PickerButton button = TimeButton(word);
    s.open_dialogs.push_back({kSettime, TimeDialog{button, model::OpenTimePicker(Form(s), button)}, {}});
}

const bool registered = RegisterSessionAction(kSchedule, Schedule) && RegisterSessionAction(kSetdate, Setdate) &&
                        RegisterSessionAction(kSettime, Settime);

}  // namespace
}  // namespace cli
