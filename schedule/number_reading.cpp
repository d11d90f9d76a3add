#include "schedule/number_reading.h"

#include "text/number_text.h"

namespace schedule {

double ReadNumberText(std::string_view text) { return text::ReadNumber(text); }

}  // namespace schedule
