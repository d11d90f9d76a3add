// The lenient number reader ReadNumber on any text, and the formatters on
// what it read. Invariants: ReadNumber gives a finite value or raises
// engine::CalcError("Overflow"); FormatPattern of that value with any offered
// pattern reads back to it within half its last decimal (15 significant
// digits), with either decimal separator; FormatGrouped never fails and reads
// back to the same value as FormatPattern.
#include <cmath>
#include <cstring>
#include <string>

#include "engine/calc_error.h"
#include "fuzz_input.h"
#include "text/format_dialogs.h"
#include "text/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input{data, size};
    const std::uint8_t detail = input.Byte();
    const std::string text = input.Rest();
    double value = 0;
    try {
        value = text::ReadNumber(text);
    } catch (const engine::CalcError& failure) {
        fuzz::Require(std::strcmp(failure.what(), "Overflow") == 0, "ReadNumber raised '" +
                                                                         std::string(failure.what()) + "'");
        return 0;
    }
    fuzz::RequireFinite(value, "ReadNumber's value");

    const int decimals = detail % 14;
    const char separator = (detail & 0x80) ? ',' : '.';
    const std::string pattern = text::PatternForDecimals(decimals);
    const std::string shown = text::FormatPattern(value, pattern, separator);
    double back = 0;
    try {
        back = text::ReadNumber(shown);
    } catch (const engine::CalcError&) {
        // The 15-digit form of a value next to the largest double rounds beyond it.
        fuzz::Require(std::fabs(value) > 1.79769313486e308, "'" + shown + "' does not read back");
        return 0;
    }
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-14;
    fuzz::Require(std::fabs(back - value) <= tolerance, "'" + shown + "' reads back as another value");
    const std::string grouped = text::FormatGrouped(value, pattern, separator);
    fuzz::Require(text::ReadNumber(grouped) == back, "grouped '" + grouped + "' reads differently from '" +
                                                         shown + "'");
    return 0;
}
