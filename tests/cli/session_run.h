#pragma once
// Runs the built twopoint-calc on a standard input and reads back what it
// printed, standard output and standard error together.
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

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

// Runs twopoint-calc ARGUMENTS with `input` as its standard input.
inline Output RunCalc(const std::string& arguments, const std::string& input) {
    const scratch::Folder folder("twopoint_calc");
    folder.Write("input", input);
    const int raw = std::system(("'" TWOPOINT_CALC_PROGRAM "' " + arguments + " < '" + folder.File("input") + "' > '" +
                                 folder.File("output") + "' 2>&1")
                                    .c_str());
    Output result{scratch::ReadBytes(folder.path / "output"), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, {}};
    std::istringstream lines(result.text);
    for (std::string line; std::getline(lines, line);) result.lines.push_back(line);
    return result;
}

}  // namespace session_run
