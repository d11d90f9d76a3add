#pragma once
// The schedule's date-time: whole seconds counted from 30 Dec 1899 00:00, the
// program's zero date. A value of 0 means "not set yet" in the schedule state.
// Dates are proleptic Gregorian; times carry no zone of their own.
#include <cstdint>
#include <string>
#include <string_view>

namespace schedule {

struct DateTime {
    std::int64_t seconds = 0;
    friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

struct CivilTime {
    int year = 1899;
    int month = 12;  // 1 ... 12
    int day = 30;    // 1 ... days in the month
    int hour = 0;
    int minute = 0;
    int second = 0;
};

inline constexpr std::int64_t kSecondsPerDay = 86400;
inline constexpr std::int64_t kSecondsPerHour = 3600;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// A day or time beyond its field runs on into the next, as in plain date
// arithmetic; a month outside 1 ... 12 is taken as the nearest.
DateTime FromCivil(const CivilTime& civil);
CivilTime ToCivil(DateTime value);

DateTime AddSeconds(DateTime value, std::int64_t seconds);
DateTime AddHours(DateTime value, int hours);
std::int64_t SecondsBetween(DateTime from, DateTime to);

// "Jan" ... "Dec" for 1 ... 12; 0 for a text that is none of them.
const char* MonthAbbreviation(int month);
int MonthFromAbbreviation(std::string_view text);

// "05 Jan 2024"
std::string FormatDate(DateTime value);
// "13:05" (seconds are dropped, not rounded)
std::string FormatClock(DateTime value);
// "05 Jan 2024 13:05"
std::string FormatDateClock(DateTime value);

// A date caption "dd mmm yyyy" and a time caption "hh:mm" or "hh:mm:ss" as
// one date-time. A day beyond the month's length is taken as its last day, an
// unknown month as January; fields that are not numbers read as 0.
DateTime ReadDateAndTime(std::string_view date_caption, std::string_view time_caption);

// The computer's present local date and time.
DateTime PresentLocalTime();

}  // namespace schedule
