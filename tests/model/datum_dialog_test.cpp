// The opposite-datum dialog, and a failed special set-up that changes nothing
// (what the datum dialog shows is the datum_dialog_labels session).
#include <gtest/gtest.h>

#include <filesystem>

#include "model/datum_dialog.h"
#include "model/datum_rules.h"
#include "model/layout.h"
#include "started_program.h"

namespace {

using Started = StartedProgram;

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

TEST(DatumRules, AFailedSpecialSetUpChangesNothing) {
    Started t(true);
    const auto empty_folder = std::filesystem::path(testing::TempDir()) / "twopoint_no_data_files";
    std::filesystem::create_directories(empty_folder);
    t.program.folders.program_data = empty_folder.string();  // no North Sea or NGO file there
    const model::CalcState before = t.program.state;
    const model::Sheet sheet_before = t.program.sheet;
    for (int row : {model::kEd50NorthSeaRow, model::kNgo1948Row}) {
        auto dialog = model::OpenDatumDialog(t.program, 0);
        ASSERT_TRUE(model::ChooseDatumOption(t.program, dialog, 1));
        ASSERT_TRUE(model::PickDatumEntry(t.program, dialog, row));
        t.recorded.notices.clear();
        ASSERT_TRUE(model::DatumDialogOK(t.program, dialog));
        ASSERT_EQ(t.recorded.notices.size(), 1u);
        EXPECT_NE(t.recorded.notices[0].text.find(row == model::kNgo1948Row ? "ngo-data.vdx" : "NorthSea.vdx"),
                  std::string::npos)
            << t.recorded.notices[0].text;
        EXPECT_EQ(t.program.state.pub_Mode, model::Mode::DatumShift);
        EXPECT_EQ(t.program.state.point[0].pub_DatumOption, before.point[0].pub_DatumOption);
        EXPECT_EQ(t.program.state.point[0].pub_Northing, before.point[0].pub_Northing);
        EXPECT_EQ(t.program.sheet.Text(model::Row::GridSystem0), sheet_before.Text(model::Row::GridSystem0));
        EXPECT_TRUE(t.program.window.enabled);
    }
}

}  // namespace
