// Fault injection for every file the program writes (the setup file, the
// user-datum file, the report): a failure at each step of a write, a full
// disk, a read-only data folder and a data folder that cannot be created each
// give the program's notice and leave the previous file whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <system_error>
#include <iterator>
#include <set>
#include <thread>
#include <atomic>
#include <sys/stat.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "datums/user_datums.h"
#include "model/program.h"
#include "model/report.h"
#include "model/setup_file.h"
#include "platform/safe_files.h"
#include "support/file_faults.h"
#include "support/setup_files.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kSetupNotStored =
    " Setup file Polvant.ini not stored! (If an existing Polvant.ini file was established by Administrator and "
    "you have no administrator access this will occur.) However, you can save your work with any other "
    "filename with the Save As function!";

using Folder = setup_files::TempFolder;
const auto Bytes = setup_files::ReadBytes;

std::size_t Entries(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

model::SetupRecord SetupNamed(const std::string& name) {
    model::CalcState state = model::DefaultState();
    state.pub_Name[0] = name;
    return model::CaptureSetup(state);
}

std::vector<datums::DatumEntry> UserRows(int count) {
    std::vector<datums::DatumEntry> rows;
    for (int k = 1; k <= count; ++k)
        rows.push_back({k, "Own " + std::to_string(k), "International 1924", "Area", 6378388.0, 297.0, "", -87, -98,
                        -121, 0, 0, 0.814, -0.38});
    return rows;
}

// The notice of a failed write: a description of the failure, then the fixed text.
void ExpectNotStoredNotice(const platform::RecordedNotices& notices, const std::string& fixed_text) {
    ASSERT_EQ(notices.notices.size(), 1u);
    const std::string& text = notices.notices[0].text;
    EXPECT_TRUE(EndsWith(text, fixed_text)) << text;
    EXPECT_GT(text.size(), fixed_text.size() + 1) << "no description of the failure: " << text;
    EXPECT_EQ(text.find("Success"), std::string::npos) << text;
    EXPECT_EQ(notices.notices[0].icon, platform::Icon::None);
}

// An old setup file and user-datum file in the folder.
void WriteOldFiles(const Folder& folder) {
    platform::RecordedNotices notices;
    EXPECT_TRUE(model::WriteSetup(folder.File(model::kDefaultSetupFileName), SetupNamed("old"), notices.Sink()));
    EXPECT_TRUE(datums::SaveUserDatums(UserRows(1), folder.path, notices.Sink()));
}

TEST(FileFaults, AFailureAtEachStepOfAWriteKeepsTheOldFile) {
    Folder folder;
    const std::string setup = folder.File(model::kDefaultSetupFileName);
    WriteOldFiles(folder);
    std::size_t lines = 0;
    model::WriteSetupFile(folder.File("count.ini"), SetupNamed("new"), [&](std::size_t n) { lines = n; });
    fs::remove(folder.File("count.ini"));
    ASSERT_GT(lines, 20u);

    using Probe = std::function<void(std::size_t)>;
    const struct {
        std::string file, not_stored;
        std::size_t steps;  // lines of the setup file, rows of the user datums
        std::function<bool(const platform::NoticeSink&, const Probe&)> write;
    } writers[] = {
        {setup, kSetupNotStored, lines,
         [&](const platform::NoticeSink& sink, const Probe& probe) {
             return model::WriteSetup(setup, SetupNamed("new"), sink, probe);
         }},
        {folder.File(datums::kUserDatumFileName), datums::kUserDatumsNotStoredText, 4,
         [&](const platform::NoticeSink& sink, const Probe& probe) {
             return datums::SaveUserDatums(UserRows(4), folder.path, sink, probe);
         }},
    };
    for (const auto& w : writers) {
        const std::string old_bytes = Bytes(w.file);
        for (std::size_t failing = 1; failing <= w.steps; ++failing) {
            SCOPED_TRACE(w.file + " failing at step " + std::to_string(failing));
            platform::RecordedNotices one;
            EXPECT_FALSE(w.write(one.Sink(), [&](std::size_t n) {
                if (n != failing) return;
                if (n % 2) throw std::runtime_error("Input/output error");
                throw std::system_error(EIO, std::generic_category(), "write");
            }));
            ExpectNotStoredNotice(one, w.not_stored);
            EXPECT_EQ(Bytes(w.file), old_bytes);
            EXPECT_EQ(Entries(folder.path), 2u);  // no temporary file left
        }
    }

    // The last step, the rename over the old file, fails when a folder stands there.
    const std::string occupied = folder.File("occupied.ini");
    fs::create_directories(fs::path(occupied) / "inside");
    platform::RecordedNotices renamed;
    EXPECT_FALSE(model::WriteSetup(occupied, SetupNamed("new"), renamed.Sink()));
    ExpectNotStoredNotice(renamed, kSetupNotStored);
    EXPECT_TRUE(fs::exists(fs::path(occupied) / "inside"));
    EXPECT_FALSE(fs::exists(occupied + ".tmp"));
}

TEST(FileFaults, AFullDiskKeepsEveryPreviousFile) {
    Folder folder;
    WriteOldFiles(folder);
    const std::string setup = folder.File(model::kDefaultSetupFileName);
    const std::string user_datums = folder.File(datums::kUserDatumFileName);
    const std::string old_setup = Bytes(setup), old_user_datums = Bytes(user_datums);
    const fs::path report = folder.File("report.txt");
    ASSERT_FALSE(model::AppendReportText(report, "first report").has_value());
    const std::string old_report = Bytes(report);
    {
        // Room for a little more than the report, far less than the new files.
        faults::FileSizeLimit full_disk(old_report.size() + 10);
        platform::RecordedNotices setup_notice, datums_notice;
        EXPECT_FALSE(model::WriteSetup(setup, SetupNamed("new"), setup_notice.Sink()));
        EXPECT_FALSE(datums::SaveUserDatums(UserRows(5), folder.path, datums_notice.Sink()));
        ExpectNotStoredNotice(setup_notice, kSetupNotStored);
        ExpectNotStoredNotice(datums_notice, datums::kUserDatumsNotStoredText);
        const auto report_error = model::AppendReportText(report, std::string(100, 'x'));
        ASSERT_TRUE(report_error.has_value());
        EXPECT_EQ(*report_error, "File too large");
        // A report that cannot be appended whole is not appended at all.
        EXPECT_EQ(Bytes(report), old_report);
        EXPECT_TRUE(model::AppendReportText(folder.path / "new report.txt", std::string(100, 'y')).has_value());
    }
    // (A read-only folder is the unwritable_folder session.)
    EXPECT_EQ(Bytes(setup), old_setup);
    EXPECT_EQ(Bytes(user_datums), old_user_datums);
    EXPECT_EQ(Entries(folder.path), 3u);

    // A device is no report file, not even one that is always full.
    const auto full = model::AppendReportText("/dev/full", "report");
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(*full, "/dev/full is not a regular file");
}

TEST(FileFaults, ADataFolderThatCannotBeCreatedGivesNoticesAndTheProgramGoesOn) {
    Folder folder;
    std::ofstream(folder.File("plain file")) << "not a folder";
    platform::RecordedNotices notices;
    model::Program program;
    program.folders.program_data = TWOPOINT_TEST_DATA_DIR;
    program.folders.user_data = folder.File("plain file") + "/Polvant";
    program.platform.notices = notices.Sink();
    program.platform.folders = model::FileSystemFolders();
    model::StartUp(program);
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].text, model::SetupNotFoundNotice().text);
    EXPECT_EQ(program.sheet.Text(model::Row::Lat0), "60\u00B0 00' 00.000\" N ");

    notices.notices.clear();
    program.catalogue.UserDatums = UserRows(1);
    program.user_datums_changed = true;
    model::ShutDown(program);
    ASSERT_EQ(notices.notices.size(), 2u);
    EXPECT_EQ(notices.notices[0].text, std::string("Not a directory") + kSetupNotStored);
    EXPECT_EQ(notices.notices[1].text, std::string("Not a directory") + datums::kUserDatumsNotStoredText);
    EXPECT_TRUE(program.user_datums_changed);  // still to be saved
    EXPECT_EQ(Bytes(folder.File("plain file")), "not a folder");
}

