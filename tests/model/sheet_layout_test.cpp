// The result sheet's row names, row positions and the clearing of results.
// (The special modes' refusals are the datum_dialog_special_modes session.)
#include <gtest/gtest.h>

#include "model/actions.h"
#include "model/layout.h"
#include "model/pipeline.h"
#include "model/program.h"

namespace {

struct TestProgram {
    platform::RecordedNotices recorded;
    model::Program program;
    TestProgram() {
        program.state = model::DefaultState();
        program.platform.notices = recorded.Sink();
    }
};

TEST(Sheet, RowNamesAreTheProgramsOwnAndFoundAgain) {
    // (The session files name rows by these names throughout.)
    EXPECT_STREQ(model::RowName(model::Row::UTMAutomatic1), "chkUTMAutomatic(1)");
    for (std::size_t k = 0; k < model::kRowCount; ++k) {
        const auto row = static_cast<model::Row>(k);
        EXPECT_EQ(model::FindRow(model::RowName(row)), row);
    }
    EXPECT_FALSE(model::FindRow("lblNothing").has_value());
    EXPECT_EQ(model::ColumnOf(model::Row::dx), model::Column::DatumShift);
    EXPECT_EQ(model::GroupOf(model::Row::Easting1), 2);
}

TEST(Sheet, RowPositionsAndHeightFollowTheShownGroups) {
    // (Which rows each menu entry hides, and the height saved and restored, are session tests.)
    TestProgram t;
    model::ArrangeSheet(t.program);
    EXPECT_EQ(t.program.state.MainWindowHeight, 8950);  // 6 x 1335 + 1220 - 280
    EXPECT_EQ(t.program.sheet[model::Row::Lat0].top, 480);
    EXPECT_EQ(t.program.sheet[model::Row::GeoideHgt0].top, 480 + 5 * 1320);

    model::ViewDisplayMenu(t.program, 2);  // grid off hides groups 2 and 3 together
    EXPECT_EQ(t.program.sheet[model::Row::NRadius0].top, 480 + 2 * 1320);

    model::ViewDisplayMenu(t.program, 1);
    model::ViewDisplayMenu(t.program, 5);
    t.program.state.pub_Display[4] = false;
    model::ArrangeSheet(t.program);
    EXPECT_EQ(t.program.state.MainWindowHeight, 2555);  // 1 x 1335 + 1220
    EXPECT_EQ(t.program.sheet.Text(model::Row::GeoideHgt0), "n/a");
    EXPECT_TRUE(t.recorded.notices.empty());
}

TEST(Sheet, ClearResultsBlanksTheRelationRowsOnly) {
    TestProgram t;
    auto& sheet = t.program.sheet;
    for (auto row : {model::Row::Lat0, model::Row::TrueDist, model::Row::GrCircleBrg, model::Row::DeltaEasting})
        sheet[row].text = "x";
    model::ClearResults(t.program, "Offset");
    EXPECT_EQ(sheet.Text(model::Row::Lat0), "x");
    EXPECT_EQ(sheet.Text(model::Row::TrueDist), " n/a ");
    EXPECT_EQ(sheet.Text(model::Row::GrCircleBrg), "x");
    EXPECT_EQ(sheet.Text(model::Row::DeltaEasting), " n/a ");
    model::ClearResults(t.program, "Other");
    model::ClearResults(t.program, "All");
    EXPECT_EQ(sheet.Text(model::Row::Lat0), " n/a ");
}

}  // namespace
