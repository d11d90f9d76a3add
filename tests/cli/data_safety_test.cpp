// The user's files through the whole program: damaged setup and user-datum
// files, writes that fail, and two programs on one data folder (a start-up
// without sound data files is a session file). Each case runs the built
// twopoint-calc session on real files and checks the notices, the exit status
// and the files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "datums/user_datums.h"
#include "model/setup_file.h"
#include "platform/safe_files.h"
#include "session_run.h"
#include "support/setup_files.h"

namespace {

namespace fs = std::filesystem;

using namespace setup_files;  // the defaults' setup file, its groups, and bytes in and out

const std::string kNotStored =
    " Setup file Polvant.ini not stored! (If an existing Polvant.ini file was established by Administrator and "
    "you have no administrator access this will occur.) However, you can save your work with any other "
    "filename with the Save As function!";
const std::string kErrorInSetup = "notice: [exclamation] Twopoint: Error in Setup file. Default data loaded\\r(Default values for: ";

std::string UserDatumRow(int number, const std::string& name, const std::string& a = "6378388") {
    return std::to_string(number) + "\r\n\"" + name + "\"\r\n\"International 1924\"\r\n\"Area\"\r\n" + a +
           "\r\n297\r\n\"\"\r\n-87\r\n-98\r\n-121\r\n0\r\n0\r\n0.814\r\n-0.38\r\n";
}

std::set<std::string> Entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// The copy a damaged file is kept as: the one entry named PREFIX.bad-...
std::string BadCopy(const fs::path& folder, const std::string& prefix) {
    std::string found;
    for (const std::string& name : Entries(folder))
        if (name.rfind(prefix + ".bad-", 0) == 0) found = found.empty() ? name : "(more than one)";
    return found;
}

class DataSafety : public ::testing::Test {
protected:
    setup_files::TempFolder folder;
    fs::path root = folder.path;
    fs::path user_dir = root / "user";
    fs::path data_dir = TWOPOINT_TEST_DATA_DIR;

