// The result sheet's rows, row positions, mode switch and mouse refusals.
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
    EXPECT_STREQ(model::RowName(model::Row::Lat0), "lblLat(0)");
    EXPECT_STREQ(model::RowName(model::Row::TrueDist), "lblTrueDist");
    EXPECT_STREQ(model::RowName(model::Row::GeoideUndulation1), "lblGeoideUndulation(1)");
    EXPECT_STREQ(model::RowName(model::Row::UTMAutomatic1), "chkUTMAutomatic(1)");
    EXPECT_STREQ(model::RowName(model::CaptionRow(3)), "lblLabels(3)");
    for (std::size_t k = 0; k < model::kRowCount; ++k) {
        const auto row = static_cast<model::Row>(k);
        EXPECT_EQ(model::FindRow(model::RowName(row)), row);
    }
    EXPECT_FALSE(model::FindRow("lblNothing").has_value());
    EXPECT_EQ(model::ColumnOf(model::Row::Lat1), model::Column::PointB);
    EXPECT_EQ(model::ColumnOf(model::Row::dx), model::Column::DatumShift);
    EXPECT_EQ(model::ColumnOf(model::Row::GridDE), model::Column::Offset);
    EXPECT_EQ(model::GroupOf(model::Row::Easting1), 2);
    EXPECT_EQ(model::GroupOf(model::Row::Zone0), -1);
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

TEST(Sheet, ModeSwitchColoursNoticesAndWidth) {
    // (The captions, rows and menus of each mode are session tests.)
    TestProgram t;
    auto& sheet = t.program.sheet;
    sheet[model::Row::Lat0].text = "kept";
    model::ModeMenu(t.program, 1);
    EXPECT_TRUE(t.recorded.notices.empty());  // the first switch finds "Init"
    EXPECT_EQ(t.program.state.MainWindowTag, "Started");
    EXPECT_EQ(sheet[model::Row::ColumnHeading0].colour, model::kDatumShiftColour);
    EXPECT_EQ(sheet[model::Row::Name2].colour, model::kDatumShiftColour);  // the location follows the mode
    EXPECT_EQ(sheet.Text(model::Row::Lat0), "kept");

    // The same mode again re-applies the layout and now warns.
    model::ModeMenu(t.program, 1);
    ASSERT_EQ(t.recorded.notices.size(), 1u);
    EXPECT_EQ(t.recorded.notices[0].title, "Co-ordinate data are not valid");

    // Back to range/bearing with different datum names: the datum message, still switched.
    t.program.state.point[1].pub_Datum.Name = "ED87 - European Datum 1987";
    model::ModeMenu(t.program, 0);
    ASSERT_EQ(t.recorded.notices.size(), 3u);
    EXPECT_EQ(t.recorded.notices[1].title, "Different Geodetic Datums defined");
    EXPECT_EQ(t.recorded.notices[1].icon, platform::Icon::Exclamation);
    EXPECT_EQ(t.program.state.pub_Mode, "OFFSET");
    EXPECT_EQ(sheet.Text(model::Row::NameLabel1), "Name :");
    EXPECT_EQ(t.program.state.MainWindowWidth, 2 * 3900 + 2900 + 300);
}

