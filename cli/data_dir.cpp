#include "cli/data_dir.h"

#include <system_error>

namespace cli {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path();
    return executable.parent_path();
}

std::filesystem::path DataDirectory(const Arguments& args) {
    if (const auto dir = args.Get("data-dir")) return *dir;
    return ProgramFolder() / "data";
}

std::string ProgramDataDir() { return (ProgramFolder() / "data").string(); }

std::string DataDir(const Arguments& args) { return DataDirectory(args).string(); }

}  // namespace cli
