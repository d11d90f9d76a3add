#include "model/text_calls.h"

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
