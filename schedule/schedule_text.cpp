#include "schedule/schedule_text.h"

#include <cmath>
#include <cstdio>

#include "text/number_text.h"

namespace schedule {

namespace {

// Whole minutes of a non-negative number of seconds, a half minute rounded to the
// even neighbour; exact, where the floating-point fraction of an hour is not.
std::int64_t RoundedMinutes(std::int64_t seconds) {
    if (seconds < 0) return -RoundedMinutes(-seconds);
    std::int64_t minutes = seconds / 60;
    const std::int64_t rest = seconds % 60;
    if (rest > 30 || (rest == 30 && minutes % 2 != 0)) ++minutes;
    return minutes;
}

std::string TwoDigits(std::int64_t value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02lld", static_cast<long long>(value));
    return buffer;
}

std::string HoursMinutesOfMinutes(std::int64_t minutes) {
    const std::int64_t hours = minutes / 60;
    return TwoDigits(hours) + ":" + TwoDigits(std::llabs(minutes % 60));
}

}  // namespace

const std::vector<SpeedUnit>& SpeedUnits() {
    static const std::vector<SpeedUnit> kUnits = {
        {"knots", 1852.0f / 3600.0f}, {"km/h", 1000.0f / 3600.0f}, {"m/s", 1.0f},
        {"mph", 1609.0f / 3600.0f},   {"ft/s", 0.3048f},
    };
    return kUnits;
}

const SpeedUnit& SpeedUnitAt(int index) {
    const auto& units = SpeedUnits();
    return index >= 0 && index < static_cast<int>(units.size()) ? units[index] : units[0];
}

std::vector<std::string> ZoneListTexts() {
    std::vector<std::string> texts;
    for (int index = 0; index < kZoneCount; ++index) {
        const int zone = ZoneValueAt(index);
        texts.push_back(zone == 0 ? std::string("GMT") : ZoneText(zone));
    }
    return texts;
}

int ZoneValueAt(int index) { return kGmtZoneIndex - index; }

std::string ZoneText(int zone) {
    std::string text = zone < 0 ? "-" + TwoDigits(-zone) : TwoDigits(zone);
    return zone > 0 ? "+" + text : text;
}

int ZoneIndexForLongitude(double longitude_degrees) {
    // A longitude typed on a band edge (157° 30' E) comes back from radians a
    // hair off it (157.49999999999997): the edges are judged to 1e-9 degrees
    // (0.1 mm), far below what the sheet shows.
    constexpr double kSteps = 1e9;
    longitude_degrees = std::round(longitude_degrees * kSteps) / kSteps;
    for (int k = -12; k <= 12; ++k) {
        const double west_edge = -187.5 + 15.0 * (k + 12);
        const double east_edge = -172.5 + 15.0 * (k + 12);
        if (longitude_degrees >= west_edge && longitude_degrees < east_edge) return k + 12;
    }
    return -1;
}

std::string SecondsToHoursMinutes(std::int64_t seconds) { return HoursMinutesOfMinutes(RoundedMinutes(seconds)); }

std::int64_t HoursMinutesToSeconds(std::string_view text) {
    const double hours = text::ReadNumber(text.substr(0, 2));
    const double minutes = text.size() > 3 ? text::ReadNumber(text.substr(3)) : 0.0;
    // "HH:MM:SS", as the time picker writes it, keeps its seconds.
    const std::size_t second_colon = text.size() > 3 ? text.find(':', 3) : std::string_view::npos;
    const double typed_seconds = second_colon != std::string_view::npos ? text::ReadNumber(text.substr(second_colon + 1)) : 0.0;
    const double seconds = hours * 3600.0 + minutes * 60.0 + typed_seconds;
    // Far beyond any sailing time; keeps the conversion to an integer defined.
    constexpr double kLimit = 1e15;
    return std::llround(std::fmax(-kLimit, std::fmin(kLimit, seconds)));
}

SailingTimeParts SplitSailingTime(std::int64_t seconds) {
    const std::int64_t minutes = RoundedMinutes(seconds);
    return SailingTimeParts{minutes / 1440, HoursMinutesOfMinutes(minutes % 1440)};
}

std::string SailingTimeText(std::int64_t seconds) {
    const SailingTimeParts parts = SplitSailingTime(seconds);
    return std::to_string(parts.days) + " d " + parts.hours_minutes + " h";
}

std::string FormatTwoDecimals(double value, char decimal_separator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text = buffer;
    if (text == "-0.00") text = "0.00";
    for (char& c : text) {
        if (c == '.') c = decimal_separator;
    }
    return text;
}

}  // namespace schedule
