#pragma once
// The folder of the read-only data files: --data-dir when given, else the
// folder "data" beside the running executable.
#include <string>

#include "cli/operation.h"

namespace cli {

std::string ProgramDataDir();
std::string DataDir(const Arguments& args);

}  // namespace cli
