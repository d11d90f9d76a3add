// The route schedule: each input combination's labels from one table, the
// refusals with their notices, what a reopening shows, and the dates, clock
// texts and pickers the dialog is made of.
#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

#include "engine/constants.h"
#include "schedule/date_time.h"
#include "schedule/pickers.h"
#include "schedule/schedule_form.h"
#include "schedule/schedule_text.h"

namespace schedule {
namespace {

// 10 nautical miles on the geodetic line and the great circle, 20 on the rhumb
// line (written with a comma), the great circle in nautical miles.
SheetValues TenMileSheet() {
    SheetValues sheet;
    sheet.geodetic_distance = "18 520.000 m ";
    sheet.great_circle_distance = "10.000 nmile ";
    sheet.rhumb_line_distance = "20,000 nmile ";
    sheet.distance_format = text::FormatRecord{"Meter", 0, 3, 1.0, " m", "0.000"};
    sheet.great_circle_format = text::FormatRecord{"Nautical Miles", 2, 3, 1.0 / 1852.0, " nmile", "0.000"};
    return sheet;
}

const DateTime kPresent = FromCivil({2024, 1, 5, 12, 0, 0});
constexpr int kMinus01 = 13, kPlus01 = 11, kPlus02 = 10, kMinus02 = 14;

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

