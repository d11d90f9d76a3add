// The dates, clock texts and pickers the route schedule is made of (its input
// combinations, refusals, zones and reopening are the route_schedule sessions).
#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

#include "schedule/date_time.h"
#include "schedule/pickers.h"
#include "schedule/schedule_text.h"

namespace schedule {
namespace {

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
