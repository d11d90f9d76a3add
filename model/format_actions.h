#pragma once
// The three format dialogs over the running program: opening one (the main
// window is disabled until CloseDialog), the example line from Point A's
// longitude and the true bearing, and OK, which stores the dialog's record and
// writes the listed sheet values again with it.
#include <optional>

#include "model/actions.h"
#include "text/format_dialogs.h"

namespace model {

// GeographicFormat, BearingFormat or DistanceFormat (the kind word from the
// main window's tag). Nothing for another kind or an unknown kind word.
std::optional<text::FormatDialog> OpenFormatDialog(Program& program, DialogKind kind);

// The example line of the dialog as it stands.
std::string FormatExample(const Program& program, const text::FormatDialog& dialog);

// OK: false when a failure stopped it (shown; state and sheet as before).
bool FormatDialogOK(Program& program, const text::FormatDialog& dialog);

}  // namespace model
