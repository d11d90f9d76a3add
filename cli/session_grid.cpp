// The session's grid co-ordinate system action: the dialog a click on the
// grid system row opens, driven as a user would drive it.
#include <sstream>

#include "cli/operation.h"
#include "cli/session.h"
#include "model/actions.h"
#include "model/dialogs.h"
#include "model/grid_dialog.h"

namespace cli {
namespace {

constexpr const char* kLayout = "I SYSTEM ZONEPOS [both] [grid]";

int LastPosition(const std::vector<std::string>& list) { return static_cast<int>(list.size()) - 1; }

// gridsys I SYSTEM ZONEPOS [both] [grid]: the check box ends ticked exactly
// when `both` is given, the freeze options on grid exactly when `grid` is.
void GridSystem(Session& s, const std::string& rest) {
    std::istringstream line(rest);
    std::vector<std::string> words;
    for (std::string word; line >> word;) words.push_back(word);
    if (words.size() < 3) throw RecordError(std::string("expected ") + kLayout);
    bool both = false, grid = false;
    for (std::size_t w = 3; w < words.size(); ++w) {
        if (words[w] == "both") both = true;
        else if (words[w] == "grid") grid = true;
        else throw RecordError("'" + words[w] + "' (both or grid expected)");
    }
    const int i = ReadPointIndex(words[0]);

    const model::DialogRequest request = model::Click(s.program, model::At(model::Row::GridSystem0, i));
    if (request.kind != model::DialogKind::GridSystem) return;  // refused, with its notice
    model::GridSystemDialog dialog = model::OpenGridSystemDialog(s.program, request.point);
    try {
        model::ChooseGridSystem(dialog, ReadChoice(words[1], "grid system", 0, LastPosition(dialog.grid_systems)));
        model::ChooseZone(dialog, ReadChoice(words[2], "zone position", 0, LastPosition(dialog.zones)));
        if (!model::TickBoth(dialog, both) && both)
            throw RecordError("'both': the check box \"" + dialog.both_label + "\" is disabled in this mode");
        // In the NGO mode the freeze is fixed to grid; a script's choice changes nothing there.
        model::ChooseGridFreeze(dialog, grid ? 1 : 0);
    } catch (...) {
        model::CloseDialog(s.program);  // the dialog is cancelled
        throw;
    }
    model::GridSystemDialogOK(s.program, dialog);
}

const bool registered = RegisterSessionAction("gridsys", GridSystem);

}  // namespace
}  // namespace cli