    Dialog(ScheduleState& s, int combination) : state(s) { ChooseInputCombination(form, state, combination); }
    bool Calc() { return Calculate(form, state, sheet, notices.Sink()); }
};

TEST(ScheduleForm, OpensWithStartValuesAndTheSheetDistances) {
    ScheduleState state;
    ScheduleForm form = OpenScheduleForm(state, TenMileSheet(), kPresent);
    const ScheduleInputs& in = form.inputs;
    EXPECT_EQ(std::tie(in.combination, in.speed_unit, in.etd_zone_index, in.eta_zone_index),
              std::tuple(kEtdAndSpeed, 0, kGmtZoneIndex, kGmtZoneIndex));
    EXPECT_EQ(std::tie(in.etd_date, in.etd_time, in.eta_date, in.eta_time, in.speed_text, in.days_text, in.sailing_time),
              std::tuple("05 Jan 2024", "12:00", "05 Jan 2024", "12:00", "0.00", "0", "00:00"));
    EXPECT_EQ(form.rows[0].distance + form.rows[1].distance + form.rows[2].distance,
              "18 520.000 m 10.000 nmile 20,000 nmile ");
    for (const ScheduleRow& row : form.rows) EXPECT_EQ(LabelsOf(row), (Labels{"n/a", "n/a", "n/a", "n/a", "n/a", "n/a"}));
}

TEST(ScheduleForm, EachCombinationFillsTheLabelsOfTheThreeRoutes) {
    struct Case {
        int combination, unit;
        const char *speed, *days, *sail;
        int etd_zone, eta_zone;
        const char* eta_time;
        Labels geodetic;                   // the great circle reads the same: both are 10 miles
        const char *rhumb_sail, *rhumb_speed;  // the rhumb line's 20 miles
        const char *dep_header, *arr_header;
    } cases[] = {
        // The sign is dropped, the comma is a decimal point; 11.5 mph of 1609 m is 3603.2 s.
        {kEtdAndSpeed, 3, "-11,5", "", "", kGmtZoneIndex, kGmtZoneIndex, "",
         {"05 Jan 2024 12:00", "05 Jan 2024 12:00", "0 d 01:00 h", "11.50 mph", "05 Jan 2024 13:00", "05 Jan 2024 13:00"},
         "0 d 02:00 h", "11.50 mph", "Dep Zone 00", "Arr Zone 00"},
        // No speed: arrival at departure.
        {kEtdAndSpeed, 2, "not a speed", "", "", kGmtZoneIndex, kGmtZoneIndex, "",
         {"05 Jan 2024 12:00", "05 Jan 2024 12:00", "0 d 00:00 h", "0.00 m/s", "05 Jan 2024 12:00", "05 Jan 2024 12:00"},
         "0 d 00:00 h", "0.00 m/s", "Dep Zone 00", "Arr Zone 00"},
        // Half a day, the sign dropped.
        {kEtdAndTime, 0, "", "-0,5", "01:00", kGmtZoneIndex, kGmtZoneIndex, "",
         {"05 Jan 2024 12:00", "05 Jan 2024 12:00", "0 d 13:00 h", "0.77 knots", "06 Jan 2024 01:00", "06 Jan 2024 01:00"},
         "0 d 13:00 h", "1.54 knots", "Dep Zone 00", "Arr Zone 00"},
        // The picker's seconds count: 10 miles in 3645 s, not 3600.
        {kEtdAndTime, 0, "", "0", "01:00:45", kGmtZoneIndex, kGmtZoneIndex, "",
         {"05 Jan 2024 12:00", "05 Jan 2024 12:00", "0 d 01:01 h", "9.88 knots", "05 Jan 2024 13:00", "05 Jan 2024 13:00"},
         "0 d 01:01 h", "19.75 knots", "Dep Zone 00", "Arr Zone 00"},
        // The same clock time is later in GMT in a zone further west.
        {kEtdAndEta, 0, "", "", "", kGmtZoneIndex, kPlus01, "11:59",
         {"05 Jan 2024 12:00", "05 Jan 2024 12:00", "0 d 00:59 h", "10.17 knots", "05 Jan 2024 12:59", "05 Jan 2024 11:59"},
         "0 d 00:59 h", "20.34 knots", "Dep Zone 00", "Arr Zone +01"},
        {kSpeedAndEta, 0, "10", "", "", kMinus02, kPlus02, "12:00",
         {"05 Jan 2024 15:00", "05 Jan 2024 13:00", "0 d 01:00 h", "10.00 knots", "05 Jan 2024 14:00", "05 Jan 2024 12:00"},
         "0 d 02:00 h", "10.00 knots", "Dep Zone -02", "Arr Zone +02"},
        // Over midnight, two days back.
        {kTimeAndEta, 0, "", "1", "12:30", kGmtZoneIndex, kGmtZoneIndex, "12:00",
         {"03 Jan 2024 23:30", "03 Jan 2024 23:30", "1 d 12:30 h", "0.27 knots", "05 Jan 2024 12:00", "05 Jan 2024 12:00"},
         "1 d 12:30 h", "0.55 knots", "Dep Zone 00", "Arr Zone 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(InputCombinationTexts()[static_cast<std::size_t>(c.combination)]) + " " + c.speed +
                     c.days + " " + c.sail + " " + c.eta_time);
        ScheduleState state;
        Dialog dialog(state, c.combination);
        ChooseSpeedUnit(dialog.form, state, c.unit);
        ScheduleInputs& in = dialog.form.inputs;
        in.speed_text = c.speed;
        in.days_text = c.days;
        in.sailing_time = c.sail;
        in.etd_zone_index = c.etd_zone;
        in.eta_zone_index = c.eta_zone;
        if (*c.eta_time) in.eta_time = c.eta_time;
        ASSERT_TRUE(dialog.Calc());
        EXPECT_EQ(LabelsOf(dialog.form.rows[0]), c.geodetic);
        EXPECT_EQ(LabelsOf(dialog.form.rows[1]), c.geodetic);
        EXPECT_EQ(dialog.form.rows[2].sail_time, c.rhumb_sail);
        EXPECT_EQ(dialog.form.rows[2].speed, c.rhumb_speed);
        EXPECT_EQ(dialog.form.headers[0], c.dep_header);
        EXPECT_EQ(dialog.form.headers[5], c.arr_header);
        EXPECT_TRUE(dialog.notices.notices.empty());
    }
    // A comma locale writes the speed with a comma.
    ScheduleState state;
    Dialog dialog(state, kEtdAndSpeed);
    dialog.form.inputs.speed_text = "11.5";
    dialog.sheet.decimal_separator = ',';
    ASSERT_TRUE(dialog.Calc());
    EXPECT_EQ(dialog.form.rows[0].speed, "11,50 knots");
}

TEST(ScheduleForm, RefusedCalculationsSayWhyAndChangeNothing) {
    // (An ETA before the ETD is the route_schedule session.)
    const char* const out_of_range = "Sailing time out of range. Max 24855 days allowed";
    const struct {
        int combination;
        const char *speed, *days, *geodetic_distance, *text;
    } cases[] = {
        {kEtdAndSpeed, "1e999", "0", "18 520.000 m ", nullptr},
        // Beyond the 32-bit seconds (about 24 855 days).
        {kEtdAndTime, "", "24856", "18 520.000 m ", out_of_range},
        {kEtdAndSpeed, "0.002", "0", "10 000 000.000 m ", out_of_range},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.speed) + c.days);
        ScheduleState state;
        Dialog dialog(state, c.combination);
        dialog.sheet.geodetic_distance = c.geodetic_distance;
        dialog.form.inputs.speed_text = c.speed;
        dialog.form.inputs.days_text = c.days;
        dialog.form.inputs.etd_zone_index = dialog.form.inputs.eta_zone_index = 3;
        const ScheduleForm before = dialog.form;
        EXPECT_FALSE(dialog.Calc());
        ASSERT_EQ(dialog.notices.notices.size(), 1u);
        const platform::Notice& notice = dialog.notices.notices[0];
        if (c.text) {
            EXPECT_EQ(std::tie(notice.text, notice.title, notice.icon),
                      std::tuple(c.text, "Irrelevant input", platform::Icon::Exclamation));
        }
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(LabelsOf(dialog.form.rows[i]), LabelsOf(before.rows[i]));
        EXPECT_EQ(dialog.form.headers, before.headers);
        EXPECT_FALSE(state.zones_stored);
        EXPECT_EQ(std::tie(state.speed, state.sailing_time, state.etd_gmt.seconds, state.eta_gmt.seconds),
                  std::tuple(0.0f, 0, 0, 0));
    }
}

