// The user's files through the whole program: a start-up without its data
// files, damaged setup and user-datum files, failed saves and two programs on
// one data folder. Each case runs the built twopoint-calc session on real
// files and checks the notices, the exit status and the files before and after.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "datums/user_datums.h"
#include "model/setup_file.h"
#include "platform/safe_files.h"
#include "session_run.h"
#include "support/setup_files.h"

namespace {

namespace fs = std::filesystem;

using setup_files::kDefaultSetupFile;
using setup_files::ReadBytes;
using setup_files::WithGroup;
using setup_files::WriteBytes;

constexpr const char* kSetupNotStored =
    " Setup file Polvant.ini not stored! (If an existing Polvant.ini file was established by Administrator and "
    "you have no administrator access this will occur.) However, you can save your work with any other "
    "filename with the Save As function!";

std::string UserDatumRow(int number, const std::string& name, const std::string& a = "6378388") {
    return std::to_string(number) + "\r\n\"" + name + "\"\r\n\"International 1924\"\r\n\"Area\"\r\n" + a +
           "\r\n297\r\n\"\"\r\n-87\r\n-98\r\n-121\r\n0\r\n0\r\n0.814\r\n-0.38\r\n";
}

// Every entry of a folder by name.
std::set<std::string> Entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// The one entry whose name begins with prefix, or "" when there is none or more.
std::string OnlyEntryStarting(const fs::path& folder, const std::string& prefix) {
    std::string found;
    for (const std::string& name : Entries(folder)) {
        if (name.rfind(prefix, 0) != 0) continue;
        if (!found.empty()) return "";
        found = name;
    }
    return found;
}

class DataSafety : public ::testing::Test {
protected:
    fs::path root, user_dir, data_dir;

