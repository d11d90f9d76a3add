// The session script reader and every action it drives, on any script: the
// whole program started, one user action per line, shut down. A first line
// "# locale-comma" shows numbers with a comma. The paths of "saveas", "open"
// and "report" are kept inside the process's own folder (letters, digits, "-",
// "_" and "." of the typed path, never a leading "."). Invariants: no line
// ends the session; after every line no visible value row is empty, NaN or
// infinite; the state after the last line is written as a setup file that
// reads back to itself.
#include <sstream>
#include <string>

#include "cli/session.h"
#include "fuzz_folders.h"
#include "fuzz_input.h"
#include "model/dialogs.h"
#include "platform/locale.h"
#include "setup_round_trip.h"
#include "support/sheet_checks.h"

namespace {

std::string InsideFolder(const std::string& folder, const std::string& path) {
    std::string name;
    for (char c : path)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
            (c == '.' && !name.empty()))
            name += c;
    if (name.empty()) return "";
    return folder + "/" + name.substr(0, 24);
}

// The line with a file path moved into the folder.
std::string Sandboxed(const std::string& folder, const std::string& line) {
    const auto [action, rest] = cli::FirstWord(line);
    if (action != "saveas" && action != "open" && action != "report") return line;
    return action + " " + InsideFolder(folder, rest);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    const std::string& folder = fuzz::FreshFolder();
    std::istringstream lines(script);
    std::string line;
    std::getline(lines, line);
    platform::SetNumberLocale({cli::TrimBlanks(line) == "# locale-comma" ? ',' : '.'});
    lines.clear();
    lines.seekg(0);

    std::ostringstream out;
    cli::Session session(out);
    session.Install(TWOPOINT_FUZZ_DATA_DIR, folder);
    model::StartUp(session.program);
    int number = 0;
    while (std::getline(lines, line)) {
        cli::PerformLine(session, Sandboxed(folder, line), ++number);
        if (const auto bad = checks::BadValueRow(session.program.sheet))
            fuzz::Fail("after line " + std::to_string(number) + " " + *bad);
        out.str("");
    }
    // A dialog still open at the end is cancelled, as closing it would.
    if (!session.open_dialogs.empty()) {
        session.open_dialogs.clear();
        model::CloseDialog(session.program);
    }
    model::ShutDown(session.program);

    fuzz::RequireSetupRoundTrip(model::CaptureSetup(session.program.state), "the final state");
    platform::SetNumberLocale({'.'});
    return 0;
}
