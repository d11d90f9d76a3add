#include "text/angle_text.h"

#include <cmath>
#include <cstdlib>

#include "engine/calc_error.h"
#include "engine/constants.h"
#include "platform/locale.h"
#include "text/encoding.h"
#include "text/number_text.h"
#include "text/typed_angle_text.h"
#include "text/typed_input.h"

namespace text {

using detail::LongName;
using detail::RefuseLetterInsideNumber;
using detail::UpperCharacter;

namespace {

constexpr const char* kIllegalInput = "Illegal input";
constexpr char32_t kDosDegreeMark = 248;  // "ø" in Windows-1252, the degree sign in DOS code pages
constexpr char32_t kMinuteMark = '\'';
constexpr char32_t kSecondMark = '"';
constexpr double kSixteenBitMax = 32767.0;

const char* SecondsPattern(int decimals) {
    switch (decimals) {
        case 0: return "00";
        case 1: return "00.0";
        case 2: return "00.00";
        case 3: return "00.000";
        default: return "00.0000";
    }
}

const char* MinutesPattern(int decimals) {
    switch (decimals) {
        case 0: return "00";
        case 1: return "00.0";
        case 2: return "00.00";
        case 3: return "00.000";
        case 4: return "00.0000";
        case 5: return "00.00000";
        default: return "00.000000";
    }
}

// True when the last field's text shows 60 or more: a value just under the
// carry threshold can still round to 60 at the shown decimals (the seconds
// table caps them at 4, and halves are judged on the 15-digit form), and a
// field must never show 60.
bool ShowsSixty(double field, const char* pattern, char separator) {
    if (field < 59.0) return false;
    return std::atoi(FormatPattern(field, pattern, separator).c_str()) >= 60;
}

struct DmsParts {
    double degrees = 0;  // whole degrees
    int minutes = 0;
    double seconds = 0;
};

DmsParts SplitDms(double magnitude, int decimals, char separator) {
    DmsParts parts;
    parts.degrees = std::floor(magnitude);
    const double minutes = (magnitude - parts.degrees) * 60.0;
    parts.minutes = static_cast<int>(std::floor(minutes));
    parts.seconds = (minutes - parts.minutes) * 60.0;
    const double threshold = CarryThreshold(decimals);
    const char* pattern = SecondsPattern(decimals);
    const auto carries = [&] {
        return parts.seconds >= threshold || ShowsSixty(parts.seconds, pattern, separator);
    };
    if (parts.minutes == 60 && carries()) {
        parts.degrees += 1;
        parts.minutes = 0;
        parts.seconds = 0;
    }
    if (carries()) {
        parts.seconds = 0;
        parts.minutes += 1;
    }
    if (parts.minutes == 60) {
        parts.minutes = 0;
        parts.degrees += 1;
    }
    return parts;
}

struct DmParts {
    double degrees = 0;
    double minutes = 0;
};

DmParts SplitDm(double magnitude, int decimals, char separator) {
    DmParts parts;
    parts.degrees = std::floor(magnitude);
    parts.minutes = (magnitude - parts.degrees) * 60.0;
    if (parts.minutes >= CarryThreshold(decimals) ||
        ShowsSixty(parts.minutes, MinutesPattern(decimals), separator)) {
        parts.minutes = 0;
        parts.degrees += 1;
    }
    return parts;
}

const char* HemisphereSuffix(AngleKind kind, bool negative) {
    switch (kind) {
        case AngleKind::Latitude: return negative ? " S" : " N";
        case AngleKind::Longitude: return negative ? " W" : " E";
        case AngleKind::Bearing: break;
    }
    return "";
}

const char* DegreePattern(AngleKind kind) { return kind == AngleKind::Latitude ? "00" : "000"; }

std::string DmsText(double angle, AngleKind kind, int decimals, bool compact) {
    const char separator = platform::CurrentNumberLocale().decimal_separator;
    const bool negative = angle < 0;
    const DmsParts parts = SplitDms(std::fabs(angle), decimals, separator);
    const bool is_bearing = kind == AngleKind::Bearing;
    std::string out;
    out.reserve(32);
    // A bearing keeps its minus even when its degrees are 0.
    if (is_bearing && negative) out += '-';
    if (!compact || parts.degrees != 0) {
        out += FormatPattern(parts.degrees, DegreePattern(kind), separator);
        out += kDegreeSign;
        out += ' ';
    }
    if (!compact || parts.minutes != 0) {
        out += FormatPattern(parts.minutes, "00", separator);
        out += "' ";
    }
    out += FormatPattern(parts.seconds, SecondsPattern(decimals), separator);
    out += '"';
    out += HemisphereSuffix(kind, negative);
    return out;
}

std::string DmText(double angle, AngleKind kind, int decimals, bool compact) {
    const char separator = platform::CurrentNumberLocale().decimal_separator;
    const DmParts parts = SplitDm(std::fabs(angle), decimals, separator);
    std::string out;
    out.reserve(32);
    // A bearing west of north (a convergence) keeps its minus, as in the DMS form.
    if (kind == AngleKind::Bearing && angle < 0) out += '-';
    if (!compact || parts.degrees != 0) {
        out += FormatPattern(parts.degrees, DegreePattern(kind), separator);
        out += kDegreeSign;
        out += ' ';
    }
    out += FormatPattern(parts.minutes, MinutesPattern(decimals), separator);
    out += '\'';
    out += HemisphereSuffix(kind, angle < 0);
    return out;
}

// ---- Parsing -------------------------------------------------------------

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

void TrimLeadingBlanks(std::u32string& s) {
    std::size_t first = 0;
    while (first < s.size() && s[first] == ' ') ++first;
    s.erase(0, first);
}

// A whole-number field of the parser; beyond the 16-bit range is a run-time failure.
int SixteenBit(double value) {
    if (!(value <= kSixteenBitMax)) throw engine::CalcError("Overflow");
    return static_cast<int>(value);
}

double WholeNumber(const std::u32string& s, std::size_t end) {
    double value = 0;
    for (std::size_t i = 0; i < end; ++i) value = value * 10 + static_cast<double>(s[i] - '0');
    return value;
}

enum class Next { Continue, Letter, Checks };

// Degree or minute stage: the digits up to the first non-digit form the field.
Next WholeFieldStage(std::u32string& s, int& field, char32_t closing_mark) {
    if (s.empty()) return Next::Continue;
    std::size_t i = 0;
    while (i < s.size() && IsDigit(s[i])) ++i;
    field = SixteenBit(WholeNumber(s, i));
    if (i == s.size()) {
        s.clear();
        return Next::Checks;
    }
    if (i + 1 < s.size()) {
        s.erase(0, i + 1);
        TrimLeadingBlanks(s);
        return Next::Continue;
    }
    if (s[i] == closing_mark) return Next::Checks;
    s.erase(0, i);
    return Next::Letter;
}

// Last number stage: digits, points and commas (read as points) form the number.
Next LastNumberStage(std::u32string& s, double& field, char32_t closing_mark) {
    if (s.empty()) return Next::Letter;
    std::size_t i = 0;
    std::string number;
    for (; i < s.size(); ++i) {
        const char32_t c = s[i];
        if (IsDigit(c) || c == '.') {
            number += static_cast<char>(c);
        } else if (c == ',') {
            s[i] = '.';
            number += '.';
        } else {
            break;
        }
    }
    field = std::fabs(ReadNumber(number));
    if (i == s.size()) {
        s.clear();
        return Next::Checks;
    }
    if (i + 1 == s.size()) {
        if (s[i] == closing_mark) return Next::Checks;
        s.erase(0, i);
        return Next::Letter;
    }
    s.erase(0, i + 1);
    TrimLeadingBlanks(s);
    return Next::Letter;
}

void Exclaim(const platform::NoticeSink& notices, const std::string& text) {
    platform::Show(notices, text, platform::Icon::Exclamation, kIllegalInput);
}

void Tell(const platform::NoticeSink& notices, const std::string& text) {
    platform::Show(notices, text, platform::Icon::None);
}

double ParseDegreeText(std::string& text, AngleKind kind, int decimals,
                       const platform::NoticeSink& notices, bool with_seconds) {
    const std::string long_name = LongName(kind);
    RefuseLetterInsideNumber(text, long_name, notices);
    try {
        char32_t letter = kind == AngleKind::Latitude ? U'N' : kind == AngleKind::Longitude ? U'E' : 0;
        int degrees = 0;
        int whole_minutes = 0;     // minutes of the seconds form
        double decimal_minutes = 0;  // minutes of the decimal-minutes form
        double seconds = 0;
        bool negative = false;

        if (const auto decimal = detail::DecimalWithUnit(text, kind)) {
            const double magnitude = std::fabs(decimal->degrees);
            const bool below = decimal->degrees < 0;
            if (kind != AngleKind::Bearing) {
                if (decimal->letter != 0) letter = decimal->letter;
                else if (below) letter = kind == AngleKind::Latitude ? U'S' : U'W';
            } else {
                negative = below;
            }
            degrees = SixteenBit(std::floor(magnitude));
            decimal_minutes = (magnitude - degrees) * 60;
            whole_minutes = static_cast<int>(std::floor(decimal_minutes));
            seconds = with_seconds ? (decimal_minutes - whole_minutes) * 60 : 0.0;
        } else {
            std::u32string s = DecodeTyped(text);
            const std::size_t first = s.find_first_not_of(U' ');
            if (first == std::u32string::npos) {
                s.clear();
            } else {
                s = s.substr(first, s.find_last_not_of(U' ') - first + 1);
            }
            if (!s.empty() && s[0] == '-') {
                if (kind == AngleKind::Latitude) {
                    letter = U'S';
                } else if (kind == AngleKind::Longitude) {
                    letter = U'W';
                } else {
                    negative = true;
                }
                s.erase(0, 1);
                TrimLeadingBlanks(s);
            }

            Next next = WholeFieldStage(s, degrees, kDosDegreeMark);
            if (next == Next::Continue && with_seconds) next = WholeFieldStage(s, whole_minutes, kMinuteMark);
            if (next == Next::Continue) {
                next = with_seconds ? LastNumberStage(s, seconds, kSecondMark)
                                    : LastNumberStage(s, decimal_minutes, kMinuteMark);
                // Seconds typed after the minutes of the decimal-minutes form are
                // read too: the richer form, never a part of it dropped.
                if (!with_seconds && next == Next::Letter && !s.empty() && IsDigit(s[0]))
                    next = LastNumberStage(s, seconds, kSecondMark);
            }
            if (next == Next::Letter) {
                if (kind != AngleKind::Bearing) {
                    if (s.size() == 1) {
                        letter = UpperCharacter(s[0]);
                        if (kind == AngleKind::Longitude && letter == U'\u00D8') letter = U'E';
                        if (kind == AngleKind::Longitude && letter == U'V') letter = U'W';
                    } else {
                        Exclaim(notices, EncodeUtf8(s) + "!   " + long_name +
                                             (kind == AngleKind::Latitude
                                                  ? " CHARACTER FORMAT ERROR. Default, N, used"
                                                  : " CHARACTER FORMAT ERROR. Default, E, used"));
                    }
                }
            }
        }

        auto minutes_value = [&] { return with_seconds ? double(whole_minutes) : decimal_minutes; };
        const double total = degrees + minutes_value() / 60.0 + seconds / 3600.0;
        if (kind == AngleKind::Latitude && total > 90) {
            Exclaim(notices, long_name + " FORMAT ERROR. Max 90 deg allowed");
            degrees = 90, whole_minutes = 0, decimal_minutes = 0, seconds = 0;
        }
        if (kind == AngleKind::Longitude && total > 180) {
            Exclaim(notices, long_name + " FORMAT ERROR. Max 180 deg allowed");
            degrees = 180, whole_minutes = 0, decimal_minutes = 0, seconds = 0;
        }
        double value = 0;
        if (kind == AngleKind::Bearing && negative) {
            Exclaim(notices, long_name +
                                 " FORMAT ERROR. Negative values not allowed. Automatic adjustment "
                                 "to range 0-360 deg");
            // The smallest whole n >= 1 with 360 n - total > 0, found directly; a
            // total so large that no such remainder is representable is a fault.
            double turns = std::max(1.0, std::floor(total / 360.0) + 1.0);
            value = 360.0 * turns - total;
            if (value <= 0) value = 360.0 * (turns + 1.0) - total;
            if (!(value > 0 && value <= 360.0)) throw engine::CalcError("Overflow");
        } else {
            if (kind == AngleKind::Bearing && degrees >= 360) {
                Exclaim(notices, long_name +
                                     " FORMAT ERROR. Max value 360 deg. Automatic adjustment to "
                                     "range 0-360 deg");
                degrees %= 360;
            }
            if (seconds >= 60) {
                Tell(notices, long_name + " SECOND FORMAT ERROR. Max 59.9999 allowed");
                whole_minutes = SixteenBit(whole_minutes + 1.0);
                decimal_minutes += 1.0;
                seconds = 0;
            }
            if (minutes_value() >= 60) {
                Tell(notices, long_name + (with_seconds ? " MINUTE FORMAT ERROR. Max 59 allowed"
                                                        : " MINUTE FORMAT ERROR. Max 60 allowed"));
                degrees = SixteenBit(degrees + 1.0);
                whole_minutes = 0;
                decimal_minutes = 0;
            }
            if (kind == AngleKind::Latitude && letter != U'N' && letter != U'S') {
                Tell(notices, long_name + " FORMAT ERROR. Default, N, used");
                letter = U'N';
            }
            if (kind == AngleKind::Longitude && letter != U'E' && letter != U'W') {
                Tell(notices, long_name + " FORMAT ERROR. Default, E, used");
                letter = U'E';
            }
            value = degrees + minutes_value() / 60.0 + seconds / 3600.0;
            if (letter == U'S' || letter == U'W') value = -value;
        }
        std::string normalised =
            with_seconds ? FormatDMS(value, kind, decimals) : FormatDM(value, kind, decimals);
        text = std::move(normalised);
        return value;
    } catch (const std::exception&) {
        Exclaim(notices, long_name + " FORMAT ERROR. ");
        return 0.0;
    }
}

}  // namespace

double CarryThreshold(int decimals) {
    double threshold = 59;
    for (int i = 1; i <= decimals; ++i) threshold += 9 * std::pow(10.0, -i);
    return threshold + 5 * std::pow(10.0, -(decimals + 1));
}

std::string FormatDMS(double degrees, AngleKind kind, int decimals) {
    return DmsText(degrees, kind, decimals, false);
}

std::string FormatDM(double degrees, AngleKind kind, int decimals) {
    return DmText(degrees, kind, decimals, false);
}

std::string FormatDMSCompact(double degrees, AngleKind kind, int decimals) {
    return DmsText(degrees, kind, decimals, true);
}

std::string FormatDMCompact(double degrees, AngleKind kind, int decimals) {
    return DmText(degrees, kind, decimals, true);
}

double ParseDMS(std::string& text, AngleKind kind, int decimals,
                const platform::NoticeSink& notices) {
    return ParseDegreeText(text, kind, decimals, notices, true);
}

double ParseDM(std::string& text, AngleKind kind, int decimals,
               const platform::NoticeSink& notices) {
    return ParseDegreeText(text, kind, decimals, notices, false);
}

std::string FormatLatLon(double radians, AngleKind kind, bool compact,
                         const FormatRecord& geographic_format) {
    const double degrees = radians * engine::kDegPerRad;
    const int decimals = geographic_format.Decimals;
    std::string out;
    switch (geographic_format.Option) {
        case 0:
            out = compact ? FormatDMSCompact(degrees, kind, decimals) : FormatDMS(degrees, kind, decimals);
            break;
        case 1:
            out = compact ? FormatDMCompact(degrees, kind, decimals) : FormatDM(degrees, kind, decimals);
            break;
        case 2:
            out = FormatPattern(degrees, geographic_format.Pattern) + geographic_format.Unit;
            break;
        default:
            break;
    }
    return out + " ";
}

double ParseLatLon(std::string& text, AngleKind kind, const FormatRecord& geographic_format,
                   const platform::NoticeSink& notices) {
    double degrees = 0;
    switch (geographic_format.Option) {
        case 0:
            degrees = ParseDMS(text, kind, geographic_format.Decimals, notices);
            break;
        case 1:
            degrees = ParseDM(text, kind, geographic_format.Decimals, notices);
            break;
        case 2: {
            degrees = detail::ReadDecimalLatLon(text, kind, notices);
            if (kind == AngleKind::Latitude && std::fabs(degrees) > 90) {
                platform::Show(notices, "Latitude max value 90 degrees !", platform::Icon::Question,
                               "Illegal coordinate");
                degrees = std::copysign(90.0, degrees);
            } else if (kind == AngleKind::Longitude && std::fabs(degrees) > 180) {
                platform::Show(notices, "Longitude max value 180 degrees !", platform::Icon::Question,
                               "Illegal coordinate");
                degrees = std::copysign(180.0, degrees);
            }
            break;
        }
        default:
            return 0.0;
    }
    return degrees * engine::kRadPerDeg;
}

std::string FormatBearing(double radians, const FormatRecord& bearing_format) {
    switch (bearing_format.Option) {
        case 0:
            return FormatDMS(radians * engine::kDegPerRad, AngleKind::Bearing, bearing_format.Decimals) + " ";
        case 1:
            return FormatDM(radians * engine::kDegPerRad, AngleKind::Bearing, bearing_format.Decimals) + " ";
        default:
            return FormatPattern(radians * bearing_format.Factor, bearing_format.Pattern) +
                   bearing_format.Unit + " ";
    }
}

double ParseBearing(std::string& text, const FormatRecord& bearing_format,
                    const platform::NoticeSink& notices) {
    if (bearing_format.Option == 0) {
        return ParseDMS(text, AngleKind::Bearing, bearing_format.Decimals, notices) * engine::kRadPerDeg;
    }
    if (bearing_format.Option == 1) {
        return ParseDM(text, AngleKind::Bearing, bearing_format.Decimals, notices) * engine::kRadPerDeg;
    }
    double bearing = engine::RequireFinite(detail::ReadDecimalBearing(text, bearing_format, notices), "ParseBearing");
    // Far outside the circle, whole turns are removed at once so that the
    // stepwise wrap below stays short (stepping 2π off 1e300 would never end).
    constexpr double kStepwiseTurns = 1e6;
    if (std::fabs(bearing) > kStepwiseTurns * engine::kTwoPi) bearing = std::fmod(bearing, engine::kTwoPi);
    if (bearing < 0) {
        while (!(bearing > 0)) bearing += engine::kTwoPi;
        platform::Show(notices,
                       "Negative bearing " + text + " automatic adjusted to " +
                           FormatBearing(bearing, bearing_format),
                       platform::Icon::Exclamation, "Illegal Bearing Format");
    }
    if (bearing > engine::kTwoPi) {
        while (!(bearing < engine::kTwoPi)) bearing -= engine::kTwoPi;
        platform::Show(notices,
                       "Overflow bearing " + text + " automatic adjusted to " +
                           FormatBearing(bearing, bearing_format),
                       platform::Icon::Exclamation, "Illegal Bearing Format");
    }
    if (bearing == engine::kTwoPi) bearing = 0;
    return bearing;
}

}  // namespace text
