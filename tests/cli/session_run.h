#pragma once
// Runs the built twopoint-calc on a standard input and reads back what it
// printed, standard output and standard error together.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace session_run {

struct Output {
    std::string text;
    int status = -1;
    std::vector<std::string> lines;

    std::vector<std::string> Notices() const {
        std::vector<std::string> found;
        for (const auto& line : lines)
            if (line.rfind("notice: ", 0) == 0) found.push_back(line);
        return found;
    }
    // The text after "FIELD<TAB>" of the last line starting so ("" when there is none).
    std::string Field(const std::string& name) const {
        std::string found;
        for (const auto& line : lines)
            if (line.rfind(name + "\t", 0) == 0) found = line.substr(name.size() + 1);
        return found;
    }
};

// A fresh folder name of this process for every call (not yet made).
inline std::filesystem::path FreshUserFolder(const std::string& stem) {
    static int counter = 0;
    const auto folder = std::filesystem::temp_directory_path() /
                        (stem + "_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(folder);
    return folder;
}

// Runs twopoint-calc ARGUMENTS with `input` as its standard input.
inline Output RunCalc(const std::string& arguments, const std::string& input) {
    const std::filesystem::path input_file = FreshUserFolder("twopoint_calc_input");
    std::ofstream(input_file, std::ios::binary) << input;
    const std::string command =
        std::string("'") + TWOPOINT_CALC_PROGRAM + "' " + arguments + " < '" + input_file.string() + "' 2>&1";
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

}  // namespace session_run
