#include "text/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "engine/calc_error.h"
#include "platform/locale.h"

namespace text {

namespace {

constexpr int kSignificantDigits = 15;

struct PatternShape {
    int integer_digits = 0;
    int decimals = 0;
};

PatternShape ReadPattern(std::string_view pattern) {
    PatternShape shape;
    bool after_point = false;
    for (char c : pattern) {
        if (c == '.') {
            after_point = true;
        } else if (c == '0') {
            ++(after_point ? shape.decimals : shape.integer_digits);
        }
    }
    return shape;
}

void AppendZeros(std::string& out, int count) {
    if (count > 0) out.append(static_cast<std::size_t>(count), '0');
}

// Whole numbers below 10^15 are exact in a double and need no decimal rounding.
bool AppendWholeNumber(std::string& out, double magnitude, const PatternShape& shape,
                       char decimal_separator) {
    if (!(magnitude < 1e15) || magnitude != std::floor(magnitude)) return false;
    char digits[24];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, static_cast<long long>(magnitude));
    const int length = static_cast<int>(result.ptr - digits);
    AppendZeros(out, std::max(shape.integer_digits, 1) - length);
    out.append(digits, result.ptr);
    if (shape.decimals > 0) {
        out += decimal_separator;
        AppendZeros(out, shape.decimals);
    }
    return true;
}

// Rounds the 15-significant-digit decimal form of magnitude to shape.decimals,
// halves away from zero, and appends the fixed-point text.
void AppendRounded(std::string& out, double magnitude, const PatternShape& shape,
                   char decimal_separator) {
    char significant[kSignificantDigits + 1] = {};
    int point_position = 0;  // digits of `significant` before the decimal point
    int kept = 0;            // how many of the significant digits survive the rounding
    if (magnitude != 0.0) {
        char buffer[40];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer - 1, magnitude,
                                           std::chars_format::scientific, kSignificantDigits - 1);
        *written.ptr = '\0';
        significant[0] = buffer[0];
        for (int i = 1; i < kSignificantDigits; ++i) significant[i] = buffer[i + 1];
        const int exponent = std::atoi(buffer + kSignificantDigits + 2);
        point_position = exponent + 1;
        kept = point_position + shape.decimals;
        if (kept < kSignificantDigits) {
            const bool round_up = kept >= 0 && significant[kept] >= '5';
            kept = std::max(kept, 0);
            if (round_up) {
                int i = kept - 1;
                while (i >= 0 && significant[i] == '9') significant[i--] = '0';
                if (i >= 0) {
                    ++significant[i];
                } else {
                    // 9.99… rounded up to 10: one more digit before the point.
                    for (int k = kept; k > 0; --k) significant[k] = significant[k - 1];
                    significant[0] = '1';
                    ++kept;
                    ++point_position;
                }
            }
        } else {
            kept = kSignificantDigits;
        }
    }
    auto digit_at = [&](int index) { return index >= 0 && index < kept ? significant[index] : '0'; };
    const int integer_length = std::max(point_position, 0);
    AppendZeros(out, std::max(shape.integer_digits, 1) - integer_length);
    for (int i = 0; i < integer_length; ++i) out += digit_at(i);
    if (shape.decimals > 0) {
        out += decimal_separator;
        for (int j = 0; j < shape.decimals; ++j) out += digit_at(point_position + j);
    }
}

bool IsIgnoredInsideNumber(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatPattern(double value, std::string_view pattern, char decimal_separator) {
    if (!std::isfinite(value)) throw engine::CalcError("Overflow");
    const PatternShape shape = ReadPattern(pattern);
    std::string out;
    out.reserve(24);
    if (value < 0) out += '-';
    const double magnitude = std::fabs(value);
    if (!AppendWholeNumber(out, magnitude, shape, decimal_separator)) {
        AppendRounded(out, magnitude, shape, decimal_separator);
    }
    return out;
}

std::string FormatPattern(double value, std::string_view pattern) {
    return FormatPattern(value, pattern, platform::CurrentNumberLocale().decimal_separator);
}

namespace {

// The lenient number rule; `end` receives the position where reading stopped.
double ReadNumberPrefix(std::string_view text, std::size_t& end, bool& has_digits) {
    // Gather the number's characters in the form std::from_chars reads.
    std::string number;
    std::size_t i = 0;
    auto skip_ignored = [&] {
        while (i < text.size() && IsIgnoredInsideNumber(text[i])) ++i;
    };
    skip_ignored();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool seen_point = false;
    int integer_digits = 0;  // significant digits before the point, for overflow versus underflow
    has_digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsIgnoredInsideNumber(c)) continue;
        if (IsDigit(c)) {
            has_digits = true;
            if (!seen_point && (c != '0' || integer_digits > 0)) ++integer_digits;
            number += c;
        } else if ((c == '.' || c == ',') && !seen_point) {
            seen_point = true;
            number += '.';
        } else {
            break;
        }
    }
    end = i;
    if (!has_digits) return 0.0;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        while (j < text.size() && IsIgnoredInsideNumber(text[j])) ++j;
        bool exponent_negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent_negative = text[j] == '-';
            ++j;
        }
        std::string exponent_digits;
        for (; j < text.size(); ++j) {
            if (IsIgnoredInsideNumber(text[j])) continue;
            if (!IsDigit(text[j])) break;
            if (exponent_digits.size() < 9) exponent_digits += text[j];
        }
        if (!exponent_digits.empty()) {
            end = j;
            exponent = std::strtol(exponent_digits.c_str(), nullptr, 10);
            if (exponent_negative) exponent = -exponent;
            number += 'e';
            number += std::to_string(exponent);
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (integer_digits + exponent > 0) throw engine::CalcError("Overflow");
        value = 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

double ReadNumber(std::string_view text) {
    std::size_t end = 0;
    bool has_digits = false;
    return ReadNumberPrefix(text, end, has_digits);
}

TypedNumber SplitTypedNumber(std::string_view text) {
    TypedNumber typed;
    std::size_t end = 0;
    typed.value = ReadNumberPrefix(text, end, typed.has_digits);
    std::string_view rest = typed.has_digits ? text.substr(end) : text;
    while (!rest.empty() && IsIgnoredInsideNumber(rest.front())) rest.remove_prefix(1);
    while (!rest.empty() && IsIgnoredInsideNumber(rest.back())) rest.remove_suffix(1);
    typed.rest = std::string(rest);
    return typed;
}

std::string FormatGrouped(double value, std::string_view pattern, char decimal_separator) {
    try {
        const double magnitude = std::fabs(value);
        std::string s = FormatPattern(magnitude, pattern, decimal_separator);
        if (magnitude >= 1000) {
            std::size_t integer_end = 0;
            while (integer_end < s.size() && IsDigit(s[integer_end])) ++integer_end;
            for (std::size_t pos = integer_end; pos > 3; pos -= 3) s.insert(pos - 3, 1, ' ');
        }
        if (value < 0) s.insert(0, "- ");
        return s;
    } catch (...) {
        return std::string(pattern.size(), ' ');
    }
}

std::string FormatGrouped(double value, std::string_view pattern) {
    return FormatGrouped(value, pattern, platform::CurrentNumberLocale().decimal_separator);
}

std::string FormatValue(double metres, const FormatRecord& record) {
    return FormatGrouped(metres * record.Factor, record.Pattern) + record.Unit + " ";
}

}  // namespace text
