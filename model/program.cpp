#include "model/program.h"

#include <cstdlib>
#include <filesystem>

#include "datums/geoid_files.h"
#include "datums/special_tables.h"
#include "datums/user_datums.h"
#include "model/layout.h"
#include "model/startup_steps.h"
#include "model/state_access.h"

#include "model/setup_file.h"
#include "text/run_action.h"

namespace model {

namespace {

constexpr const char* kSettingsSection = "Settings";
constexpr int kDefaultWindowPosition = 1000;
constexpr int kStartHeight = 9400;
constexpr int kStartWidth = 10400;

int StoredPosition(const Program& program, const char* key) {
    if (!program.platform.settings.get) return kDefaultWindowPosition;
    const auto value = program.platform.settings.get(kSettingsApplication, kSettingsSection, key);
    if (!value) return kDefaultWindowPosition;
    char* end = nullptr;
    const long position = std::strtol(value->c_str(), &end, 10);
    if (end == value->c_str()) return kDefaultWindowPosition;
    return static_cast<int>(position);
}

std::string SetupPath(const Program& program) {
    return DefaultSetupPath(program.folders.user_data);
}


}  // namespace

std::string DefaultUserDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return (std::filesystem::path(xdg) / "Polvant").string();
    const char* home = std::getenv("HOME");
    return (std::filesystem::path(home ? home : ".") / ".local" / "share" / "Polvant").string();
}

platform::Folders FileSystemFolders() {
    platform::Folders folders;
    folders.exists = [](const std::string& path) {
        std::error_code error;
        return std::filesystem::is_directory(path, error);
    };
    folders.create = [](const std::string& path) {
        std::error_code error;
        std::filesystem::create_directories(path, error);
        return !error && std::filesystem::is_directory(path, error);
    };
    return folders;
}

platform::SettingsStore MemorySettings::Store() {
    platform::SettingsStore store;
    store.get = [this](const std::string& application, const std::string& section,
                       const std::string& key) -> std::optional<std::string> {
        const auto it = values.find(application + "/" + section + "/" + key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    };
    store.set = [this](const std::string& application, const std::string& section, const std::string& key,
                       const std::string& value) { values[application + "/" + section + "/" + key] = value; };
    return store;
}

namespace detail {

void LoadCatalogue(Program& program) {
    program.catalogue = datums::LoadDatumCatalogue(program.folders.program_data);
    program.special.geoid = datums::GeoidFilesIn(program.folders.program_data);
}

void LoadUserDatumTable(Program& program) {
    datums::UserDatumFileRead user = datums::LoadUserDatumFile(program.folders.user_data, program.platform.notices);
    program.catalogue.UserDatums = std::move(user.rows);
    program.catalogue.UnreadUserDatumText = std::move(user.unread_text);
    program.user_datums_changed = false;
}

void ReadStartUpSetup(Program& program) {
    ApplyDefaults(program);
    if (!ReadSetup(SetupPath(program), program.state, program.platform.notices)) ApplyDefaults(program);
}

void LoadNorthSeaTables(Program& program) {
    program.special.north_sea = datums::LoadNorthSeaFile(program.folders.program_data + "/NorthSea.vdx");
}

void LoadNgoTables(Program& program) {
    program.special.ngo = datums::LoadNgoFile(program.folders.program_data + "/ngo-data.vdx");
}

}  // namespace detail

void StartUp(Program& program) {
    program.window.caption = std::string(kProgramTitle) + " " + kVersionText;
    if (program.folders.user_data.empty()) program.folders.user_data = DefaultUserDataFolder();
    const platform::Folders& folders = program.platform.folders;
    if (folders.exists && !folders.exists(program.folders.user_data) && folders.create)
        folders.create(program.folders.user_data);
    program.window.left = StoredPosition(program, "MainLeft");
    program.window.top = StoredPosition(program, "MainTop");
    program.state.MainWindowHeight = kStartHeight;
    program.state.MainWindowWidth = kStartWidth;
    // The catalogue's data files are required: without them the program does not start.
    try {
        detail::LoadCatalogue(program);
    } catch (const datums::DataFileError& failure) {
        program.stopped = true;
        platform::Show(program.platform.notices, StartUpStopNotice(failure.what(), program.folders.program_data));
        return;
    }
    // The data folder is held before its files are read, so that what this
    // program reads is what it may write back.
    const platform::FolderLockResult lock = platform::LockDataFolder(program.folders.user_data);
    program.data_folder_lock = lock.lock;
    program.data_folder_in_use = lock.status == platform::LockStatus::InUse;
    if (program.data_folder_in_use)
        platform::Show(program.platform.notices, DataFolderInUseNotice(program.folders.user_data));
    detail::LoadUserDatumTable(program);
    // A failure in the first recompute is shown; the program starts with what was computed.
    text::RunAction(program.platform.notices, [&] { LoadSheet(program); });
}

void ShutDown(Program& program) {
    if (program.stopped) return;
    if (program.data_folder_in_use) {
        platform::Show(program.platform.notices, SetupNotStoredNotice(kDataFolderInUseDescription));
        if (program.user_datums_changed)
            platform::Show(program.platform.notices,
                           std::string(kDataFolderInUseDescription) + datums::kUserDatumsNotStoredText);
    } else {
        SaveSetupOnExit(program.folders.user_data, CaptureSetup(program.state), program.platform.notices);
        // With no user datums left the writer removes the file.
        if (program.user_datums_changed &&
            datums::SaveUserDatums(program.catalogue.UserDatums, program.folders.user_data, program.platform.notices,
                                   {}, program.catalogue.UnreadUserDatumText))
            program.user_datums_changed = false;
    }
    if (!program.window.minimised && program.platform.settings.set) {
        program.platform.settings.set(kSettingsApplication, kSettingsSection, "MainLeft",
                                      std::to_string(program.window.left));
        program.platform.settings.set(kSettingsApplication, kSettingsSection, "MainTop",
                                      std::to_string(program.window.top));
    }
    program.data_folder_lock.reset();
}

platform::Notice StartUpStopNotice(const std::string& problem, const std::string& data_folder) {
    return {"Twopoint cannot start: " + problem + "\r(The data files are searched for in " + data_folder + ")",
            platform::Icon::Stop, platform::kApplicationTitle};
}

platform::Notice DataFolderInUseNotice(const std::string& data_folder) {
    return {"Another Twopoint program is using the data folder " + data_folder +
                ". This program will not store the setup file or the user datums there; use Save As to keep "
                "the setup.",
            platform::Icon::Information, platform::kApplicationTitle};
}

}  // namespace model
