#include "schedule/number_reading.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace schedule {

namespace {

bool IsIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A private reader until the text layer's ReadNumber is available: gathers the
// characters the lenient rule accepts and lets strtod read them.
double LenientRead(std::string_view text) {
    std::string gathered;
    std::size_t i = 0;
    auto skip_blanks = [&] {
        while (i < text.size() && IsIgnoredBlank(text[i])) ++i;
    };
    skip_blanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) gathered += text[i++];
    bool any_digit = false;
    bool seen_point = false;
    for (; i < text.size(); ++i) {
        char c = text[i] == ',' ? '.' : text[i];
        if (IsIgnoredBlank(c)) continue;
        if (std::isdigit(static_cast<unsigned char>(c))) {
            gathered += c;
            any_digit = true;
        } else if (c == '.' && !seen_point) {
            gathered += c;
            seen_point = true;
        } else {
            break;
        }
    }
    if (!any_digit) return 0.0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        while (j < text.size() && IsIgnoredBlank(text[j])) ++j;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        bool exponent_digit = false;
        for (; j < text.size(); ++j) {
            if (IsIgnoredBlank(text[j])) continue;
            if (!std::isdigit(static_cast<unsigned char>(text[j]))) break;
            exponent += text[j];
            exponent_digit = true;
        }
        if (exponent_digit) gathered += exponent;
    }
    double value = std::strtod(gathered.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

double ReadNumberText(std::string_view text) { return LenientRead(text); }

}  // namespace schedule
