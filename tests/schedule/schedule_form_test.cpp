#include "schedule/schedule_form.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/constants.h"
#include "schedule/schedule_text.h"

namespace schedule {
namespace {

text::FormatRecord Metres() { return text::FormatRecord{"Meter", 0, 3, 1.0, " m", "0.000"}; }

text::FormatRecord NauticalMiles() {
    return text::FormatRecord{"Nautical Miles", 2, 3, 1.0 / 1852.0, " nmile", "0.000"};
}

// 10 nautical miles on every route, the great-circle and rhumb-line texts in nautical miles.
SheetValues TenMileSheet() {
    SheetValues sheet;
    sheet.geodetic_distance = "18 520.000 m ";
    sheet.great_circle_distance = "10.000 nmile ";
    sheet.rhumb_line_distance = "20,000 nmile ";
    sheet.distance_format = Metres();
    sheet.great_circle_format = NauticalMiles();
    return sheet;
}

const DateTime kPresent = FromCivil({2024, 1, 5, 12, 0, 0});

// A row's six labels in the order of the headers.
using Labels = std::array<std::string, 6>;
Labels LabelsOf(const ScheduleRow& row) {
    return {row.dep_zone, row.dep_gmt, row.sail_time, row.speed, row.arr_gmt, row.arr_zone};
}

struct Dialog {
    ScheduleState& state;
    SheetValues sheet = TenMileSheet();
    platform::RecordedNotices notices;
    ScheduleForm form = OpenScheduleForm(state, sheet, kPresent);

