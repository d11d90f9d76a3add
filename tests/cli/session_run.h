#pragma once
// Runs the built twopoint-calc session on a script in a fresh data folder and
// reads back what it printed: notices, errors, and the `sheet` and `state`
// blocks after a marker line "# NAME".
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace session_run {

struct Output {
    std::string text;
    int status = -1;
    std::vector<std::string> lines;

    std::vector<std::string> Starting(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& line : lines)
            if (line.rfind(prefix, 0) == 0) found.push_back(line);
        return found;
    }
    std::vector<std::string> Notices() const { return Starting("notice: "); }
    std::vector<std::string> Errors() const { return Starting("error: "); }

    // The lines between the marker "# NAME" and the next marker.
    std::vector<std::string> Block(const std::string& marker) const {
        std::vector<std::string> block;
        bool inside = false;
        for (const auto& line : lines) {
            if (line == "# " + marker) {
                inside = true;
                continue;
            }
            if (!inside) continue;
            if (line.rfind("# ", 0) == 0) break;
            block.push_back(line);
        }
        return block;
    }
    // The ROW<TAB>TEXT or FIELD<TAB>VALUE lines of a block, as a map.
    std::map<std::string, std::string> Fields(const std::string& marker) const {
        std::map<std::string, std::string> fields;
        for (const auto& line : Block(marker)) {
            const auto tab = line.find('\t');
            if (tab != std::string::npos) fields[line.substr(0, tab)] = line.substr(tab + 1);
        }
        return fields;
    }
    // The text after "PREFIX<TAB>" of the last line starting so.
    std::string Last(const std::string& prefix) const {
        const auto found = Starting(prefix + "\t");
        return found.empty() ? "(none)" : found.back().substr(prefix.size() + 1);
    }
    // The notices of a block.
    std::vector<std::string> NoticesIn(const std::string& marker) const {
        std::vector<std::string> found;
        for (const auto& line : Block(marker))
            if (line.rfind("notice: ", 0) == 0) found.push_back(line);
        return found;
    }
};

// Runs the session over the data folder user_dir (kept as the session leaves it).
inline Output RunSessionIn(const std::filesystem::path& user_dir, const std::string& script,
                           const std::string& options = "") {
    const std::filesystem::path script_file = user_dir.string() + ".script";
    std::ofstream(script_file, std::ios::binary) << script;
    const std::string command = std::string("'") + TWOPOINT_CALC_PROGRAM + "' session --data-dir '" +
                                TWOPOINT_TEST_DATA_DIR + "' --user-dir '" + user_dir.string() + "' " + options +
                                " < '" + script_file.string() + "' 2>&1";
    Output result;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.text.append(buffer, n);
        const int raw = ::pclose(pipe);
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::filesystem::remove(script_file);
    std::istringstream lines(result.text);
    for (std::string line; std::getline(lines, line);) result.lines.push_back(line);
    return result;
}

// A fresh data folder for every call, removed afterwards (each test process its own names).
inline std::filesystem::path FreshUserFolder(const std::string& stem) {
    static int counter = 0;
    const auto folder = std::filesystem::temp_directory_path() /
                        (stem + "_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(folder);
    return folder;
}

// A fresh data folder per call; --no-save unless options say otherwise.
inline Output RunSession(const std::string& script, const std::string& options = "--no-save") {
    const auto user_dir = FreshUserFolder("twopoint_session_run");
    Output result = RunSessionIn(user_dir, script, options);
    std::filesystem::remove_all(user_dir);
    return result;
}

}  // namespace session_run
