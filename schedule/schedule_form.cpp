#include "schedule/schedule_form.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/constants.h"
#include "text/number_text.h"
#include "schedule/schedule_text.h"
#include "text/run_action.h"

namespace schedule {

namespace {

constexpr std::array<const char*, 6> kBaseHeaders = {"Dep Zone", "Dep GMT", "Time to sail",
                                                     "Speed",    "Arr GMT", "Arr Zone"};

int ClampCombination(int combination) { return std::clamp(combination, 0, 4); }

int ClampZoneIndex(int index) { return std::clamp(index, 0, kZoneCount - 1); }

// Sailing times are 32-bit seconds (about 68 years); longer ones are held at
// the limit rather than overflowing.
std::int32_t ToSailingSeconds(double seconds) {
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (!std::isfinite(seconds)) return seconds < 0 ? static_cast<std::int32_t>(kMin)
                                                    : static_cast<std::int32_t>(kMax);
    return static_cast<std::int32_t>(std::nearbyint(std::clamp(seconds, kMin, kMax)));
}

// A sheet distance text back in metres, held as a single.
float ReadDistance(const std::string& text, const text::FormatRecord& format) {
    if (format.Factor == 0.0) return 0.0f;
    return static_cast<float>(text::ReadNumber(text) / format.Factor);
}

std::array<float, 3> ReadDistances(const SheetValues& sheet) {
    return {ReadDistance(sheet.geodetic_distance, sheet.distance_format),
            ReadDistance(sheet.great_circle_distance, sheet.great_circle_format),
            ReadDistance(sheet.rhumb_line_distance, sheet.great_circle_format)};
}

float ReadSpeed(const ScheduleInputs& inputs) {
    const float typed = static_cast<float>(std::fabs(text::ReadNumber(inputs.speed_text)));
    return typed * SpeedUnitAt(inputs.speed_unit).metres_per_second;
}

double ReadSailingTime(const ScheduleInputs& inputs) {
    const double days = std::fabs(text::ReadNumber(inputs.days_text));
    return days * 24 * 60 * 60 + static_cast<double>(HoursMinutesToSeconds(inputs.sailing_time));
}

// Sailing times are held in 32-bit seconds: beyond about 68 years the
// calculation is refused rather than run on a time cut to the limit.
bool SailingTimeInRange(double seconds, const platform::NoticeSink& notices) {
    if (std::fabs(seconds) <= static_cast<double>(std::numeric_limits<std::int32_t>::max())) return true;
    platform::Show(notices, kSailingTimeOutOfRangeText, platform::Icon::Exclamation, "Irrelevant input");
    return false;
}

std::string SpeedText(float metres_per_second, const SpeedUnit& unit, char decimal_separator) {
    return FormatTwoDecimals(metres_per_second / unit.metres_per_second, decimal_separator) + " " + unit.text;
}

}  // namespace

const std::vector<std::string>& InputCombinationTexts() {
    static const std::vector<std::string> kTexts = {"ETD & Speed", "ETD & Time", "ETD & ETA", "Speed & ETA",
                                                    "Time & ETA"};
    return kTexts;
}

InputFrames VisibleInputFrames(int combination) {
    switch (ClampCombination(combination)) {
        case kEtdAndSpeed: return {true, true, false, false};
        case kEtdAndTime: return {true, false, true, false};
        case kEtdAndEta: return {true, false, false, true};
        case kSpeedAndEta: return {false, true, false, true};
        default: return {false, false, true, true};
    }
}

bool RangeBearingResultExists(const std::string& true_distance_text) { return true_distance_text != " n/a "; }

bool MayOpenSchedule(bool range_bearing_result_exists, const platform::NoticeSink& notices) {
    if (range_bearing_result_exists) return true;
    platform::Show(notices, "A Range/Bearing calculation has to be carried out before display of Route Scedule",
                   platform::Icon::Information, "Irrelevant action");
    return false;
}

ScheduleForm OpenScheduleForm(const ScheduleState& state, const SheetValues& sheet, DateTime present_local_time) {
    ScheduleForm form;
    ScheduleInputs& in = form.inputs;
    in.combination = ClampCombination(state.input_combination);
    in.speed_unit = std::clamp<int>(state.speed_unit_index, 0, static_cast<int>(SpeedUnits().size()) - 1);
    if (state.zones_stored) {
        in.etd_zone_index = ClampZoneIndex(state.etd_zone_index);
        in.eta_zone_index = ClampZoneIndex(state.eta_zone_index);
    }
    // The buttons hold zone times, which is how a calculation reads them.
    const DateTime etd = state.etd_zone_time.seconds != 0 ? state.etd_zone_time : present_local_time;
    const DateTime eta = state.eta_zone_time.seconds != 0 ? state.eta_zone_time : present_local_time;
    in.etd_date = FormatDate(etd);
    in.etd_time = FormatClock(etd);
    in.eta_date = FormatDate(eta);
    in.eta_time = FormatClock(eta);
    in.speed_text = FormatTwoDecimals(state.speed / SpeedUnitAt(in.speed_unit).metres_per_second,
                                      sheet.decimal_separator);
    const SailingTimeParts sailing = SplitSailingTime(state.sailing_time);
    in.days_text = std::to_string(sailing.days);
    in.sailing_time = sailing.hours_minutes;

    form.frames = VisibleInputFrames(in.combination);
    std::copy(kBaseHeaders.begin(), kBaseHeaders.end(), form.headers.begin());
    const std::array<const std::string*, 3> distances = {&sheet.geodetic_distance, &sheet.great_circle_distance,
                                                         &sheet.rhumb_line_distance};
    for (std::size_t i = 0; i < form.rows.size(); ++i) {
        form.rows[i] = ScheduleRow{*distances[i], kNotApplicable, kNotApplicable, kNotApplicable,
                                   kNotApplicable, kNotApplicable, kNotApplicable};
    }
    return form;
}

void ChooseInputCombination(ScheduleForm& form, ScheduleState& state, int combination) {
    form.inputs.combination = ClampCombination(combination);
    form.frames = VisibleInputFrames(form.inputs.combination);
    state.input_combination = static_cast<std::int16_t>(form.inputs.combination);
}

void ChooseSpeedUnit(ScheduleForm& form, ScheduleState& state, int unit_index) {
    form.inputs.speed_unit = std::clamp(unit_index, 0, static_cast<int>(SpeedUnits().size()) - 1);
    state.speed_unit_index = static_cast<std::int16_t>(form.inputs.speed_unit);
}

void DetectTimezones(ScheduleForm& form, const SheetValues& sheet) {
    const int index_a = ZoneIndexForLongitude(sheet.longitude_a * engine::kDegPerRad);
    const int index_b = ZoneIndexForLongitude(sheet.longitude_b * engine::kDegPerRad);
    if (index_a >= 0) form.inputs.etd_zone_index = index_a;
    if (index_b >= 0) form.inputs.eta_zone_index = index_b;
}

namespace {

bool CalculateRows(ScheduleForm& form, ScheduleState& state, const SheetValues& sheet,
                   const platform::NoticeSink& notices) {
    ScheduleInputs& in = form.inputs;
    const std::array<float, 3> distances = ReadDistances(sheet);
    in.etd_zone_index = ClampZoneIndex(in.etd_zone_index);
    in.eta_zone_index = ClampZoneIndex(in.eta_zone_index);
    const int departure_zone = ZoneValueAt(in.etd_zone_index);
    const int arrival_zone = ZoneValueAt(in.eta_zone_index);

    const int combination = ClampCombination(in.combination);
    const bool etd_given = combination == kEtdAndSpeed || combination == kEtdAndTime || combination == kEtdAndEta;
    const bool eta_given = combination == kEtdAndEta || combination == kSpeedAndEta || combination == kTimeAndEta;
    const bool speed_given = combination == kEtdAndSpeed || combination == kSpeedAndEta;
    const bool time_given = combination == kEtdAndTime || combination == kTimeAndEta;
    const SpeedUnit& unit = SpeedUnitAt(in.speed_unit);

    DateTime etd_zone_time, etd_gmt, eta_zone_time, eta_gmt;
    if (etd_given) {
        etd_zone_time = ReadDateAndTime(in.etd_date, in.etd_time);
        etd_gmt = AddHours(etd_zone_time, departure_zone);
    }
    if (eta_given) {
        eta_zone_time = ReadDateAndTime(in.eta_date, in.eta_time);
        eta_gmt = AddHours(eta_zone_time, arrival_zone);
    }
    const float given_speed = speed_given ? ReadSpeed(in) : 0.0f;
    const double typed_time = time_given ? ReadSailingTime(in) : 0.0;
    if (!SailingTimeInRange(typed_time, notices)) return false;
    if (speed_given && given_speed > 0.001f)
        for (const float distance : distances)
            if (!SailingTimeInRange(static_cast<double>(distance / given_speed), notices)) return false;
    std::int32_t given_time = ToSailingSeconds(typed_time);

    state.etd_zone_index = static_cast<std::int16_t>(in.etd_zone_index);
    state.eta_zone_index = static_cast<std::int16_t>(in.eta_zone_index);
    state.zones_stored = true;
    form.headers[0] = std::string(kBaseHeaders[0]) + " " + ZoneText(departure_zone);
    form.headers[5] = std::string(kBaseHeaders[5]) + " " + ZoneText(arrival_zone);
    if (combination == kEtdAndEta) {
        if (eta_gmt < etd_gmt) {
            platform::Show(notices, "You are not able to travel backwards in time, are you ?", platform::Icon::Stop,
                           "Irrelevant input");
            return false;
        }
        given_time = ToSailingSeconds(static_cast<double>(SecondsBetween(etd_gmt, eta_gmt)));
    }

    if (etd_given) {
        state.etd_zone_time = etd_zone_time;
        state.etd_gmt = etd_gmt;
    }
    if (eta_given) {
        state.eta_zone_time = eta_zone_time;
        state.eta_gmt = eta_gmt;
    }
    if (speed_given) state.speed = given_speed;
    if (time_given) state.sailing_time = given_time;
    state.speed_unit_index = static_cast<std::int16_t>(in.speed_unit);

    for (std::size_t i = 0; i < form.rows.size(); ++i) {
        const float distance = distances[i];
        // Without a sailing time the speed keeps the value it had before.
        float speed = speed_given ? given_speed : state.speed;
        std::int32_t seconds = 0;
        if (speed_given) {
            if (speed > 0.001f) seconds = ToSailingSeconds(distance / speed);
        } else {
            seconds = given_time;
            if (seconds != 0) speed = distance / static_cast<float>(seconds);
        }
        DateTime dep_zone = etd_zone_time, dep_gmt = etd_gmt, arr_zone = eta_zone_time, arr_gmt = eta_gmt;
        if (etd_given) {
            if (combination != kEtdAndEta) {
                arr_gmt = AddSeconds(etd_gmt, seconds);
                arr_zone = AddHours(arr_gmt, -arrival_zone);
            }
        } else {
            dep_gmt = AddSeconds(eta_gmt, -seconds);
            dep_zone = AddHours(dep_gmt, -departure_zone);
        }
        ScheduleRow& row = form.rows[i];
        row.dep_zone = FormatDateClock(dep_zone);
        row.dep_gmt = FormatDateClock(dep_gmt);
        row.sail_time = SailingTimeText(seconds);
        row.speed = SpeedText(speed, unit, sheet.decimal_separator);
        row.arr_gmt = FormatDateClock(arr_gmt);
        row.arr_zone = FormatDateClock(arr_zone);
    }
    return true;
}

}  // namespace

bool Calculate(ScheduleForm& form, ScheduleState& state, const SheetValues& sheet,
               const platform::NoticeSink& notices) {
    // Every number is read before the state or a row changes, so a failure while
    // reading (a number beyond a double) leaves both as they were.
    bool completed = false;
    const bool ran = text::RunAction(notices, [&] { completed = CalculateRows(form, state, sheet, notices); });
    return ran && completed;
}

std::string& ButtonCaption(ScheduleInputs& inputs, PickerButton button) {
    switch (button) {
        case PickerButton::EtdDate: return inputs.etd_date;
        case PickerButton::EtdTime: return inputs.etd_time;
        case PickerButton::EtaDate: return inputs.eta_date;
        case PickerButton::EtaTime: return inputs.eta_time;
        case PickerButton::SailingTime: break;
    }
    return inputs.sailing_time;
}

const char* PickerHeader(PickerButton button) {
    switch (button) {
        case PickerButton::EtdDate:
        case PickerButton::EtdTime: return "ETD";
        case PickerButton::EtaDate:
        case PickerButton::EtaTime: return "ETA";
        case PickerButton::SailingTime: break;
    }
    return "Time to sail";
}

}  // namespace schedule
