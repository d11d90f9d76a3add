#pragma once
// What the user types into a dialog box, read as meant or refused. The lenient
// reader of number_text.h stops at the first character it cannot take, so a
// letter O typed for a zero ("5OO000") or a unit ("25000 m" while kilometres
// are shown) would silently give another number. The readers here take a unit
// the formats know and convert it, and refuse anything else after the number
// with a notice; a refused text never reaches the calculation.
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/notices.h"
#include "text/format_record.h"

namespace text {

// Thrown after the refusal's notice has been shown: the action that read the
// text stops, and nothing is shown a second time.
struct InputRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Shows "TYPED!   WHAT" (title "Illegal input", exclamation) and throws InputRefused.
[[noreturn]] void RefuseInput(const platform::NoticeSink& notices, const std::string& typed,
                              const std::string& what);

// The notice texts of a refusal, after the typed text and "!   ".
inline constexpr const char* kLetterInNumberText = "FORMAT ERROR. Letter inside a number not allowed";
inline constexpr const char* kUnknownLengthUnitText =
    "FORMAT ERROR. Unknown unit. Allowed: m, km, nmile (nmi, NM), ft, s.mile (mi)";
inline constexpr const char* kUnknownAngleUnitText = "FORMAT ERROR. Unknown unit. Allowed: deg, rad, gon";

// A letter of a typed text (ASCII and Latin-1 letters; not "ø", code 248,
// which the degree readers take as the DOS degree sign).
bool IsTypedLetter(char32_t c);

// A length typed into a box whose values are shown by `record`, in metres.
// Without a unit the number is in the record's unit (ReadNumber / Factor, as
// before); with m, km, nmile, nmi, NM, ft, s.mile, mi or mile (any case) it is
// converted from that unit. A text without digits reads 0 (a box showing
// " n/a "). Anything else after the number is refused.
double ReadTypedLength(std::string_view typed, const FormatRecord& record, const platform::NoticeSink& notices);

// An angle unit typed after a decimal number: degrees per unit (deg and the
// degree sign 1, rad 57.29577951307855, gon 0.9), or 0 when `unit` is none of them.
double DegreesPerTypedUnit(std::string_view unit);

}  // namespace text