TEST(ScheduleForm, OnlyTheInputsAreKeptAndAReopeningCalculatesTheSame) {
    ScheduleState state;
    {
        Dialog dialog(state, kEtdAndSpeed);
        dialog.form.inputs.speed_text = "12";
        ASSERT_TRUE(dialog.Calc());
    }
    {
        // ETD and ETA both 12:00: no time, and the previous speed is shown.
        Dialog dialog(state, kEtdAndEta);
        ASSERT_TRUE(dialog.Calc());
        for (const ScheduleRow& row : dialog.form.rows)
            EXPECT_EQ(row.sail_time + row.speed + row.arr_gmt, "0 d 00:00 h12.00 knots" + row.dep_gmt);
    }
    ScheduleForm first;
    {
        Dialog dialog(state, kEtdAndTime);
        dialog.form.inputs.etd_zone_index = kMinus01;
        dialog.form.inputs.eta_zone_index = 0;  // +12
        dialog.form.inputs.days_text = "3";
        dialog.form.inputs.sailing_time = "23:59";
        ChooseSpeedUnit(dialog.form, state, 1);
        ASSERT_TRUE(dialog.Calc());
        first = dialog.form;
    }
    const SheetValues sheet = TenMileSheet();
    const DateTime later = FromCivil({2024, 3, 1, 8, 0});
    ScheduleForm reopened = OpenScheduleForm(state, sheet, later);
    const ScheduleInputs& in = reopened.inputs;
    EXPECT_EQ(std::tie(in.combination, in.speed_unit, in.etd_zone_index, in.eta_zone_index),
              std::tuple(kEtdAndTime, 1, kMinus01, 0));
    // The ETD in its zone time, not 11:00 GMT; the ETA given before, at ETD: the present time.
    EXPECT_EQ(std::tie(in.etd_date, in.etd_time, in.days_text, in.sailing_time),
              std::tuple("05 Jan 2024", "12:00", "3", "23:59"));
    platform::RecordedNotices notices;
    ASSERT_TRUE(Calculate(reopened, state, sheet, notices.Sink()));
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(LabelsOf(reopened.rows[i]), LabelsOf(first.rows[i]));
    EXPECT_EQ(reopened.rows[0].dep_gmt + " " + reopened.rows[0].arr_zone, "05 Jan 2024 11:00 08 Jan 2024 22:59");
    // A stored speed is shown in the stored unit.
    state.speed = 10.0f * (1000.0f / 3600.0f);
    EXPECT_EQ(OpenScheduleForm(state, sheet, later).inputs.speed_text, "10.00");
}

TEST(ScheduleForm, TimezonesDetectedFromThePointLongitudes) {
    ScheduleState state;
    SheetValues sheet = TenMileSheet();
    ScheduleForm form = OpenScheduleForm(state, sheet, kPresent);
    const auto zones = ZoneListTexts();
    const struct {
        double lon_a, lon_b;
        const char* zones;
    } cases[] = {
        {7.4, 7.5, "GMT -01"}, {-7.5, -7.6, "GMT +01"}, {179.9, -179.9, "-12 +12"}, {-75.0, 10.75, "+05 -01"},
        // On a band edge typed exactly (157 30 E, back from radians as 157.49999999999997).
        {157.5, -157.5, "-11 +10"},
    };
    for (const auto& c : cases) {
        sheet.longitude_a = c.lon_a * engine::kRadPerDeg;
        sheet.longitude_b = c.lon_b * engine::kRadPerDeg;
        DetectTimezones(form, sheet);
        EXPECT_EQ(zones[form.inputs.etd_zone_index] + " " + zones[form.inputs.eta_zone_index], c.zones) << c.lon_a;
    }
    EXPECT_EQ(ZoneIndexForLongitude(187.5), -1);
}

TEST(ScheduleText, ClockTextsRoundToTheMinuteHalfToEven) {
    const struct {
        int seconds;
        const char *hours_minutes, *sailing;
    } cases[] = {
        {0, "00:00", "0 d 00:00 h"},           {30, "00:00", "0 d 00:00 h"},
        {90, "00:02", "0 d 00:02 h"},          {3570, "01:00", "0 d 01:00 h"},
        {97500, "27:05", "1 d 03:05 h"},       {86370, "24:00", "1 d 00:00 h"},
        {2 * 86400 + 11100, "51:05", "2 d 03:05 h"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SecondsToHoursMinutes(c.seconds), c.hours_minutes) << c.seconds;
        EXPECT_EQ(SailingTimeText(c.seconds), c.sailing) << c.seconds;
    }
    EXPECT_EQ(HoursMinutesToSeconds("27:05"), 97500);
    EXPECT_EQ(HoursMinutesToSeconds("03:05:40"), 3 * 3600 + 5 * 60 + 40);
    EXPECT_EQ(HoursMinutesToSeconds("xx:yy"), 0);
    EXPECT_EQ(FormatTwoDecimals(-0.001, '.'), "0.00");
}

