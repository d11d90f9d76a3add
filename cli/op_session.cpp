// session: the whole program without its windows. Starts as the desktop
// program starts, performs one user action per script line through the same
// model actions the window calls, prints the sheet and the state on request,
// and shuts down as the program does.
#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/data_dir.h"
#include "cli/operation.h"
#include "cli/session_print.h"
#include "model/actions.h"
#include "model/dialogs.h"
#include "model/program.h"
#include "model/setup_file.h"
#include "platform/locale.h"

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The texts of a line, separated by ";" (blanks around each ";" are not part of them).
std::vector<std::string> SplitTexts(const std::string& rest, std::size_t count, const char* layout) {
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (true) {
        const std::size_t semicolon = rest.find(';', start);
        texts.push_back(Trim(rest.substr(start, semicolon - start)));
        if (semicolon == std::string::npos) break;
        start = semicolon + 1;
    }
    if (texts.size() != count)
        throw cli::RecordError(std::string("expected ") + layout + ", got " + std::to_string(texts.size()) +
                               " text" + (texts.size() == 1 ? "" : "s"));
    return texts;
}

// The first word of `text` and the rest after it (trimmed).
std::pair<std::string, std::string> FirstWord(const std::string& text) {
    const std::string trimmed = Trim(text);
    const auto blank = trimmed.find_first_of(" \t");
    if (blank == std::string::npos) return {trimmed, ""};
    return {trimmed.substr(0, blank), Trim(trimmed.substr(blank))};
}

int ReadChoice(const std::string& text, const char* what, int lowest, int highest) {
    int value = 0;
    try {
        value = cli::ParseIntegerField(text, what);
    } catch (const cli::RecordError&) {
        throw cli::RecordError(std::string(what) + " '" + text + "' is not a whole number");
    }
    if (value < lowest || value > highest)
        throw cli::RecordError(std::string(what) + " " + text + " outside " + std::to_string(lowest) + " ... " +
                               std::to_string(highest));
    return value;
}

struct Session {
    model::Program program;
    model::MemorySettings settings;
    std::ostream& out;
    std::optional<std::string> next_file_answer;  // what the next file dialog answers

    explicit Session(std::ostream& output) : out(output) {}

    void Install(const std::string& data_dir, const std::string& user_dir) {
        program.folders.program_data = data_dir;
        program.folders.user_data = user_dir;
        program.platform.notices.show = [this](const platform::Notice& notice) {
            out << cli::NoticeLine(notice) << '\n';
        };
        const auto answer = [this](const platform::FileDialogRequest& request) -> std::optional<std::string> {
            std::optional<std::string> path = std::move(next_file_answer);
            next_file_answer.reset();
            // As a file dialog does, a name without extension gets the default one.
            if (path && !request.default_extension.empty() && path->find('.', path->find_last_of('/') + 1) == std::string::npos)
                *path += "." + request.default_extension;
            return path;
        };
        program.platform.file_dialogs.open = answer;
        program.platform.file_dialogs.save = answer;
        program.platform.settings = settings.Store();
        program.platform.folders = model::FileSystemFolders();
    }

    // ---- Actions -------------------------------------------------------------

    int PointIndex(const std::string& text, int highest = 1) { return ReadChoice(text, "point", 0, highest); }

    void Geographic(const std::string& rest) {
        const auto [index, texts_part] = FirstWord(rest);
        const int i = PointIndex(index);
        const auto texts = SplitTexts(texts_part, 3, "LAT; LON; HGT");
        const model::DialogRequest request = model::MouseUp(program, model::At(model::Row::Lat0, i),
                                                            model::MouseButton::Left);
        if (request.kind != model::DialogKind::Geographic) return;  // refused, with its notice
        model::GeographicDialog dialog = model::OpenGeographicDialog(program, request.point);
        dialog.latitude = texts[0];
        model::LeaveLatitude(program, dialog);
        dialog.longitude = texts[1];
        model::LeaveLongitude(program, dialog);
        dialog.height = texts[2];
        model::GeographicDialogOK(program, dialog);
        model::CloseDialog(program);
    }

    void Grid(const std::string& rest) {
        const auto [index, texts_part] = FirstWord(rest);
        const int i = PointIndex(index);
        const auto texts = SplitTexts(texts_part, 2, "N; E");
        const model::DialogRequest request =
            model::MouseUp(program, model::At(model::Row::Northing0, i), model::MouseButton::Left);
        if (request.kind != model::DialogKind::Grid) return;
        model::GridDialog dialog = model::OpenGridDialog(program, request.point);
        dialog.northing = texts[0];
        dialog.easting = texts[1];
        model::GridDialogOK(program, dialog);
        model::CloseDialog(program);
    }

