#include "schedule/date_time.h"

#include <gtest/gtest.h>

#include <tuple>

namespace schedule {
namespace {

TEST(ScheduleDateTime, ZeroIsTheLastDayOf1899AndDaysRoundTrip) {
    EXPECT_EQ(FormatDateClock(DateTime{}), "30 Dec 1899 00:00");
    // 1 Jan 1900 is day 2 of the program's reckoning; 1 Jan 2000 day 36526.
    EXPECT_EQ(FromCivil({1900, 1, 1}).seconds, 2 * kSecondsPerDay);
    EXPECT_EQ(FromCivil({2000, 1, 1}).seconds, 36526 * kSecondsPerDay);

    for (std::int64_t day = -800000; day <= 3000000; day += 997) {
        const DateTime value{day * kSecondsPerDay + 45296};
        const CivilTime civil = ToCivil(value);
        EXPECT_EQ(FromCivil(civil), value) << day;
        EXPECT_EQ(std::tie(civil.hour, civil.minute, civil.second), std::tuple(12, 34, 56)) << day;
    }
    const CivilTime before_epoch = ToCivil(DateTime{-1});
    EXPECT_EQ(std::tie(before_epoch.day, before_epoch.hour, before_epoch.second), std::tuple(29, 23, 59));
}

TEST(ScheduleDateTime, MonthLengthsAndLeapYears) {
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2025, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2025, 4), 30);
    EXPECT_EQ(DaysInMonth(2025, 12), 31);
    EXPECT_EQ(FormatDate(AddSeconds(FromCivil({2024, 2, 28, 23, 0}), 3600)), "29 Feb 2024");
    EXPECT_EQ(FormatDate(AddSeconds(FromCivil({2023, 2, 28, 23, 0}), 3600)), "01 Mar 2023");
    EXPECT_EQ(FormatDateClock(AddHours(FromCivil({2024, 12, 31, 23, 30}), 1)), "01 Jan 2025 00:30");
}

TEST(ScheduleDateTime, CaptionsReadAndFormat) {
    const DateTime value = ReadDateAndTime("05 Jan 2024", "13:05");
    EXPECT_EQ(FormatDate(value), "05 Jan 2024");
    EXPECT_EQ(FormatClock(value), "13:05");
    EXPECT_EQ(FormatDateClock(value), "05 Jan 2024 13:05");
    // Seconds from the time picker count in the arithmetic but are not shown.
    const DateTime with_seconds = ReadDateAndTime("05 Jan 2024", "13:05:59");
    EXPECT_EQ(SecondsBetween(value, with_seconds), 59);
    EXPECT_EQ(FormatClock(with_seconds), "13:05");
    EXPECT_EQ(FormatDate(ReadDateAndTime("31 Feb 2023", "00:00")), "28 Feb 2023");
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(MonthFromAbbreviation(MonthAbbreviation(month)), month);
    }
    EXPECT_EQ(MonthFromAbbreviation("jan"), 0);
}

}  // namespace
}  // namespace schedule
