#pragma once
// Angle text: degrees-minutes-seconds and degrees-decimal-minutes formatters and
// parsers with hemisphere letters, carry at 60, range checks and the user's
// messages, and the entry points for latitudes, longitudes and bearings.
//
// Texts are UTF-8; the degree sign is U+00B0.
#include <string>

#include "platform/notices.h"
#include "text/format_record.h"

namespace text {

inline constexpr const char* kDegreeSign = "\u00B0";

// What an angle is: it decides the hemisphere letters, the range and the
// name in the notices ("LATITUDE", "LONGITUDE", "AZIMUTH").
enum class AngleKind { Latitude, Longitude, Bearing };

// The smallest value that the pattern rule shows as 60 with d decimals:
// 59 + 0.9 + 0.09 + … + 5·10^-(d+1), summed in double arithmetic in that order.
double CarryThreshold(int decimals);

// Angles in degrees. FormatDMS: "060° 30' 15.5000\" N"-style text (degree field
// "00" for a latitude, "000" otherwise); FormatDM: degrees and decimal minutes. The
// compact forms leave out a zero degree field (and, for FormatDMSCompact, a zero
// minute field). A negative angle gets " S" / " W" for a latitude / longitude; for a
// bearing both forms put a minus before the degrees (a convergence west of the
// central meridian).
std::string FormatDMS(double degrees, AngleKind kind, int decimals);
std::string FormatDM(double degrees, AngleKind kind, int decimals);
std::string FormatDMSCompact(double degrees, AngleKind kind, int decimals);
std::string FormatDMCompact(double degrees, AngleKind kind, int decimals);

// Free-form degree text to degrees. Any single non-digit separates the fields;
// the last field takes a comma or a point; a closing "ø" (code 248, the DOS
// degree sign), apostrophe or double quote ends the text; a hemisphere letter
// (Norwegian "Ø" and "V" for east and west) may follow. What is corrected is
// reported through notices; text is replaced by the normalised form
// (FormatDMS / FormatDM with the same decimals). ParseDM also reads seconds
// typed after the minutes. A letter with a digit after it (a letter O typed for
// a zero) shows its notice and throws InputRefused. A field beyond the 16-bit range
// or an arithmetic fault gives the "<KIND> FORMAT ERROR. " notice, 0, and text
// left as typed. Every call returns a value.
double ParseDMS(std::string& text, AngleKind kind, int decimals,
                const platform::NoticeSink& notices);
double ParseDM(std::string& text, AngleKind kind, int decimals,
               const platform::NoticeSink& notices);

// Latitude or longitude in radians to text by the geographic display record
// (pub_GeogFormat): Option 0 DMS, 1 DM (compact forms when compact is set, as for
// latitude and longitude differences), 2 signed decimal degrees with the unit,
// any other Option empty. Always ends with one blank.
std::string FormatLatLon(double radians, AngleKind kind, bool compact,
                         const FormatRecord& geographic_format);

// Latitude or longitude text to radians by the geographic display record. The
// degree forms replace text by its normalised form; the decimal form leaves it
// as typed and limits latitudes to ±90 and longitudes to ±180 with a notice.
// The decimal form takes a closing hemisphere letter (N, S; E, W, Ø, V), which
// decides the side over a minus, and an angle unit (deg, rad, gon). A letter
// inside a number, or an unknown unit, shows its notice and throws
// InputRefused (typed_input.h), in every form.
double ParseLatLon(std::string& text, AngleKind kind,
                   const FormatRecord& geographic_format, const platform::NoticeSink& notices);

// Bearing in radians to text by the bearing display record (pub_BrgFormat):
// Option 0 DMS, 1 DM, others decimal in the record's unit. Ends with one blank.
std::string FormatBearing(double radians, const FormatRecord& bearing_format);

// Bearing text to radians by the bearing display record. Decimal forms wrap a
// value outside the circle into it with a notice; exactly the full circle
// (360 deg, 400 gon, 6.28318530718 rad) gives 0 without one. A decimal bearing
// may carry its unit (deg, rad, gon), converted into the record's.
double ParseBearing(std::string& text, const FormatRecord& bearing_format,
                    const platform::NoticeSink& notices);

// The point editor's hemisphere defaults, applied after ParseLatLon. typed_* are
// the texts as the user typed them (before normalisation). A positive latitude is
// made south when south_default is on and the typed text holds no "N"/"n"; a
// positive longitude west when west_default is on and the text holds no "E"/"e".
// One angle: a latitude looks for "N"/"n", a longitude for "E"/"e" and the Norwegian "Ø"/"ø".
double ApplyHemisphereDefault(double parsed, const std::string& typed, AngleKind kind,
                              bool default_on);
struct LatLon {
    double latitude = 0.0;   // radians
    double longitude = 0.0;  // radians
};
LatLon ApplyHemisphereDefaults(LatLon parsed, const std::string& typed_latitude,
                               const std::string& typed_longitude, bool south_default,
                               bool west_default);

}  // namespace text
