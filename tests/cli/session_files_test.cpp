// Whole-program tests as data: every tests/sessions/*.session file is a script
// of user actions with the expectations that must follow, run through the
// built twopoint-calc session in a scratch user folder. tests/sessions/README.md
// describes the lines.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "session_file_list.h"
#include "session_run.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using scratch::ReadBytes;

// C escapes of file texts: \r \n \t \\ \xHH.
std::string Unescape(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
            continue;
        }
        const char next = text[++i];
        if (next == 'r') bytes += '\r';
        else if (next == 'n') bytes += '\n';
        else if (next == 't') bytes += '\t';
        else if (next == 'x' && i + 2 < text.size()) {
            bytes += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else bytes += next;
    }
    return bytes;
}

std::pair<std::string, std::string> SplitWord(const std::string& text) {
    const auto blank = text.find(' ');
    if (blank == std::string::npos) return {text, ""};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The folders, and {year+1}: the year after the present one, a year every
// date list of the program offers and always in the future.
std::string Placed(const std::string& text, const fs::path& user_dir, const fs::path& data_dir) {
    const auto today = std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    const std::string next_year = std::to_string(static_cast<int>(today.year()) + 1);
    return Replace(Replace(Replace(text, "{user}", user_dir.string()), "{data}", data_dir.string()), "{year+1}",
                   next_year);
}

// An expectation (kind: row, hidden, notice, no-notice, error, output, status,
// file...) or something done to the folders before a run starts (kind: file,
// datafile, nodatafile, folder, chmod).
struct Expectation {
    int line = 0;
    std::string kind, name, text;
};

struct ScriptRun {
    std::string options;
    std::vector<Expectation> preparations;
    std::string script;
    int checks = 0;
    std::vector<std::pair<int, Expectation>> checked;  // check number, expectation
    std::vector<Expectation> at_end;
    bool expects_errors = false;
    bool started = false;
};

std::vector<ScriptRun> ReadSessionFile(const std::string& text) {
    std::string options;
    std::vector<ScriptRun> runs(1);
    bool last_was_expect = false;
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        ScriptRun* run = &runs.back();
        const auto [word, rest] = SplitWord(line);
        const bool expect = word == "expect";
        if (word == "options") {
            options = rest;
            if (!run->started) run->options = options;
        } else if (word == "file" || word == "datafile" || word == "nodatafile" || word == "chmod" ||
                   word == "folder") {
            const auto [name, value] = SplitWord(rest);
            if (run->started) (run = &runs.emplace_back())->options = options;
            run->preparations.push_back({number, word, name, value});
        } else if (word == "restart") {
            runs.emplace_back().options = options;
        } else if (expect) {
            run->started = true;
            auto [kind, after] = SplitWord(rest);
            Expectation e{number, kind, "", ""};
            if (kind == "error" || kind == "status") {
                e.text = after;
            } else if (kind == "exit") {  // exit notice TEXT: printed at the shut-down
                e.text = "notice: " + SplitWord(after).second;
            } else if (kind == "output" || kind == "notice") {  // a whole line printed
                e.text = kind == "notice" ? "notice: " + after : Unescape(after);
                e.kind = "output";
            } else if (kind == "no") {  // no notice, no file NAME
                std::tie(e.kind, e.name) = SplitWord(after);
                e.kind = "no-" + e.kind;
            } else if (kind == "file") {  // file NAME TEXT, file NAME contains TEXT, file NAME unchanged
                std::tie(e.name, e.text) = SplitWord(after);
                const auto [mode, more] = SplitWord(e.text);
                if (mode == "unchanged" || mode == "contains") e.kind = "file-" + mode, e.text = more;
                e.text = Unescape(e.text);
            } else if (kind == "hidden") {
                e.name = after;
            } else {
                // A sheet row or a state field: both are printed NAME<TAB>TEXT. A quoted
                // text shows its leading and trailing blanks: "111.421 km ".
                std::tie(e.name, e.text) = kind == "state" ? SplitWord(after) : std::pair(kind, after);
                if (e.text.size() >= 2 && e.text.front() == '"' && e.text.back() == '"')
                    e.text = e.text.substr(1, e.text.size() - 2);
                e.kind = "row";
            }
            if (e.kind == "status" || e.kind == "exit" || e.kind.rfind("file", 0) == 0 ||
                e.kind == "no-file") {  // once the run has ended
                run->at_end.push_back(e);
                if (e.kind == "status") run->expects_errors = true;
            } else {
                if (e.kind == "error") run->expects_errors = true;
                if (!last_was_expect || run->checks == 0) {
                    ++run->checks;
                    run->script += "# check " + std::to_string(run->checks) + "\nsheet\nstate\n# after " +
                                   std::to_string(run->checks) + "\n";
                }
                run->checked.emplace_back(run->checks, e);
            }
        } else {
            run->started = true;
            run->script += line + "\n";
        }
        last_was_expect = expect;
    }
    return runs;
}

