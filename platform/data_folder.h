#pragma once
// Where the read-only data files (datum tables, North Sea and NGO tables, the
// EGM96 quadrant files) are looked for, in this order:
//   1. the folder the user names (--data-dir), else $TWOPOINT_DATA_DIR; either
//      is taken as it is, so a wrong one gives notices naming the missing files;
//   2. <program folder>/data            (the build tree);
//   3. <program folder>/../share/twopoint (an installed tree, wherever it lies);
//   4. $XDG_DATA_HOME/twopoint (default ~/.local/share/twopoint), then
//      twopoint in each folder of $XDG_DATA_DIRS (default /usr/local/share:/usr/share).
// Of 2 to 4 the first that holds "Ellipser.vdx" is taken; when none does,
// <program folder>/data, so that the notices name the files missing there.
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

inline constexpr const char* kDataFolderVariable = "TWOPOINT_DATA_DIR";
inline constexpr const char* kDataFolderMarkFile = "Ellipser.vdx";

// The folder of the running program (from /proc/self/exe), or the current
// folder when that cannot be read.
std::filesystem::path ProgramFolder();

// Folders 2 to 4 above, in order, for a program in program_folder.
std::vector<std::filesystem::path> DataFolderCandidates(const std::filesystem::path& program_folder);

// The data folder; chosen is the folder the user named (empty: none).
std::filesystem::path FindDataFolder(const std::string& chosen = {});

}  // namespace platform
