#include "cli/data_dir.h"

#include <filesystem>
#include <system_error>

namespace cli {

std::string ProgramDataDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "data";
    return (exe.parent_path() / "data").string();
}

std::string DataDir(const Arguments& args) {
    if (auto dir = args.Get("data-dir")) return *dir;
    return ProgramDataDir();
}

}  // namespace cli