    void SetUp() override { fs::create_directories(user_dir); }
    std::string Arguments() const {
        return "session --data-dir '" + data_dir.string() + "' --user-dir '" + user_dir.string() + "' ";
    }
    session_run::Output Run(const std::string& script, const std::string& options = "") const {
        return session_run::RunCalc(Arguments() + options, script);
    }
    void FreshUserFolder() const {
        fs::remove_all(user_dir);
        fs::create_directories(user_dir);
    }
};

TEST_F(DataSafety, ADamagedSetupFileIsKeptAndReadAsFarAsItCanBe) {
    // The user's own values, and in each case one value no dialog can set: it
    // takes its default, the rest is read, and the exit writes the values read.
    const std::string own = WithGroup("#pub_Name(0)", "\"Well 7\",1.06465084371661,.0872664625997222,12\r\n");
    const auto with = [&](const char* key, const char* lines) { return WithGroup(key, lines, own); };
    const struct {
        std::string file, problem, field, default_value;
    } cases[] = {
        {with("#pub_GeogFormat", "\"Degrees\",3,3,\" deg\",57.2957795130785,\"n/a\"\r\n"),
         "line 28: format option 3 is not one of the format's options", "pub_GeogFormat.Option", "0"},
        {with("#pub_HgtFormat", "\"Meter\",0,20,\" m\",1,\"0.0\"\r\n"), "line 30: decimals count 20 outside 0 ... 4",
         "pub_HgtFormat.Decimals", "1"},
        {with("#pub_DistFormat", "\"Meter\",0,-1,\" m\",1,\"0.00\"\r\n"), "line 36: decimals count -1 outside 0 ... 4",
         "pub_DistFormat.Decimals", "2"},
        {with("#pub_GridSystem(0)", "\"UTM - Northern Latitudes\",0\r\n"), "line 14: zone 0 outside 1 ... 60", "pub_Zone(0)", "31"},
        {with("#pub_GridSystem(1)", "\"UTM - Northern Latitudes\",61\r\n"), "line 20: zone 61 outside 1 ... 60", "pub_Zone(1)", "31"},
        {with("#pub_GridSystem(0)", "\"UTM - Northern Latitudes\",31.5\r\n"),
         "line 14: the zone \"31.5\" is not a whole number", "pub_Zone(0)", "31"},
        {with("#pub_Datum(1)", "9,0,\"Mine\",\"Here\"\r\n\"E\",6378388,6356911.9461279,.00336700336700337,"
                               ".00672267002233332\r\n\"\",0,0,0,0,0,0,0\r\n"),
         "line 16: datum option 9 outside 0 ... 3", "pub_Datum(1).Name", "WGS84 - World Geodetic system 1984"},
        {with("#pub_CartFormat", "\"Meter\",0,2,\" m\",0,\"0.00\"\r\n"), "line 32: the display factor is 0",
         "pub_CartFormat.Factor", "1"},
        {own.substr(0, own.find("\"#pub_GeogFormat\"")),
         "the group \"#pub_GeogFormat\" is missing; the group \"#pub_HgtFormat\" is missing; the group "
         "\"#pub_CartFormat\" is missing; the group \"#pub_GridFormat\" is missing; the group \"#pub_DistFormat\" is "
         "missing; and 4 more", "pub_GeogFormat.Option", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        FreshUserFolder();
        WriteBytes(user_dir / "Polvant.ini", c.file);
        const session_run::Output result = Run("state\n");
        EXPECT_EQ(result.status, 0) << result.text;
        const std::string copy = BadCopy(user_dir, "Polvant.ini");
        EXPECT_EQ(ReadBytes(user_dir / copy), c.file);
        EXPECT_EQ(result.Notices(), std::vector<std::string>{kErrorInSetup + c.problem + ")\\r(The file as it was is kept as " + copy + ")"});
        EXPECT_EQ(result.Field("pub_Name(0)"), "Well 7");
        EXPECT_EQ(result.Field("pub_Hgt(0)"), "12");
        EXPECT_EQ(result.Field(c.field), c.default_value);
        EXPECT_EQ(ReadBytes(user_dir / "Polvant.ini"), own);
    }
    FreshUserFolder();
    WriteBytes(user_dir / "Polvant.ini", "");
    EXPECT_EQ(Run("", "--no-save").Notices(), std::vector<std::string>{kErrorInSetup + "the file holds no setup groups)"});
}

TEST_F(DataSafety, UnreadableUserDatumRowsAreReportedKeptAndWrittenBack) {
    const std::string bad_row = UserDatumRow(2, "Two", "6378x388");
    const std::string file = UserDatumRow(1, "One") + bad_row + UserDatumRow(3, "Three");
    WriteBytes(user_dir / "UserDatums.vdx", file);
    const session_run::Output result =
        Run("userdatums\nuserdatum open\nuserdatum type name Four\nuserdatum type area Area\nuserdatum ellipsoid 0\nuserdatum ok\n");
    EXPECT_EQ(result.status, 0) << result.text;
    const std::string copy = BadCopy(user_dir, "UserDatums.vdx");
    EXPECT_EQ(ReadBytes(user_dir / copy), file);
    ASSERT_GE(result.Notices().size(), 1u);
    EXPECT_EQ(result.Notices()[0],
              "notice: [exclamation] Twopoint: Error in user datum file UserDatums.vdx. Rows not loaded: row 2: "
              "field a: '6378x388' is not a number (line 19)\\r(These rows are kept unchanged in UserDatums.vdx "
              "when it is stored.)\\r(The file as it was is kept as " + copy + ")");
    EXPECT_EQ(result.Field("userdatum").substr(0, 7), "3\tThree");
    // The new row joins the rows read; the unreadable row follows them as it was.
    const std::string saved = ReadBytes(user_dir / "UserDatums.vdx");
    EXPECT_EQ(saved.rfind(UserDatumRow(1, "One"), 0), 0u);
    EXPECT_NE(saved.find("\"Four\""), std::string::npos);
    EXPECT_TRUE(saved.ends_with(bad_row));

    // More rows than the table holds: the rest are named and kept.
    FreshUserFolder();
    std::string many;
    for (int k = 1; k <= 32768; ++k) many += UserDatumRow(k, "R");
    WriteBytes(user_dir / "UserDatums.vdx", many);
    const auto notices = Run("", "--no-save").Notices();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].rfind("notice: [exclamation] Twopoint: Error in user datum file UserDatums.vdx. Rows not "
                               "loaded: rows 32768 and on: the table holds 32767 user datums\\r(These rows are kept unchanged", 0),
              0u)
        << notices[0];
}

