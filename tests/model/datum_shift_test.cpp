// A whole user action in datum-shift mode, from a fresh start in a temporary data folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "datums/catalogue.h"
#include "model/dialogs.h"
#include "model/layout.h"
#include "model/pipeline.h"
#include "started_program.h"

namespace {

TEST(DatumShift, Wgs84ToEd50NorthOf62AndBack) {
    StartedProgram t(true);
    auto& b = t.program.state.point[1];
    b.pub_DatumOption = "Standard";
    model::ApplyDatum(b, datums::MakeStandardDatum(t.program.catalogue, 3));

    auto dialog = model::OpenGeographicDialog(t.program, 0);
    EXPECT_EQ(dialog.header, "Select geographic co-ordinates for Datum A ");
    ASSERT_TRUE(model::GeographicDialogOK(t.program, dialog));
    const auto a_before = t.program.state.point[0];
    // Point B is the same place on ED50: about 100 m away in the North Sea.
    EXPECT_NEAR(b.pub_Hgt, -4.58, 0.01);
    EXPECT_NE(t.program.sheet.Text(model::Row::dx), " n/a ");
    EXPECT_EQ(t.program.sheet.Text(model::Row::GeoideHgt0), t.program.sheet.Text(model::Row::GeoideHgt1));

    // Editing B (its displayed co-ordinates, rounded to 0.01 m) shifts back to A: the
    // second-order difference of the negated parameters is far below that rounding.
    auto back = model::OpenCartesianDialog(t.program, 1);
    ASSERT_TRUE(model::CartesianDialogOK(t.program, back));
    const auto& a = t.program.state.point[0];
    EXPECT_NEAR(a.pub_X, a_before.pub_X, 0.01);
    EXPECT_NEAR(a.pub_Y, a_before.pub_Y, 0.01);
    EXPECT_NEAR(a.pub_Z, a_before.pub_Z, 0.01);
    EXPECT_TRUE(t.recorded.notices.empty()) << t.recorded.notices[0].text;

    // Different zones: the grid deviation rows read " n/a ".
    t.program.state.point[1].pub_Zone = 32;
    model::SetupProjection(t.program.state.point[1]);
    auto again = model::OpenGeographicDialog(t.program, 0);
    ASSERT_TRUE(model::GeographicDialogOK(t.program, again));
    EXPECT_EQ(t.program.sheet.Text(model::Row::DeltaNorthing), " n/a ");
    model::ShutDown(t.program);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(t.program.folders.user_data) / "Polvant.ini"));
}

}  // namespace
