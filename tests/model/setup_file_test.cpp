#include "model/setup_file.h"

#include "model/program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr double kDegree = 0.017453292519944444;

model::SetupDatum Wgs84() {
    model::SetupDatum d;
    d.Name = "WGS84 - World Geodetic system 1984";
    d.Ellipsoid = "WGS84";
    d.Area = "Global";
    d.a = 6378137.0;
    d.f = 1 / 298.257223563;
    d.b = d.a * (1 - d.f);
    d.e2 = 2 * d.f - d.f * d.f;
    return d;
}

model::SetupRecord Defaults() {
    model::SetupRecord r;
    r.pub_Display = {true, true, true, true, true, true};
    r.pub_Mode = "OFFSET";
    r.pub_DatumOption = {"Standard", "Standard"};
    r.pub_Datum = {Wgs84(), Wgs84()};
    r.pub_GridSystem = {"UTM - Northern Latitudes", "UTM - Northern Latitudes"};
    r.pub_Zone = {31, 31};
    r.pub_Name = {" n/a ", " n/a ", "n/a"};
    r.pub_Lat = {60 * kDegree, 60 * kDegree};
    r.pub_Lon = {3 * kDegree, 3 * kDegree};
    r.pub_Hgt = {0, 0};
    r.formats = text::DefaultFormats();
    return r;
}

const char* const kDefaultFile =
    "\"#pub_Display\"\r\n"
    "#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#,#TRUE#\r\n"
    "\"#pub_Mode\"\r\n"
    "\"OFFSET\"\r\n"
    "\"#pub_DatumOption\"\r\n"
    "\"Standard\",\"Standard\"\r\n"
    "\"#pub_SpecialOption\"\r\n"
    "\"\"\r\n"
    "\"#pub_Datum(0)\"\r\n"
    "0,0,\"WGS84 - World Geodetic system 1984\",\"Global\"\r\n"
    "\"WGS84\",6378137,6356752.31424518,.00335281066474748,.00669437999014132\r\n"
    "\"\",0,0,0,0,0,0,0\r\n"
    "\"#pub_GridSystem(0)\"\r\n"
    "\"UTM - Northern Latitudes\",31\r\n"
    "\"#pub_Datum(1)\"\r\n"
    "0,0,\"WGS84 - World Geodetic system 1984\",\"Global\"\r\n"
    "\"WGS84\",6378137,6356752.31424518,.00335281066474748,.00669437999014132\r\n"
    "\"\",0,0,0,0,0,0,0\r\n"
    "\"#pub_GridSystem(1)\"\r\n"
    "\"UTM - Northern Latitudes\",31\r\n"
    "\"#pub_Name(0)\"\r\n"
    "\" n/a \",1.04719755119667,.0523598775598333,0\r\n"
    "\"#pub_Name(1)\"\r\n"
    "\" n/a \",1.04719755119667,.0523598775598333,0\r\n"
    "\"#pub_Name(2)\"\r\n"
    "\"n/a\"\r\n"
    "\"#pub_GeogFormat\"\r\n"
    "\"Degrees\",0,3,\" deg\",57.2957795130785,\"n/a\"\r\n"
    "\"#pub_HgtFormat\"\r\n"
    "\"Meter\",0,1,\" m\",1,\"0.0\"\r\n"
    "\"#pub_CartFormat\"\r\n"
    "\"Meter\",0,2,\" m\",1,\"0.00\"\r\n"
    "\"#pub_GridFormat\"\r\n"
    "\"Meter\",0,1,\" m\",1,\"0.0\"\r\n"
    "\"#pub_DistFormat\"\r\n"
    "\"Meter\",0,2,\" m\",1,\"0.00\"\r\n"
    "\"#pub_BrgFormat\"\r\n"
    "\"Degrees\",2,1,\" deg\",57.2957795130785,\"0.0\"\r\n"
    "\"#pub_GCFormat\"\r\n"
    "\"Nautical Miles\",2,2,\" nmile\",.000539956803455724,\"0.00\"\r\n"
    "\"#pub_SouthLat_Default\"\r\n"
    "#FALSE#\r\n"
    "\"#pub_WestLong_Default\"\r\n"
    "#FALSE#\r\n";

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