TEST(FileFaults, FilesOfTheWrongKindAreRefusedWithoutWaiting) {
    Folder folder;
    const std::string setup = folder.File(model::kDefaultSetupFileName);
    const std::string user_datums = folder.File(datums::kUserDatumFileName);
    const std::string report = folder.File("report.txt");
    // (A folder in the setup file's place is the folder_in_place_of_setup_file session.)
    for (const std::string& path : {setup, user_datums, report}) ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    const auto not_regular = [](const std::string& path) { return path + " is not a regular file"; };
    {

        platform::RecordedNotices read_notices;
        model::SetupRecord record = SetupNamed("kept");
        EXPECT_FALSE(model::ReadSetup(setup, record, read_notices.Sink()));
        EXPECT_EQ(record.pub_Name[0], "kept");
        EXPECT_TRUE(datums::LoadUserDatumFile(folder.path, read_notices.Sink()).rows.empty());
        ASSERT_EQ(read_notices.notices.size(), 2u);
        EXPECT_EQ(read_notices.notices[0].text, model::SetupErrorNotice().text + "\r(Default values for: " +
                                                    not_regular(setup) + ")");
        EXPECT_EQ(read_notices.notices[1].text, datums::kUserDatumsUnreadText + not_regular(user_datums));

        platform::RecordedNotices write_notices;
        EXPECT_FALSE(model::WriteSetup(setup, SetupNamed("new"), write_notices.Sink()));
        EXPECT_FALSE(datums::SaveUserDatums(UserRows(1), folder.path, write_notices.Sink()));
        ASSERT_EQ(write_notices.notices.size(), 2u);
        EXPECT_EQ(write_notices.notices[0].text, not_regular(setup) + kSetupNotStored);
        EXPECT_EQ(write_notices.notices[1].text, not_regular(user_datums) + datums::kUserDatumsNotStoredText);
        EXPECT_EQ(model::AppendReportText(report, "report"), not_regular(report));

        for (const std::string& path : {setup, user_datums, report}) EXPECT_TRUE(fs::is_fifo(path));
        EXPECT_EQ(Entries(folder.path), 3u);  // nothing made beside them
    }
}

