#include "platform/data_folder.h"

#include <cstdlib>
#include <sstream>
#include <system_error>

namespace platform {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error);
    return executable.parent_path();
}

std::vector<std::filesystem::path> DataFolderCandidates(const std::filesystem::path& program_folder) {
    std::vector<std::filesystem::path> folders = {program_folder / "data",
                                                  (program_folder / ".." / "share" / "twopoint").lexically_normal()};
    std::string data_home = Environment("XDG_DATA_HOME");
    if (data_home.empty() && !Environment("HOME").empty()) data_home = Environment("HOME") + "/.local/share";
    if (!data_home.empty()) folders.push_back(std::filesystem::path(data_home) / "twopoint");
    std::string data_dirs = Environment("XDG_DATA_DIRS");
    if (data_dirs.empty()) data_dirs = "/usr/local/share:/usr/share";
    std::istringstream list(data_dirs);
    for (std::string dir; std::getline(list, dir, ':');)
        if (!dir.empty()) folders.push_back(std::filesystem::path(dir) / "twopoint");
    return folders;
}

std::filesystem::path FindDataFolder(const std::string& chosen) {
    if (!chosen.empty()) return chosen;
    if (const std::string variable = Environment(kDataFolderVariable); !variable.empty()) return variable;
    const std::filesystem::path program_folder = ProgramFolder();
    for (const auto& folder : DataFolderCandidates(program_folder)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / kDataFolderMarkFile, error)) return folder;
    }
    return program_folder / "data";
}

}  // namespace platform
