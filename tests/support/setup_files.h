#pragma once
// Files for the model and session tests: the setup file of the start-up
// defaults, edits of it, and temporary folders to write into.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/calc_state.h"
#include "model/setup_file.h"
#include "support/scratch_folder.h"

namespace setup_files {

// The setup file of the start-up defaults (the first_start_without_setup_file
// session pins its bytes).
inline const std::string kDefaultSetupFile = model::EncodeSetup(model::CaptureSetup(model::DefaultState()));

// The groups of a setup file: each key line with its value lines.
inline std::vector<std::string> Groups(const std::string& file) {
    std::vector<std::string> groups;
    for (std::size_t pos = 0; pos < file.size();) {
        std::size_t next = file.find("\"#pub_", pos + 1);
        if (next == std::string::npos) next = file.size();
        groups.push_back(file.substr(pos, next - pos));
        pos = next;
    }
    return groups;
}

// The file (by default the defaults' file) with one group's value lines replaced.
inline std::string WithGroup(const std::string& key, const std::string& new_lines,
                             std::string file = kDefaultSetupFile) {
    const std::string key_line = "\"" + key + "\"\r\n";
    const std::size_t start = file.find(key_line);
    std::size_t end = file.find("\"#pub_", start + key_line.size());
    if (end == std::string::npos) end = file.size();
    return file.replace(start, end - start, key_line + new_lines);
}

using scratch::ReadBytes;

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

using TempFolder = scratch::Folder;

}  // namespace setup_files