// The output of one run cut at its check markers: what the actions printed
// before each check, and the sheet and state rows at it.
struct CheckOutput {
    std::vector<std::string> printed;
    std::map<std::string, std::string> rows;
};

constexpr int kNeverReached = 0;

std::map<int, CheckOutput> CutAtChecks(const std::vector<std::string>& lines) {
    std::map<int, CheckOutput> checks;
    std::vector<std::string> printed;
    int inside = 0;
    for (const auto& line : lines) {
        if (line.rfind("# check ", 0) == 0) {
            inside = std::stoi(line.substr(8));
            checks[inside].printed = printed;
            printed.clear();
        } else if (line.rfind("# after ", 0) == 0) {
            inside = 0;
        } else if (inside) {
            const auto tab = line.find('\t');
            if (tab != std::string::npos) checks[inside].rows[line.substr(0, tab)] = line.substr(tab + 1);
            else checks[inside].printed.push_back(line);  // a notice raised by printing
        } else {
            printed.push_back(line);
        }
    }
    checks[kNeverReached].printed = printed;  // what a program that ended early printed last
    return checks;
}

class SessionFiles : public ::testing::TestWithParam<std::string> {};

TEST_P(SessionFiles, Script) {
    const fs::path source = fs::path(TWOPOINT_SESSIONS_DIR) / (GetParam() + ".session");
    const std::string where = source.string();
    const std::vector<ScriptRun> runs = ReadSessionFile(ReadBytes(source));

    const scratch::Folder root("twopoint_session_file");
    const fs::path user_dir = root.path / "user";
    fs::path data_dir = TWOPOINT_TEST_DATA_DIR;
    fs::create_directories(user_dir);

    for (const ScriptRun& run : runs) {
        for (const Expectation& step : run.preparations) {
            if (step.kind == "datafile" || step.kind == "nodatafile") {
                if (data_dir != root.path / "data") {
                    fs::copy(data_dir, root.path / "data", fs::copy_options::recursive);
                    data_dir = root.path / "data";
                }
                if (step.kind == "nodatafile") fs::remove_all(data_dir / step.name);
                else std::ofstream(data_dir / step.name, std::ios::binary | std::ios::app) << Unescape(step.text);
            } else if (step.kind == "file") {
                std::ofstream(user_dir / step.name, std::ios::binary | std::ios::app) << Unescape(step.text);
            } else if (step.kind == "folder") {
                fs::create_directories(user_dir / step.name);
            } else {
                ::chmod((user_dir / step.name).c_str(), static_cast<mode_t>(std::stoi(step.text, nullptr, 8)));
            }
        }
        std::map<std::string, std::optional<std::string>> before;
        for (const Expectation& e : run.at_end)
            if (e.kind == "file-unchanged")
                before[e.name] = fs::exists(user_dir / e.name) ? std::optional(ReadBytes(user_dir / e.name))
                                                               : std::nullopt;

        const std::string script = Placed(run.script, user_dir, data_dir);
        const auto output = session_run::RunCalc(
            "session --data-dir '" + data_dir.string() + "' --user-dir '" + user_dir.string() + "' " + run.options,
            script);
        auto checks = CutAtChecks(output.lines);
        const auto show = [&] { return "\n--- what the program printed:\n" + output.text; };

        if (!run.expects_errors)
            for (const auto& line : output.lines)
                if (line.rfind("error: ", 0) == 0) ADD_FAILURE() << where << ": unexpected " << line << show();

        const auto placed = [&](Expectation e) {
            e.text = Placed(e.text, user_dir, data_dir);
            return e;
        };
        for (const auto& [check, raw] : run.checked) {
            const Expectation e = placed(raw);
            const CheckOutput& at = checks.count(check) ? checks[check] : checks[kNeverReached];
            const std::string place = where + ":" + std::to_string(e.line) + ": ";
            const auto printed = [&](bool whole) {
                return std::any_of(at.printed.begin(), at.printed.end(), [&](const std::string& line) {
                    return whole ? line == e.text : line.rfind("error: ", 0) == 0 && line.find(e.text) != std::string::npos;
                });
            };
            if (e.kind == "row") {
                const auto found = at.rows.find(e.name);
                if (found == at.rows.end()) ADD_FAILURE() << place << e.name << " is not shown" << show();
                else if (found->second != e.text)
                    ADD_FAILURE() << place << e.name << " reads '" << found->second << "', expected '" << e.text << "'";
            } else if (e.kind == "hidden") {
                if (at.rows.count(e.name)) ADD_FAILURE() << place << e.name << " is shown: '" << at.rows.at(e.name) << "'";
            } else if (e.kind == "no-notice") {
                for (const auto& line : at.printed)
                    if (line.rfind("notice: ", 0) == 0) ADD_FAILURE() << place << "unexpected " << line;
            } else if (e.kind == "error") {
                if (!printed(false)) ADD_FAILURE() << place << "no error line with " << e.text << show();
            } else if (e.kind == "output") {
                if (!printed(true)) ADD_FAILURE() << place << "no line " << e.text << show();
            } else {
                ADD_FAILURE() << place << "unknown expectation '" << e.kind << "'";
            }
        }
        for (const Expectation& raw : run.at_end) {
            const Expectation e = placed(raw);
            const std::string place = where + ":" + std::to_string(e.line) + ": ";
            const fs::path path = user_dir / e.name;
            if (e.kind == "exit") {
                const auto& last = checks[kNeverReached].printed;
                if (std::find(last.begin(), last.end(), e.text) == last.end())
                    ADD_FAILURE() << place << "no line at the shut-down " << e.text << show();
            } else if (e.kind == "status") {
                EXPECT_EQ(std::to_string(output.status), e.text) << place << "exit status" << show();
            } else if (e.kind == "no-file") {
                EXPECT_FALSE(fs::exists(path)) << place << e.name << " exists";
            } else if (!fs::exists(path)) {
                ADD_FAILURE() << place << e.name << " does not exist";
            } else if (e.kind == "file-unchanged") {
                if (!before[e.name] || *before[e.name] != ReadBytes(path))
                    ADD_FAILURE() << place << e.name << " changed";
            } else if (e.kind == "file-contains") {
                EXPECT_NE(ReadBytes(path).find(e.text), std::string::npos) << place << e.name << " lacks " << e.text;
            } else {
                EXPECT_EQ(ReadBytes(path), e.text) << place << e.name;
            }
        }
    }
}

// The files' names (letters, digits and underscores) name the tests.
INSTANTIATE_TEST_SUITE_P(Sessions, SessionFiles, ::testing::ValuesIn(kSessionFileNames),
                         [](const auto& info) { return info.param; });

}  // namespace