    explicit Dialog(ScheduleState& s, int combination) : state(s) {
        ChooseInputCombination(form, state, combination);
    }
    bool Calc() { return Calculate(form, state, sheet, notices.Sink()); }
};

TEST(ScheduleForm, OpensWithStartValuesAndTheSheetDistances) {
    ScheduleState state;
    const ScheduleForm form = OpenScheduleForm(state, TenMileSheet(), kPresent);
    const ScheduleInputs& in = form.inputs;
    EXPECT_EQ(std::tie(in.combination, in.speed_unit, in.etd_zone_index, in.eta_zone_index),
              std::tuple(kEtdAndSpeed, 0, kGmtZoneIndex, kGmtZoneIndex));
    EXPECT_EQ(std::tie(in.etd_date, in.etd_time, in.eta_date, in.eta_time, in.speed_text, in.days_text, in.sailing_time),
              std::tuple("05 Jan 2024", "12:00", "05 Jan 2024", "12:00", "0.00", "0", "00:00"));
    EXPECT_EQ(form.headers, (std::array<std::string, 6>{"Dep Zone", "Dep GMT", "Time to sail", "Speed", "Arr GMT",
                                                        "Arr Zone"}));
    EXPECT_EQ(form.rows[0].distance, "18 520.000 m ");
    EXPECT_EQ(form.rows[1].distance, "10.000 nmile ");
    EXPECT_EQ(form.rows[2].distance, "20,000 nmile ");
    for (const ScheduleRow& row : form.rows) EXPECT_EQ(LabelsOf(row), (Labels{"n/a", "n/a", "n/a", "n/a", "n/a", "n/a"}));
    EXPECT_EQ(InputCombinationTexts(),
              (std::vector<std::string>{"ETD & Speed", "ETD & Time", "ETD & ETA", "Speed & ETA", "Time & ETA"}));
}

TEST(ScheduleForm, EachCombinationShowsOnlyItsFrames) {
    auto frames = [](int c) {
        const InputFrames f = VisibleInputFrames(c);
        return std::string(f.etd ? "D" : "-") + (f.speed ? "S" : "-") + (f.time ? "T" : "-") + (f.eta ? "A" : "-");
    };
    EXPECT_EQ(frames(kEtdAndSpeed), "DS--");
    EXPECT_EQ(frames(kEtdAndTime), "D-T-");
    EXPECT_EQ(frames(kEtdAndEta), "D--A");
    EXPECT_EQ(frames(kSpeedAndEta), "-S-A");
    EXPECT_EQ(frames(kTimeAndEta), "--TA");

    ScheduleState state;
    ScheduleForm form = OpenScheduleForm(state, TenMileSheet(), kPresent);
    ChooseInputCombination(form, state, kTimeAndEta);
    EXPECT_EQ(state.input_combination, kTimeAndEta);
    EXPECT_TRUE(form.frames.time && form.frames.eta && !form.frames.etd && !form.frames.speed);
}

TEST(ScheduleForm, TenKnotsOverTenMilesTakesOneHour) {
    ScheduleState state;
    Dialog dialog(state, kEtdAndSpeed);
    dialog.form.inputs.speed_text = "10";
    ASSERT_TRUE(dialog.Calc());
    for (const ScheduleRow& row : {dialog.form.rows[0], dialog.form.rows[1]})
        EXPECT_EQ(LabelsOf(row), (Labels{"05 Jan 2024 12:00", "05 Jan 2024 12:00", "0 d 01:00 h", "10.00 knots",
                                         "05 Jan 2024 13:00", "05 Jan 2024 13:00"}));
    EXPECT_EQ(dialog.form.rows[2].sail_time, "0 d 02:00 h");
    EXPECT_EQ(dialog.form.rows[2].arr_gmt, "05 Jan 2024 14:00");
    EXPECT_EQ(dialog.form.headers[0], "Dep Zone 00");
    EXPECT_EQ(dialog.form.headers[5], "Arr Zone 00");
    EXPECT_TRUE(dialog.notices.notices.empty());
    // Only the inputs are kept: the ETD and the speed, no ETA.
    EXPECT_EQ(state.etd_zone_time, FromCivil({2024, 1, 5, 12, 0}));
    EXPECT_FLOAT_EQ(state.speed, 10 * 1852.0f / 3600.0f);
    EXPECT_EQ(state.eta_gmt.seconds, 0);
    EXPECT_EQ(state.sailing_time, 0);
}

TEST(ScheduleForm, ZonesShiftDepartureAndArrival) {
    ScheduleState state;
    Dialog dialog(state, kEtdAndSpeed);
    dialog.form.inputs.speed_text = "10";
    dialog.form.inputs.etd_zone_index = 13;  // -01
    dialog.form.inputs.eta_zone_index = 10;  // +02
    ASSERT_TRUE(dialog.Calc());
    EXPECT_EQ(LabelsOf(dialog.form.rows[0]), (Labels{"05 Jan 2024 12:00", "05 Jan 2024 11:00", "0 d 01:00 h", "10.00 knots",
                                                     "05 Jan 2024 12:00", "05 Jan 2024 10:00"}));
    EXPECT_EQ(dialog.form.headers[0], "Dep Zone -01");
    EXPECT_EQ(dialog.form.headers[5], "Arr Zone +02");
    EXPECT_EQ(state.etd_zone_index, 13);
    EXPECT_EQ(state.etd_gmt, FromCivil({2024, 1, 5, 11, 0}));
}

TEST(ScheduleForm, SpeedUnitsAndCommaDecimals) {
    ScheduleState state;
    Dialog dialog(state, kEtdAndSpeed);
    ChooseSpeedUnit(dialog.form, state, 3);
    EXPECT_EQ(state.speed_unit_index, 3);
    dialog.form.inputs.speed_text = "-11,5";  // the sign is dropped, the comma is a decimal point
    ASSERT_TRUE(dialog.Calc());
    EXPECT_FLOAT_EQ(state.speed, 11.5f * (1609.0f / 3600.0f));
    EXPECT_EQ(dialog.form.rows[0].speed, "11.50 mph");
    // 18520 m at 11.5 * 1609 / 3600 m/s is 3603.2 s.
    EXPECT_EQ(dialog.form.rows[0].sail_time, "0 d 01:00 h");
    EXPECT_EQ(dialog.form.rows[0].arr_gmt, "05 Jan 2024 13:00");
    dialog.sheet.decimal_separator = ',';
    ASSERT_TRUE(dialog.Calc());
    EXPECT_EQ(dialog.form.rows[0].speed, "11,50 mph");
}

TEST(ScheduleForm, EtdAndSailingTime) {
    ScheduleState state;
    Dialog dialog(state, kEtdAndTime);
    dialog.form.inputs.days_text = "2";
    dialog.form.inputs.sailing_time = "03:05";
    ASSERT_TRUE(dialog.Calc());
    const ScheduleRow& row = dialog.form.rows[0];
    EXPECT_EQ(row.sail_time, "2 d 03:05 h");
    EXPECT_EQ(row.arr_gmt, "07 Jan 2024 15:05");
    EXPECT_EQ(state.sailing_time, 2 * 86400 + 3 * 3600 + 5 * 60);
    // 10 miles in 51 h 5 min.
    EXPECT_EQ(row.speed, "0.20 knots");

    dialog.form.inputs.days_text = "-0,5";  // half a day, the sign dropped
    dialog.form.inputs.sailing_time = "01:00";
    ASSERT_TRUE(dialog.Calc());
    EXPECT_EQ(dialog.form.rows[0].sail_time, "0 d 13:00 h");
    EXPECT_EQ(dialog.form.rows[0].arr_zone, "06 Jan 2024 01:00");
}

TEST(ScheduleForm, EtdAndEtaGivesTimeAndSpeed) {
    ScheduleState state;
    Dialog dialog(state, kEtdAndEta);
    dialog.form.inputs.etd_zone_index = kGmtZoneIndex;
    dialog.form.inputs.eta_date = "05 Jan 2024";
    dialog.form.inputs.eta_time = "12:00";
    dialog.form.inputs.eta_zone_index = 11;  // +01: 13:00 GMT
    ASSERT_TRUE(dialog.Calc());
    EXPECT_EQ(LabelsOf(dialog.form.rows[0]), (Labels{"05 Jan 2024 12:00", "05 Jan 2024 12:00", "0 d 01:00 h", "10.00 knots",
                                                     "05 Jan 2024 13:00", "05 Jan 2024 12:00"}));
    EXPECT_EQ(dialog.form.rows[2].speed, "20.00 knots");
    EXPECT_EQ(state.eta_gmt, FromCivil({2024, 1, 5, 13, 0}));
    EXPECT_EQ(state.etd_gmt, FromCivil({2024, 1, 5, 12, 0}));
    // Neither speed nor time was an input: the state keeps none.
    EXPECT_EQ(state.speed, 0.0f);
    EXPECT_EQ(state.sailing_time, 0);
}

TEST(ScheduleForm, ArrivalBeforeDepartureIsRefused) {
    ScheduleState state;
    Dialog dialog(state, kEtdAndEta);
    dialog.form.inputs.eta_time = "11:59";
    const auto rows_before = dialog.form.rows;
    EXPECT_FALSE(dialog.Calc());
    ASSERT_EQ(dialog.notices.notices.size(), 1u);
    const platform::Notice& notice = dialog.notices.notices[0];
    EXPECT_EQ(std::tie(notice.text, notice.title, notice.icon),
              std::tuple("You are not able to travel backwards in time, are you ?", "Irrelevant input", platform::Icon::Stop));
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(LabelsOf(dialog.form.rows[i]), LabelsOf(rows_before[i]));
    EXPECT_EQ(state.etd_gmt.seconds, 0);
    EXPECT_EQ(state.eta_gmt.seconds, 0);

    // The same clock time is later in GMT in a zone further west.
    dialog.form.inputs.eta_zone_index = 11;
    EXPECT_TRUE(dialog.Calc());
    EXPECT_EQ(dialog.form.rows[0].sail_time, "0 d 00:59 h");
}

TEST(ScheduleForm, ZeroTimeKeepsThePreviousSpeed) {
    ScheduleState state;
    {
        Dialog dialog(state, kEtdAndSpeed);
        dialog.form.inputs.speed_text = "12";
        ASSERT_TRUE(dialog.Calc());
    }
    Dialog dialog(state, kEtdAndEta);  // ETD and ETA both 12:00
    ASSERT_TRUE(dialog.Calc());
    for (const ScheduleRow& row : dialog.form.rows) {
        EXPECT_EQ(row.sail_time, "0 d 00:00 h");
        EXPECT_EQ(row.speed, "12.00 knots");
        EXPECT_EQ(row.arr_gmt, row.dep_gmt);
    }
    ChooseInputCombination(dialog.form, state, kEtdAndTime);
    dialog.form.inputs.days_text = "0";
    dialog.form.inputs.sailing_time = "00:00";
    ASSERT_TRUE(dialog.Calc());
    EXPECT_EQ(dialog.form.rows[1].speed, "12.00 knots");
    EXPECT_EQ(dialog.form.rows[1].sail_time, "0 d 00:00 h");
}

TEST(ScheduleForm, ZeroSpeedArrivesAtDeparture) {
    ScheduleState state;
    Dialog dialog(state, kEtdAndSpeed);
    for (const char* typed : {"0", "0.001", "not a speed"}) {
        ChooseSpeedUnit(dialog.form, state, 2);  // m/s
        dialog.form.inputs.speed_text = typed;
        ASSERT_TRUE(dialog.Calc());
        EXPECT_EQ(dialog.form.rows[0].sail_time, "0 d 00:00 h") << typed;
        EXPECT_EQ(dialog.form.rows[0].arr_gmt, dialog.form.rows[0].dep_gmt) << typed;
    }
    EXPECT_EQ(dialog.form.rows[0].speed, "0.00 m/s");
}

TEST(ScheduleForm, ANumberBeyondADoubleAbandonsTheCalculation) {
    ScheduleState state;
    Dialog dialog(state, kEtdAndSpeed);
    dialog.form.inputs.speed_text = "1e999";
    dialog.form.inputs.etd_zone_index = 3;
    const auto rows_before = dialog.form.rows;
    EXPECT_FALSE(dialog.Calc());
    ASSERT_EQ(dialog.notices.notices.size(), 1u);
    EXPECT_EQ(dialog.notices.notices[0].icon, platform::Icon::None);
    EXPECT_EQ(dialog.form.rows[0].sail_time, rows_before[0].sail_time);
    EXPECT_EQ(dialog.form.headers[0], "Dep Zone");
    EXPECT_FALSE(state.zones_stored);
    EXPECT_EQ(state.speed, 0.0f);
    EXPECT_EQ(state.etd_gmt.seconds, 0);
}

TEST(ScheduleForm, SpeedAndEtaGivesDeparture) {
    ScheduleState state;
    Dialog dialog(state, kSpeedAndEta);
    dialog.form.inputs.speed_text = "10";
    dialog.form.inputs.eta_zone_index = 10;  // +02: 14:00 GMT
    dialog.form.inputs.etd_zone_index = 14;  // -02
    ASSERT_TRUE(dialog.Calc());
    EXPECT_EQ(LabelsOf(dialog.form.rows[0]), (Labels{"05 Jan 2024 15:00", "05 Jan 2024 13:00", "0 d 01:00 h", "10.00 knots",
                                                     "05 Jan 2024 14:00", "05 Jan 2024 12:00"}));
    EXPECT_EQ(dialog.form.rows[2].dep_gmt, "05 Jan 2024 12:00");
    EXPECT_EQ(state.etd_gmt.seconds, 0);
    EXPECT_EQ(state.eta_gmt, FromCivil({2024, 1, 5, 14, 0}));
}

TEST(ScheduleForm, TimeAndEtaGivesDepartureOverMidnight) {
    ScheduleState state;
    Dialog dialog(state, kTimeAndEta);
    dialog.form.inputs.days_text = "1";
    dialog.form.inputs.sailing_time = "12:30";
    ASSERT_TRUE(dialog.Calc());
    EXPECT_EQ(LabelsOf(dialog.form.rows[0]), (Labels{"03 Jan 2024 23:30", "03 Jan 2024 23:30", "1 d 12:30 h", "0.27 knots",
                                                     "05 Jan 2024 12:00", "05 Jan 2024 12:00"}));
    EXPECT_EQ(state.sailing_time, 36 * 3600 + 30 * 60);
}

TEST(ScheduleForm, ReopeningShowsTheZoneTimesAndCalculatesTheSame) {
    ScheduleState state;
    ScheduleForm first_rows;
    {
        Dialog dialog(state, kEtdAndTime);
        dialog.form.inputs.etd_zone_index = 13;  // -01
        dialog.form.inputs.eta_zone_index = 0;   // +12, list index 0
        dialog.form.inputs.days_text = "3";
        dialog.form.inputs.sailing_time = "23:59";
        ChooseSpeedUnit(dialog.form, state, 1);
        ASSERT_TRUE(dialog.Calc());
        first_rows = dialog.form;
    }
    const DateTime later = FromCivil({2024, 3, 1, 8, 0});
    platform::RecordedNotices notices;
    const SheetValues sheet = TenMileSheet();
    ScheduleForm reopened = OpenScheduleForm(state, sheet, later);
    const ScheduleInputs& in = reopened.inputs;
    EXPECT_EQ(std::tie(in.combination, in.speed_unit, in.etd_zone_index, in.eta_zone_index),
              std::tuple(kEtdAndTime, 1, 13, 0));
    // The ETD in its zone time, not 11:00 GMT; no ETA given yet: the present time.
    EXPECT_EQ(std::tie(in.etd_date, in.etd_time, in.eta_time, in.days_text, in.sailing_time),
              std::tuple("05 Jan 2024", "12:00", "08:00", "3", "23:59"));
    ASSERT_TRUE(Calculate(reopened, state, sheet, notices.Sink()));
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(LabelsOf(reopened.rows[i]), LabelsOf(first_rows.rows[i]));
    EXPECT_EQ(reopened.rows[0].dep_gmt, "05 Jan 2024 11:00");
    EXPECT_EQ(reopened.rows[0].arr_zone, "08 Jan 2024 22:59");

    // A stored speed is shown in the stored unit.
    state.speed = 10.0f * (1000.0f / 3600.0f);
    EXPECT_EQ(OpenScheduleForm(state, sheet, later).inputs.speed_text, "10.00");
}

TEST(ScheduleForm, DetectTimezonesFromThePointLongitudes) {
    ScheduleState state;
    SheetValues sheet = TenMileSheet();
    ScheduleForm form = OpenScheduleForm(state, sheet, kPresent);
    const auto zones = ZoneListTexts();
    auto detect = [&](double lon_a, double lon_b) {
        sheet.longitude_a = lon_a * engine::kRadPerDeg;
        sheet.longitude_b = lon_b * engine::kRadPerDeg;
        DetectTimezones(form, sheet);
        return zones[form.inputs.etd_zone_index] + " " + zones[form.inputs.eta_zone_index];
    };
    EXPECT_EQ(detect(7.4, 7.5), "GMT -01");
    EXPECT_EQ(detect(179.9, -179.9), "-12 +12");
    EXPECT_EQ(detect(-75.0, 10.75), "+05 -01");
    // On a band edge typed exactly (157 30 E, back from radians as 157.49999999999997).
    EXPECT_EQ(detect(157.5, -157.5), "-11 +10");
}

TEST(ScheduleForm, SailingTimeKeepsItsSecondsAndMustFitTheSchedule) {
    ScheduleState state;
    Dialog dialog(state, kEtdAndTime);
    dialog.form.inputs.days_text = "0";
    dialog.form.inputs.sailing_time = "01:00:45";
    ASSERT_TRUE(dialog.Calc());
    EXPECT_EQ(dialog.form.rows[0].speed, "9.88 knots");  // 10 miles in 3645 s, not 3600
    EXPECT_EQ(state.sailing_time, 3645);
    // Beyond the 32-bit seconds (about 24 855 days) the calculation is refused.
    const auto rows_before = dialog.form.rows;
    for (const char* days : {"30000", "24856"}) {
        dialog.form.inputs.days_text = days;
        EXPECT_FALSE(dialog.Calc());
        EXPECT_EQ(dialog.form.rows[0].sail_time, rows_before[0].sail_time);
    }
    EXPECT_EQ(state.sailing_time, 3645);
    ASSERT_EQ(dialog.notices.notices.size(), 2u);
    EXPECT_EQ(dialog.notices.notices[0].text, "Sailing time out of range. Max 24855 days allowed");
    EXPECT_EQ(dialog.notices.notices[0].title, "Irrelevant input");
    // A speed so low that the time would not fit is refused the same way.
    Dialog slow(state, kEtdAndSpeed);
    slow.sheet.geodetic_distance = "10 000 000.000 m ";
    slow.form.inputs.speed_text = "0.002";
    EXPECT_FALSE(slow.Calc());
    ASSERT_EQ(slow.notices.notices.size(), 1u);
    EXPECT_EQ(slow.notices.notices[0].text, "Sailing time out of range. Max 24855 days allowed");
}

TEST(ScheduleForm, OpeningNeedsARangeBearingResult) {
    platform::RecordedNotices notices;
    EXPECT_FALSE(RangeBearingResultExists(" n/a "));
    EXPECT_TRUE(RangeBearingResultExists("18 520.000 m "));
    EXPECT_FALSE(MayOpenSchedule(false, notices.Sink()));
    ASSERT_EQ(notices.notices.size(), 1u);
    const platform::Notice& notice = notices.notices[0];
    EXPECT_EQ(std::tie(notice.text, notice.title, notice.icon),
              std::tuple("A Range/Bearing calculation has to be carried out before display of Route Scedule",
                         "Irrelevant action", platform::Icon::Information));
    EXPECT_TRUE(MayOpenSchedule(true, notices.Sink()));
    EXPECT_EQ(notices.notices.size(), 1u);
}

TEST(ScheduleForm, PickerButtonsAndHeaders) {
    ScheduleInputs inputs;
    ButtonCaption(inputs, PickerButton::EtaDate) = "07 Feb 2025";
    ButtonCaption(inputs, PickerButton::SailingTime) = "04:30";
    EXPECT_EQ(inputs.eta_date, "07 Feb 2025");
    EXPECT_EQ(inputs.sailing_time, "04:30");
    EXPECT_STREQ(PickerHeader(PickerButton::EtdTime), "ETD");
    EXPECT_STREQ(PickerHeader(PickerButton::EtaDate), "ETA");
}

}  // namespace
}  // namespace schedule