TEST(ScheduleDateTime, ZeroIsTheLastDayOf1899AndDaysRoundTrip) {
    EXPECT_EQ(FormatDateClock(DateTime{}), "30 Dec 1899 00:00");
    EXPECT_EQ(FromCivil({1900, 1, 1}).seconds, 2 * kSecondsPerDay);
    EXPECT_EQ(FromCivil({2000, 1, 1}).seconds, 36526 * kSecondsPerDay);
    for (std::int64_t day = -800000; day <= 3000000; day += 997) {
        const DateTime value{day * kSecondsPerDay + 45296};
        const CivilTime civil = ToCivil(value);
        EXPECT_EQ(FromCivil(civil), value) << day;
        EXPECT_EQ(std::tie(civil.hour, civil.minute, civil.second), std::tuple(12, 34, 56)) << day;
    }
    EXPECT_EQ(DaysInMonth(2000, 2) * 100 + DaysInMonth(2100, 2), 2928);
    EXPECT_EQ(FormatDate(AddSeconds(FromCivil({2024, 2, 28, 23, 0}), 3600)), "29 Feb 2024");
    EXPECT_EQ(FormatDateClock(AddHours(FromCivil({2024, 12, 31, 23, 30}), 1)), "01 Jan 2025 00:30");
    // Seconds from the time picker count in the arithmetic but are not shown.
    const DateTime with_seconds = ReadDateAndTime("05 Jan 2024", "13:05:59");
    EXPECT_EQ(SecondsBetween(ReadDateAndTime("05 Jan 2024", "13:05"), with_seconds), 59);
    EXPECT_EQ(FormatDateClock(with_seconds), "05 Jan 2024 13:05");
    EXPECT_EQ(FormatDate(ReadDateAndTime("31 Feb 2023", "00:00")), "28 Feb 2023");
    EXPECT_EQ(MonthFromAbbreviation("jan"), 0);
}

TEST(Pickers, DateListsRefitTheDayAndTimeListsPick) {
    const DatePicker opened = OpenSetdate("05-Jan-2024", "ETD", 2024);
    EXPECT_EQ(opened.header + " " + opened.date_text, "ETD 05 Jan 2024");  // blanks forced at characters 3 and 7
    EXPECT_EQ(opened.days.size() * 100 + opened.months.size(), 3112u);
    EXPECT_EQ(opened.months[0] + opened.months[11] + opened.years.front() + opened.years.back(), "JanDec20242035");
    const struct {
        const char *opened, *pick, *shown;
        std::size_t days;
    } cases[] = {
        {"31 Jan 2024", "Feb", "29 Feb 2024", 29}, {"31 Jan 2025", "Feb", "28 Feb 2025", 28},
        {"31 Dec 2025", "Jun", "30 Jun 2025", 30},
        {"15 Jan 2025", "Feb", "15 Feb 2025", 28},  // a day within the month stays
        {"29 Feb 2024", "2025", "28 Feb 2025", 28}, {"28 Feb 2025", "2028", "28 Feb 2028", 29},
        {"29 Feb 2028", "Jan", "29 Jan 2028", 31},
    };
    for (const auto& c : cases) {
        DatePicker picker = OpenSetdate(c.opened, "ETD", 2024);
        if (std::isdigit(static_cast<unsigned char>(c.pick[0]))) {
            PickYear(picker, c.pick);
        } else {
            PickMonth(picker, c.pick);
        }
        EXPECT_EQ(picker.date_text, c.shown) << c.opened << " " << c.pick;
        EXPECT_EQ(picker.days.size(), c.days) << c.opened << " " << c.pick;
        PickDay(picker, picker.days.back());
        // Every date a picker can produce is a real one.
        EXPECT_EQ(FormatDate(ReadDateAndTime(picker.date_text, "00:00")), picker.date_text);
    }

    TimePicker time = OpenSettime("13:05", "ETA");
    EXPECT_EQ(time.header + " " + time.time_text, "ETA 13:05:00");
    EXPECT_EQ(time.hours.back() + time.minutes.back() + time.seconds.back(), "235959");
    PickSecond(time, "30");
    EXPECT_EQ(time.time_text, "13:05:30");
    // (OK copying the text into the calling button is the route_schedule session.)
}

}  // namespace
}  // namespace schedule