void ExpectSameRecord(const model::SetupRecord& a, const model::SetupRecord& b) {
    EXPECT_EQ(a.pub_Display, b.pub_Display);
    EXPECT_EQ(a.pub_Mode, b.pub_Mode);
    EXPECT_EQ(a.pub_DatumOption, b.pub_DatumOption);
    EXPECT_EQ(a.pub_SpecialOption, b.pub_SpecialOption);
    EXPECT_EQ(a.pub_GridSystem, b.pub_GridSystem);
    EXPECT_EQ(a.pub_Zone, b.pub_Zone);
    EXPECT_EQ(a.pub_Name, b.pub_Name);
    EXPECT_EQ(a.pub_SouthLat_Default, b.pub_SouthLat_Default);
    EXPECT_EQ(a.pub_WestLong_Default, b.pub_WestLong_Default);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(a.pub_Datum[i].Name, b.pub_Datum[i].Name);
        EXPECT_EQ(a.pub_Datum[i].Area, b.pub_Datum[i].Area);
        EXPECT_EQ(a.pub_Datum[i].Remark, b.pub_Datum[i].Remark);
        EXPECT_EQ(a.pub_Datum[i].Option, b.pub_Datum[i].Option);
        EXPECT_EQ(a.pub_Datum[i].Index, b.pub_Datum[i].Index);
        // Fifteen significant digits come back within the last of them.
        for (auto field : {&model::SetupDatum::a, &model::SetupDatum::b, &model::SetupDatum::f,
                           &model::SetupDatum::e2, &model::SetupDatum::dx, &model::SetupDatum::dy,
                           &model::SetupDatum::rotx, &model::SetupDatum::ds})
            EXPECT_NEAR(a.pub_Datum[i].*field, b.pub_Datum[i].*field, 1e-14 * std::abs(b.pub_Datum[i].*field));
        EXPECT_NEAR(a.pub_Lat[i], b.pub_Lat[i], 1e-14);
        EXPECT_NEAR(a.pub_Lon[i], b.pub_Lon[i], 1e-14);
        EXPECT_NEAR(a.pub_Hgt[i], b.pub_Hgt[i], 1e-14 * std::abs(b.pub_Hgt[i]));
    }
    const text::FormatRecord* fa[] = {&a.formats.pub_GeogFormat, &a.formats.pub_HgtFormat, &a.formats.pub_CartFormat,
                                      &a.formats.pub_GridFormat, &a.formats.pub_DistFormat, &a.formats.pub_BrgFormat,
                                      &a.formats.pub_GCFormat};
    const text::FormatRecord* fb[] = {&b.formats.pub_GeogFormat, &b.formats.pub_HgtFormat, &b.formats.pub_CartFormat,
                                      &b.formats.pub_GridFormat, &b.formats.pub_DistFormat, &b.formats.pub_BrgFormat,
                                      &b.formats.pub_GCFormat};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(fa[k]->UnitName, fb[k]->UnitName) << k;
        EXPECT_EQ(fa[k]->Option, fb[k]->Option) << k;
        EXPECT_EQ(fa[k]->Decimals, fb[k]->Decimals) << k;
        EXPECT_EQ(fa[k]->Unit, fb[k]->Unit) << k;
        EXPECT_NEAR(fa[k]->Factor, fb[k]->Factor, 1e-14 * fb[k]->Factor) << k;
        EXPECT_EQ(fa[k]->Pattern, fb[k]->Pattern) << k;
    }
}

