// The opposite-datum dialog (what the datum dialog shows is the
// datum_dialog_labels session, a special datum without its data file the
// special_datum_without_its_data_file session).
#include <gtest/gtest.h>

#include "model/datum_rules.h"
#include "model/layout.h"

namespace {

// (Which pair each answer makes, and closing the question, are the north_sea_pairing session.)
TEST(DatumRules, OppositeDatumDialogButtons) {
    auto ed87 = model::OpenOppositeDatumDialog(model::kEd87NorthSeaRow);
    EXPECT_EQ(ed87.caption, "  Opposite datum selection");
    EXPECT_EQ(ed87.prompt, "Which datum do you wan't as opposite datum ?");
    EXPECT_EQ(ed87.buttons[1].caption, "ED87-North Sea");
    EXPECT_TRUE(ed87.buttons[0].enabled && !ed87.buttons[1].enabled && ed87.buttons[2].enabled);
    EXPECT_EQ(ed87.buttons[ed87.singled_out].caption, "WGS84*Sea");
    model::PressOppositeButton(ed87, 1);  // disabled: nothing
    EXPECT_TRUE(ed87.open);
}

}  // namespace
