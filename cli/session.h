#pragma once
// The headless session's frame: the running program with its console
// platform, the script-line helpers, and a registry of script actions. Each
// topic's actions live in their own cli/session_*.cpp file and register
// themselves by name (see docs/session.md for the script language).
#include <any>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/program.h"

namespace cli {

struct Session {
    model::Program program;
    model::MemorySettings settings;
    std::ostream& out;
    std::optional<std::string> next_file_answer;  // what the next file dialog answers
    // The button caption the next opposite-datum dialog is answered with, or
    // "close"; without one the dialog is closed.
    std::optional<std::string> next_opposite_answer;

    // The modal dialogs a block of script lines works in (the user-datum
    // editor, the route schedule, a picker over it), innermost last: the
    // action word of its lines and the dialog's value. While one is open only
    // its own lines and the printing lines are performed, as a modal window
    // lets a user reach nothing else.
    struct OpenDialog {
        std::string action;
        std::any dialog;
        std::vector<std::string> opens;  // the action words of the dialogs it opens
    };
    std::vector<OpenDialog> open_dialogs;

    explicit Session(std::ostream& output) : out(output) {}

    // The console platform: notices printed, file dialogs and the opposite-datum
    // dialog answered from the script.
    void Install(const std::string& data_dir, const std::string& user_dir);
};

// The whole session: start-up with these folders, one user action per line of
// `in`, shut-down unless no_save. Returns 1 when a line, the start-up or the
// shut-down failed, else 0.
struct SessionFolders {
    std::string data_dir;
    std::string user_dir;
    bool no_save = false;
};
int RunSession(const SessionFolders& folders, std::istream& in, std::ostream& out);

// Performs one script line on a started session: a "#" line is copied to the
// output, an empty one ignored; a line that cannot be performed (or that a
// modal dialog still open does not let through) prints "error: line N:
// MESSAGE" and gives false.
bool PerformLine(Session& session, const std::string& line, int line_number);

// One script action: `rest` is the line after the action word (trimmed).
// A problem with the line itself is a RecordError; the program's own refusals
// are notices.
using SessionAction = std::function<void(Session&, const std::string& rest)>;

// Registers an action under its first word; returns true (for static registration).
bool RegisterSessionAction(const std::string& name, SessionAction action);
const SessionAction* FindSessionAction(const std::string& name);

// The innermost open dialog's value when its action word is `action`, else nullptr.
template <class Dialog>
Dialog* OpenDialogOf(Session& session, const std::string& action) {
    if (session.open_dialogs.empty() || session.open_dialogs.back().action != action) return nullptr;
    return std::any_cast<Dialog>(&session.open_dialogs.back().dialog);
}

// Lines that only print may run while a modal dialog is open.
bool PrintsOnly(const std::string& action);

// ---- Helpers for reading script lines ----------------------------------------

std::string TrimBlanks(const std::string& text);
// The texts of a line separated by ";" (blanks around each ";" dropped); exactly
// `count` of them, else a RecordError naming the layout.
std::vector<std::string> SplitTexts(const std::string& rest, std::size_t count, const char* layout);
// The first word of `text` and the rest after it (trimmed).
std::pair<std::string, std::string> FirstWord(const std::string& text);
// A whole number within lowest ... highest, else a RecordError naming `what`.
int ReadChoice(const std::string& text, const char* what, int lowest, int highest);
int ReadPointIndex(const std::string& text, int highest = 1);

}  // namespace cli