TEST(FileFaults, LinksAreNeverFollowedWhenAFileIsMade) {
    Folder folder;
    const std::string victim = folder.File("victim.txt");
    std::ofstream(victim) << "precious";
    // Links where earlier versions put their temporary files, and at a damaged file's copy.
    for (const char* name : {"Polvant.ini.tmp", "UserDatums.vdx.new", "report.txt.tmp"})
        fs::create_symlink(victim, folder.File(name));
    platform::RecordedNotices notices;
    EXPECT_TRUE(model::WriteSetup(folder.File(model::kDefaultSetupFileName), SetupNamed("new"), notices.Sink()));
    EXPECT_TRUE(datums::SaveUserDatums(UserRows(2), folder.path, notices.Sink()));
    EXPECT_FALSE(model::AppendReportText(folder.File("report.txt"), "report").has_value());
    EXPECT_THROW(platform::CreateNewFile(folder.File("Polvant.ini.tmp"), "new"), platform::FileError);
    EXPECT_TRUE(notices.notices.empty());
    EXPECT_EQ(Bytes(victim), "precious");
    for (const char* name : {"Polvant.ini.tmp", "UserDatums.vdx.new", "report.txt.tmp"})
        EXPECT_TRUE(fs::is_symlink(folder.File(name)));
    EXPECT_EQ(Entries(folder.path), 7u);
}

TEST(FileFaults, ASaveKeepsTheFilesModeAndRefusesAReadOnlyFile) {
    Folder folder;
    WriteOldFiles(folder);
    const std::string setup = folder.File(model::kDefaultSetupFileName);
    const std::string user_datums = folder.File(datums::kUserDatumFileName);
    const std::string report = folder.File("report.txt");
    ASSERT_FALSE(model::AppendReportText(report, "first").has_value());
    const auto mode = [](const std::string& path) { return fs::status(path).permissions() & fs::perms::mask; };
    using P = fs::perms;
    for (const std::string& path : {setup, user_datums, report}) fs::permissions(path, P::owner_read | P::owner_write);
    platform::RecordedNotices notices;
    EXPECT_TRUE(model::WriteSetup(setup, SetupNamed("private"), notices.Sink()));
    EXPECT_TRUE(datums::SaveUserDatums(UserRows(3), folder.path, notices.Sink()));
    EXPECT_FALSE(model::AppendReportText(report, "second").has_value());
    for (const std::string& path : {setup, user_datums, report}) EXPECT_EQ(mode(path), P::owner_read | P::owner_write);

    // (A read-only setup file is the read_only_setup_file session.)
    for (const std::string& path : {user_datums, report})
        fs::permissions(path, P::owner_read | P::group_read | P::others_read);
    const std::string user_bytes = Bytes(user_datums), report_bytes = Bytes(report);
    platform::RecordedNotices refused;
    EXPECT_FALSE(datums::SaveUserDatums({}, folder.path, refused.Sink()));  // removing it is writing it
    EXPECT_EQ(model::AppendReportText(report, "third"), "Permission denied");
    ASSERT_EQ(refused.notices.size(), 1u);
    EXPECT_EQ(refused.notices[0].text, std::string("Permission denied") + datums::kUserDatumsNotStoredText);
    EXPECT_EQ(Bytes(user_datums), user_bytes);
    EXPECT_EQ(Bytes(report), report_bytes);
}

TEST(FileFaults, WritersRacingOnOneFileLeaveOneWholeFileAndNoTemporaryFile) {
    Folder folder;
    const std::string path = folder.File(model::kDefaultSetupFileName);
    constexpr int kWriters = 4, kWrites = 40;
    std::set<std::string> written;
    for (int w = 0; w < kWriters; ++w)
        for (int k = 0; k < kWrites; ++k) written.insert(model::EncodeSetup(SetupNamed(std::string(w * 30 + k, 'x'))));
    ASSERT_TRUE(model::WriteSetup(path, SetupNamed(""), platform::RecordedNotices().Sink()));
    written.insert(Bytes(path));
    std::atomic<bool> done{false};
    std::atomic<int> failures{0};
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&, w] {
            for (int k = 0; k < kWrites; ++k) {
                try {
                    model::WriteSetupFile(path, SetupNamed(std::string(w * 30 + k, 'x')));
                } catch (const std::exception&) {
                    ++failures;
                }
            }
        });
    std::set<std::string> torn;
    std::thread reader([&] {
        while (!done) {
            const std::string bytes = Bytes(path);
            if (!written.count(bytes)) torn.insert(bytes);
        }
    });
    for (std::thread& writer : writers) writer.join();
    done = true;
    reader.join();
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(torn.empty()) << *torn.begin();
    EXPECT_EQ(Entries(folder.path), 1u);
}

}  // namespace
