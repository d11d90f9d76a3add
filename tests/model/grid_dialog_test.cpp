// The grid co-ordinate system dialog: its lists at opening, one or both
// points changed with either freeze, the southern false northing, and the NGO
// mode's lists and grid. (The session tests pin the sheet texts it leaves.)
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

using model::Row;

const char* const kDegree = "\xC2\xB0";

using Started = StartedProgram;

// The dialog opened for point i, zone and freeze chosen, OK.
void ChangeZone(Started& t, int i, int zone, int freeze, bool both) {
    auto dialog = model::OpenGridSystemDialog(t.program, i);
    model::ChooseZone(dialog, zone - 1);
    model::ChooseGridFreeze(dialog, freeze);
    model::TickBoth(dialog, both);
    ASSERT_TRUE(model::GridSystemDialogOK(t.program, dialog));
    ASSERT_TRUE(t.program.window.enabled);
}

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

    // Differing zones: the check box is cleared at opening.
    ChangeZone(t, 0, 32, 0, false);
    EXPECT_FALSE(model::OpenGridSystemDialog(t.program, 0).both);
    model::CloseDialog(t.program);
}

TEST(GridSystemDialog, BothPointsChangeTogetherWithEitherFreeze) {
    Started t;
    // (Both to zone 32 keeping the geographic co-ordinates is a session test.)
    ChangeZone(t, 0, 32, 0, true);
    // Both in zone 32: ticked at opening; zone 33 keeping the grid moves both points 6 degrees east.
    auto dialog = model::OpenGridSystemDialog(t.program, 0);
    EXPECT_TRUE(dialog.both);
    model::CloseDialog(t.program);
    const double northing = t.P(0).pub_Northing, easting = t.P(0).pub_Easting;
    ChangeZone(t, 0, 33, 1, true);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(t.P(i).pub_Zone, 33);
        EXPECT_EQ(t.P(i).pub_Northing, northing);
        EXPECT_EQ(t.P(i).pub_Easting, easting);
        EXPECT_NEAR(t.P(i).pub_Lon, 9.0 * engine::kRadPerDeg, 1e-8);
        EXPECT_NEAR(t.P(i).pub_Lat, 60.0 * engine::kRadPerDeg, 1e-8);
    }
    EXPECT_TRUE(t.recorded.notices.empty());
}

TEST(GridSystemDialog, OnePointToAnotherZoneKeepsGeographicOrGridAndTheGridRelationsGoNotApplicable) {
    Started t;
    ChangeZone(t, 0, 32, 0, true);
    const model::PointRecord before = t.P(0);
    const std::string b_easting = t.program.sheet.Text(Row::Easting1);

    // Option 0: latitude and longitude stay; on the central meridian of zone 31 the easting is 500 000.
    ChangeZone(t, 0, 31, 0, false);
    EXPECT_EQ(t.P(0).pub_Zone, 31);
    EXPECT_EQ(t.P(1).pub_Zone, 32);
    EXPECT_EQ(t.P(0).pub_Lat, before.pub_Lat);
    EXPECT_EQ(t.P(0).pub_Lon, before.pub_Lon);
    EXPECT_NE(t.P(0).pub_Northing, before.pub_Northing);
    EXPECT_EQ(t.program.sheet.Text(Row::Easting0), "500 000.0 m ");
    EXPECT_EQ(t.program.sheet.Text(Row::Easting1), b_easting);
    for (Row row : {Row::GridDist, Row::GridBrg0, Row::GridBrg1, Row::GridDN, Row::GridDE})
        EXPECT_EQ(t.program.sheet.Text(row), " n/a ") << model::RowName(row);
    EXPECT_EQ(t.program.sheet.Text(Row::TrueDist), "0.00 m ");  // the geodetic relations stay

    // Option 1 from zone 32 instead: northing and easting stay, the place moves to 3 degrees west.
    ChangeZone(t, 0, 32, 0, false);
    EXPECT_EQ(t.program.sheet.Text(Row::GridDist), "0.00 m ");
    ChangeZone(t, 0, 31, 1, false);
    EXPECT_EQ(t.P(0).pub_Northing, before.pub_Northing);
    EXPECT_EQ(t.P(0).pub_Easting, before.pub_Easting);
    EXPECT_NEAR(t.P(0).pub_Lon, -3.0 * engine::kRadPerDeg, 1e-8);
    EXPECT_NE(t.program.sheet.Text(Row::TrueDist), "0.00 m ");
    EXPECT_EQ(t.program.sheet.Text(Row::GridDist), " n/a ");
}

TEST(GridSystemDialog, SouthernLatitudesAddTheFalseNorthing) {
    Started t;
    const double northing = t.P(1).pub_Northing;
    auto dialog = model::OpenGridSystemDialog(t.program, 1);
    model::ChooseGridSystem(dialog, 1);
    model::TickBoth(dialog, false);
    ASSERT_TRUE(model::GridSystemDialogOK(t.program, dialog));
    EXPECT_EQ(t.P(1).pub_GridSystem, "UTM - Southern Latitudes");
    EXPECT_EQ(t.program.sheet.Text(Row::GridSystem1), "UTM - Southern Latitudes ");
    EXPECT_NEAR(t.P(1).pub_Northing, northing + 10000000.0, 1e-6);
    EXPECT_EQ(t.program.sheet.Text(Row::GridDN), " n/a ");
    // Reopened, the southern system is selected.
    EXPECT_EQ(model::OpenGridSystemDialog(t.program, 1).grid_system, 1);
    model::CloseDialog(t.program);
}

TEST(GridSystemDialog, NgoModeOffersTheAxesForPointAAndZones31To35ForPointBWithTheGridFrozen) {
    Started t(true);
    auto datum = model::OpenDatumDialog(t.program, 0);
    ASSERT_TRUE(model::ChooseDatumOption(t.program, datum, 1));
    ASSERT_TRUE(model::PickDatumEntry(t.program, datum, model::kNgo1948Row));
    ASSERT_TRUE(model::DatumDialogOK(t.program, datum));
    ASSERT_EQ(t.program.state.pub_SpecialOption, "NGO-ED50");
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
