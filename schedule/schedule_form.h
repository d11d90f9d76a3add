#pragma once
// The route schedule: the state kept for the program's run and the logic of the
// Schedule_Form dialog as plain data. The dialog window only mirrors a
// ScheduleForm: it shows the form's texts, writes the user's edits into
// form.inputs and calls the actions below.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/notices.h"
#include "schedule/date_time.h"
#include "text/format_record.h"

namespace schedule {

// The notice of a sailing time beyond the 32-bit seconds the schedule holds.
inline constexpr const char* kSailingTimeOutOfRangeText = "Sailing time out of range. Max 24855 days allowed";

inline constexpr const char* kScheduleTitle = "Schedule for sailing from Point A to Point B";
inline constexpr const char* kDetectTimezonesCaption = "  Detect   timezones";
inline constexpr const char* kCalcCaption = "&CALC";
inline constexpr const char* kCloseCaption = "C&LOSE";
inline constexpr const char* kPrintCaption = "Print";  // the button has no action
inline constexpr const char* kNotApplicable = "n/a";

enum InputCombination : int {
    kEtdAndSpeed = 0,
    kEtdAndTime = 1,
    kEtdAndEta = 2,
    kSpeedAndEta = 3,
    kTimeAndEta = 4,
};
// "ETD & Speed", "ETD & Time", "ETD & ETA", "Speed & ETA", "Time & ETA".
const std::vector<std::string>& InputCombinationTexts();

// Held for the life of the program, not saved; everything starts at 0.
// A date-time of 0 is one never given.
struct ScheduleState {
    std::int16_t input_combination = 0;
    DateTime etd_gmt;
    DateTime etd_zone_time;
    DateTime eta_gmt;
    DateTime eta_zone_time;
    std::int16_t etd_zone_index = 0;
    std::int16_t eta_zone_index = 0;
    bool zones_stored = false;  // set by the first calculation; "+12" is index 0
    float speed = 0.0f;         // metres per second
    std::int16_t speed_unit_index = 0;
    std::int32_t sailing_time = 0;  // seconds
};

// What the schedule takes from the result sheet and the points.
struct SheetValues {
    std::string geodetic_distance;      // text of lblTrueDist
    std::string great_circle_distance;  // text of lblGrCircleDist
    std::string rhumb_line_distance;    // text of lblRhLineDist
    text::FormatRecord distance_format;      // pub_DistFormat
    text::FormatRecord great_circle_format;  // pub_GCFormat
    double longitude_a = 0.0;  // radians
    double longitude_b = 0.0;  // radians
    char decimal_separator = '.';  // the locale's
};

// The input frames frmETD, frmSpeed, frmTime and frmETA.
struct InputFrames {
    bool etd = false;
    bool speed = false;
    bool time = false;
    bool eta = false;
};
InputFrames VisibleInputFrames(int combination);

// The dialog's editable controls; the button captions hold the picked values.
struct ScheduleInputs {
    int combination = 0;     // cmbInput
    int speed_unit = 0;      // cmbSpeedUnit
    int etd_zone_index = 12;  // cmbTimeZone(0)
    int eta_zone_index = 12;  // cmbTimeZone(1)
    std::string speed_text;  // txtSpeed
    std::string days_text;   // txtDays
    std::string etd_date;    // cmdDate and cmdTime of frmETD, "dd mmm yyyy" and "hh:mm[:ss]"
    std::string etd_time;
    std::string eta_date;    // the same of frmETA
    std::string eta_time;
    std::string sailing_time;  // cmdTime of frmTime, "HH:MM"
};

// One result row: 0 the geodetic line, 1 the great circle, 2 the rhumb line.
struct ScheduleRow {
    std::string distance;   // lblDistance
    std::string dep_zone;   // lblDepZone
    std::string dep_gmt;    // lblDepGMT
    std::string sail_time;  // lblSailTime
    std::string speed;      // lblSpeed
    std::string arr_gmt;    // lblArrGMT
    std::string arr_zone;   // lblArrZone
};

struct ScheduleForm {
    ScheduleInputs inputs;
    InputFrames frames;
    std::array<std::string, 6> headers;  // lblHeader(0 ... 5)
    std::array<ScheduleRow, 3> rows;
};

// The route-schedule menu entry: true when the sheet's lblTrueDist holds a result.
bool RangeBearingResultExists(const std::string& true_distance_text);
// Shows the "Irrelevant action" notice and returns false when there is no
// range/bearing result to plan from.
bool MayOpenSchedule(bool range_bearing_result_exists, const platform::NoticeSink& notices);

// The dialog as it opens: the last inputs of this run, the date and time buttons
// with the stored zone times (or the present local time when none was given).
ScheduleForm OpenScheduleForm(const ScheduleState& state, const SheetValues& sheet, DateTime present_local_time);

// cmbInput: shows the frames the combination needs and stores it.
void ChooseInputCombination(ScheduleForm& form, ScheduleState& state, int combination);
// cmbSpeedUnit: stores the unit (txtSpeed keeps its text).
void ChooseSpeedUnit(ScheduleForm& form, ScheduleState& state, int unit_index);
// cmdTimeZone: the zone lists get the bands of Point A's and Point B's longitudes.
void DetectTimezones(ScheduleForm& form, const SheetValues& sheet);
// cmdCalc: computes the three rows and stores the inputs. Returns false, with the
// "Irrelevant input" notice and no row changed, when the ETA is before the ETD.
bool Calculate(ScheduleForm& form, ScheduleState& state, const SheetValues& sheet,
               const platform::NoticeSink& notices);

// The buttons that open a picker, with the header the picker shows.
enum class PickerButton { EtdDate, EtdTime, EtaDate, EtaTime, SailingTime };
std::string& ButtonCaption(ScheduleInputs& inputs, PickerButton button);
const char* PickerHeader(PickerButton button);

}  // namespace schedule
