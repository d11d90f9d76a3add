#include "text/typed_input.h"

#include <array>

#include "engine/constants.h"
#include "text/number_text.h"

namespace text {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

struct LengthUnit {
    const char* name;  // lower case
    double metres;
};

// The units of the length formats, with the short forms navigators write.
constexpr std::array<LengthUnit, 9> kLengthUnits{{
    {"m", 1.0},
    {"km", 1000.0},
    {"nmile", 1852.0},
    {"nmi", 1852.0},
    {"nm", 1852.0},
    {"ft", 0.3048},
    {"s.mile", 1609.344},
    {"mi", 1609.344},
    {"mile", 1609.344},
}};

bool HasDigit(std::string_view text) {
    for (char c : text)
        if (c >= '0' && c <= '9') return true;
    return false;
}

}  // namespace

void RefuseInput(const platform::NoticeSink& notices, const std::string& typed, const std::string& what) {
    const std::string text = Trimmed(typed) + "!   " + what;
    platform::Show(notices, text, platform::Icon::Exclamation, "Illegal input");
    throw InputRefused(text);
}

bool IsTypedLetter(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    return c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7 && c != 0xF8;
}

double ReadTypedLength(std::string_view typed, const FormatRecord& record, const platform::NoticeSink& notices) {
    const TypedNumber number = SplitTypedNumber(typed);
    // No number at all (a box showing " n/a ") reads 0; digits after a letter ("l00") are refused.
    if (!number.has_digits && !HasDigit(number.rest)) return 0.0;
    if (!number.has_digits) RefuseInput(notices, std::string(typed), kLetterInNumberText);
    if (number.rest.empty()) return number.value / record.Factor;
    const std::string unit = Lower(number.rest);
    // The unit the box shows reads exactly as a bare number does.
    if (unit == Lower(Trimmed(record.Unit))) return number.value / record.Factor;
    for (const LengthUnit& known : kLengthUnits)
        if (unit == known.name) return number.value * known.metres;
    RefuseInput(notices, std::string(typed), HasDigit(number.rest) ? kLetterInNumberText : kUnknownLengthUnitText);
}

double DegreesPerTypedUnit(std::string_view unit) {
    const std::string lower = Lower(unit);
    if (lower == "deg" || lower == "\u00B0") return 1.0;
    if (lower == "rad") return engine::kDegPerRad;
    if (lower == "gon") return 0.9;
    return 0.0;
}

}  // namespace text