struct TempFolder {
    fs::path path;
    TempFolder() {
        path = fs::temp_directory_path() /
               ("setup_file_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, ec);
        fs::remove_all(path, ec);
    }
    std::string File(const std::string& name) const { return (path / name).string(); }
    static inline int counter = 0;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Spit(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The default file with one group's lines replaced.
std::string WithGroup(const std::string& key, const std::string& new_lines) {
    std::string file = kDefaultFile;
    const std::string key_line = "\"" + key + "\"\r\n";
    const std::size_t start = file.find(key_line);
    std::size_t end = file.find("\"#pub_", start + key_line.size());
    if (end == std::string::npos) end = file.size();
    return file.replace(start, end - start, key_line + new_lines);
}

TEST(SetupFile, NumbersAreWrittenWithFifteenDigitsAndTheProgramsOwnForm) {
    EXPECT_EQ(model::EncodeSetupNumber(0.5), ".5");
    EXPECT_EQ(model::EncodeSetupNumber(-0.5), "-.5");
    EXPECT_EQ(model::EncodeSetupNumber(1e-5), "1E-05");
    EXPECT_EQ(model::EncodeSetupNumber(-1.25e-7), "-1.25E-07");
    EXPECT_EQ(model::EncodeSetupNumber(0.0001), ".0001");
    EXPECT_EQ(model::EncodeSetupNumber(1.5e15), "1.5E+15");
    EXPECT_EQ(model::EncodeSetupNumber(1e15), "1E+15");
    EXPECT_EQ(model::EncodeSetupNumber(999999999999999.0), "999999999999999");
    EXPECT_EQ(model::EncodeSetupNumber(1.23e100), "1.23E+100");
    EXPECT_EQ(model::EncodeSetupNumber(57.29577951307855), "57.2957795130785");
    EXPECT_EQ(model::EncodeSetupNumber(6378137.0), "6378137");
    EXPECT_EQ(model::EncodeSetupNumber(298.257223563), "298.257223563");
    EXPECT_EQ(model::EncodeSetupNumber(1.0 / 1852.0), ".000539956803455724");
    EXPECT_EQ(model::EncodeSetupNumber(-87.0), "-87");
    EXPECT_EQ(model::EncodeSetupNumber(0.0), "0");
    EXPECT_EQ(model::EncodeSetupNumber(-0.0), "0");
    EXPECT_EQ(model::EncodeSetupNumber(0.99999999999999999), "1");
    EXPECT_EQ(model::EncodeSetupNumber(9.9999999999999999e-5), ".0001");
}

TEST(SetupFile, DefaultsGiveTheTwentyGroupsByteForByte) {
    EXPECT_EQ(model::EncodeSetup(Defaults()), kDefaultFile);

    model::SetupRecord read;
    ASSERT_EQ(model::DecodeSetup(kDefaultFile, read).status, model::SetupReadStatus::Ok);
    ExpectSameRecord(read, Defaults());
    // The degree factor comes back with fifteen digits only, and then stays.
    EXPECT_EQ(read.formats.pub_GeogFormat.Factor, 57.2957795130785);
    EXPECT_EQ(model::EncodeSetup(read), kDefaultFile);
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
    model::SetupRecord expected = written;
    expected.pub_Name[0] = "The 'Ekofisk' platform, block 2/4";
    ExpectSameRecord(read, expected);
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
    std::vector<std::string> groups;
    for (std::size_t pos = 0; pos < file.size();) {
        std::size_t next = file.find("\"#pub_", pos + 1);
        if (next == std::string::npos) next = file.size();
        groups.push_back(file.substr(pos, next - pos));
        pos = next;
    }
    ASSERT_EQ(groups.size(), 20u);
    std::string reordered = "\"#Comment\",\"written by hand\",42\r\n";
    for (auto it = groups.rbegin(); it != groups.rend(); ++it) reordered += *it + "#TRUE#, 17 ,\"#pub_display\"\r\n";

    model::SetupRecord read = Defaults();
    ASSERT_EQ(model::DecodeSetup(reordered, read).status, model::SetupReadStatus::Ok);
    ExpectSameRecord(read, Unusual());

    // A group given twice: the last wins. Blanks around items and LF-only lines are fine.
    const std::string twice = file + "\"#pub_Name(2)\"\n  \"Heidrun\"  \n";
    ASSERT_EQ(model::DecodeSetup(twice, read).status, model::SetupReadStatus::Ok);
    EXPECT_EQ(read.pub_Name[2], "Heidrun");
}

TEST(SetupFile, AMissingGroupKeepsWhatTheFieldsHeldBefore) {
    std::string file = kDefaultFile;
    file.erase(file.find("\"#pub_Name(2)\""), std::string("\"#pub_Name(2)\"\r\n\"n/a\"\r\n").size());
    model::SetupRecord read = Unusual();
    ASSERT_EQ(model::DecodeSetup(file, read).status, model::SetupReadStatus::Ok);
    EXPECT_EQ(read.pub_Name[2], "Norne");
    EXPECT_EQ(read.pub_Name[0], " n/a ");

    // Kept values that are not sound make the file erroneous: an empty state has zone 0.
    std::string no_grid = kDefaultFile;
    no_grid.erase(no_grid.find("\"#pub_GridSystem(1)\""),
                  std::string("\"#pub_GridSystem(1)\"\r\n\"UTM - Northern Latitudes\",31\r\n").size());
    model::SetupRecord empty;
    const model::SetupReadResult result = model::DecodeSetup(no_grid, empty);
    EXPECT_EQ(result.status, model::SetupReadStatus::Error);
    EXPECT_NE(result.problem.find("zone 0 of point 1"), std::string::npos) << result.problem;
    EXPECT_EQ(empty.pub_Mode, "");  // nothing committed
}

TEST(SetupFile, UnsoundFilesAreErrorsThatKeepTheRecordButTheFieldsDefaultsDoNotSet) {
    struct Case {
        const char* what;
        std::string file;
        const char* problem;
        bool south_default_read = true;  // the file's own group comes before the failure
    };
    const std::string truncated = std::string(kDefaultFile).substr(0, std::string(kDefaultFile).find(",.0523"));
    const std::string cut_in_text =
        std::string(kDefaultFile).substr(0, std::string(kDefaultFile).find("\"0.00\"\r\n\"#pub_South") + 3);
    const Case cases[] = {
        {"truncated inside a group", truncated, "ends inside a group"},
        {"truncated inside a text", cut_in_text, "no closing double quote"},
        {"number too large", WithGroup("#pub_Name(0)", "\"A\",1E+400,0,0\r\n"), "not a finite number"},
        {"integer too large", WithGroup("#pub_GridSystem(0)", "\"UTM - Northern Latitudes\",32768\r\n"),
         "too large for its field"},
        {"zone outside", WithGroup("#pub_GridSystem(0)", "\"UTM - Northern Latitudes\",61\r\n"),
         "zone 61 outside 1 ... 60"},
        {"zone 0", WithGroup("#pub_GridSystem(1)", "\"UTM - Northern Latitudes\",0\r\n"), "zone 0 outside"},
        {"text for a number", WithGroup("#pub_Name(1)", "\"B\",\"north\",0,0\r\n"), "not a finite number"},
        {"nan", WithGroup("#pub_Name(1)", "\"B\",nan,0,0\r\n"), "not a finite number"},
        {"wrong flag", WithGroup("#pub_WestLong_Default", "TRUE\r\n"), "not #TRUE# or #FALSE#", false},
        {"geographic option", WithGroup("#pub_GeogFormat", "\"Degrees\",3,3,\" deg\",57.2957795130785,\"n/a\"\r\n"),
         "format option 3"},
        {"decimals", WithGroup("#pub_HgtFormat", "\"Meter\",0,5,\" m\",1,\"0.00000\"\r\n"), "decimals count 5"},
        {"negative decimals", WithGroup("#pub_BrgFormat", "\"Degrees\",2,-1,\" deg\",57.29,\"0\"\r\n"),
         "decimals count -1"},
        {"zero factor", WithGroup("#pub_CartFormat", "\"Meter\",0,2,\" m\",0,\"0.00\"\r\n"), "factor is 0"},
        {"datum option", WithGroup("#pub_Datum(1)", "7,0,\"X\",\"Y\"\r\n\"E\",1,1,0,0\r\n\"\",0,0,0,0,0,0,0\r\n"),
         "datum option 7"},
    };
    for (const Case& c : cases) {
        // The special option and the hemisphere defaults come before the failure
        // in this file and are taken over; everything else stays as it was.
        std::string file = c.file;
        file.replace(file.find("\"#pub_SpecialOption\"\r\n\"\""), 24, "\"#pub_SpecialOption\"\r\n\"ED50-ED87\"");
        file = "\"#pub_SouthLat_Default\"\r\n#TRUE#\r\n" + file;
        model::SetupRecord read = Defaults();
        read.pub_Name[0] = "kept";
        const model::SetupReadResult result = model::DecodeSetup(file, read);
        EXPECT_EQ(result.status, model::SetupReadStatus::Error) << c.what;
        EXPECT_NE(result.problem.find(c.problem), std::string::npos) << c.what << ": " << result.problem;
        EXPECT_EQ(read.pub_Name[0], "kept") << c.what;
        EXPECT_EQ(read.pub_Zone[0], 31) << c.what;
        EXPECT_EQ(read.pub_SpecialOption, "ED50-ED87") << c.what;
        EXPECT_EQ(read.pub_SouthLat_Default, c.south_default_read) << c.what;
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
    ExpectSameRecord(read, limits);
}

TEST(SetupFile, WriteReplacesTheFileAndAFailureHalfWayKeepsTheOldOne) {
    TempFolder folder;
    const std::string path = folder.File("Polvant.ini");
    platform::RecordedNotices notices;
    ASSERT_TRUE(model::WriteSetup(path, Defaults(), notices.Sink()));
    EXPECT_EQ(Slurp(path), kDefaultFile);
    EXPECT_TRUE(notices.notices.empty());

    // The disk fills up after the tenth line.
    const auto fail_half_way = [](std::size_t lines) {
        if (lines == 10) throw std::runtime_error("No space left on device");
    };
    EXPECT_FALSE(model::WriteSetup(path, Unusual(), notices.Sink(), fail_half_way));
    EXPECT_EQ(Slurp(path), kDefaultFile);
    EXPECT_FALSE(fs::exists(path + ".tmp"));
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text,
              "No space left on device Setup file Polvant.ini not stored! (If an existing Polvant.ini file was "
              "established by Administrator and you have no administrator access this will occur.) However, you "
              "can save your work with any other filename with the Save As function!");
    EXPECT_EQ(notices.notices[0].icon, platform::Icon::None);
    EXPECT_EQ(notices.notices[0].title, platform::kApplicationTitle);

    // A missing folder: the platform's description, nothing written.
    notices.notices.clear();
    EXPECT_FALSE(model::WriteSetup(folder.File("missing/Polvant.ini"), Defaults(), notices.Sink()));
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text.rfind("No such file or directory Setup file Polvant.ini not stored!", 0), 0u);

    // Success replaces the old contents completely.
    ASSERT_TRUE(model::WriteSetup(path, Unusual(), notices.Sink()));
    EXPECT_EQ(Slurp(path), model::EncodeSetup(Unusual()));
}

TEST(SetupFile, ReadSetupShowsTheNoticeOfEachFailure) {
    TempFolder folder;
    platform::RecordedNotices notices;
    model::SetupRecord record = Defaults();
    EXPECT_FALSE(model::ReadSetup(folder.File("Polvant.ini"), record, notices.Sink()));
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text,
              "Setup file do not exist. Default data loaded.\r(A new setupfile will be generated when exiting "
              "program the first time.)");
    EXPECT_EQ(notices.notices[0].icon, platform::Icon::Information);

    Spit(folder.File("Polvant.ini"), WithGroup("#pub_GridSystem(0)", "\"UTM - Northern Latitudes\",99\r\n"));
    notices.notices.clear();
    EXPECT_FALSE(model::ReadSetup(folder.File("Polvant.ini"), record, notices.Sink()));
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text, "Error in Setup file. Default data loaded");
    EXPECT_EQ(notices.notices[0].icon, platform::Icon::Exclamation);