TEST(Sheet, SpecialModesRefuseTheRowsTheirGridCannotTake) {
    // (The Mode menu's refusal in a special mode is a session test.)
    TestProgram t;
    model::SwitchMode(t.program, 2);
    t.program.state.pub_SpecialOption = "NGO-ED50";
    t.recorded.notices.clear();
    using model::MouseButton;
    EXPECT_EQ(model::MouseUp(t.program, model::Row::Lat0, MouseButton::Left).kind, model::DialogKind::None);
    EXPECT_EQ(model::MouseUp(t.program, model::Row::Y1, MouseButton::Left).kind, model::DialogKind::None);
    EXPECT_EQ(model::MouseUp(t.program, model::Row::Northing1, MouseButton::Left).kind, model::DialogKind::None);
    const auto grid_a = model::MouseUp(t.program, model::Row::Easting0, MouseButton::Left);
    EXPECT_EQ(grid_a, (model::DialogRequest{model::DialogKind::Grid, 0, "txtEasting"}));
    ASSERT_EQ(t.recorded.notices.size(), 3u);
    EXPECT_EQ(t.recorded.notices[0].text, "Only NGO Grid co-ordinates accepted as input in this mode");
    EXPECT_EQ(t.recorded.notices[0].title, "Illegal input");
    EXPECT_EQ(t.recorded.notices[0].icon, platform::Icon::Information);

    t.program.state.pub_SpecialOption = "RT38-ED50";
    t.recorded.notices.clear();
    EXPECT_EQ(model::Click(t.program, model::Row::GridSystem0).kind, model::DialogKind::None);
    EXPECT_EQ(model::MouseUp(t.program, model::Row::X0, MouseButton::Left).kind, model::DialogKind::None);
    ASSERT_EQ(t.recorded.notices.size(), 2u);
    EXPECT_EQ(t.recorded.notices[0].text, "Grid Co-ordinate system not allowed to be changed in this mode");
    EXPECT_EQ(t.recorded.notices[1].text, "Only RT38 Grid co-ordinates accepted as input in this mode");
}

TEST(Sheet, MouseActionsOpenTheirDialogsAndFormats) {
    TestProgram t;
    using model::DialogKind;
    using model::MouseButton;
    using model::Row;
    EXPECT_EQ(model::MouseUp(t.program, Row::Lon1, MouseButton::Left),
              (model::DialogRequest{DialogKind::Geographic, 1, "txtLon"}));
    EXPECT_EQ(model::MouseUp(t.program, Row::Lon0, MouseButton::Right).kind, DialogKind::GeographicFormat);
    EXPECT_EQ(model::MouseUp(t.program, Row::EllHgt0, MouseButton::Right).kind, DialogKind::DistanceFormat);
    EXPECT_EQ(t.program.state.MainWindowTag, "Hgt");
    model::MouseUp(t.program, Row::RhLineDist, MouseButton::Right);
    EXPECT_EQ(t.program.state.MainWindowTag, "GC");
    EXPECT_EQ(model::MouseUp(t.program, Row::TrueBrg1, MouseButton::Left),
              (model::DialogRequest{DialogKind::TrueOffset, 0, "txtTrueBrg(1)"}));
    EXPECT_EQ(model::MouseUp(t.program, Row::DeltaZ, MouseButton::Left),
              (model::DialogRequest{DialogKind::CartOffset, 0, "txtDeltaZ"}));
    EXPECT_EQ(model::Click(t.program, Row::Zone1), (model::DialogRequest{DialogKind::GridSystem, 1, "lstZone"}));
    EXPECT_EQ(model::MenuCommand(t.program, "mnuPointB_Name"), (model::DialogRequest{DialogKind::Name, 1, ""}));

    // The grid offset refuses on the menu and on the click when the zones differ.
    t.program.state.point[1].pub_Zone = 32;
    EXPECT_EQ(model::MenuCommand(t.program, "mnuOffsetGridRange").kind, DialogKind::None);
    EXPECT_EQ(model::MouseUp(t.program, Row::GridDist, MouseButton::Left).kind, DialogKind::None);
    ASSERT_EQ(t.recorded.notices.size(), 2u);
    EXPECT_EQ(t.recorded.notices[1].text,
              "Grid offset not relevant when different Grid Co-rdinate systems\nand/or zones are defined !");
    EXPECT_EQ(t.recorded.notices[1].title, platform::kApplicationTitle);

    // (The route schedule refused before any range/bearing result is a session test.)
    // chkUTMAutomatic disables the grid-system and zone rows.
    model::Click(t.program, Row::UTMAutomatic0);
    EXPECT_TRUE(t.program.sheet[Row::UTMAutomatic0].checked);
    EXPECT_FALSE(t.program.sheet[Row::Zone0].enabled);
    EXPECT_EQ(model::Click(t.program, Row::GridSystem0).kind, DialogKind::None);
    model::Click(t.program, Row::UTMAutomatic0);
    EXPECT_TRUE(t.program.sheet[Row::GridSystem0].enabled);
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
