// The grid co-ordinate system dialog: its lists and texts at opening. (What OK
// does to one or both points with either freeze is the grid_zones session; the
// NGO mode's lists and grid are the special_grid_modes session.)
#include <gtest/gtest.h>

#include "model/actions.h"
#include "model/dialogs.h"
#include "model/grid_dialog.h"
#include "started_program.h"

namespace {

const char* const kDegree = "\xC2\xB0";

using Started = StartedProgram;

TEST(GridSystemDialog, OpensWithTheUtmSystemsSixtyZonesAndTheSharedGridTicked) {
    EXPECT_EQ(model::UtmZoneEntry(1), std::string("1  ( central meridian 177") + kDegree + "W )");
    EXPECT_EQ(model::UtmZoneEntry(31), std::string("31  ( central meridian 003") + kDegree + "E )");
    EXPECT_EQ(model::UtmZoneEntry(60), std::string("60  ( central meridian 177") + kDegree + "E )");

    Started t;
    // A click on the zone row puts the focus on the zone list; on the grid-system row it does not.
    EXPECT_EQ(model::Click(t.program, model::Row::Zone1).focus, model::Field::Zone);
    EXPECT_EQ(model::Click(t.program, model::Row::GridSystem1),
              (model::DialogRequest{model::DialogKind::GridSystem, 1}));
    auto dialog = model::OpenGridSystemDialog(t.program, 1);
    EXPECT_FALSE(t.program.window.enabled);
    EXPECT_EQ(dialog.caption, "Select Grid Co-ordinate system");
    EXPECT_EQ(dialog.header, "Select Grid co-ordinate system for Point B ");
    EXPECT_EQ(dialog.grid_systems, (std::vector<std::string>{"UTM - Northern Latitudes", "UTM - Southern Latitudes"}));
    EXPECT_EQ(dialog.grid_system, 0);
    ASSERT_EQ(dialog.zones.size(), 60u);
    EXPECT_EQ(dialog.zones[0], model::UtmZoneEntry(1));
    EXPECT_EQ(dialog.zone, 30);  // zone 31
    EXPECT_TRUE(dialog.both);
    EXPECT_TRUE(dialog.both_enabled && dialog.freeze_enabled);
    EXPECT_EQ(dialog.freeze, 0);
    EXPECT_EQ(dialog.freeze_text, "Freeze Geographic");
    EXPECT_TRUE(model::ChooseGridFreeze(dialog, 1));
    EXPECT_EQ(dialog.freeze_text, "Freeze Grid");
    EXPECT_THROW(model::ChooseZone(dialog, 60), std::out_of_range);
    model::CloseDialog(t.program);  // Cancel: nothing changed
    EXPECT_TRUE(t.program.window.enabled);
    EXPECT_EQ(t.P(1).pub_Zone, 31);

    // Differing zones: the check box is cleared at opening; the southern system is selected again.
    auto south = model::OpenGridSystemDialog(t.program, 1);
    model::ChooseGridSystem(south, 1);
    model::TickBoth(south, false);
    ASSERT_TRUE(model::GridSystemDialogOK(t.program, south));
    const auto reopened = model::OpenGridSystemDialog(t.program, 1);
    EXPECT_FALSE(reopened.both);
    EXPECT_EQ(reopened.grid_system, 1);
    model::CloseDialog(t.program);
}

}  // namespace
