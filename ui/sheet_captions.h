#pragma once
// The captions that name the values on each line of the sheet's display
// groups: beside Point A's values, in the offset column's two blocks and in
// the datum-shift column, and the headings of those blocks (line 0).
#include <vector>

namespace ui {

struct SheetCaption {
    const char* text;
    int group, line;
    // Where it stands: 0 beside Point A's values, 1 and 2 the offset column's
    // blocks, 3 the datum-shift column; 4, 5, 6 the headings of those three.
    int slot;
};

const std::vector<SheetCaption>& SheetCaptions();

}  // namespace ui
