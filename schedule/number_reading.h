#pragma once
// The one place where the schedule reads a number from a text (speed, days,
// distances of the sheet, the fields of a time caption).
#include <string_view>

namespace schedule {

// The program's lenient number rule: commas read as points, blanks inside the
// number ignored, reading stops at the first other character, no number reads 0;
// a number too large for a double raises engine::CalcError.
double ReadNumberText(std::string_view text);

}  // namespace schedule
