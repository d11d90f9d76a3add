// The session's datum actions: the datum dialog, and how the next
// opposite-datum dialog is answered.
#include <ostream>

#include "cli/operation.h"
#include "cli/session.h"
#include "model/actions.h"
#include "model/datum_dialog.h"
#include "model/datum_rules.h"

namespace cli {
namespace {

// Prints the datum dialog as it shows: the header, the option buttons (the
// selected one marked), the list with its selected entry, and the labels.
void ShowDatumDialog(std::ostream& out, const model::DatumDialog& d) {
    out << "lblHeader\t" << d.header << '\n';
    for (std::size_t k = 0; k < d.option_captions.size(); ++k)
        out << "optOption(" << k << ")\t" << d.option_captions[k] << (static_cast<int>(k) == d.option ? "\tselected" : "")
            << (d.option_enabled[k] ? "" : "\t(disabled)") << '\n';
    out << "cmbDatum\t" << (d.selected >= 0 ? d.entries[static_cast<std::size_t>(d.selected)] : "") << '\n';
    for (std::size_t k = 0; k < d.entries.size(); ++k) out << "cmbDatum(" << k << ")\t" << d.entries[k] << '\n';
    out << "lblArea\t" << d.area << '\n';
    for (std::size_t k = 0; k < d.ellipsoid_labels.size(); ++k)
        out << "lblEllipsoid(" << k << ")\t" << d.ellipsoid_labels[k] << '\n';
    out << "lblRemark\t" << d.remark << '\n';
    for (std::size_t k = 0; k < d.parameter_labels.size(); ++k)
        out << "lblParameter(" << k + 1 << ")\t" << d.parameter_labels[k] << (d.parameters_visible ? "" : "\t(hidden)")
            << '\n';
}

// datum I OPTION POSITION [FREEZE], datum I OPTION POSITION show, datum I show
void Datum(Session& s, const std::string& rest) {
    const auto [index, after_index] = FirstWord(rest);
    const int i = ReadPointIndex(index);
    const bool show_opened = after_index == "show";
    std::string choices = show_opened ? "" : after_index;
    const bool show = show_opened || (choices.size() > 5 && choices.ends_with(" show"));
    if (show && !show_opened) choices.resize(choices.size() - 5);
    const auto [option_text, after_option] = FirstWord(choices);
    const auto [position_text, freeze_text] = FirstWord(after_option);
    if (!show_opened && position_text.empty()) throw RecordError("expected I OPTION POSITION [FREEZE], or show");
    const int option = show_opened ? 0 : ReadChoice(option_text, "option", 0, 3);
    const int position = show_opened ? 0 : ReadChoice(position_text, "list entry", 0, 32767);
    if (freeze_text.find_first_of(" \t") != std::string::npos || (show && !freeze_text.empty()))
        throw RecordError("expected I OPTION POSITION [FREEZE], or show");
    const int freeze = freeze_text.empty() ? 0 : ReadChoice(freeze_text, "freeze", 0, 3);

    const model::DialogRequest request = model::Click(s.program, model::At(model::Row::Datum0, i));
    if (request.kind != model::DialogKind::Datum) return;
    model::DatumDialog dialog = model::OpenDatumDialog(s.program, request.point);
    // The line's own problems close the dialog as Cancel would, then are reported.
    const auto cancel_with = [&](const std::string& message) {
        model::DatumDialogCancel(s.program);
        throw RecordError(message);
    };
    if (show_opened) {
        ShowDatumDialog(s.out, dialog);
        model::DatumDialogCancel(s.program);
        return;
    }
    if (!model::ChooseDatumOption(s.program, dialog, option))
        cancel_with("option " + option_text + " is not enabled in the datum dialog");
    const int entries = static_cast<int>(dialog.entries.size());
    if (entries == 0) cancel_with("the datum list of option " + option_text + " is empty");
    if (position >= entries)
        cancel_with("list entry " + position_text + " outside 0 ... " + std::to_string(entries - 1));
    model::PickDatumEntry(s.program, dialog, position);
    if (show) {
        ShowDatumDialog(s.out, dialog);
        model::DatumDialogCancel(s.program);
        return;
    }
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
