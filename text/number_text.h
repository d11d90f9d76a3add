#pragma once
// Number text: the pattern rule, thousands grouping, the lenient number reader
// and the length formatter used for every length the program shows.
#include <string>
#include <string_view>

#include "text/format_record.h"

namespace text {

// Renders value by a pattern of "0" placeholders and at most one point ("0",
// "000", "0.00", "00.0000"): rounded to as many decimals as there are zeros after
// the point, the integer part padded with leading zeros to the zeros before it
// (never cut), a leading "-" for a negative value, the point rendered as
// decimal_separator. Other pattern characters are ignored.
//
// Halves are judged on the value's 15-significant-digit decimal form, rounding
// away from zero: 2.675 (the double just below it) shows 2.68 with "0.00", as the
// user typed it, and 0.5 shows 1 with "0". Beyond 15 digits the double carries no
// information the user typed, so digits past the 15th never decide a rounding.
//
// Raises engine::CalcError for a NaN or infinite value.
std::string FormatPattern(double value, std::string_view pattern, char decimal_separator);
// As above with the locale's decimal separator (platform/locale.h).
std::string FormatPattern(double value, std::string_view pattern);

// The lenient number reader: every comma is taken as a point; leading blanks
// skipped, blanks, tabs and line feeds inside the number ignored; an optional
// sign, digits with at most one point, an optional exponent (E or D, optional
// sign, digits); reading stops at the first other character; no number reads 0.
// "12,5 m" reads 12.5 and "1 234.50 m" reads 1234.5. A number too large for a
// double raises engine::CalcError("Overflow"); one too small reads 0.
double ReadNumber(std::string_view text);

// A typed text split into the number the rule above reads and what follows it
// (blanks at both ends removed): "25000 m" gives 25000 and "m", "5OO000" gives
// 5 and "OO000". A text without digits gives 0, has_digits false and the whole
// text (trimmed) as the rest.
struct TypedNumber {
    double value = 0.0;
    bool has_digits = false;
    std::string rest;
};
TypedNumber SplitTypedNumber(std::string_view text);

// FormatPattern of |value| with the integer digits in groups of three separated
// by one blank when |value| >= 1000, and "- " before a negative value:
// -1234.5 with "0.00" gives "- 1 234.50". Never fails: when the rendering fails
// the result is blanks as long as the pattern.
std::string FormatGrouped(double value, std::string_view pattern, char decimal_separator);
std::string FormatGrouped(double value, std::string_view pattern);

// A length in metres by its display record: grouped value, unit suffix and one
// closing blank. 1234.5 m with the default distance record gives "1 234.50 m ".
std::string FormatValue(double metres, const FormatRecord& record);

}  // namespace text
