#include "text/typed_angle_text.h"

#include <cmath>
#include <regex>

#include "engine/constants.h"
#include "text/angle_text.h"
#include "text/encoding.h"
#include "text/number_text.h"
#include "text/typed_input.h"

namespace text::detail {

namespace {

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string UpperAscii(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

char32_t UpperCharacter(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    // Latin-1 small letters à … þ (except the division sign) have their capital 0x20 below.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    return c;
}

char32_t HemisphereLetter(char32_t c, AngleKind kind) {
    const char32_t letter = UpperCharacter(c);
    if (kind == AngleKind::Latitude) return letter == U'N' || letter == U'S' ? letter : 0;
    if (letter == U'E' || letter == U'\u00D8') return U'E';
    if (letter == U'W' || letter == U'V') return U'W';
    return 0;
}

// The degree forms would take "45.5 deg" for degrees and minutes (the point
// ends the degree field); with its unit it is read as the decimal it is.
std::optional<DecimalAngle> DecimalWithUnit(const std::string& text, AngleKind kind) {
    static const std::regex pattern(R"(^ *([+-]?(?:[0-9]+(?:[.,][0-9]*)?|[.,][0-9]+)) *(deg|rad|gon) *(.*?) *$)",
                                    std::regex::icase);
    std::smatch match;
    if (!std::regex_match(text, match, pattern)) return std::nullopt;
    DecimalAngle angle;
    const std::u32string tail = DecodeTyped(match[3].str());
    if (!tail.empty()) {
        if (tail.size() != 1) return std::nullopt;  // left to the field reader and its notices
        angle.letter = HemisphereLetter(tail[0], kind);
        if (angle.letter == 0) return std::nullopt;
    }
    angle.degrees = ReadNumber(match[1].str()) * DegreesPerTypedUnit(match[2].str());
    return angle;
}

std::string LongName(AngleKind kind) {
    switch (kind) {
        case AngleKind::Latitude: return "LATITUDE";
        case AngleKind::Longitude: return "LONGITUDE";
        case AngleKind::Bearing: break;
    }
    return "AZIMUTH";
}

double ReadDecimalBearing(const std::string& text, const FormatRecord& bearing_format,
                          const platform::NoticeSink& notices) {
    const TypedNumber number = SplitTypedNumber(text);
    bool digits_in_rest = false;
    for (char c : number.rest) digits_in_rest = digits_in_rest || (c >= '0' && c <= '9');
    if (number.rest.empty() || (!number.has_digits && !digits_in_rest)) return number.value / bearing_format.Factor;
    if (!number.has_digits) RefuseInput(notices, text, std::string("AZIMUTH ") + kLetterInNumberText);
    std::string unit = number.rest;
    std::string own_unit = bearing_format.Unit;
    while (!own_unit.empty() && own_unit.front() == ' ') own_unit.erase(0, 1);
    if (UpperAscii(unit) == UpperAscii(own_unit)) return number.value / bearing_format.Factor;
    const double per_unit = DegreesPerTypedUnit(unit);
    if (per_unit == 0.0) {
        bool digits = false;
        for (char c : unit) digits = digits || (c >= '0' && c <= '9');
        RefuseInput(notices, text, std::string("AZIMUTH ") + (digits ? kLetterInNumberText : kUnknownAngleUnitText));
    }
    return number.value * per_unit * engine::kRadPerDeg;
}

// "33.75 S", "-3.5 deg", "0.5 rad N": a letter decides the side, as in the
// degree forms; without one the sign does.
double ReadDecimalLatLon(const std::string& text, AngleKind kind,
                         const platform::NoticeSink& notices) {
    const TypedNumber number = SplitTypedNumber(text);
    std::u32string rest = DecodeTyped(number.rest);
    char32_t letter = 0;
    if (!rest.empty()) letter = HemisphereLetter(rest.back(), kind);
    if (letter != 0) {
        rest.pop_back();
        while (!rest.empty() && rest.back() == U' ') rest.pop_back();
    }
    double degrees = number.value;
    if (!rest.empty()) {
        const double per_unit = number.has_digits ? DegreesPerTypedUnit(EncodeUtf8(rest)) : 0.0;
        if (per_unit == 0.0) {
            bool digits = false;
            for (char32_t c : rest) digits = digits || IsDigit(c);
            RefuseInput(notices, text,
                        LongName(kind) + " " + (digits ? kLetterInNumberText : kUnknownAngleUnitText));
        }
        degrees *= per_unit;
    }
    if (letter == U'S' || letter == U'W') degrees = -std::fabs(degrees);
    if (letter == U'N' || letter == U'E') degrees = std::fabs(degrees);
    return degrees;
}

// A letter with a digit after it is no hemisphere letter: a letter O typed for
// a zero would otherwise end the degree field unnoticed.
void RefuseLetterInsideNumber(const std::string& text, const std::string& long_name,
                              const platform::NoticeSink& notices) {
    const std::u32string s = DecodeTyped(text);
    bool digit_follows = false;
    for (auto c = s.rbegin(); c != s.rend(); ++c) {
        if (IsDigit(*c)) digit_follows = true;
        else if (digit_follows && IsTypedLetter(*c))
            RefuseInput(notices, text, long_name + " " + kLetterInNumberText);
    }
}

}  // namespace text::detail

namespace text {

double ApplyHemisphereDefault(double parsed, const std::string& typed, AngleKind kind,
                              bool default_on) {
    if (!(parsed > 0) || !default_on) return parsed;
    const bool latitude = kind == AngleKind::Latitude;
    // The letters that name the northern or eastern side ("Ø" and "ø" are the
    // Norwegian east, UTF-8 or a Windows-1252 byte).
    for (char32_t c : DecodeTyped(typed)) {
        if (latitude && (c == U'N' || c == U'n')) return parsed;
        if (!latitude && (c == U'E' || c == U'e' || c == U'\u00D8' || c == U'\u00F8')) return parsed;
    }
    return -parsed;
}

LatLon ApplyHemisphereDefaults(LatLon parsed, const std::string& typed_latitude,
                               const std::string& typed_longitude, bool south_default,
                               bool west_default) {
    parsed.latitude = ApplyHemisphereDefault(parsed.latitude, typed_latitude, AngleKind::Latitude, south_default);
    parsed.longitude = ApplyHemisphereDefault(parsed.longitude, typed_longitude, AngleKind::Longitude, west_default);
    return parsed;
}

}  // namespace text
