// The datum dialog's logic and the opposite-datum dialog, from a fresh start
// in a temporary data folder: every text the labels show, the enabled options,
// the refusals, and a failed special set-up that changes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "datums/catalogue.h"
#include "model/datum_dialog.h"
#include "model/datum_rules.h"
#include "model/layout.h"
#include "started_program.h"

namespace {

using Started = StartedProgram;

using Labels7 = std::array<std::string, 7>;
using Labels5 = std::array<std::string, 5>;

TEST(DatumDialog, StandardEntryOnOpeningAndWhenPicked) {
    Started t(true);
    auto first = model::OpenDatumDialog(t.program, 1);
    first.freeze = model::kFreezeOpposite;
    ASSERT_TRUE(model::PickDatumEntry(t.program, first, 3));
    ASSERT_TRUE(model::DatumDialogOK(t.program, first));
    EXPECT_TRUE(t.program.window.enabled);

    // Opening for a point on ED50 North of 62: option 0, entry 3, the applied datum with its units restored.
    auto dialog = model::OpenDatumDialog(t.program, 1);
    EXPECT_FALSE(t.program.window.enabled);
    EXPECT_EQ(dialog.header, "Select Geodetic Datum for Datum B ");
    EXPECT_EQ(dialog.option_captions[1], "Special Datumshifts and Transformations");
    EXPECT_EQ(dialog.option_enabled, (std::array<bool, 4>{true, true, true, false}));  // no user datums
    EXPECT_EQ(dialog.option, 0);
    EXPECT_EQ(dialog.option_text, "Standard");
    EXPECT_EQ(dialog.selected, 3);
    ASSERT_EQ(dialog.entries.size(), 7u);
    EXPECT_EQ(dialog.entries[6], "RT90 - Rikets N\xC3\xA4t 1990");
    EXPECT_EQ(dialog.area, "Offshore Noway, North of 62 deg");
    EXPECT_EQ(dialog.ellipsoid_labels, (Labels5{"Ellipsoid  : International 1924 (Hayford)",
                                                "Semi Major Axis :6378388 m", "Semi Minor Axis :6356911.94612795 m",
                                                "Flattening      : 1/ 297", "Eccentricity e^2:0.00672267002233332"}));
    EXPECT_EQ(dialog.remark, "Used Offshore Norway. (Recommended by EPSG since April 2001)");
    EXPECT_EQ(dialog.parameter_labels,
              (Labels7{"DX = -116.641 m", "DY = -56.931 m", "DZ = -110.559 m", "rotx = 0.8930 arc sec",
                       "roty = 0.9210 arc sec", "rotz = -0.9170 arc sec", "Scale factor = -3.52 ppm"}));
    EXPECT_TRUE(dialog.parameters_visible);
    EXPECT_EQ(dialog.working.f, 297.0);  // remade as made from the entry

    // Picking an entry shows the as-made record in the pick formats.
    ASSERT_TRUE(model::PickDatumEntry(t.program, dialog, 1));
    EXPECT_EQ(dialog.ellipsoid_labels, (Labels5{"Ellipsoid : WGS72", "Semi Major Axis :6378135 m",
                                                "Semi Minor Axis : 6356750.52002 m", "Flattening         : 1/ 298.26",
                                                "Eccentricity e^2 :  0.0066943178"}));
    EXPECT_EQ(dialog.parameter_labels,
              (Labels7{"DX = 0 m", "DY = 0 m", "DZ = 4.5 m", "rotx = 0.0000 arc sec", "roty = 0.0000 arc sec",
                       "rotz = 0.5540 arc sec", "Scale factor = 0.2263 ppm"}));
    EXPECT_EQ(dialog.area, "Global");
    EXPECT_EQ(dialog.remark, "");
    model::DatumDialogCancel(t.program);
    EXPECT_TRUE(t.program.window.enabled);
    EXPECT_EQ(t.program.state.point[1].pub_Datum.Name, "ED50 - Offshore Norway, North of 62 deg");
    EXPECT_TRUE(t.recorded.notices.empty());
}

TEST(DatumDialog, SpecialEntryShowsItsLimitationsAndHidesTheParameters) {
    Started t(true);
    auto dialog = model::OpenDatumDialog(t.program, 0);
    ASSERT_TRUE(model::ChooseDatumOption(t.program, dialog, 1));
    EXPECT_EQ(dialog.option_text, "Special");
    EXPECT_EQ(dialog.selected, -1);
    EXPECT_FALSE(dialog.parameters_visible);
    EXPECT_EQ(dialog.entries, (std::vector<std::string>{"WGS84*Sea", "ED50 - North Sea", "ED87 - North Sea",
                                                         "NGO - 1948", "RT38"}));
    ASSERT_TRUE(model::PickDatumEntry(t.program, dialog, 4));
    EXPECT_EQ(t.recorded.notices.size(), 1u);  // the limitations: the special_grid_modes session
    EXPECT_EQ(dialog.area, "Sweden. (RT38 is the old Swedish grid system, now replaced by RT90)");
    EXPECT_EQ(dialog.ellipsoid_labels[0], "Ellipsoid : Bessel RT38 ????");
    EXPECT_EQ(dialog.remark, "Only transformation RT38 - zone 2.5gonW to ED50/UTM zone 33 implemented !!");
    model::DatumDialogCancel(t.program);
}

TEST(DatumDialog, RangeBearingModeWithMolodenskyAndUserEntries) {
    Started t(false);
    t.program.catalogue.UserDatums.push_back({1, "Test datum", "GRS80", "Test area", 6378137.0, 298.257222101,
                                              "From a test", 1.5, -2, 3, 0.1, -0.25, 1, 0.5});
    auto dialog = model::OpenDatumDialog(t.program, 0);
    // Range/bearing mode refuses the special option.
    EXPECT_EQ(dialog.option_captions[1], "Special Datumshifts and Transformations (Not allowed in Range/Bearing mode)");
    EXPECT_EQ(dialog.option_enabled, (std::array<bool, 4>{true, false, true, true}));
    EXPECT_FALSE(model::ChooseDatumOption(t.program, dialog, 1));
    EXPECT_EQ(dialog.option, 0);
    EXPECT_EQ(dialog.selected, 0);
    ASSERT_TRUE(model::ChooseDatumOption(t.program, dialog, 2));
    EXPECT_EQ(dialog.entries[0], "ACCRA (Ghana)");
    ASSERT_TRUE(model::PickDatumEntry(t.program, dialog, 0));
    EXPECT_EQ(dialog.area, "Ghana");
    EXPECT_EQ(dialog.ellipsoid_labels, (Labels5{"Ellipsoid : War Office 1924", "Semi Major Axis :6378300.58 m",
                                                "Semi Minor Axis : 6356752.26723 m", "Flattening         : 1/ 296",
                                                "Eccentricity e^2 :  0.0067453433"}));
    EXPECT_EQ(dialog.remark, "Molodensky datumshift");
    EXPECT_EQ(dialog.parameter_labels,
              (Labels7{"DX = -170 m", "DY = 33 m", "DZ = 326 m", "estimated error = 3 m", "estimated error = 4 m",
                       "estimated error = 3 m", "No of sat measurements stations : 0"}));
    ASSERT_TRUE(model::ChooseDatumOption(t.program, dialog, 3));
    EXPECT_EQ(dialog.entries, std::vector<std::string>{"Test datum (Test area)"});
    // (OK giving the datum to both points is the range_bearing_datum_change session.)
    model::DatumDialogCancel(t.program);
}

TEST(DatumDialog, OkWithoutAnEntryAndABrokenMolodenskyRowAreRefused) {
    Started t(true);
    // The first row's ellipsoid differs from its table name in letter case only.
    t.program.catalogue.MolodenskyDatums[0].Ellipsoid = "war office 1924";
    const model::CalcState before = t.program.state;
    auto dialog = model::OpenDatumDialog(t.program, 0);
    ASSERT_TRUE(model::ChooseDatumOption(t.program, dialog, 2));
    ASSERT_TRUE(model::ChooseDatumOption(t.program, dialog, 0));
    EXPECT_EQ(dialog.selected, -1);  // switching away and back leaves no entry selected
    ASSERT_TRUE(model::ChooseDatumOption(t.program, dialog, 2));

    EXPECT_FALSE(model::PickDatumEntry(t.program, dialog, 0));
    ASSERT_EQ(t.recorded.notices.size(), 1u);
    EXPECT_EQ(t.recorded.notices[0].text, "Error in Molodensky datumshift data");
    EXPECT_EQ(dialog.selected, -1);
    EXPECT_EQ(dialog.working.Name, "WGS84 - World Geodetic system 1984");

    EXPECT_FALSE(model::DatumDialogOK(t.program, dialog));
    ASSERT_EQ(t.recorded.notices.size(), 2u);
    EXPECT_EQ(t.recorded.notices[1].title, "No datum selected");
    EXPECT_EQ(t.recorded.notices[1].text, "Select a datum from the list before pressing OK !");
    EXPECT_FALSE(t.program.window.enabled);  // still open
    EXPECT_EQ(t.program.state.point[0].pub_Datum.Name, before.point[0].pub_Datum.Name);

    model::DatumDialogCancel(t.program);
}

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
