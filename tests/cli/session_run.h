#pragma once
// Runs the built twopoint-calc on its standard input and reads back what it
// printed: for a session on a script in a fresh data folder, its notices,
// errors, and the `sheet` and `state` blocks after a marker line "# NAME".
#include <gtest/gtest.h>
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

using Fields = std::map<std::string, std::string>;

// Whether `fields` holds every entry of `want`: EXPECT_TRUE(Holds(sheet, {...}))
// checks many rows of a block at once and names each one that differs.
inline ::testing::AssertionResult Holds(const Fields& fields, const Fields& want) {
    std::string differences;
    for (const auto& [name, value] : want) {
        const auto found = fields.find(name);
        if (found == fields.end()) differences += "\n  " + name + ": missing, expected '" + value + "'";
        else if (found->second != value)
            differences += "\n  " + name + ": '" + found->second + "', expected '" + value + "'";
    }
    if (differences.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences;
}

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
    // Each FIELD<TAB>TEXT line's text by its field, the last line of a field winning.
    std::map<std::string, std::string> Latest() const {
        std::map<std::string, std::string> latest;
        for (const auto& line : lines) {
            const auto tab = line.find('\t');
            if (tab != std::string::npos) latest[line.substr(0, tab)] = line.substr(tab + 1);
        }
        return latest;
    }
    // The notices of a block.
    std::vector<std::string> NoticesIn(const std::string& marker) const {
        std::vector<std::string> found;
        for (const auto& line : Block(marker))
            if (line.rfind("notice: ", 0) == 0) found.push_back(line);
        return found;
    }
};

// Runs twopoint-calc ARGUMENTS with `input` as its standard input, stdout and stderr together.
inline Output RunCalc(const std::string& arguments, const std::string& input) {
    static int counter = 0;
    const std::filesystem::path input_file = std::filesystem::temp_directory_path() /
        ("twopoint_calc_input_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::ofstream(input_file, std::ios::binary) << input;
    const std::string command = std::string("'") + TWOPOINT_CALC_PROGRAM + "' " + arguments + " < '" +
                                input_file.string() + "' 2>&1";
    Output result;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.text.append(buffer, n);
        const int raw = ::pclose(pipe);
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::filesystem::remove(input_file);
    std::istringstream lines(result.text);
    for (std::string line; std::getline(lines, line);) result.lines.push_back(line);
    return result;
}

// Runs the session over the data folder user_dir (kept as the session leaves it).
inline Output RunSessionIn(const std::filesystem::path& user_dir, const std::string& script,
                           const std::string& options = "") {
    return RunCalc(std::string("session --data-dir '") + TWOPOINT_TEST_DATA_DIR + "' --user-dir '" +
                       user_dir.string() + "' " + options,
                   script);
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
