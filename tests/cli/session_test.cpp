// End-to-end sessions: the built twopoint-calc driven by scripts, with a fresh
// data folder per test, checking the exact sheet texts, notices and files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "session_run.h"
#include "support/setup_files.h"

namespace {

namespace fs = std::filesystem;

using SessionResult = session_run::Output;
using session_run::Holds;
using setup_files::kDefaultSetupFile;
using setup_files::WithGroup;

std::string ReadFile(const fs::path& path) { return setup_files::ReadBytes(path); }

class Session : public ::testing::Test {
protected:
    fs::path user_dir;

    void SetUp() override { user_dir = session_run::FreshUserFolder("twopoint_session"); }
    void TearDown() override { fs::remove_all(user_dir); }

    std::string SetupPath() const { return (user_dir / "Polvant.ini").string(); }

    SessionResult Run(const std::string& script, const std::string& options = "") const {
        return session_run::RunSessionIn(user_dir, script, options);
    }

    void WriteSetup(const std::string& bytes) const {
        fs::create_directories(user_dir);
        setup_files::WriteBytes(SetupPath(), bytes);
    }
};


const char* const kNotFoundNotice =
    "notice: [information] Twopoint: Setup file do not exist. Default data loaded.\\r(A new setupfile will be "
    "generated when exiting program the first time.)";
const char* const kErrorNotice = "notice: [exclamation] Twopoint: Error in Setup file. Default data loaded";
const char* const kNotValidNotice =
    "notice: [exclamation] Co-ordinate data are not valid: No calculations will be done until a set of "
    "co-ordinates are edited\\nor Geodetic Datum / Grid Co-ordinate System are changed";

// The "FIELD<TAB>VALUE" lines of a `state` print, as FIELD -> VALUE.
std::map<std::string, std::string> State(const SessionResult& result) {
    std::map<std::string, std::string> fields;
    for (const auto& line : result.lines) {
        const auto tab = line.find('\t');
        if (line.rfind("pub_", 0) == 0 || line.rfind("MainWindow", 0) == 0)
            fields[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return fields;
}

TEST_F(Session, FirstStartWithoutSetupFileRunsOnDefaultsAndLeavesTheTwentyGroupFile) {
    const SessionResult first = Run("# start\nsheet\nstate\n");
    EXPECT_EQ(first.status, 0) << first.text;
    ASSERT_FALSE(first.lines.empty());
    EXPECT_EQ(first.lines[0], kNotFoundNotice);
    EXPECT_EQ(first.Notices().size(), 1u) << first.text;

    const auto sheet = first.Fields("start");
    EXPECT_TRUE(Holds(sheet, {
        {"lblTitle", "MODE : Range/Bearing Calculations"}, {"lblColumnHeading(0)", "Point A "},
        {"lblName(0)", " n/a  "}, {"lblDatum(1)", "WGS84 - World Geodetic system 1984"},
        {"lblGridSystem(0)", "UTM - Northern Latitudes "}, {"lblZone(1)", "31  ( central meridian 003\xC2\xB0" "E )"},
        {"lblLat(0)", "60\xC2\xB0 00' 00.000\" N "}, {"lblLon(1)", "003\xC2\xB0 00' 00.000\" E "},
        {"lblEasting(0)", "500 000.0 m "}}));
    EXPECT_EQ(sheet.count("lblName(2)"), 0u);  // only in the datum-shift modes
    EXPECT_EQ(sheet.count("lblDeltaLat"), 0u);

    const auto state = State(first);
    EXPECT_TRUE(Holds(state, {
        {"pub_Mode", "OFFSET"}, {"pub_Lat(0)", "1.0471975511966667"}, {"pub_Zone(1)", "31"}, {"pub_TrueDist", "0"}}));
    EXPECT_EQ(state.at("MainWindowHeight"), "8950");  // 6 x 1335 + 1220 - 280

    EXPECT_EQ(ReadFile(SetupPath()), kDefaultSetupFile);

    // The next start reads it without a notice. Fifteen digits come back within
    // the last digits (b, e2, the degree factor), and from then on stay.
    const SessionResult second = Run("state\n");
    EXPECT_TRUE(second.Notices().empty()) << second.text;
    EXPECT_EQ(State(second).at("pub_Lat(0)"), "1.04719755119667");
    EXPECT_EQ(State(second).at("pub_GeogFormat.Factor"), "57.2957795130785");
    EXPECT_EQ(ReadFile(SetupPath()), kDefaultSetupFile);
    const SessionResult third = Run("state\n");
    EXPECT_EQ(State(third), State(second));
}

TEST_F(Session, ScriptErrorsNameTheLineAndTheSessionGoesOn) {
    const SessionResult result = Run(
        "frobnicate 1\n"
        "geog 2 1; 2; 3\n"
        "geog 0 61N; 4E\n"
        "mode 3\n"
        "view 4\n"
        "option north\n"
        "trueoffset 100; 45; 2\n"
        "format feet 1 2\n"
        "format geog 7 2\n"
        "format geog 1 99\n"
        "gridsys 0 2 0\n"
        "userdatum select 0\n"
        "name 0 Still here\n"
        "# done\n"
        "sheet\n",
        "--no-save");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.Errors(), (std::vector<std::string>{
                                   "error: line 1: unknown action 'frobnicate'",
                                   "error: line 2: point 2 outside 0 ... 1",
                                   "error: line 3: expected LAT; LON; HGT, got 2 texts",
                                   "error: line 4: mode 3 outside 0 ... 1",
                                   "error: line 5: view entry 4 is never visible (0, 1, 2 or 5)",
                                   "error: line 6: option 'north' (south or west expected)",
                                   "error: line 7: freeze 2 outside 0 ... 1",
                                   "error: line 8: format kind 'feet' (geog, brg, hgt, cart, grid, dist or gc expected)",
                                   "error: line 9: format option 7 outside 0 ... 2",
                                   "error: line 10: decimals 99 not offered by option 1 (0 ... 6)",
                                   "error: line 11: grid system 2 outside 0 ... 1",
                                   "error: line 12: the user-datum editor is not open (userdatum open)",
                               }));
    EXPECT_EQ(result.Fields("done").at("lblName(0)"), "Still here ");
    EXPECT_FALSE(fs::exists(SetupPath()));  // --no-save
}

TEST_F(Session, FormatDialogsRewriteTheSheetAndPersist) {
    const SessionResult result = Run(
        "geog 1 61N; 3E; 0\n"
        "format dist 1 3\n"
        "format geog 1 2\n"
        "format brg 1 1\n"
        "# formats\n"
        "sheet\n");
    EXPECT_TRUE(result.Errors().empty());
    const auto sheet = result.Fields("formats");
    EXPECT_TRUE(Holds(sheet, {
        {"lblTrueDist", "111.421 km "}, {"lblGridDist", "111.376 km "}, {"lblLat(1)", "61\u00b0 00.00' N "},
        {"lblTrueBrg(1)", "180\u00b0 00.0' "}}));
    // The next start reads the formats back from the setup file.
    const SessionResult again = Run("# again\nsheet\n", "--no-save");
    EXPECT_EQ(again.Fields("again").at("lblTrueDist"), "111.421 km ");
}

TEST_F(Session, DatumShiftModeEditsOfEachRepresentation) {
    const SessionResult result = Run(
        "mode 1\n"
        "# mode\n"
        "sheet\n"
        "geog 0 61 30 00N; 4E; 10\n"
        "# geog\n"
        "sheet\n"
        "grid 1 6 700 000; 450 000\n"
        "# grid\n"
        "sheet\n"
        "cart 0 3100000; 200000; 5500000\n"
        "# cart\n"
        "sheet\n"
        "name 2 Troll, field \"A\"\n"
        "# name\n"
        "sheet\n",
        "--no-save");
    EXPECT_EQ(result.status, 0) << result.text;
    EXPECT_EQ(result.Notices(), (std::vector<std::string>{kNotFoundNotice, kNotValidNotice}));

    const auto mode = result.Fields("mode");
    EXPECT_TRUE(Holds(mode, {
        {"lblTitle", "MODE : Datum shift"}, {"lblColumnHeading(1)", "Datum B "},
        {"lblNameLabel(0)", "WGS84 - World Geodetic system 1984"}, {"lblArea(1)", "Global"}, {"lblName(2)", "n/a "}}));
    EXPECT_EQ(mode.count("lblName(0)"), 0u);
    EXPECT_EQ(mode.count("lblTrueDist"), 0u);
    for (const char* row : {"lblDeltaLat", "lblDeltaLon", "lblDeltaHgt", "lbldx", "lbldy", "lbldz",
                            "lblDeltaNorthing", "lblDeltaEasting"})
        EXPECT_EQ(mode.at(row), " n/a ") << row;

    // The same datum on both sides: Point B is Point A.
    const auto geog = result.Fields("geog");
    EXPECT_TRUE(Holds(geog, {
        {"lblLat(0)", "61\xC2\xB0 30' 00.000\" N "}, {"lblLat(1)", "61\xC2\xB0 30' 00.000\" N "},
        {"lblLon(1)", "004\xC2\xB0 00' 00.000\" E "}, {"lblEllHgt(1)", "10.0 m "},
        {"lblNorthing(0)", geog.at("lblNorthing(1)")}, {"lbldx", "0.00 m "}}));

    const auto grid = result.Fields("grid");
    EXPECT_TRUE(Holds(grid, {
        {"lblNorthing(1)", "6 700 000.0 m "}, {"lblEasting(1)", "450 000.0 m "}, {"lblNorthing(0)", "6 700 000.0 m "},
        {"lblEasting(0)", "450 000.0 m "}}));

    const auto cart = result.Fields("cart");
    EXPECT_TRUE(Holds(cart, {
        {"lblX(0)", "3 100 000.00 m "}, {"lblY(1)", "200 000.00 m "}, {"lblZ(1)", "5 500 000.00 m "}}));

    EXPECT_EQ(result.Fields("name").at("lblName(2)"), "Troll, field \"A\" ");
}

TEST_F(Session, DisplaySwitchesHideGroupsAndSetTheHeight) {
    const SessionResult result = Run(
        "view 2\n"
        "# no grid\n"
        "sheet\n"
        "state\n"
        "view 0\n"
        "view 1\n"
        "view 5\n"
        "# geoid only off\n"
        "sheet\n"
        "view 0\n"
        "view 2\n"
        "# back\n"
        "sheet\n");
    EXPECT_EQ(result.status, 0) << result.text;
    // Which rows each block shows: the grid's companion group goes with it, the
    // spare group has no menu entry.
    const auto shown = [&](const std::string& block, std::initializer_list<const char*> rows) {
        std::string found;
        for (const char* row : rows) found += result.Fields(block).count(row) ? "1" : "0";
        return found;
    };
    EXPECT_EQ(shown("no grid", {"lblNorthing(0)", "lblScaleFactor(1)", "lblLabels(2)", "lblX(0)"}), "0001");
    EXPECT_TRUE(Holds(State(result), {{"pub_Display(2)", "false"}, {"pub_Display(3)", "false"}}));
    EXPECT_EQ(shown("geoid only off", {"lblLat(0)", "lblX(0)", "lblGeoideHgt(0)", "lblNRadius(0)"}), "0001");
    EXPECT_EQ(shown("back", {"lblLat(0)", "lblNorthing(1)", "lblX(0)", "lblGeoideHgt(0)"}), "1100");

    // Saved on exit: geographic, grid and spare on; cartesian and geoid off.
    EXPECT_EQ(ReadFile(SetupPath()).rfind("\"#pub_Display\"\r\n#TRUE#,#FALSE#,#TRUE#,#TRUE#,#TRUE#,#FALSE#\r\n\"#pub_Mode\"", 0),
              0u);
    // Restored at the next start, with the height rule: 4 groups x 1335 + 1220.
    const SessionResult next = Run("state\n", "--no-save");
    EXPECT_EQ(State(next).at("MainWindowHeight"), "6560");
}

TEST_F(Session, SaveSaveAsAndOpenRoundTrips) {
    const fs::path other = user_dir / "elsewhere" / "north sea";
    fs::create_directories(other.parent_path());
    const SessionResult result = Run(
        "name 0 Ekofisk \"2/4\", platform\n"
        "save\n"
        "saveas " + other.string() + "\n"
        "name 0 Changed\n"
        "name 1 Also changed\n"
        "open " + other.string() + ".ini\n"
        "# opened\n"
        "sheet\n"
        "open " + (user_dir / "missing.ini").string() + "\n"
        "saveas\n"
        "open\n"
        "open " + SetupPath() + "\n");
    EXPECT_EQ(result.status, 0) << result.text;
    const std::vector<std::string> notices = result.Notices();
    ASSERT_EQ(notices.size(), 7u) << result.text;
    EXPECT_EQ(notices[1],
              "notice: [none] Twopoint: Setup data will be stored as default Polvant.ini. If you wan't to save "
              "setup data with another filename you have to use 'Save As'");
    EXPECT_EQ(notices[2], "notice: [none] Twopoint: Setup saved as " + other.string() + ".ini");
    // Reloading the sheet is a change of mode after the start: the program warns.
    EXPECT_EQ(notices[3], kNotValidNotice);
    EXPECT_EQ(notices[4], "notice: [none] Twopoint: File not found: " + (user_dir / "missing.ini").string());
    // Save As cancelled shows nothing; Open cancelled its description.
    EXPECT_EQ(notices[5], "notice: [none] Twopoint: Cancel was selected.");
    EXPECT_EQ(notices[6], kNotValidNotice);

    // The double quote is stored as an apostrophe, the comma kept.
    const std::string saved = ReadFile(other.string() + ".ini");
    EXPECT_NE(saved.find("\"Ekofisk '2/4', platform\",1.04719755119667"), std::string::npos) << saved;
    EXPECT_EQ(result.Fields("opened").at("lblName(0)"), "Ekofisk '2/4', platform ");
    EXPECT_EQ(result.Fields("opened").at("lblName(1)"), " n/a  ");

    // Opening made it the default setup; shut-down wrote the same state again.
    EXPECT_EQ(ReadFile(SetupPath()), saved);
    const SessionResult next = Run("state\n", "--no-save");
    EXPECT_TRUE(next.Notices().empty()) << next.text;
    EXPECT_EQ(State(next).at("pub_Name(0)"), "Ekofisk '2/4', platform");
}

TEST_F(Session, SpecialModesAtStartUpAndOnExit) {
    // A stored special mode with NGO 1948 on Point A is not restored.
    const std::string ngo =
        WithGroup("#pub_Mode", "\"SPECIAL\"\r\n") + "\"#pub_SpecialOption\"\r\n\"NGO-ED50\"\r\n" +
        "\"#pub_Datum(0)\"\r\n1,1,\"NGO - 1948\",\"Norway\"\r\n"
        "\"Bessel 1841\",6377492.018,6356173.5087,.00334277318217481,.00667437223180078\r\n"
        "\"\",0,0,0,0,0,0,0\r\n";
    WriteSetup(ngo);
    const SessionResult ngo_start = Run("state\n");
    EXPECT_EQ(ngo_start.Notices(),
              std::vector<std::string>{
                  "notice: [exclamation] Twopoint: NGO and RT38 datum not stored in setup file. Default data loaded"})
        << ngo_start.text;
    EXPECT_EQ(State(ngo_start).at("pub_Mode"), "OFFSET");
    EXPECT_EQ(State(ngo_start).at("pub_Datum(0).Name"), "WGS84 - World Geodetic system 1984");
    // The defaults do not set the special option: it keeps what was read.
    EXPECT_EQ(ReadFile(SetupPath()), WithGroup("#pub_SpecialOption", "\"NGO-ED50\"\r\n"));

    // RT38 likewise.
    std::string rt38 = ngo;
    rt38.replace(rt38.find("\"NGO - 1948\""), 12, "\"RT38\"");
    WriteSetup(rt38);
    EXPECT_EQ(Run("state\n", "--no-save").Notices(),
              std::vector<std::string>{
                  "notice: [exclamation] Twopoint: NGO and RT38 datum not stored in setup file. Default data loaded"});

    // A North Sea special mode is restored with its transformation (ED50 - North Sea
    // on Point A, ED87 - North Sea on Point B, seconds with four decimals; groups
    // given again after the defaults' file: the last wins). The Mode menu refuses,
    // and exit saves it.
    const std::string hayford = "\"International 1924 (Hayford)\",6378388,6356911.94612795,.00336700336700337,"
                                ".00672267002233332\r\n";
    const std::string north_sea =
        WithGroup("#pub_Mode", "\"SPECIAL\"\r\n") +
        "\"#pub_DatumOption\"\r\n\"Special\",\"Special\"\r\n\"#pub_SpecialOption\"\r\n\"ED50-ED87\"\r\n"
        "\"#pub_Datum(0)\"\r\n1,1,\"ED50 - North Sea\",\"Norwegian waters\"\r\n" + hayford +
        "\"Special polynomial transformation. Only valid to/from ED87\",0,0,0,0,0,0,0\r\n"
        "\"#pub_Datum(1)\"\r\n1,2,\"ED87 - North Sea\",\"Norwegian waters\"\r\n" + hayford +
        "\"'Sundby's formula' published by Norwegian Mapping Authority\",0,0,0,0,0,0,0\r\n"
        "\"#pub_GeogFormat\"\r\n\"Degrees\",0,4,\" deg\",57.2957795130785,\"0.0000\"\r\n";
    WriteSetup(north_sea);
    const SessionResult special = Run("mode 0\nmode 1\ngeog 0 52 30 30N; 2 00 00E; 12.5\n# special\nsheet\nstate\n");
    EXPECT_EQ(special.status, 0) << special.text;
    const std::string refusal =
        "notice: [information] Illegal selection: Not allowed to change mode when a special datumshift is in use! "
        "Select a standard datumshift first !";
    EXPECT_EQ(special.Notices(), (std::vector<std::string>{refusal, refusal})) << special.text;
    EXPECT_EQ(State(special).at("pub_Mode"), "SPECIAL");
    const auto sheet = special.Fields("special");
    EXPECT_TRUE(Holds(sheet, {
        {"lblTitle", "MODE : Datum shift"}, {"lblDatum(0)", "ED50 - North Sea"}, {"lblDatum(1)", "ED87 - North Sea"}}));
    // The published worked example: 52 30 29.9887 N, 2 00 00.0353 E, the height kept; no geoid.
    EXPECT_TRUE(Holds(sheet, {
        {"lblLat(1)", "52\xC2\xB0 30' 29.9887\" N "}, {"lblLon(1)", "002\xC2\xB0 00' 00.0353\" E "},
        {"lblEllHgt(1)", "12.5 m "}, {"lblGeoideHgt(1)", "n/a"}}));
    const std::string saved = ReadFile(SetupPath());
    EXPECT_NE(saved.find("\"#pub_Mode\"\r\n\"SPECIAL\"\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"#pub_SpecialOption\"\r\n\"ED50-ED87\"\r\n"), std::string::npos) << saved;
}


TEST_F(Session, HemisphereDefaultsAndTheLocalesDecimalComma) {
    const SessionResult result = Run(
        "option south\n"
        "option west\n"
        "geog 1 59 30 00; 5 15 30; -5.5\n"
        "# south west\n"
        "sheet\n"
        "state\n"
        "option west\n",
        "--locale-comma");
    EXPECT_EQ(result.status, 0) << result.text;
    const auto sheet = result.Fields("south west");
    EXPECT_TRUE(Holds(sheet, {
        {"lblLat(1)", "59\xC2\xB0 30' 00,000\" S "}, {"lblLon(1)", "005\xC2\xB0 15' 30,000\" W "},
        {"lblEllHgt(1)", "- 5,5 m "}, {"lblEasting(0)", "500 000,0 m "}}));
    // The state prints with a point.
    EXPECT_TRUE(Holds(State(result),
                      {{"pub_SouthLat_Default", "true"}, {"pub_WestLong_Default", "true"}, {"pub_Hgt(1)", "-5.5"}}));
    // The file always uses a point; the second "option west" flipped it back.
    const std::string saved = ReadFile(SetupPath());
    EXPECT_NE(saved.find(",-5.5\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\"#pub_SouthLat_Default\"\r\n#TRUE#\r\n\"#pub_WestLong_Default\"\r\n#FALSE#\r\n"),
              std::string::npos);
}


TEST_F(Session, AFailedWriteOnExitShowsTheNotStoredNoticeAndKeepsWhatWasThere) {
    // A folder stands where the setup file belongs: unreadable at start-up, and
    // not replaced on exit.
    fs::create_directories(user_dir / "Polvant.ini");
    std::ofstream(user_dir / "Polvant.ini" / "keep.txt") << "kept";
    const SessionResult result = Run("name 0 Lost\n");
    EXPECT_EQ(result.status, 0) << result.text;
    const auto notices = result.Notices();
    ASSERT_EQ(notices.size(), 2u) << result.text;
    const std::string folder = (user_dir / "Polvant.ini").string();
    EXPECT_EQ(notices[0], kErrorNotice + std::string("\\r(Default values for: ") + folder +
                              " is not a regular file)");
    EXPECT_EQ(notices[1],
              "notice: [none] Twopoint: " + folder + " is not a regular file Setup file Polvant.ini not stored! (If an existing Polvant.ini "
              "file was established by Administrator and you have no administrator access this will occur.) "
              "However, you can save your work with any other filename with the Save As function!");
    EXPECT_EQ(ReadFile((user_dir / "Polvant.ini" / "keep.txt").string()), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(user_dir), fs::directory_iterator()), 2);  // and Polvant.lock
}


TEST_F(Session, TheMenuBarFollowsTheModeTheViewAndTheOptions) {
    const SessionResult result = Run(
        "mode 1\n"
        "option south\n"
        "view 2\n"
        "# datum shift\n"
        "menus\n"
        "mode 0\n"
        "view 2\n"
        "option south\n"
        "# range bearing\n"
        "menus\n",
        "--no-save");
    EXPECT_EQ(result.status, 0) << result.text;
    const auto shift = result.Fields("datum shift");
    EXPECT_TRUE(Holds(shift, {
        {"mnuPointA", "Datum&A\t-"}, {"mnuPointB", "Datum&B\t-"}, {"mnuOffset", "&Offset\tdisabled"},
        {"mnuRoute", "&Route schedule\tdisabled"}, {"mnuModeMode(0)", "&Range/Bearing calculations ('green mode')\t-"},
        {"mnuModeMode(1)", "&Datumshift calculations         ('violet mode')\tticked"},
        {"mnuViewDisplay(2)", "G&rid Co-ordinates\t-"}, {"mnuViewDisplay(0)", "&Geographic Co-ordinates\tticked"},
        {"mnuOptionSLatitude", "Southern Latitude default\tticked"}}));
    EXPECT_EQ(shift.at("mnuViewDisplay(4)").substr(0, 1), "\t");  // never shown
    EXPECT_NE(shift.at("mnuViewDisplay(4)").find("hidden"), std::string::npos);

    const auto range = result.Fields("range bearing");
    EXPECT_TRUE(Holds(range, {
        {"mnuPointA", "Point&A\t-"}, {"mnuOffset", "&Offset\t-"}, {"mnuRoute", "&Route schedule\t-"},
        {"mnuModeMode(0)", "&Range/Bearing calculations ('green mode')\tticked"},
        {"mnuViewDisplay(2)", "G&rid Co-ordinates\tticked"}, {"mnuOptionSLatitude", "Southern Latitude default\t-"}}));
}


TEST_F(Session, GridSystemDialogForOneOrBothPointsKeepingGeographicOrGrid) {
    const SessionResult result = Run(
        "gridsys 0 0 31 both\n"
        "# zone 32\n"
        "sheet\n"
        "gridsys 1 1 31 grid\n"
        "# B south\n"
        "sheet\n"
        "state\n"
        "gridsys 0 0 60\n"
        "gridsys 0 0 1 sideways\n"
        "gridsys 0\n"
        "name 0 After\n"
        "# after\n"
        "sheet\n",
        "--no-save");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.Errors(), (std::vector<std::string>{
                                   "error: line 8: zone position 60 outside 0 ... 59",
                                   "error: line 9: 'sideways' (both or grid expected)",
                                   "error: line 10: expected I SYSTEM ZONEPOS [both] [grid]",
                               }));
    const auto both = result.Fields("zone 32");
    const std::string zone32 = "32  ( central meridian 009\xC2\xB0" "E ) ";
    EXPECT_TRUE(Holds(both, {{"lblZone(0)", zone32}, {"lblZone(1)", zone32},
                             {"lblLon(0)", "003\xC2\xB0 00' 00.000\" E "}, {"lblGridDist", "0.00 m "}}));

    // Point B keeps its zone-32 grid co-ordinates in the southern system: far south of the equator.
    const auto south = result.Fields("B south");
    EXPECT_TRUE(Holds(south, {{"lblGridSystem(1)", "UTM - Southern Latitudes "},
                              {"lblNorthing(1)", both.at("lblNorthing(1)")}, {"lblGridDist", " n/a "}}));
    EXPECT_TRUE(south.at("lblLat(1)").ends_with("S ")) << south.at("lblLat(1)");
    EXPECT_TRUE(Holds(State(result), {{"pub_GridSystem(1)", "UTM - Southern Latitudes"}, {"pub_Zone(1)", "32"}}));
    // The session goes on after the refused lines, with the main window enabled again.
    EXPECT_EQ(result.Fields("after").at("lblName(0)"), "After ");
}

TEST_F(Session, GridSystemDialogInTheNgoMode) {
    const SessionResult result = Run(
        "mode 1\n"
        "datum 0 1 3\n"
        "grid 0 100000; 20000\n"
        "gridsys 0 0 4\n"
        "gridsys 1 0 2 grid\n"
        "gridsys 0 0 0 both\n"
        "gridsys 1 0 5\n"
        "# ngo\n"
        "sheet\n"
        "state\n",
        "--no-save");
    EXPECT_EQ(result.Errors(), (std::vector<std::string>{
                                   "error: line 6: 'both': the check box \"Change also opposite Grid Co-ordinate "
                                   "System\" is disabled in this mode",
                                   "error: line 7: zone position 5 outside 0 ... 4",
                               }));
    const auto sheet = result.Fields("ngo");
    EXPECT_TRUE(Holds(sheet, {
        {"lblGridSystem(0)", "NGO 1948 (Norway) "}, {"lblZone(0)", " Akse V  "},
        {"lblZone(1)", "33  ( central meridian 015\xC2\xB0" "E ) "}, {"lblNorthing(0)", "100 000.0 m "}}));
    EXPECT_TRUE(Holds(State(result), {
        {"pub_Zone(0)", "5"}, {"pub_Zone(1)", "33"}, {"pub_SpecialOption", "NGO-ED50"}}));
}

}  // namespace
