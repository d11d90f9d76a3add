#pragma once
// The route schedule's lists and text conversions: speed units, nautical time
// zones, sailing times as "HH:MM" and "d d HH:MM h".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace schedule {

struct SpeedUnit {
    const char* text;
    float metres_per_second;  // single precision, as the dialog holds it
};

// 0 "knots", 1 "km/h", 2 "m/s", 3 "mph" (the statute mile taken as 1609 m), 4 "ft/s".
const std::vector<SpeedUnit>& SpeedUnits();
// The unit of a list index; an index outside the list gives "knots".
const SpeedUnit& SpeedUnitAt(int index);

// Index of "GMT" in a zone list.
inline constexpr int kGmtZoneIndex = 12;
inline constexpr int kZoneCount = 25;

// The 25 zone list entries for k = +12 ... -12 (index = 12 - k): "+12" ... "+01",
// "GMT", "-01" ... "-12".
std::vector<std::string> ZoneListTexts();
// The zone value k of a list index; zone time + k hours = GMT.
int ZoneValueAt(int index);
// k formatted "00" with "+" in front when positive: "+05", "00", "-11".
std::string ZoneText(int zone);

// The zone list index whose 15-degree band holds the longitude (degrees east):
// band k = -12 ... 12 is [-187.5 + 15 (k + 12), -172.5 + 15 (k + 12)) and gives
// index k + 12, so 7.5 deg E gives "-01". -1 outside every band. The edges are
// judged on the longitude rounded to 1e-9 degrees.
int ZoneIndexForLongitude(double longitude_degrees);

// "HH:MM" of a number of seconds, minutes rounded half to even; a rounded
// minute field of 60 is carried into the hours (3570 s -> "01:00").
std::string SecondsToHoursMinutes(std::int64_t seconds);
// Hours from the first two characters, minutes from the fourth on, and the
// seconds after a second colon ("HH:MM:SS", as the time picker writes it).
std::int64_t HoursMinutesToSeconds(std::string_view text);
// "2 d 03:05 h"; the rounding carry runs on into the days (86370 s -> "1 d 00:00 h").
std::string SailingTimeText(std::int64_t seconds);

// The days and "HH:MM" remainder that show a stored sailing time in txtDays and
// the sailing-time button, carried like SailingTimeText.
struct SailingTimeParts {
    std::int64_t days = 0;
    std::string hours_minutes;
};
SailingTimeParts SplitSailingTime(std::int64_t seconds);

// A value with two decimals ("0.00") and the given decimal separator.
std::string FormatTwoDecimals(double value, char decimal_separator);

}  // namespace schedule
