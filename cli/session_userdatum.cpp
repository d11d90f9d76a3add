// The session's lines for the user-datum editor (Options, User Defined Datum):
// `userdatum open`, then the editor's controls one line each, then
// `userdatum ok` or `userdatum cancel`; `userdatums` prints the table.
#include <array>
#include <ostream>

#include "cli/operation.h"
#include "cli/session.h"
#include "cli/session_print.h"
#include "datums/user_datums.h"
#include "model/actions.h"
#include "model/dialogs.h"
#include "model/program.h"
#include "model/user_datum_actions.h"

namespace cli {
namespace {

constexpr const char* kAction = "userdatum";

// The editor's text boxes by the word a script names them with.
struct BoxName {
    const char* word;
    const char* control;  // as the editor's frames name their boxes
    int frame;            // 0 datum, 1 ellipsoid, 2 shift
    int index;
};
constexpr std::array<BoxName, 15> kBoxes{{
    {"name", "txtDatum(0)", 0, 0},      {"area", "txtDatum(1)", 0, 1},
    {"ellipsoid", "txtEllipsoid(0)", 1, 0}, {"a", "txtEllipsoid(1)", 1, 1},
    {"b", "txtEllipsoid(2)", 1, 2},     {"f", "txtEllipsoid(3)", 1, 3},
    {"e2", "txtEllipsoid(4)", 1, 4},    {"info", "txtShift(0)", 2, 0},
    {"dx", "txtShift(1)", 2, 1},        {"dy", "txtShift(2)", 2, 2},
    {"dz", "txtShift(3)", 2, 3},        {"rotx", "txtShift(4)", 2, 4},
    {"roty", "txtShift(5)", 2, 5},      {"rotz", "txtShift(6)", 2, 6},
    {"ds", "txtShift(7)", 2, 7},
}};

std::string& BoxText(datums::UserDatumEditor& editor, const BoxName& box) {
    const auto k = static_cast<std::size_t>(box.index);
    if (box.frame == 0) return editor.datum_boxes[k];
    if (box.frame == 1) return editor.ellipsoid_boxes[k];
    return editor.shift_boxes[k];
}

const BoxName& FindBox(const std::string& word) {
    for (const BoxName& box : kBoxes)
        if (word == box.word) return box;
    throw RecordError("no editor box '" + word +
                      "' (name, area, ellipsoid, a, b, f, e2, info, dx, dy, dz, rotx, roty, rotz, ds)");
}

datums::UserDatumEditor& Editor(Session& s) {
    auto* editor = OpenDialogOf<datums::UserDatumEditor>(s, kAction);
    if (!editor) throw RecordError("the user-datum editor is not open (userdatum open)");
    return *editor;
}

void Close(Session& s) {
    s.open_dialogs.pop_back();
    model::CloseDialog(s.program);
}

void Show(Session& s, const datums::UserDatumEditor& editor) {
    const datums::UserDatumEditorView view = model::ViewUserDatumEditor(s.program, editor);
    std::ostream& out = s.out;
    out << "optAction\t" << datums::kUserDatumActionCaptions[static_cast<std::size_t>(editor.action)]
        << (view.edit_option_enabled ? "" : "\t(edit disabled)") << '\n';
    out << "cmbUserDatum\t" << Printable(view.datum_list_text) << '\n';
    for (std::size_t k = 0; k < view.datum_list.size(); ++k)
        out << "cmbUserDatum(" << k << ")\t" << Printable(view.datum_list[k]) << '\n';
    out << "cmdRemove\t" << (view.remove_enabled ? "enabled" : "disabled") << '\n';
    out << "optInputMode\t" << datums::kEllipsoidInputModeCaptions[static_cast<std::size_t>(editor.input_mode)]
        << '\n';
    datums::UserDatumEditor copy = editor;
    for (const BoxName& box : kBoxes) {
        const bool enabled = box.frame != 1 || view.ellipsoid_box_enabled[static_cast<std::size_t>(box.index)];
        out << box.control << '\t' << Printable(BoxText(copy, box)) << (enabled ? "" : "\t(disabled)") << '\n';
    }
}

void UserDatum(Session& s, const std::string& rest) {
    const auto [word, argument] = FirstWord(rest);
    if (word == "open") {
        if (!s.open_dialogs.empty()) throw RecordError("the user-datum editor is already open");
        if (model::MenuCommand(s.program, "mnuUserDatum").kind != model::DialogKind::UserDatums) return;
        s.open_dialogs.push_back({kAction, model::OpenUserDatumEditor(s.program), {}});
        return;
    }
    datums::UserDatumEditor& editor = Editor(s);
    if (word == "action") {
        model::ChooseUserDatumAction(s.program, editor, ReadChoice(argument, "option", 0, 1));
    } else if (word == "select") {
        const int last = static_cast<int>(s.program.catalogue.UserDatums.size()) - 1;
        model::SelectUserDatum(s.program, editor, ReadChoice(argument, "user datum list entry", -1, last));
    } else if (word == "ellipsoid") {
        const int last = static_cast<int>(s.program.catalogue.Ellipsoids.size()) - 1;
        model::PickEllipsoid(s.program, editor, ReadChoice(argument, "ellipsoid list entry", 0, last));
    } else if (word == "mode") {
        datums::ChooseEllipsoidInputMode(editor, ReadChoice(argument, "input mode", 0, 4));
    } else if (word == "type") {
        const auto [box_word, text] = FirstWord(argument);
        const BoxName& box = FindBox(box_word);
        const auto view = model::ViewUserDatumEditor(s.program, editor);
        if (box.frame == 1 && !view.ellipsoid_box_enabled[static_cast<std::size_t>(box.index)])
            throw RecordError("the box '" + box_word + "' is disabled in this input mode");
        // The box selects its whole text on entering, so typing replaces it.
        BoxText(editor, box) = text;
        if (box.frame == 1) model::LeaveEllipsoidBox(s.program, editor);
    } else if (word == "remove") {
        model::RemoveUserDatum(s.program, editor);
    } else if (word == "show") {
        Show(s, editor);
    } else if (word == "ok") {
        if (model::UserDatumEditorOK(s.program, editor)) Close(s);
    } else if (word == "cancel") {
        Close(s);
    } else {
        throw RecordError("userdatum '" + word + "' (open, action, select, ellipsoid, mode, type, remove, show, "
                          "ok or cancel expected)");
    }
}

// Every user datum: its 14 fields as the file holds them, one row a line.
void PrintUserDatums(Session& s, const std::string&) {
    for (const datums::DatumEntry& row : s.program.catalogue.UserDatums) {
        s.out << "userdatum\t" << row.Number << '\t' << Printable(row.Name) << '\t' << Printable(row.Ellipsoid)
              << '\t' << Printable(row.Area);
        for (double value : {row.a, row.InvF}) s.out << '\t' << datums::FileNumberText(value);
        s.out << '\t' << Printable(row.Remark);
        for (double value : {row.dx, row.dy, row.dz, row.rotx, row.roty, row.rotz, row.ds})
            s.out << '\t' << datums::FileNumberText(value);
        s.out << '\n';
    }
}

const bool registered =
    RegisterSessionAction(kAction, UserDatum) && RegisterSessionAction("userdatums", PrintUserDatums);

}  // namespace
}  // namespace cli