    void Cartesian(const std::string& rest) {
        const auto [index, texts_part] = FirstWord(rest);
        const int i = PointIndex(index);
        const auto texts = SplitTexts(texts_part, 3, "X; Y; Z");
        const model::DialogRequest request =
            model::MouseUp(program, model::At(model::Row::X0, i), model::MouseButton::Left);
        if (request.kind != model::DialogKind::Cartesian) return;
        model::CartesianDialog dialog = model::OpenCartesianDialog(program, request.point);
        dialog.x = texts[0];
        dialog.y = texts[1];
        dialog.z = texts[2];
        model::CartesianDialogOK(program, dialog);
        model::CloseDialog(program);
    }

    void Name(const std::string& rest) {
        const auto [index, text] = FirstWord(rest);
        const int i = PointIndex(index, 2);
        model::NameDialog dialog = model::OpenNameDialog(program, i);
        dialog.name = text;
        model::NameDialogOK(program, dialog);
        model::CloseDialog(program);
    }

    void Mode(const std::string& rest) {
        const int k = ReadChoice(rest, "mode", 0, 1);
        model::MenuCommand(program, "mnuModeMode(" + std::to_string(k) + ")");
    }

    void View(const std::string& rest) {
        const int k = ReadChoice(rest, "view entry", 0, 5);
        if (k == 3 || k == 4) throw cli::RecordError("view entry " + rest + " is never visible (0, 1, 2 or 5)");
        model::MenuCommand(program, "mnuViewDisplay(" + std::to_string(k) + ")");
    }

    void Option(const std::string& rest) {
        if (rest == "south") model::MenuCommand(program, "mnuOptionSLatitude");
        else if (rest == "west") model::MenuCommand(program, "mnuOptionWLongitude");
        else throw cli::RecordError("option '" + rest + "' (south or west expected)");
    }

    void TrueOffset(const std::string& rest) {
        const auto texts = SplitTexts(rest, 3, "RANGE; BEARING; FREEZE");
        const int frozen = ReadChoice(texts[2], "freeze", 0, 1);
        const model::DialogRequest request = model::MenuCommand(program, "mnuOffsetTrueRange");
        if (request.kind != model::DialogKind::TrueOffset) return;
        model::TrueOffsetDialog dialog = model::OpenTrueOffsetDialog(program);
        model::ChooseTrueFreeze(dialog, frozen);
        dialog.range = texts[0];
        dialog.bearing[frozen] = texts[1];
        model::LeaveTrueBearing(program, dialog, frozen);
        model::TrueOffsetDialogOK(program, dialog);
        model::CloseDialog(program);
    }

    void GridOffset(const std::string& rest) {
        const auto texts = SplitTexts(rest, 4, "RANGE; BRG_AB; BRG_BA; FREEZE");
        const int frozen = ReadChoice(texts[3], "freeze", 0, 1);
        const model::DialogRequest request = model::MenuCommand(program, "mnuOffsetGridRange");
        if (request.kind != model::DialogKind::GridOffset) return;
        model::GridOffsetDialog dialog = model::OpenGridOffsetDialog(program);
        dialog.frozen = frozen;
        dialog.range = texts[0];
        // Leaving a bearing box writes the back bearing into the other one, so
        // the box of the frozen point is typed last and its bearing holds.
        const int moved = 1 - frozen;
        dialog.bearing[moved] = texts[1 + moved];
        model::LeaveGridBearing(program, dialog, moved);
        dialog.bearing[frozen] = texts[1 + frozen];
        model::LeaveGridBearing(program, dialog, frozen);
        model::GridOffsetDialogOK(program, dialog);
        model::CloseDialog(program);
    }

    void CartOffset(const std::string& rest) {
        const auto texts = SplitTexts(rest, 3, "DX; DY; DZ");
        const model::DialogRequest request = model::MenuCommand(program, "mnuOffsetCartesian");
        if (request.kind != model::DialogKind::CartOffset) return;
        model::CartOffsetDialog dialog = model::OpenCartOffsetDialog(program);
        dialog.dx = texts[0];
        dialog.dy = texts[1];
        dialog.dz = texts[2];
        model::CartOffsetDialogOK(program, dialog);
        model::CloseDialog(program);
    }

