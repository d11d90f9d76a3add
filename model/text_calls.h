#pragma once
// The model's use of the text layer in one place: every value the sheet shows
// and every text a dialog reads goes through these, with the state's formats
// and the program's notice sink.
#include <string>

#include "model/program.h"

namespace model::detail {

std::string LatLonText(const Program& program, double radians, const char* kind, bool compact);
std::string BearingText(const Program& program, double radians);
std::string ValueText(double metres, const text::FormatRecord& record);
std::string PatternText(double value, const char* pattern);
std::string GroupedText(double value, const char* pattern);
// The parsers report bad input with their own notices and return what they read.
double ParseLatLonText(Program& program, std::string& text, const char* kind);
double ParseBearingText(Program& program, std::string& text);
double ReadNumberText(const std::string& text);

}  // namespace model::detail
