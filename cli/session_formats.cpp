// The session's format action: a display-format dialog opened from its Format
// menu entry, an option button and a decimals count chosen, OK.
#include <map>
#include <ostream>
#include <string>

#include "cli/operation.h"
#include "cli/session.h"
#include "model/actions.h"
#include "model/dialogs.h"
#include "model/format_actions.h"

namespace cli {
namespace {

// The Format menu entry of each kind word.
const std::map<std::string, std::string>& FormatMenuEntries() {
    static const std::map<std::string, std::string> entries = {
        {"geog", "mnuFormatPosition"}, {"brg", "mnuFormatBearing"}, {"hgt", "mnuFormatHeight"},
        {"cart", "mnuFormatCartesian"}, {"grid", "mnuFormatGrid"},   {"dist", "mnuFormatDistance"},
        {"gc", "mnuFormatGrCirc"},
    };
    return entries;
}

// Prints the format dialog as it shows: the title, the line under it, the
// option buttons (the selected one marked), the decimals list and the example.
void ShowFormatDialog(const Session& s, const text::FormatDialog& d) {
    std::ostream& out = s.out;
    out << "caption\t" << d.title << '\n';
    if (!d.information.empty()) out << "lblInformation\t" << d.information << '\n';
    const auto& options = text::FormatOptions(d.kind);
    for (std::size_t k = 0; k < options.size(); ++k)
        out << "optOption(" << k << ")\t" << options[k].caption
            << (static_cast<int>(k) == d.record.Option ? "\tselected" : "") << '\n';
    out << "lstDecimals\t" << d.record.Decimals;
    if (!d.decimals_offered.empty()) out << "\t" << d.decimals_offered.front() << " ... " << d.decimals_offered.back();
    out << "\nlblExample\t" << model::FormatExample(s.program, d) << '\n';
}

// format KIND OPTION DECIMALS, format KIND OPTION [DECIMALS] show
void Format(Session& s, const std::string& rest) {
    const auto [kind, after_kind] = FirstWord(rest);
    const auto entry = FormatMenuEntries().find(kind);
    if (entry == FormatMenuEntries().end())
        throw RecordError("format kind '" + kind + "' (geog, brg, hgt, cart, grid, dist or gc expected)");
    std::string choices = after_kind;
    const bool show = choices.ends_with(" show");
    if (show) choices.resize(choices.size() - 5);
    const auto [option_text, decimals_text] = FirstWord(choices);
    const model::DialogRequest request = model::MenuCommand(s.program, entry->second);
    auto dialog = model::OpenFormatDialog(s.program, request.kind);
    if (!dialog) return;
    const int options = static_cast<int>(text::FormatOptions(dialog->kind).size());
    const int option = ReadChoice(option_text, "format option", 0, options - 1);
    text::ChooseOption(*dialog, option);
    if (show && decimals_text.empty()) {
        ShowFormatDialog(s, *dialog);
        model::CloseDialog(s.program);
        return;
    }
    const int decimals = ReadChoice(decimals_text, "decimals", 0, 99);
    bool offered = false;
    for (int d : dialog->decimals_offered) offered |= d == decimals;
    if (!offered) {
        model::CloseDialog(s.program);
        throw RecordError("decimals " + decimals_text + " not offered by option " + option_text + " (0 ... " +
                          std::to_string(dialog->decimals_offered.empty() ? 0 : dialog->decimals_offered.back()) +
                          ")");
    }
    text::ChooseDecimals(*dialog, decimals);
    if (show) {
        ShowFormatDialog(s, *dialog);
    } else {
        model::FormatDialogOK(s.program, *dialog);
    }
    model::CloseDialog(s.program);
}

const bool registered = RegisterSessionAction("format", Format);

}  // namespace
}  // namespace cli
