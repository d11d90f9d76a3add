// The route schedule: what a reopening keeps and shows, and the dates, clock
// texts and pickers the dialog is made of (each input combination's labels,
// the refusals and the detected zones are a session file).
#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

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
constexpr int kMinus01 = 13;

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