    // A folder where the file should be is unreadable, not missing.
    fs::remove(folder.File("Polvant.ini"));
    fs::create_directory(folder.File("Polvant.ini"));
    notices.notices.clear();
    EXPECT_FALSE(model::ReadSetup(folder.File("Polvant.ini"), record, notices.Sink()));
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].icon, platform::Icon::Exclamation);

    fs::remove(folder.File("Polvant.ini"));
    Spit(folder.File("Polvant.ini"), model::EncodeSetup(Unusual()));
    notices.notices.clear();
    EXPECT_TRUE(model::ReadSetup(folder.File("Polvant.ini"), record, notices.Sink()));
    EXPECT_TRUE(notices.notices.empty());
    EXPECT_EQ(record.pub_Mode, "DATUMSHIFT");
}

TEST(SetupFile, SaveSaveAsAndOpenFollowTheFileMenu) {
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

    EXPECT_TRUE(model::SaveSetup(data, Defaults(), notices.Sink()));
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text,
              "Setup data will be stored as default Polvant.ini. If you wan't to save setup data with another "
              "filename you have to use 'Save As'");
    EXPECT_EQ(notices.notices[0].icon, platform::Icon::None);
    EXPECT_EQ(Slurp(folder.File("Polvant.ini")), kDefaultFile);

    // Save As cancelled: nothing at all.
    notices.notices.clear();
    model::SaveSetupAs(data, Unusual(), dialogs, notices.Sink());
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "Save Setup As");
    EXPECT_EQ(requests[0].filter, "Polvant setup files (*.ini)|*.ini");
    EXPECT_EQ(requests[0].default_extension, "ini");
    EXPECT_EQ(requests[0].initial_folder, data);
    EXPECT_TRUE(notices.notices.empty());

    fs::create_directory(folder.path / "elsewhere");
    answer = folder.File("elsewhere/north sea.ini");
    model::SaveSetupAs(data, Unusual(), dialogs, notices.Sink());
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text, "Setup saved as " + *answer);
    EXPECT_EQ(Slurp(*answer), model::EncodeSetup(Unusual()));

    // Save As into a missing folder: the "not stored" notice, then still "Setup saved as".
    notices.notices.clear();
    answer = folder.File("gone/x.ini");
    model::SaveSetupAs(data, Unusual(), dialogs, notices.Sink());
    ASSERT_EQ(notices.notices.size(), 2u);
    EXPECT_NE(notices.notices[0].text.find("Setup file Polvant.ini not stored!"), std::string::npos);
    EXPECT_EQ(notices.notices[1].text, "Setup saved as " + *answer);

    // Open cancelled: the cancel description, nothing copied.
    notices.notices.clear();
    requests.clear();
    answer.reset();
    EXPECT_FALSE(model::OpenSetup(data, dialogs, notices.Sink()));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "Open Setup File");
    EXPECT_EQ(requests[0].filter, "Polvant setup files (*.ini)|*.ini");
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text, "Cancel was selected.");
    EXPECT_EQ(notices.notices[0].icon, platform::Icon::None);
    EXPECT_EQ(Slurp(folder.File("Polvant.ini")), kDefaultFile);

    // Open of the default file itself: nothing copied, the sheet reloads.
    notices.notices.clear();
    answer = folder.File("Polvant.ini");
    EXPECT_TRUE(model::OpenSetup(data, dialogs, notices.Sink()));
    EXPECT_TRUE(notices.notices.empty());
    EXPECT_EQ(Slurp(folder.File("Polvant.ini")), kDefaultFile);

    // Open of another file: it becomes the default setup.
    answer = folder.File("elsewhere/north sea.ini");
    EXPECT_TRUE(model::OpenSetup(data, dialogs, notices.Sink()));
    EXPECT_EQ(Slurp(folder.File("Polvant.ini")), model::EncodeSetup(Unusual()));

    // A file named Polvant.ini in another folder is another file, and is copied too.
    Spit(folder.File("elsewhere/Polvant.ini"), kDefaultFile);
    answer = folder.File("elsewhere/Polvant.ini");
    EXPECT_TRUE(model::OpenSetup(data, dialogs, notices.Sink()));
    EXPECT_EQ(Slurp(folder.File("Polvant.ini")), kDefaultFile);

    // A file that does not exist: its description, nothing copied.
    answer = folder.File("elsewhere/none.ini");
    EXPECT_FALSE(model::OpenSetup(data, dialogs, notices.Sink()));
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_NE(notices.notices[0].text.find("none.ini"), std::string::npos);
    EXPECT_EQ(Slurp(folder.File("Polvant.ini")), kDefaultFile);
}

