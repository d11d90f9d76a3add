// The session's datum actions: the datum dialog, and how the next
// opposite-datum dialog is answered.
#include "cli/operation.h"
#include "cli/session.h"
#include "model/actions.h"
#include "model/datum_dialog.h"
#include "model/datum_rules.h"

namespace cli {
namespace {

// datum I OPTION POSITION [FREEZE]
void Datum(Session& s, const std::string& rest) {
    const auto [index, after_index] = FirstWord(rest);
    const int i = ReadPointIndex(index);
    const auto [option_text, after_option] = FirstWord(after_index);
    const int option = ReadChoice(option_text, "option", 0, 3);
    const auto [position_text, freeze_text] = FirstWord(after_option);
    if (position_text.empty()) throw RecordError("expected I OPTION POSITION [FREEZE]");
    const int position = ReadChoice(position_text, "list entry", 0, 32767);
    if (freeze_text.find_first_of(" \t") != std::string::npos)
        throw RecordError("expected I OPTION POSITION [FREEZE]");
    const int freeze = freeze_text.empty() ? 0 : ReadChoice(freeze_text, "freeze", 0, 3);

    const model::DialogRequest request = model::Click(s.program, model::At(model::Row::Datum0, i));
    if (request.kind != model::DialogKind::Datum) return;
    model::DatumDialog dialog = model::OpenDatumDialog(s.program, request.point);
    // The line's own problems close the dialog as Cancel would, then are reported.
    const auto cancel_with = [&](const std::string& message) {
        model::DatumDialogCancel(s.program);
        throw RecordError(message);
    };
    if (!model::ChooseDatumOption(s.program, dialog, option))
        cancel_with("option " + option_text + " is not enabled in the datum dialog");
    const int entries = static_cast<int>(dialog.entries.size());
    if (entries == 0) cancel_with("the datum list of option " + option_text + " is empty");
    if (position >= entries)
        cancel_with("list entry " + position_text + " outside 0 ... " + std::to_string(entries - 1));
    model::PickDatumEntry(s.program, dialog, position);
    dialog.freeze = freeze;
    // OK refused (no entry selected after a refused pick): the dialog is cancelled.
    if (!model::DatumDialogOK(s.program, dialog)) model::DatumDialogCancel(s.program);
}

// opposite CHOICE: a button caption of the opposite-datum dialog, or close.
void Opposite(Session& s, const std::string& rest) {
    const model::OppositeDatumDialog captions;
    bool known = rest == "close";
    for (const auto& button : captions.buttons) known |= rest == button.caption;
    if (!known) throw RecordError("opposite '" + rest + "' (WGS84*Sea, ED87-North Sea, ED50-North Sea or close expected)");
    s.next_opposite_answer = rest;
}

const bool registered = RegisterSessionAction("datum", Datum) && RegisterSessionAction("opposite", Opposite);

}  // namespace
}  // namespace cli