    void SetUp() override {
        root = session_run::FreshUserFolder("twopoint_data_safety");
        user_dir = root / "user";
        data_dir = TWOPOINT_TEST_DATA_DIR;
        fs::create_directories(user_dir);
    }
    void TearDown() override {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(root, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(root, ignored);
    }

    // A private copy of the catalogue's data files, to damage.
    void CopyDataFiles() {
        data_dir = root / "data";
        fs::create_directories(data_dir);
        for (const char* name : {"Ellipser.vdx", "Molodens.vdx", "NorthSea.vdx", "ngo-data.vdx"})
            fs::copy_file(fs::path(TWOPOINT_TEST_DATA_DIR) / name, data_dir / name);
    }

    session_run::Output Run(const std::string& script, const std::string& options = "") const {
        return session_run::RunCalc("session --data-dir '" + data_dir.string() + "' --user-dir '" +
                                        user_dir.string() + "' " + options,
                                    script);
    }
};

TEST_F(DataSafety, WithoutItsDataFilesTheProgramStopsAndWritesNothing) {
    CopyDataFiles();
    const std::string ellipsoids = ReadBytes(data_dir / "Ellipser.vdx");
    const std::string molodensky = ReadBytes(data_dir / "Molodens.vdx");
    const std::string path = (data_dir / "Ellipser.vdx").string();
    struct Case {
        const char* what;
        std::function<void()> damage;
        std::string problem;
    };
    const Case cases[] = {
        {"missing", [&] { fs::remove(path); },
         "\"Ellipser.vdx\": the file is missing or cannot be opened (" + path + ")"},
        {"missing Molodensky file", [&] { fs::remove(data_dir / "Molodens.vdx"); },
         "\"Molodens.vdx\": the file is missing or cannot be opened (" + (data_dir / "Molodens.vdx").string() + ")"},
        {"empty", [&] { WriteBytes(path, ""); }, "\"Ellipser.vdx\": the file holds no rows"},
        {"blank lines only", [&] { WriteBytes(path, "\r\n  \r\n"); }, "\"Ellipser.vdx\": the file holds no rows"},
        {"a folder", [&] { fs::remove(path), fs::create_directory(path); },
         "\"Ellipser.vdx\": the file cannot be read (" + path + " is not a regular file)"},
        {"a FIFO", [&] { fs::remove(path), ::mkfifo(path.c_str(), 0644); },
         "\"Ellipser.vdx\": the file cannot be read (" + path + " is not a regular file)"},
        {"cut short", [&] { WriteBytes(path, ellipsoids + "\"Clarke 1880\",6378249.145\r\n"); },
         "\"Ellipser.vdx\", line " + std::to_string(std::count(ellipsoids.begin(), ellipsoids.end(), '\n') + 1) +
             ": the file ends before field InvF"},
        {"garbage", [&] { WriteBytes(path, "\"Hayford\",six million,297\r\n"); },
         "\"Ellipser.vdx\", line 1: field a: 'six million' is not a number"},
    };
    WriteBytes(user_dir / "Polvant.ini", kDefaultSetupFile);
    WriteBytes(user_dir / "UserDatums.vdx", UserDatumRow(1, "Contract"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.damage();
        const session_run::Output result = Run("name 0 Lost\nsheet\nstate\n");
        EXPECT_EQ(result.status, 1) << result.text;
        EXPECT_EQ(result.lines, std::vector<std::string>{"notice: [stop] Twopoint: Twopoint cannot start: " +
                                                         c.problem + "\\r(The data files are searched for in " +
                                                         data_dir.string() + ")"});
        EXPECT_EQ(ReadBytes(user_dir / "Polvant.ini"), kDefaultSetupFile);
        EXPECT_EQ(ReadBytes(user_dir / "UserDatums.vdx"), UserDatumRow(1, "Contract"));
        EXPECT_EQ(Entries(user_dir), (std::set<std::string>{"Polvant.ini", "UserDatums.vdx"}));
        fs::remove_all(path);
        fs::remove_all(data_dir / "Molodens.vdx");
        WriteBytes(path, ellipsoids);
        WriteBytes(data_dir / "Molodens.vdx", molodensky);
    }
}

TEST_F(DataSafety, ADamagedSetupFileIsKeptAndReadAsFarAsItCanBe) {
    // The user's own values, and in each case one value no dialog can set.
    const std::string own = WithGroup("#pub_Name(0)", "\"Well 7\",1.06465084371661,.0872664625997222,12\r\n");
    struct Case {
        const char* what;
        std::string file;
        std::string problem;
        const char* field;  // the field that takes its default
        const char* default_value;
    };
    const auto with = [&](const char* key, const char* lines) { return WithGroup(key, lines, own); };
    const Case cases[] = {
        {"geographic option 3", with("#pub_GeogFormat", "\"Degrees\",3,3,\" deg\",57.2957795130785,\"n/a\"\r\n"),
         "line 28: format option 3 is not one of the format's options", "pub_GeogFormat.Option", "0"},
        {"decimals 20", with("#pub_HgtFormat", "\"Meter\",0,20,\" m\",1,\"0.0\"\r\n"),
         "line 30: decimals count 20 outside 0 ... 4", "pub_HgtFormat.Decimals", "1"},
        {"decimals -1", with("#pub_DistFormat", "\"Meter\",0,-1,\" m\",1,\"0.00\"\r\n"),
         "line 36: decimals count -1 outside 0 ... 4", "pub_DistFormat.Decimals", "2"},
        {"zone 0", with("#pub_GridSystem(0)", "\"UTM - Northern Latitudes\",0\r\n"),
         "line 14: zone 0 outside 1 ... 60", "pub_Zone(0)", "31"},
        {"zone 61", with("#pub_GridSystem(1)", "\"UTM - Northern Latitudes\",61\r\n"),
         "line 20: zone 61 outside 1 ... 60", "pub_Zone(1)", "31"},
        {"zone 31.5", with("#pub_GridSystem(0)", "\"UTM - Northern Latitudes\",31.5\r\n"),
         "line 14: the zone \"31.5\" is not a whole number", "pub_Zone(0)", "31"},
        {"datum option 9",
         with("#pub_Datum(1)", "9,0,\"Mine\",\"Here\"\r\n\"E\",6378388,6356911.9461279,.00336700336700337,"
                               ".00672267002233332\r\n\"\",0,0,0,0,0,0,0\r\n"),
         "line 16: datum option 9 outside 0 ... 3", "pub_Datum(1).Name", "WGS84 - World Geodetic system 1984"},
        {"display factor 0", with("#pub_CartFormat", "\"Meter\",0,2,\" m\",0,\"0.00\"\r\n"),
         "line 32: the display factor is 0", "pub_CartFormat.Factor", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(user_dir);
        fs::create_directories(user_dir);
        WriteBytes(user_dir / "Polvant.ini", c.file);
        const session_run::Output result = Run("# read\nstate\n");
        EXPECT_EQ(result.status, 0) << result.text;
        const std::string copy = OnlyEntryStarting(user_dir, "Polvant.ini.bad-");
        ASSERT_FALSE(copy.empty()) << result.text;
        EXPECT_EQ(ReadBytes(user_dir / copy), c.file);
        EXPECT_EQ(result.Notices(), std::vector<std::string>{
                                        "notice: [exclamation] Twopoint: Error in Setup file. Default data loaded"
                                        "\\r(Default values for: " + c.problem + ")\\r(The file as it was is kept as " +
                                        copy + ")"});
        EXPECT_TRUE(session_run::Holds(result.Fields("read"), {{"pub_Name(0)", "Well 7"},
                                                               {"pub_Hgt(0)", "12"},
                                                               {c.field, c.default_value}}));
        // The exit writes the values read, the bad one as its default.
        EXPECT_EQ(ReadBytes(user_dir / "Polvant.ini"), own);
    }

    // A file cut short and an empty one: what was read stays, and the notice says what is missing.
    fs::remove_all(user_dir);
    fs::create_directories(user_dir);
    const std::string cut = own.substr(0, own.find("\"#pub_GeogFormat\""));
    WriteBytes(user_dir / "Polvant.ini", cut);
    const session_run::Output short_file = Run("# read\nstate\n", "--no-save");
    const std::string copy = OnlyEntryStarting(user_dir, "Polvant.ini.bad-");
    ASSERT_FALSE(copy.empty());
    EXPECT_EQ(ReadBytes(user_dir / copy), cut);
    EXPECT_EQ(short_file.Notices(),
              std::vector<std::string>{
                  "notice: [exclamation] Twopoint: Error in Setup file. Default data loaded\\r(Default values for: "
                  "the group \"#pub_GeogFormat\" is missing; the group \"#pub_HgtFormat\" is missing; the group "
                  "\"#pub_CartFormat\" is missing; the group \"#pub_GridFormat\" is missing; the group "
                  "\"#pub_DistFormat\" is missing; and 4 more)\\r(The file as it was is kept as " + copy + ")"});
    EXPECT_EQ(short_file.Fields("read").at("pub_Name(0)"), "Well 7");

    fs::remove_all(user_dir);
    fs::create_directories(user_dir);
    WriteBytes(user_dir / "Polvant.ini", "");
    const session_run::Output empty = Run("", "--no-save");
    EXPECT_EQ(empty.Notices(), std::vector<std::string>{"notice: [exclamation] Twopoint: Error in Setup file. Default "
                                                        "data loaded\\r(Default values for: the file holds no setup "
                                                        "groups)"});
}

TEST_F(DataSafety, UnreadableUserDatumRowsAreReportedKeptAndWrittenBack) {
    const std::string bad_row = UserDatumRow(2, "Two", "6378x388");
    const std::string file = UserDatumRow(1, "One") + bad_row + UserDatumRow(3, "Three");
    WriteBytes(user_dir / "UserDatums.vdx", file);
    const session_run::Output result = Run(
        "# loaded\nuserdatums\n"
        "userdatum open\nuserdatum type name Four\nuserdatum type area Area\nuserdatum ellipsoid 0\nuserdatum ok\n");
    EXPECT_EQ(result.status, 0) << result.text;
    const std::string copy = OnlyEntryStarting(user_dir, "UserDatums.vdx.bad-");
    ASSERT_FALSE(copy.empty()) << result.text;
    EXPECT_EQ(ReadBytes(user_dir / copy), file);
    ASSERT_GE(result.Notices().size(), 1u);
    EXPECT_EQ(result.Notices()[0],
              "notice: [exclamation] Twopoint: Error in user datum file UserDatums.vdx. Rows not loaded: row 2: "
              "field a: '6378x388' is not a number (line 19)\\r(These rows are kept unchanged in UserDatums.vdx "
              "when it is stored.)\\r(The file as it was is kept as " + copy + ")");
    const auto loaded = result.Block("loaded");
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0].substr(0, 14), "userdatum\t1\tOn");
    EXPECT_EQ(loaded[1].substr(0, 14), "userdatum\t3\tTh");
    // The new row joins the rows read; the unreadable row follows them as it was.
    const std::string saved = ReadBytes(user_dir / "UserDatums.vdx");
    EXPECT_EQ(saved.substr(0, UserDatumRow(1, "One").size()), UserDatumRow(1, "One"));
    EXPECT_NE(saved.find("\"Four\""), std::string::npos);
    EXPECT_EQ(saved.substr(saved.size() - bad_row.size()), bad_row);

    // More rows than the table holds: the rest are named and kept.
    fs::remove_all(user_dir);
    fs::create_directories(user_dir);
    std::string many;
    for (int k = 1; k <= 32768; ++k) many += UserDatumRow(k, "R");
    WriteBytes(user_dir / "UserDatums.vdx", many);
    const session_run::Output full = Run("", "--no-save");
    ASSERT_EQ(full.Notices().size(), 2u) << full.text;
    EXPECT_EQ(full.Notices()[0].rfind(
                  "notice: [exclamation] Twopoint: Error in user datum file UserDatums.vdx. Rows not loaded: rows 32768 "
                  "and on: the table holds 32767 user datums\\r(These rows are kept unchanged",
                  0),
              0u)
        << full.Notices()[0];
}

TEST_F(DataSafety, AFailedSaveIsNeverReportedAsSuccess) {
    const fs::path locked = user_dir / "locked";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path fifo = user_dir / "report.fifo";
    ::mkfifo(fifo.c_str(), 0644);
    const std::string report_path = (locked / "report.txt").string();
    const session_run::Output result = Run("saveas " + (locked / "job.ini").string() + "\nreport " + report_path +
                                           "\nreport " + fifo.string() + "\n", "--no-save");
    EXPECT_EQ(result.status, 0) << result.text;
    EXPECT_EQ(result.Notices(),
              (std::vector<std::string>{
                  "notice: [information] Twopoint: Setup file do not exist. Default data loaded.\\r(A new setupfile "
                  "will be generated when exiting program the first time.)",
                  std::string("notice: [none] Twopoint: Permission denied") + kSetupNotStored,
                  "notice: [none] Twopoint: Permission denied. The report was not written to " + report_path,
                  "notice: [none] Twopoint: " + fifo.string() + " is not a regular file. The report was not written to " +
                      fifo.string()}));
    EXPECT_TRUE(fs::is_empty(locked));
}

TEST_F(DataSafety, OutputThatCannotBeWrittenEndsTheSessionWithAFailure) {
    const fs::path errors = root / "errors.txt";
    const std::string command = "'" + std::string(TWOPOINT_CALC_PROGRAM) + "' session --data-dir '" + data_dir.string() +
                                "' --user-dir '" + user_dir.string() + "' < /dev/null > /dev/full 2> '" +
                                errors.string() + "'";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
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
    const std::string in_use = std::string(model::kDataFolderInUseDescription);
    EXPECT_EQ(second.Notices(),
              (std::vector<std::string>{
                  "notice: [information] Twopoint: Another Twopoint program is using the data folder " +
                      user_dir.string() +
                      ". This program will not store the setup file or the user datums there; use Save As to keep "
                      "the setup.",
                  "notice: [none] Twopoint: " + model::SaveDefaultSetupNotice().text,
                  "notice: [none] Twopoint: " + in_use + kSetupNotStored,
                  "notice: [none] Twopoint: " + in_use + datums::kUserDatumsNotStoredText,
                  "notice: [none] Twopoint: " + in_use,
                  "notice: [none] Twopoint: Setup saved as " + (root / "mine.ini").string(),
                  "notice: [none] Twopoint: " + in_use + kSetupNotStored,
                  "notice: [none] Twopoint: " + in_use + datums::kUserDatumsNotStoredText}));
    EXPECT_EQ(ReadBytes(user_dir / "Polvant.ini"), kDefaultSetupFile);
    EXPECT_EQ(ReadBytes(user_dir / "UserDatums.vdx"), UserDatumRow(1, "Contract"));
    EXPECT_NE(ReadBytes(root / "mine.ini").find("\"Second\""), std::string::npos);
}

// Starts two sessions on one data folder at once and waits for both.
std::array<session_run::Output, 2> RunTwoAtOnce(const std::string& arguments, const std::array<std::string, 2>& scripts,
                                                const fs::path& scratch) {
    std::array<FILE*, 2> pipes{};
    std::array<session_run::Output, 2> results;
    for (int k = 0; k < 2; ++k) {
        const fs::path input = scratch / ("input" + std::to_string(k));
        std::ofstream(input, std::ios::binary) << scripts[k];
        pipes[k] = ::popen(("'" + std::string(TWOPOINT_CALC_PROGRAM) + "' " + arguments + " < '" + input.string() +
                            "' 2>&1")
                               .c_str(),
                           "r");
    }
    for (int k = 0; k < 2; ++k) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipes[k])) > 0) results[k].text.append(buffer, n);
        ::pclose(pipes[k]);
        std::istringstream lines(results[k].text);
        for (std::string line; std::getline(lines, line);) results[k].lines.push_back(line);
    }
    return results;
}