    void Save(const std::string& rest) {
        if (!rest.empty()) throw cli::RecordError("save takes no path (use saveas PATH)");
        model::FileSave(program);
    }

    // Without a PATH the dialog is cancelled.
    void SaveAs(const std::string& rest) {
        if (!rest.empty()) next_file_answer = rest;
        model::FileSaveAs(program);
        next_file_answer.reset();
    }

    void Open(const std::string& rest) {
        if (!rest.empty()) next_file_answer = rest;
        model::FileOpen(program);
        next_file_answer.reset();
    }

    static void NotYet(const std::string& action) {
        throw cli::RecordError("the action '" + action + "' is not available yet");
    }

    // ---- The script ------------------------------------------------------------

    using Handler = std::function<void(Session&, const std::string& rest)>;

    static const std::map<std::string, Handler>& Handlers() {
        static const std::map<std::string, Handler> handlers = {
            {"geog", &Session::Geographic},
            {"grid", &Session::Grid},
            {"cart", &Session::Cartesian},
            {"name", &Session::Name},
            {"mode", &Session::Mode},
            {"view", &Session::View},
            {"option", &Session::Option},
            {"trueoffset", &Session::TrueOffset},
            {"gridoffset", &Session::GridOffset},
            {"cartoffset", &Session::CartOffset},
            {"save", &Session::Save},
            {"saveas", &Session::SaveAs},
            {"open", &Session::Open},
            {"sheet", [](Session& s, const std::string&) { cli::PrintSheet(s.program.sheet, s.out); }},
            {"state", [](Session& s, const std::string&) { cli::PrintState(s.program.state, s.out); }},
            {"menus", [](Session& s, const std::string&) { cli::PrintMenus(s.program.menus, s.out); }},
            {"datum", [](Session&, const std::string&) { NotYet("datum"); }},
            {"gridsys", [](Session&, const std::string&) { NotYet("gridsys"); }},
            {"opposite", [](Session&, const std::string&) { NotYet("opposite"); }},
            {"report", [](Session&, const std::string&) { NotYet("report"); }},
            {"format", [](Session&, const std::string&) { NotYet("format"); }},
        };
        return handlers;
    }

    // Performs one script line; false when it failed (its error line printed).
    bool Perform(const std::string& raw_line, int line_number) {
        const std::string line = Trim(raw_line);
        if (line.empty()) return true;
        if (line[0] == '#') {
            out << line << '\n';
            return true;
        }
        const auto [action, rest] = FirstWord(line);
        try {
            const auto handler = Handlers().find(action);
            if (handler == Handlers().end()) throw cli::RecordError("unknown action '" + action + "'");
            handler->second(*this, rest);
            return true;
        } catch (const std::exception& failure) {
            out << "error: line " << line_number << ": " << failure.what() << '\n';
            return false;
        }
    }
};

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    if (args.Has("locale-comma")) platform::SetNumberLocale({','});
    Session session(out);
    session.Install(cli::DataDir(args), args.GetOr("user-dir", model::DefaultUserDataFolder()));
    bool failed = false;
    try {
        model::StartUp(session.program);
    } catch (const std::exception& failure) {
        // The program goes on after a fault; the script still runs.
        out << "error: start-up: " << failure.what() << '\n';
        failed = true;
    }
    std::string line;
    int line_number = 0;
    while (std::getline(in, line)) failed |= !session.Perform(line, ++line_number);
    if (!args.Has("no-save")) {
        try {
            model::ShutDown(session.program);
        } catch (const std::exception& failure) {
            out << "error: shut-down: " << failure.what() << '\n';
            failed = true;
        }
    }
    out.flush();
    return failed ? 1 : 0;
}

const bool registered = cli::Register({
    "session", "a script of user actions, one per line", "what the script asks to print",
    {{"no-save", false, "do not write the setup file and the user datum file at the end"},
     {"locale-comma", false, "show numbers with a comma as decimal separator"}},
    "The whole program without its windows: starts as the desktop program does,\n"
    "performs one user action per script line (geog, grid, cart, name, mode, view,\n"
    "option, trueoffset, gridoffset, cartoffset, save, saveas, open), prints the\n"
    "result sheet (sheet), the calculation state (state) or the menu bar (menus), and shuts down as the\n"
    "program does. Every notice is printed as 'notice: [ICON] TITLE: TEXT' and\n"
    "answered with OK. See docs/session.md.",
    Run});

}  // namespace
