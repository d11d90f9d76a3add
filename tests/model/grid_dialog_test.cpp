// The grid co-ordinate system dialog: its lists and texts at opening, and the
// NGO mode's lists and grid. (What OK does to one or both points with either
// freeze is the grid_zones session.)
#include <gtest/gtest.h>

#include "datums/catalogue.h"
#include "engine/constants.h"
#include "engine/ngo.h"
#include "model/actions.h"
#include "model/datum_dialog.h"
#include "model/datum_rules.h"
#include "model/dialogs.h"
#include "model/grid_dialog.h"
#include "started_program.h"

namespace {

const char* const kDegree = "\xC2\xB0";

using Started = StartedProgram;

TEST(GridSystemDialog, OpensWithTheUtmSystemsSixtyZonesAndTheSharedGridTicked) {
    EXPECT_EQ(model::UtmZoneEntry(1), std::string("1  ( central meridian 177") + kDegree + "W )");
    EXPECT_EQ(model::UtmZoneEntry(30), std::string("30  ( central meridian 003") + kDegree + "W )");
    EXPECT_EQ(model::UtmZoneEntry(31), std::string("31  ( central meridian 003") + kDegree + "E )");
    EXPECT_EQ(model::UtmZoneEntry(60), std::string("60  ( central meridian 177") + kDegree + "E )");

    Started t;
    // (A click on the zone row asks for this dialog: a sheet test.)
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

TEST(GridSystemDialog, NgoModeOffersTheAxesForPointAAndZones31To35ForPointBWithTheGridFrozen) {
    Started t(true);
    auto datum = model::OpenDatumDialog(t.program, 0);
    ASSERT_TRUE(model::ChooseDatumOption(t.program, datum, 1));
    ASSERT_TRUE(model::PickDatumEntry(t.program, datum, model::kNgo1948Row));
    ASSERT_TRUE(model::DatumDialogOK(t.program, datum));
    ASSERT_EQ(t.program.state.pub_SpecialOption, model::SpecialTransformation::NgoEd50);
    t.recorded.notices.clear();  // the limitations
    t.P(0).pub_Northing = 100000.0;
    t.P(0).pub_Easting = 20000.0;

    auto a = model::OpenGridSystemDialog(t.program, 0);
    EXPECT_TRUE(a.ngo_mode);
    EXPECT_EQ(a.grid_systems, std::vector<std::string>{"NGO 1948 (Norway)"});
    ASSERT_EQ(a.zones.size(), 10u);
    EXPECT_EQ(a.zones[0], " Akse I ");
    EXPECT_EQ(a.zones[9], " Akse II Moere ");
    EXPECT_EQ(a.zone, 0);
    EXPECT_FALSE(a.both);
    EXPECT_FALSE(a.both_enabled);
    EXPECT_EQ(a.freeze, 1);
    EXPECT_FALSE(a.freeze_enabled);
    EXPECT_FALSE(model::TickBoth(a, true));
    EXPECT_FALSE(model::ChooseGridFreeze(a, 0));
    EXPECT_EQ(a.freeze, 1);
    model::ChooseZone(a, 4);  // Akse V
    ASSERT_TRUE(model::GridSystemDialogOK(t.program, a));
    EXPECT_EQ(t.P(0).pub_Zone, 5);
    const auto axis5 = engine::NgoToUtm(t.program.special.ngo, 100000.0, 20000.0, 5, 32);
    EXPECT_EQ(t.P(1).pub_Northing, axis5.northing);
    EXPECT_EQ(t.P(1).pub_Easting, axis5.easting);

    auto b = model::OpenGridSystemDialog(t.program, 1);
    EXPECT_EQ(b.grid_systems, std::vector<std::string>{"UTM - Northern Latitudes"});
    ASSERT_EQ(b.zones.size(), 5u);
    EXPECT_EQ(b.zones[0], model::UtmZoneEntry(31));
    EXPECT_EQ(b.zone, 1);  // zone 32
    model::ChooseZone(b, 2);
    ASSERT_TRUE(model::GridSystemDialogOK(t.program, b));
    EXPECT_EQ(t.P(1).pub_Zone, 33);
    EXPECT_EQ(t.P(0).pub_Northing, 100000.0);  // Point A keeps its NGO grid co-ordinates
    const auto zone33 = engine::NgoToUtm(t.program.special.ngo, 100000.0, 20000.0, 5, 33);
    EXPECT_EQ(t.P(1).pub_Northing, zone33.northing);
    EXPECT_TRUE(t.recorded.notices.empty());
}

}  // namespace