TEST_F(DataSafety, TwoProgramsSavingToOneFolderNeverTearAFileOrLoseADatum) {
    const std::string arguments =
        "session --data-dir '" + data_dir.string() + "' --user-dir '" + user_dir.string() + "'";
    const std::string in_use = "notice: [information] Twopoint: Another Twopoint program is using the data folder " +
                               user_dir.string() +
                               ". This program will not store the setup file or the user datums there; use Save As "
                               "to keep the setup.";
    std::set<std::string> stored;  // every datum a program was not told it could not store
    for (int round = 0; round < 12; ++round) {
        std::array<std::string, 2> scripts;
        std::array<std::string, 2> names;
        for (int k = 0; k < 2; ++k) {
            names[k] = "R" + std::to_string(round) + "P" + std::to_string(k);
            scripts[k] = "name 0 " + names[k] + "\nuserdatum open\nuserdatum type name " + names[k] +
                         "\nuserdatum type area A\nuserdatum ellipsoid 0\nuserdatum ok\nsave\nsave\n";
        }
        const auto results = RunTwoAtOnce(arguments, scripts, root);
        for (int k = 0; k < 2; ++k) {
            const auto notices = results[k].Notices();
            const bool locked_out = std::find(notices.begin(), notices.end(), in_use) != notices.end();
            if (!locked_out) stored.insert(names[k]);
        }
        // The setup file is always one program's whole file.
        model::SetupRecord record = model::CaptureSetup(model::DefaultState());
        const model::SetupReadResult read = model::DecodeSetup(ReadBytes(user_dir / "Polvant.ini"), record);
        ASSERT_EQ(read.status, model::SetupReadStatus::Ok) << read.problem;
        EXPECT_EQ(setup_files::Groups(ReadBytes(user_dir / "Polvant.ini")).size(), 20u);
        // Every datum stored is there, and nothing else.
        std::set<std::string> in_file;
        for (const auto& row : datums::ReadUserDatumFile(ReadBytes(user_dir / "UserDatums.vdx")).rows)
            in_file.insert(row.Name);
        ASSERT_EQ(in_file, stored) << "round " << round;
    }
    EXPECT_EQ(Entries(user_dir), (std::set<std::string>{"Polvant.ini", "Polvant.lock", "UserDatums.vdx"}));
}

}  // namespace