TEST(SetupFile, SpecialModesWithNgoOrRt38AreNeitherSavedOnExitNorRestored) {
    TempFolder folder;
    const std::string data = folder.path.string();
    platform::RecordedNotices notices;
    Spit(folder.File("Polvant.ini"), "previous");

    model::SetupRecord ngo = Defaults();
    ngo.pub_Mode = "SPECIAL";
    ngo.pub_SpecialOption = "NGO-ED50";
    ngo.pub_Datum[0].Name = "NGO - 1948";
    EXPECT_FALSE(model::SaveSetupOnExit(data, ngo, notices.Sink()));
    model::SetupRecord rt38 = ngo;
    rt38.pub_SpecialOption = "RT38-ED50";
    rt38.pub_Datum[0].Name = "RT38";
    EXPECT_FALSE(model::SaveSetupOnExit(data, rt38, notices.Sink()));
    ASSERT_EQ(notices.notices.size(), 2u);
    EXPECT_EQ(notices.notices[0].text,
              "NGO datum not stored in setup file. Next session will be started with previous setup.");
    EXPECT_EQ(notices.notices[1].text,
              "RT38 datum not stored in setup file. Next session will be started with previous setup.");
    EXPECT_EQ(notices.notices[0].icon, platform::Icon::Information);
    EXPECT_EQ(notices.notices[1].icon, platform::Icon::Information);
    EXPECT_EQ(Slurp(folder.File("Polvant.ini")), "previous");

    // The NGO datum outside the special mode, and another special mode, are saved.
    notices.notices.clear();
    model::SetupRecord ngo_outside = ngo;
    ngo_outside.pub_Mode = "DATUMSHIFT";
    EXPECT_TRUE(model::SaveSetupOnExit(data, ngo_outside, notices.Sink()));
    model::SetupRecord north_sea = Defaults();
    north_sea.pub_Mode = "SPECIAL";
    north_sea.pub_SpecialOption = "ED50-ED87";
    EXPECT_TRUE(model::SaveSetupOnExit(data, north_sea, notices.Sink()));
    EXPECT_TRUE(notices.notices.empty());
    EXPECT_EQ(Slurp(folder.File("Polvant.ini")), model::EncodeSetup(north_sea));

    // File, Save writes in every mode.
    EXPECT_TRUE(model::SaveSetup(data, rt38, notices.Sink()));
    EXPECT_EQ(Slurp(folder.File("Polvant.ini")), model::EncodeSetup(rt38));

    // At start-up a stored special mode with NGO or RT38 on Point A falls back to the defaults.
    notices.notices.clear();
    EXPECT_TRUE(model::SetupNeedsDefaultsForSpecialDatum(rt38, notices.Sink()));
    EXPECT_TRUE(model::SetupNeedsDefaultsForSpecialDatum(ngo, notices.Sink()));
    ASSERT_EQ(notices.notices.size(), 2u);
    EXPECT_EQ(notices.notices[0].text, "NGO and RT38 datum not stored in setup file. Default data loaded");
    EXPECT_EQ(notices.notices[0].icon, platform::Icon::Exclamation);
    notices.notices.clear();
    EXPECT_FALSE(model::SetupNeedsDefaultsForSpecialDatum(ngo_outside, notices.Sink()));
    EXPECT_FALSE(model::SetupNeedsDefaultsForSpecialDatum(north_sea, notices.Sink()));
    model::SetupRecord odd_mode = ngo;
    odd_mode.pub_Mode = "SOMETHING";  // any other text restores a special mode
    EXPECT_TRUE(model::SetupNeedsDefaultsForSpecialDatum(odd_mode, notices.Sink()));
}

}  // namespace

