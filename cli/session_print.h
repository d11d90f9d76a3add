#pragma once
// What `twopoint-calc session` prints: the result sheet, the calculation state
// and the notices, one line each.
#include <iosfwd>
#include <string>

#include "model/calc_state.h"
#include "model/menus.h"
#include "model/sheet.h"
#include "platform/notices.h"

namespace cli {

// "notice: [ICON] TITLE: TEXT"; line breaks inside the text are shown as \r and \n.
std::string NoticeLine(const platform::Notice& notice);

// Every visible row in sheet order as "ROW<TAB>TEXT" (line breaks shown as above).
void PrintSheet(const model::Sheet& sheet, std::ostream& out);

// Every field of the state as "FIELD<TAB>VALUE": numbers %.17g, flags true/false.
void PrintState(const model::CalcState& state, std::ostream& out);

// Every entry of the menu bar, depth first in menu order, as
// "NAME<TAB>CAPTION<TAB>MARKS": MARKS lists "ticked", "disabled", "hidden"
// separated by blanks, or "-" when none applies.
void PrintMenus(const model::MenuBar& bar, std::ostream& out);

// A text with its control characters shown as \r, \n and \t.
std::string Printable(const std::string& text);

}  // namespace cli
