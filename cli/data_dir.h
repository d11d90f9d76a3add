#pragma once
// The folder of the read-only data files: --data-dir when given, else the
// folder "data" beside the running executable.
#include <filesystem>
#include <string>

#include "cli/operation.h"

namespace cli {

// The folder of the running program (from /proc/self/exe), or the current
// folder when that cannot be read.
std::filesystem::path ProgramFolder();

// --data-dir DIR, else ProgramFolder() / "data".
std::filesystem::path DataDirectory(const Arguments& args);

// The same two as texts.
std::string ProgramDataDir();
std::string DataDir(const Arguments& args);

}  // namespace cli