namespace {

TEST(SetupFile, TheStateOfAFreshStartIsTheDefaultFileAndReadsBackIntoAState) {
    const model::CalcState fresh = model::DefaultState();
    EXPECT_EQ(model::EncodeSetup(model::CaptureSetup(fresh)), kDefaultFile);

    TempFolder folder;
    platform::RecordedNotices notices;
    ASSERT_TRUE(model::WriteSetup(folder.File("Polvant.ini"), Unusual(), notices.Sink()));
    model::CalcState state = model::DefaultState();
    state.point[1].pub_X = 1234.5;  // not stored: left alone
    state.MainWindowTag = "Started";
    ASSERT_TRUE(model::ReadSetup(folder.File("Polvant.ini"), state, notices.Sink()));
    ExpectSameRecord(model::CaptureSetup(state), Unusual());
    EXPECT_EQ(state.point[1].pub_X, 1234.5);
    EXPECT_EQ(state.MainWindowTag, "Started");

    // An erroneous file changes only the fields the defaults do not set.
    Spit(folder.File("Polvant.ini"), "\"#pub_SpecialOption\"\r\n\"NGO-ED50\"\r\n\"#pub_Datum(0)\"\r\n0,0,\"X\"\r\n");
    model::CalcState before = model::DefaultState();
    state = before;
    EXPECT_FALSE(model::ReadSetup(folder.File("Polvant.ini"), state, notices.Sink()));
    EXPECT_EQ(state.pub_SpecialOption, "NGO-ED50");
    EXPECT_EQ(model::EncodeSetup(model::CaptureSetup(state)),
              model::EncodeSetup([&] {
                  model::SetupRecord r = model::CaptureSetup(before);
                  r.pub_SpecialOption = "NGO-ED50";
                  return r;
              }()));
}

}  // namespace

