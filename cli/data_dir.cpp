#include "cli/data_dir.h"

#include "platform/data_folder.h"

namespace cli {

std::filesystem::path DataDirectory(const Arguments& args) {
    return platform::FindDataFolder(args.GetOr("data-dir", ""));
}

std::string DataDir(const Arguments& args) { return DataDirectory(args).string(); }

}  // namespace cli
