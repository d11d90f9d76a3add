#include "model/text_calls.h"

#if __has_include("text/angle_text.h")
#include "text/angle_text.h"
#include "text/number_text.h"

namespace model::detail {

std::string LatLonText(const Program& program, double radians, const char* kind, bool compact) {
    return text::FormatLatLon(radians, kind, compact, program.state.formats.pub_GeogFormat);
}

std::string BearingText(const Program& program, double radians) {
    return text::FormatBearing(radians, program.state.formats.pub_BrgFormat);
}

std::string ValueText(double metres, const text::FormatRecord& record) { return text::FormatValue(metres, record); }

std::string PatternText(double value, const char* pattern) { return text::FormatPattern(value, pattern); }

std::string GroupedText(double value, const char* pattern) { return text::FormatGrouped(value, pattern); }

double ParseLatLonText(Program& program, std::string& text, const char* kind) {
    return text::ParseLatLon(text, kind, program.state.formats.pub_GeogFormat, program.platform.notices);
}

double ParseBearingText(Program& program, std::string& text) {
    return text::ParseBearing(text, program.state.formats.pub_BrgFormat, program.platform.notices);
}

double ReadNumberText(const std::string& text) { return text::ReadNumber(text); }

}  // namespace model::detail

#else
// The text layer's formatters are not in this build yet: every use raises.
#include "engine/calc_error.h"

namespace model::detail {
namespace {
[[noreturn]] void Missing() { throw engine::CalcError("The text formatters are not available in this build"); }
}  // namespace
std::string LatLonText(const Program&, double, const char*, bool) { Missing(); }
std::string BearingText(const Program&, double) { Missing(); }
std::string ValueText(double, const text::FormatRecord&) { Missing(); }
std::string PatternText(double, const char*) { Missing(); }
std::string GroupedText(double, const char*) { Missing(); }
double ParseLatLonText(Program&, std::string&, const char*) { Missing(); }
double ParseBearingText(Program&, std::string&) { Missing(); }
double ReadNumberText(const std::string&) { Missing(); }
}  // namespace model::detail
#endif