namespace {

TEST(SetupFile, FileSaveOfTheProgramWritesTheSetupAndTheUserDatums) {
    TempFolder folder;
    platform::RecordedNotices notices;
    model::Program program;
    program.state = model::DefaultState();
    program.folders.user_data = folder.path.string();
    program.platform.notices = notices.Sink();
    model::FileSave(program);
    EXPECT_EQ(Slurp(folder.File("Polvant.ini")), kDefaultFile);
    EXPECT_FALSE(fs::exists(folder.File("UserDatums.vdx")));  // no user datums, no file
    ASSERT_EQ(notices.notices.size(), 1u);

    datums::DatumEntry mine;
    mine.Number = 1;
    mine.Name = "Local grid";
    mine.a = 6378388.0;
    mine.InvF = 297.0;
    program.catalogue.UserDatums.push_back(mine);
    program.state.pub_Name[2] = "Site";
    model::FileSave(program);
    EXPECT_NE(Slurp(folder.File("Polvant.ini")).find("\"#pub_Name(2)\"\r\n\"Site\"\r\n"), std::string::npos);
    EXPECT_NE(Slurp(folder.File("UserDatums.vdx")).find("Local grid"), std::string::npos);
    EXPECT_EQ(notices.notices.size(), 2u);
}

}  // namespace