TEST_F(DataSafety, OutputThatCannotBeWrittenEndsTheSessionWithAFailure) {
    const fs::path errors = root / "errors.txt";
    const int raw = std::system(("'" + std::string(TWOPOINT_CALC_PROGRAM) + "' " + Arguments() +
                                 "< /dev/null > /dev/full 2> '" + errors.string() + "'").c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1);
    EXPECT_EQ(ReadBytes(errors), "twopoint-calc session: the output could not be written\n");
}

TEST_F(DataSafety, ASecondProgramOnTheDataFolderSaysSoAndWritesNothingThere) {
    WriteBytes(user_dir / "Polvant.ini", kDefaultSetupFile);
    WriteBytes(user_dir / "UserDatums.vdx", UserDatumRow(1, "Contract"));
    WriteBytes(root / "job.ini", kDefaultSetupFile);
    const platform::FolderLockResult first = platform::LockDataFolder(user_dir.string());  // the first program
    ASSERT_EQ(first.status, platform::LockStatus::Held);
    const session_run::Output second =
        Run("name 0 Second\nuserdatum open\nuserdatum type name Mine\nuserdatum ellipsoid 0\nuserdatum ok\n"
            "save\nopen " + (root / "job.ini").string() + "\nsaveas " + (root / "mine.ini").string() + "\n");
    EXPECT_EQ(second.status, 0) << second.text;
    const std::string in_use = "notice: [none] Twopoint: " + std::string(model::kDataFolderInUseDescription);
    EXPECT_EQ(second.Notices(),
              (std::vector<std::string>{
                  "notice: [information] Twopoint: Another Twopoint program is using the data folder " + user_dir.string() +
                      ". This program will not store the setup file or the user datums there; use Save As to keep the setup.",
                  "notice: [none] Twopoint: " + model::SaveDefaultSetupNotice().text, in_use + kNotStored,
                  in_use + datums::kUserDatumsNotStoredText, in_use,
                  "notice: [none] Twopoint: Setup saved as " + (root / "mine.ini").string(), in_use + kNotStored,
                  in_use + datums::kUserDatumsNotStoredText}));
    EXPECT_EQ(ReadBytes(user_dir / "Polvant.ini"), kDefaultSetupFile);
    EXPECT_EQ(ReadBytes(user_dir / "UserDatums.vdx"), UserDatumRow(1, "Contract"));
    EXPECT_NE(ReadBytes(root / "mine.ini").find("\"Second\""), std::string::npos);
}

TEST_F(DataSafety, TwoProgramsSavingToOneFolderNeverTearAFileOrLoseADatum) {
    std::set<std::string> stored;  // every datum a program was not told it could not store
    for (int round = 0; round < 12; ++round) {
        std::string both;  // the two programs started together
        for (const std::string k : {"0", "1"}) {
            const std::string name = "R" + std::to_string(round) + "P" + k;
            WriteBytes(root / name, "name 0 " + name + "\nuserdatum open\nuserdatum type name " + name +
                                        "\nuserdatum type area A\nuserdatum ellipsoid 0\nuserdatum ok\nsave\nsave\n");
            both += "'" + std::string(TWOPOINT_CALC_PROGRAM) + "' " + Arguments() + "< '" + (root / name).string() +
                    "' > '" + (root / name).string() + ".out' 2>&1 & ";
        }
        ASSERT_EQ(std::system((both + "wait").c_str()), 0);
        for (const std::string k : {"0", "1"}) {
            const std::string name = "R" + std::to_string(round) + "P" + k;
            if (ReadBytes(root / (name + ".out")).find("Another Twopoint program is using the data folder") == std::string::npos)
                stored.insert(name);
        }
        // The setup file is always one program's whole file; every datum stored is there, and nothing else.
        model::SetupRecord record = model::CaptureSetup(model::DefaultState());
        const model::SetupReadResult read = model::DecodeSetup(ReadBytes(user_dir / "Polvant.ini"), record);
        ASSERT_EQ(read.status, model::SetupReadStatus::Ok) << read.problem;
        EXPECT_EQ(setup_files::Groups(ReadBytes(user_dir / "Polvant.ini")).size(), 20u);
        std::set<std::string> in_file;
        for (const auto& row : datums::ReadUserDatumFile(ReadBytes(user_dir / "UserDatums.vdx")).rows) in_file.insert(row.Name);
        ASSERT_EQ(in_file, stored) << "round " << round;
    }
    EXPECT_EQ(Entries(user_dir), (std::set<std::string>{"Polvant.ini", "Polvant.lock", "UserDatums.vdx"}));
}

}  // namespace
