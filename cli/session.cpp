// session: the whole program without its windows. Starts as the desktop
// program starts, performs one user action per script line through the same
// model actions the window calls, prints the sheet and the state on request,
// and shuts down as the program does.
#include "cli/session.h"

#include <iostream>
#include <map>

#include "cli/data_dir.h"
#include "cli/operation.h"
#include "cli/session_print.h"
#include "model/datum_rules.h"
#include "model/dialogs.h"
#include "platform/locale.h"

namespace cli {

namespace {

std::map<std::string, SessionAction>& Actions() {
    static std::map<std::string, SessionAction> actions;
    return actions;
}

}  // namespace

bool RegisterSessionAction(const std::string& name, SessionAction action) {
    Actions()[name] = std::move(action);
    return true;
}

const SessionAction* FindSessionAction(const std::string& name) {
    const auto found = Actions().find(name);
    return found == Actions().end() ? nullptr : &found->second;
}

void Session::Install(const std::string& data_dir, const std::string& user_dir) {
    program.folders.program_data = data_dir;
    program.folders.user_data = user_dir;
    program.platform.notices.show = [this](const platform::Notice& notice) {
        out << NoticeLine(notice) << '\n';
    };
    const auto answer = [this](const platform::FileDialogRequest& request) -> std::optional<std::string> {
        std::optional<std::string> path = std::move(next_file_answer);
        next_file_answer.reset();
        // As a file dialog does, a name without extension gets the default one.
        if (path && !request.default_extension.empty() &&
            path->find('.', path->find_last_of('/') + 1) == std::string::npos)
            *path += "." + request.default_extension;
        return path;
    };
    program.platform.file_dialogs.open = answer;
    program.platform.file_dialogs.save = answer;
    // A button that is disabled cannot be pressed: the dialog is closed instead.
    program.platform.opposite_datum = [this](model::OppositeDatumDialog& dialog) {
        const std::string answer = next_opposite_answer.value_or("close");
        next_opposite_answer.reset();
        for (std::size_t b = 0; b < dialog.buttons.size(); ++b)
            if (dialog.buttons[b].caption == answer) model::PressOppositeButton(dialog, static_cast<int>(b));
        model::CloseOppositeDatumDialog(dialog);
    };
    program.platform.settings = settings.Store();
    program.platform.folders = model::FileSystemFolders();
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> SplitTexts(const std::string& rest, std::size_t count, const char* layout) {
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (true) {
        const std::size_t semicolon = rest.find(';', start);
        texts.push_back(TrimBlanks(rest.substr(start, semicolon - start)));
        if (semicolon == std::string::npos) break;
        start = semicolon + 1;
    }
    if (texts.size() != count)
        throw RecordError(std::string("expected ") + layout + ", got " + std::to_string(texts.size()) + " text" +
                          (texts.size() == 1 ? "" : "s"));
    return texts;
}

std::pair<std::string, std::string> FirstWord(const std::string& text) {
    const std::string trimmed = TrimBlanks(text);
    const auto blank = trimmed.find_first_of(" \t");
    if (blank == std::string::npos) return {trimmed, ""};
    return {trimmed.substr(0, blank), TrimBlanks(trimmed.substr(blank))};
}

int ReadChoice(const std::string& text, const char* what, int lowest, int highest) {
    int value = 0;
    try {
        value = ParseIntegerField(text, what);
    } catch (const RecordError&) {
        throw RecordError(std::string(what) + " '" + text + "' is not a whole number");
    }
    if (value < lowest || value > highest)
        throw RecordError(std::string(what) + " " + text + " outside " + std::to_string(lowest) + " ... " +
                          std::to_string(highest));
    return value;
}

bool PrintsOnly(const std::string& action) {
    return action == "sheet" || action == "state" || action == "menus" || action == "userdatums";
}

int ReadPointIndex(const std::string& text, int highest) { return ReadChoice(text, "point", 0, highest); }

bool PerformLine(Session& session, const std::string& raw_line, int line_number) {
    const std::string line = TrimBlanks(raw_line);
    if (line.empty()) return true;
    if (line[0] == '#') {
        session.out << line << '\n';
        return true;
    }
    const auto [action, rest] = FirstWord(line);
    try {
        const SessionAction* handler = FindSessionAction(action);
        if (!handler) throw RecordError("unknown action '" + action + "'");
        if (!session.open_dialogs.empty() && !PrintsOnly(action)) {
            const Session::OpenDialog& open = session.open_dialogs.back();
            bool reachable = action == open.action;
            for (const std::string& word : open.opens) reachable |= action == word;
            if (!reachable)
                throw RecordError("a modal dialog is open: only '" + open.action + "' lines until it is closed");
        }
        (*handler)(session, rest);
        return true;
    } catch (const std::exception& failure) {
        session.out << "error: line " << line_number << ": " << failure.what() << '\n';
        return false;
    }
}

int RunSession(const SessionFolders& folders, std::istream& in, std::ostream& out) {
    Session session(out);
    session.Install(folders.data_dir, folders.user_dir);
    bool failed = false;
    try {
        model::StartUp(session.program);
    } catch (const std::exception& failure) {
        // The program goes on after a fault; the script still runs.
        out << "error: start-up: " << failure.what() << '\n';
        failed = true;
    }
    // A start-up that stopped (its notice is printed) ends the program: no
    // script line runs and nothing is written.
    if (session.program.stopped) {
        out.flush();
        return 1;
    }
    std::string line;
    int line_number = 0;
    while (std::getline(in, line)) failed |= !PerformLine(session, line, ++line_number);
    // A dialog still open at the end is cancelled, as closing it would.
    if (!session.open_dialogs.empty()) {
        session.open_dialogs.clear();
        model::CloseDialog(session.program);
    }
    if (!folders.no_save) {
        try {
            model::ShutDown(session.program);
        } catch (const std::exception& failure) {
            out << "error: shut-down: " << failure.what() << '\n';
            failed = true;
        }
    }
    out.flush();
    // Output that could not be written (a full disk) is a failure too.
    if (!out) {
        std::cerr << "twopoint-calc session: the output could not be written\n";
        return 1;
    }
    return failed ? 1 : 0;
}

namespace {

int Run(const Arguments& args, std::istream& in, std::ostream& out) {
    if (args.Has("locale-comma")) platform::SetNumberLocale({','});
    return RunSession({DataDir(args), args.GetOr("user-dir", model::DefaultUserDataFolder()), args.Has("no-save")},
                      in, out);
}

const bool registered = Register({
    "session", "a script of user actions, one per line", "what the script asks to print",
    {{"no-save", false, "do not write the setup file and the user datum file at the end"},
     {"locale-comma", false, "show numbers with a comma as decimal separator"}},
    "The whole program without its windows: starts as the desktop program does,\n"
    "performs one user action per script line (geog, grid, cart, name, mode, view,\n"
    "option, trueoffset, gridoffset, cartoffset, save, saveas, open ...), prints the\n"
    "result sheet (sheet), the calculation state (state) or the menu bar (menus), and shuts down as the\n"
    "program does. Every notice is printed as 'notice: [ICON] TITLE: TEXT' and\n"
    "answered with OK. See docs/session.md.",
    Run});

}  // namespace
}  // namespace cli
