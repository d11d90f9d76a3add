#pragma once
// The folders twopoint-calc reads from: --data-dir, or the `data` folder beside
// the executable.
#include <filesystem>

#include "cli/operation.h"

namespace cli {

// The folder of the running program (from /proc/self/exe), or the current
// folder when that cannot be read.
std::filesystem::path ProgramFolder();

// --data-dir DIR, else ProgramFolder() / "data".
std::filesystem::path DataDirectory(const Arguments& args);

}  // namespace cli
