#pragma once
// The folder of the read-only data files: --data-dir when given, else the
// folder platform::FindDataFolder finds ($TWOPOINT_DATA_DIR, beside the
// program, the installed share/twopoint, the XDG data folders).
#include <filesystem>
#include <string>

#include "cli/operation.h"

namespace cli {

std::filesystem::path DataDirectory(const Arguments& args);

// The same as a text.
std::string DataDir(const Arguments& args);

}  // namespace cli
