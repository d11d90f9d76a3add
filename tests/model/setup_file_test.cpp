// The setup file: its number form, every field's round trip, the reading of
// files written by hand or broken, and the File menu's writes.
#include "model/setup_file.h"

#include "model/program.h"

#include <gtest/gtest.h>

#include <functional>

#include <filesystem>

#include "support/setup_files.h"

namespace {

using setup_files::TempFolder;
using setup_files::WithGroup;
using setup_files::WriteBytes;

constexpr double kDegree = 0.017453292519944444;
const std::string& kDefaultFile = setup_files::kDefaultSetupFile;

// The record of a fresh start (its file is kDefaultFile).
model::SetupRecord Defaults() { return model::CaptureSetup(model::DefaultState()); }

// A record whose every field differs from the defaults, with texts that need care.
model::SetupRecord Unusual() {
    model::SetupRecord r = Defaults();
    r.pub_Display = {true, false, true, false, false, true};
    r.pub_Mode = "DATUMSHIFT";
    r.pub_DatumOption = {"Molodensky", "UserDefined"};
    r.pub_SpecialOption = "ED50-ED87";
    r.pub_Datum[1].Option = 2;
    r.pub_Datum[1].Index = 117;
    r.pub_Datum[1].Name = "EUROPEAN 1950, Norway & Finland";
    r.pub_Datum[1].Ellipsoid = "International 1924 (Hayford)";
    r.pub_Datum[1].a = 6378388;
    r.pub_Datum[1].f = 1 / 297.0;
    r.pub_Datum[1].b = 6378388 * (1 - 1 / 297.0);
    r.pub_Datum[1].e2 = 0.0067226700223333;
    r.pub_Datum[1].dx = -87, r.pub_Datum[1].dy = -98.5, r.pub_Datum[1].dz = -121;
    r.pub_Datum[1].rotx = 1.5e-6, r.pub_Datum[1].ds = -2.5e-6;
    r.pub_Datum[1].Remark = "Gr\xC3\xB8nland \xE2\x82\xAC";  // UTF-8: the file holds it as Windows-1252
    r.pub_GridSystem[1] = "UTM - Southern Latitudes";
    r.pub_Zone = {1, 60};
    r.pub_Name = {"Ekofisk, platform 2/4", "Troll A", "Norne"};
    r.pub_Lat = {56.5 * kDegree, -33.25 * kDegree};
    r.pub_Lon = {-3.125 * kDegree, 179.5 * kDegree};
    r.pub_Hgt = {-12.5, 1.0e15};
    r.formats.pub_GeogFormat = {"Degrees", 2, 10, 57.2957795130785, " deg", "0.0000000000"};
    r.formats.pub_BrgFormat = {"Radians", 3, 13, 1.0, " rad", "0.0000000000000"};
    r.formats.pub_DistFormat = {"Stat. Mile", 4, 6, 1 / 1609.344, " s.mile", "0.000000"};
    r.pub_SouthLat_Default = true;
    r.pub_WestLong_Default = true;
    return r;
}

TEST(SetupFile, NumbersAreWrittenWithFifteenDigitsAndTheProgramsOwnForm) {
    const std::pair<double, const char*> cases[] = {
        {0.5, ".5"}, {-0.5, "-.5"}, {1e-5, "1E-05"}, {-1.25e-7, "-1.25E-07"}, {0.0001, ".0001"},
        {1.5e15, "1.5E+15"}, {1e15, "1E+15"}, {999999999999999.0, "999999999999999"}, {1.23e100, "1.23E+100"},
        {57.29577951307855, "57.2957795130785"}, {6378137.0, "6378137"}, {298.257223563, "298.257223563"},
        {1.0 / 1852.0, ".000539956803455724"}, {-87.0, "-87"}, {0.0, "0"}, {-0.0, "0"},
        {0.99999999999999999, "1"}, {9.9999999999999999e-5, ".0001"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(model::EncodeSetupNumber(value), text) << value;
}

TEST(SetupFile, EveryFieldRoundTripsIncludingQuotesCommasAndEightBitText) {
    model::SetupRecord written = Unusual();
    written.pub_Name[0] = "The \"Ekofisk\" platform, block 2/4";
    const std::string file = model::EncodeSetup(written);
    // Windows-1252 in the file: the o with stroke is one byte, the euro sign 0x80.
    EXPECT_NE(file.find("\"Gr\xF8nland \x80\""), std::string::npos);
    EXPECT_NE(file.find("\"The 'Ekofisk' platform, block 2/4\",.986"), std::string::npos);

    model::SetupRecord read = Defaults();
    ASSERT_EQ(model::DecodeSetup(file, read).status, model::SetupReadStatus::Ok);
    EXPECT_EQ(read.pub_Name[0], "The 'Ekofisk' platform, block 2/4");
    // Every field differs from the start-up's, so a field not read would show here.
    EXPECT_EQ(model::EncodeSetup(read), file);

    // A file written elsewhere in UTF-8 reads the same.
    std::string utf8 = file;
    utf8.replace(utf8.find("Gr\xF8nland \x80"), 10, "Gr\xC3\xB8nland \xE2\x82\xAC");
    model::SetupRecord from_utf8 = Defaults();
    ASSERT_EQ(model::DecodeSetup(utf8, from_utf8).status, model::SetupReadStatus::Ok);
    EXPECT_EQ(from_utf8.pub_Datum[1].Remark, "Gr\xC3\xB8nland \xE2\x82\xAC");
}

TEST(SetupFile, GroupsInAnyOrderUnknownItemsAndRepeatedGroupsReadTheSame) {
    const std::string file = model::EncodeSetup(Unusual());
    // Split into groups (a key line and its value lines) and reverse them, with
    // foreign items between the groups.
    const std::vector<std::string> groups = setup_files::Groups(file);
    ASSERT_EQ(groups.size(), 20u);
    std::string reordered = "\"#Comment\",\"written by hand\",42\r\n";
    for (auto it = groups.rbegin(); it != groups.rend(); ++it) reordered += *it + "#TRUE#, 17 ,\"#pub_display\"\r\n";

    model::SetupRecord read = Defaults();
    ASSERT_EQ(model::DecodeSetup(reordered, read).status, model::SetupReadStatus::Ok);
    EXPECT_EQ(model::EncodeSetup(read), file);

    // A group given twice: the last wins. Blanks around items and LF-only lines are fine.
    const std::string twice = file + "\"#pub_Name(2)\"\n  \"Heidrun\"  \n";
    ASSERT_EQ(model::DecodeSetup(twice, read).status, model::SetupReadStatus::Ok);
    EXPECT_EQ(read.pub_Name[2], "Heidrun");
}

TEST(SetupFile, AMissingGroupKeepsWhatTheFieldsHeldBeforeAndIsNamed) {
    std::string file = kDefaultFile;
    file.erase(file.find("\"#pub_Name(2)\""), std::string("\"#pub_Name(2)\"\r\n\"n/a\"\r\n").size());
    model::SetupRecord read = Unusual();
    const model::SetupReadResult result = model::DecodeSetup(file, read);
    EXPECT_EQ(result.status, model::SetupReadStatus::Damaged);
    EXPECT_EQ(result.problem, "the group \"#pub_Name(2)\" is missing");
    EXPECT_EQ(read.pub_Name[2], "Norne");
    EXPECT_EQ(read.pub_Name[0], " n/a ");

    // Kept values that are not sound make the file erroneous: an empty state has zone 0.
    std::string no_grid = kDefaultFile;
    no_grid.erase(no_grid.find("\"#pub_GridSystem(1)\""),
                  std::string("\"#pub_GridSystem(1)\"\r\n\"UTM - Northern Latitudes\",31\r\n").size());
    model::SetupRecord empty;
    const model::SetupReadResult unsound = model::DecodeSetup(no_grid, empty);
    EXPECT_EQ(unsound.status, model::SetupReadStatus::Error);
    EXPECT_NE(unsound.problem.find("zone 0 of point 1"), std::string::npos) << unsound.problem;
    EXPECT_EQ(empty.pub_Mode, "");  // nothing committed
}

TEST(SetupFile, AValueThatCannotBeTakenKeepsItsFieldAndTheRestIsRead) {
    using Record = model::SetupRecord;
    struct Case {
        const char* what;
        std::string file;
        const char* problem;
        std::function<bool(const Record&)> kept;  // the setting with the bad value as it was (or as read up to it)
    };
    const std::string truncated = std::string(kDefaultFile).substr(0, std::string(kDefaultFile).find(",.0523"));
    const std::string cut_in_text =
        std::string(kDefaultFile).substr(0, std::string(kDefaultFile).find("\"0.00\"\r\n\"#pub_South") + 3);
    const auto name_b = [](const Record& r) { return r.pub_Name[1] == "B" && r.pub_Lat[1] == 1.04719755119667; };
    const Case cases[] = {
        {"truncated inside a group", truncated, "ends inside a group",
         [](const Record& r) { return r.pub_Name[0] == " n/a " && r.pub_Lat[0] == 1.04719755119667; }},
        {"truncated inside a text", cut_in_text, "no closing double quote",
         [](const Record& r) { return r.formats.pub_GCFormat.Decimals == 3; }},
        {"number too large", WithGroup("#pub_Name(1)", "\"B\",1.04719755119667,1E+400,0\r\n"), "not a finite number",
         name_b},
        {"integer too large", WithGroup("#pub_GridSystem(1)", "\"UTM - Northern Latitudes\",32768\r\n"),
         "too large for its field", [](const Record& r) { return r.pub_Zone[1] == 31; }},
        {"text for a number", WithGroup("#pub_Name(1)", "\"B\",1.04719755119667,\"north\",0\r\n"),
         "not a finite number", name_b},
        {"wrong flag", WithGroup("#pub_WestLong_Default", "TRUE\r\n"), "not #TRUE# or #FALSE#",
         [](const Record& r) { return r.pub_WestLong_Default; }},
        // (Decimals, zones and datum options out of range are DataSafety's, through the program.)
    };
    for (const Case& c : cases) {
        // A value the file gives before every fault is taken.
        std::string file = c.file;
        file.replace(file.find("\"#pub_SpecialOption\"\r\n\"\""), 24, "\"#pub_SpecialOption\"\r\n\"ED50-ED87\"");
        Record read = Defaults();
        read.formats.pub_GCFormat.Decimals = 3;
        read.pub_WestLong_Default = true;
        const model::SetupReadResult result = model::DecodeSetup(file, read);
        EXPECT_EQ(result.status, model::SetupReadStatus::Damaged) << c.what;
        EXPECT_NE(result.problem.find(c.problem), std::string::npos) << c.what << ": " << result.problem;
        EXPECT_EQ(read.pub_SpecialOption, "ED50-ED87") << c.what;
        EXPECT_EQ(read.pub_Zone[0], 31) << c.what;
        EXPECT_TRUE(c.kept(read)) << c.what;
    }

    // Every value the program itself can write is accepted: the largest decimals
    // each option offers, the smallest and largest zones, negative heights.
    model::SetupRecord limits = Defaults();
    limits.pub_Zone = {1, 60};
    limits.formats.pub_GeogFormat = {"Degrees", 1, 6, 57.29577951307855, " deg", "0.000000"};
    limits.formats.pub_BrgFormat = {"Grads (gon)", 4, 10, 63.66197723675394, " gon", "0.0000000000"};
    limits.formats.pub_GCFormat = {"Kilometer", 1, 6, 0.001, " km", "0.000000"};
    limits.formats.pub_HgtFormat = {"Feet", 3, 0, 1 / 0.3048, " ft", "0"};
    limits.pub_Hgt = {-11034, 8848};
    model::SetupRecord read;
    EXPECT_EQ(model::DecodeSetup(model::EncodeSetup(limits), read).status, model::SetupReadStatus::Ok);
    EXPECT_EQ(model::EncodeSetup(read), model::EncodeSetup(limits));
}

// What the session's File menu cannot show: the file dialogs' requests.
TEST(SetupFile, SaveAsAndOpenRequests) {
    TempFolder folder;
    const std::string data = folder.path.string();
    platform::RecordedNotices notices;
    std::vector<platform::FileDialogRequest> requests;
    std::optional<std::string> answer;
    platform::FileDialogs dialogs;
    dialogs.save = dialogs.open = [&](const platform::FileDialogRequest& request) {
        requests.push_back(request);
        return answer;
    };
    ASSERT_TRUE(model::SaveSetup(data, Defaults(), notices.Sink()));
    model::SaveSetupAs(data, Unusual(), dialogs, notices.Sink());  // cancelled
    EXPECT_FALSE(model::OpenSetup(data, dialogs, notices.Sink()));  // cancelled
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].title + ", " + requests[1].title, "Save Setup As, Open Setup File");
    EXPECT_EQ(requests[1].filter, "Polvant setup files (*.ini)|*.ini");
    EXPECT_EQ(requests[1].default_extension, "ini");
    EXPECT_EQ(requests[1].initial_folder, data);

    // (A Save As that fails is the unwritable_folder session, an Open of another
    // Polvant.ini the save_and_open session.)
}

TEST(SetupFile, ReadingIntoAStateSetsTheStoredFieldsOnly) {
    TempFolder folder;
    platform::RecordedNotices notices;
    WriteBytes(folder.File("Polvant.ini"), model::EncodeSetup(Unusual()));
    model::CalcState state = model::DefaultState();
    state.point[1].pub_X = 1234.5;  // not stored: left alone
    ASSERT_TRUE(model::ReadSetup(folder.File("Polvant.ini"), state, notices.Sink()));
    EXPECT_EQ(model::EncodeSetup(model::CaptureSetup(state)), model::EncodeSetup(Unusual()));
    EXPECT_EQ(state.point[1].pub_X, 1234.5);
    EXPECT_TRUE(notices.notices.empty());
}

}  // namespace
