// The session's actions on points, modes, the view, offsets and the setup
// file: each drives the dialog or menu entry a user would, through the model.
#include <optional>
#include <string_view>

#include "cli/operation.h"
#include "cli/session.h"
#include "cli/session_print.h"
#include "model/actions.h"
#include "model/dialogs.h"
#include "model/setup_file.h"

namespace cli {
namespace {

// Whether the entry `name` lies below `entry` on a path of enabled, visible
// menus; nothing when it is not below `entry` at all.
std::optional<bool> Reachable(const model::MenuEntry& entry, std::string_view name) {
    const bool open = entry.enabled && entry.visible;
    if (entry.name == name) return open;
    for (const model::MenuEntry& child : entry.children)
        if (const auto below = Reachable(child, name)) return open && *below;
    return std::nullopt;
}

// A menu entry the user cannot choose (the Offset menu in the datum-shift
// modes) makes the line one that cannot be performed.
void RequireEnabledEntry(const Session& s, const char* name) {
    for (const model::MenuEntry& menu : s.program.menus.menus)
        if (const auto reachable = Reachable(menu, name)) {
            if (!*reachable) throw RecordError(std::string("the menu entry ") + name + " is disabled in this mode");
            return;
        }
}


void Geographic(Session& s, const std::string& rest) {
    const auto [index, texts_part] = FirstWord(rest);
    const int i = ReadPointIndex(index);
    const auto texts = SplitTexts(texts_part, 3, "LAT; LON; HGT");
    const model::DialogRequest request = model::MouseUp(s.program, model::At(model::Row::Lat0, i),
                                                        model::MouseButton::Left);
    if (request.kind != model::DialogKind::Geographic) return;  // refused, with its notice
    model::GeographicDialog dialog = model::OpenGeographicDialog(s.program, request.point);
    dialog.latitude = texts[0];
    model::LeaveLatitude(s.program, dialog);
    dialog.longitude = texts[1];
    model::LeaveLongitude(s.program, dialog);
    dialog.height = texts[2];
    model::GeographicDialogOK(s.program, dialog);
    model::CloseDialog(s.program);
}

void Grid(Session& s, const std::string& rest) {
    const auto [index, texts_part] = FirstWord(rest);
    const int i = ReadPointIndex(index);
    const auto texts = SplitTexts(texts_part, 2, "N; E");
    const model::DialogRequest request =
        model::MouseUp(s.program, model::At(model::Row::Northing0, i), model::MouseButton::Left);
    if (request.kind != model::DialogKind::Grid) return;
    model::GridDialog dialog = model::OpenGridDialog(s.program, request.point);
    dialog.northing = texts[0];
    dialog.easting = texts[1];
    model::GridDialogOK(s.program, dialog);
    model::CloseDialog(s.program);
}

void Cartesian(Session& s, const std::string& rest) {
    const auto [index, texts_part] = FirstWord(rest);
    const int i = ReadPointIndex(index);
    const auto texts = SplitTexts(texts_part, 3, "X; Y; Z");
    const model::DialogRequest request =
        model::MouseUp(s.program, model::At(model::Row::X0, i), model::MouseButton::Left);
    if (request.kind != model::DialogKind::Cartesian) return;
    model::CartesianDialog dialog = model::OpenCartesianDialog(s.program, request.point);
    dialog.x = texts[0];
    dialog.y = texts[1];
    dialog.z = texts[2];
    model::CartesianDialogOK(s.program, dialog);
    model::CloseDialog(s.program);
}

void Name(Session& s, const std::string& rest) {
    const auto [index, text] = FirstWord(rest);
    const int i = ReadPointIndex(index, 2);
    model::NameDialog dialog = model::OpenNameDialog(s.program, i);
    dialog.name = text;
    model::NameDialogOK(s.program, dialog);
    model::CloseDialog(s.program);
}

void Mode(Session& s, const std::string& rest) {
    const int k = ReadChoice(rest, "mode", 0, 1);
    model::MenuCommand(s.program, "mnuModeMode(" + std::to_string(k) + ")");
}

void View(Session& s, const std::string& rest) {
    const int k = ReadChoice(rest, "view entry", 0, 5);
    if (k == 3 || k == 4) throw RecordError("view entry " + rest + " is never visible (0, 1, 2 or 5)");
    model::MenuCommand(s.program, "mnuViewDisplay(" + std::to_string(k) + ")");
}

void Option(Session& s, const std::string& rest) {
    if (rest == "south") model::MenuCommand(s.program, "mnuOptionSLatitude");
    else if (rest == "west") model::MenuCommand(s.program, "mnuOptionWLongitude");
    else throw RecordError("option '" + rest + "' (south or west expected)");
}

void TrueOffset(Session& s, const std::string& rest) {
    const auto texts = SplitTexts(rest, 3, "RANGE; BEARING; FREEZE");
    const int frozen = ReadChoice(texts[2], "freeze", 0, 1);
    RequireEnabledEntry(s, "mnuOffsetTrueRange");
    const model::DialogRequest request = model::MenuCommand(s.program, "mnuOffsetTrueRange");
    if (request.kind != model::DialogKind::TrueOffset) return;
    model::TrueOffsetDialog dialog = model::OpenTrueOffsetDialog(s.program);
    model::ChooseTrueFreeze(dialog, frozen);
    dialog.range = texts[0];
    dialog.bearing[frozen] = texts[1];
    model::LeaveTrueBearing(s.program, dialog, frozen);
    model::TrueOffsetDialogOK(s.program, dialog);
    model::CloseDialog(s.program);
}

void GridOffset(Session& s, const std::string& rest) {
    const auto texts = SplitTexts(rest, 4, "RANGE; BRG_AB; BRG_BA; FREEZE");
    const int frozen = ReadChoice(texts[3], "freeze", 0, 1);
    RequireEnabledEntry(s, "mnuOffsetGridRange");
    const model::DialogRequest request = model::MenuCommand(s.program, "mnuOffsetGridRange");
    if (request.kind != model::DialogKind::GridOffset) return;
    model::GridOffsetDialog dialog = model::OpenGridOffsetDialog(s.program);
    dialog.frozen = frozen;
    dialog.range = texts[0];
    // Leaving a bearing box writes the back bearing into the other one, so
    // the box of the frozen point is typed last and its bearing holds.
    const int moved = 1 - frozen;
    dialog.bearing[moved] = texts[1 + moved];
    model::LeaveGridBearing(s.program, dialog, moved);
    dialog.bearing[frozen] = texts[1 + frozen];
    model::LeaveGridBearing(s.program, dialog, frozen);
    model::GridOffsetDialogOK(s.program, dialog);
    model::CloseDialog(s.program);
}

void CartOffset(Session& s, const std::string& rest) {
    const auto texts = SplitTexts(rest, 3, "DX; DY; DZ");
    RequireEnabledEntry(s, "mnuOffsetCartesian");
    const model::DialogRequest request = model::MenuCommand(s.program, "mnuOffsetCartesian");
    if (request.kind != model::DialogKind::CartOffset) return;
    model::CartOffsetDialog dialog = model::OpenCartOffsetDialog(s.program);
    dialog.dx = texts[0];
    dialog.dy = texts[1];
    dialog.dz = texts[2];
    model::CartOffsetDialogOK(s.program, dialog);
    model::CloseDialog(s.program);
}

void Save(Session& s, const std::string& rest) {
    if (!rest.empty()) throw RecordError("save takes no path (use saveas PATH)");
    model::FileSave(s.program);
}

// Without a PATH the dialog is cancelled.
void SaveAs(Session& s, const std::string& rest) {
    if (!rest.empty()) s.next_file_answer = rest;
    model::FileSaveAs(s.program);
    s.next_file_answer.reset();
}

void Open(Session& s, const std::string& rest) {
    if (!rest.empty()) s.next_file_answer = rest;
    model::FileOpen(s.program);
    s.next_file_answer.reset();
}

const bool registered = RegisterSessionAction("geog", Geographic) &&
    RegisterSessionAction("grid", Grid) &&
    RegisterSessionAction("cart", Cartesian) &&
    RegisterSessionAction("name", Name) &&
    RegisterSessionAction("mode", Mode) &&
    RegisterSessionAction("view", View) &&
    RegisterSessionAction("option", Option) &&
    RegisterSessionAction("trueoffset", TrueOffset) &&
    RegisterSessionAction("gridoffset", GridOffset) &&
    RegisterSessionAction("cartoffset", CartOffset) &&
    RegisterSessionAction("save", Save) &&
    RegisterSessionAction("saveas", SaveAs) &&
    RegisterSessionAction("open", Open) &&
    RegisterSessionAction("sheet", [](Session& s, const std::string&) { PrintSheet(s.program.sheet, s.out); }) &&
    RegisterSessionAction("state", [](Session& s, const std::string&) { PrintState(s.program.state, s.out); }) &&
    RegisterSessionAction("menus", [](Session& s, const std::string&) { PrintMenus(s.program.menus, s.out); });

}  // namespace
}  // namespace cli
