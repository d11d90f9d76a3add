#include "schedule/date_time.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>

#include "text/number_text.h"

namespace schedule {

namespace {

constexpr std::array<const char*, 12> kMonthAbbreviations = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Days since 1 Jan 1970 of a proleptic Gregorian date (H. Hinnant's
// days_from_civil and civil_from_days), exact for every year.
constexpr std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t year_of_era = year - era * 400;
    const std::int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t day_of_era = days - era * 146097;
    const std::int64_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t month_index = (5 * day_of_year + 2) / 153;
    day = static_cast<int>(day_of_year - (153 * month_index + 2) / 5 + 1);
    month = static_cast<int>(month_index < 10 ? month_index + 3 : month_index - 9);
    year = static_cast<int>(year_of_era + era * 400 + (month <= 2));
}

constexpr std::int64_t kEpochDaysFrom1970 = DaysFromCivil(1899, 12, 30);

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

DateTime FromCivil(const CivilTime& civil) {
    const int month = std::clamp(civil.month, 1, 12);
    const std::int64_t day_count = DaysFromCivil(civil.year, month, 1) - kEpochDaysFrom1970 + civil.day - 1;
    return DateTime{day_count * kSecondsPerDay + civil.hour * kSecondsPerHour + civil.minute * 60LL + civil.second};
}

CivilTime ToCivil(DateTime value) {
    const std::int64_t days = FloorDiv(value.seconds, kSecondsPerDay);
    const std::int64_t second_of_day = value.seconds - days * kSecondsPerDay;
    CivilTime civil;
    CivilFromDays(days + kEpochDaysFrom1970, civil.year, civil.month, civil.day);
    civil.hour = static_cast<int>(second_of_day / kSecondsPerHour);
    civil.minute = static_cast<int>(second_of_day % kSecondsPerHour / 60);
    civil.second = static_cast<int>(second_of_day % 60);
    return civil;
}

DateTime AddSeconds(DateTime value, std::int64_t seconds) { return DateTime{value.seconds + seconds}; }

DateTime AddHours(DateTime value, int hours) { return AddSeconds(value, hours * kSecondsPerHour); }

std::int64_t SecondsBetween(DateTime from, DateTime to) { return to.seconds - from.seconds; }

const char* MonthAbbreviation(int month) {
    return month >= 1 && month <= 12 ? kMonthAbbreviations[month - 1] : "";
}

int MonthFromAbbreviation(std::string_view text) {
    for (int m = 1; m <= 12; ++m) {
        if (text == kMonthAbbreviations[m - 1]) return m;
    }
    return 0;
}

std::string FormatDate(DateTime value) {
    const CivilTime c = ToCivil(value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d %s %04d", c.day, MonthAbbreviation(c.month), c.year);
    return buffer;
}

std::string FormatClock(DateTime value) {
    const CivilTime c = ToCivil(value);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", c.hour, c.minute);
    return buffer;
}

std::string FormatDateClock(DateTime value) { return FormatDate(value) + " " + FormatClock(value); }

DateTime ReadDateAndTime(std::string_view date_caption, std::string_view time_caption) {
    auto field = [](std::string_view text, std::size_t start, std::size_t length) {
        return start < text.size() ? text.substr(start, length) : std::string_view{};
    };
    CivilTime civil;
    civil.year = static_cast<int>(text::ReadNumber(field(date_caption, 7, 4)));
    civil.month = std::max(1, MonthFromAbbreviation(field(date_caption, 3, 3)));
    const int day = static_cast<int>(text::ReadNumber(field(date_caption, 0, 2)));
    civil.day = std::clamp(day, 1, DaysInMonth(civil.year, civil.month));
    civil.hour = static_cast<int>(text::ReadNumber(field(time_caption, 0, 2)));
    civil.minute = static_cast<int>(text::ReadNumber(field(time_caption, 3, 2)));
    civil.second = static_cast<int>(text::ReadNumber(field(time_caption, 6, 2)));
    return FromCivil(civil);
}

DateTime PresentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return FromCivil(CivilTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                               local.tm_min, local.tm_sec});
}

}  // namespace schedule
