#pragma once
// Add_Datum, the user-datum editor ("User defined Geodetic datum"): a view of
// the model's UserDatumEditor (datums/user_datum_editor.h) over the program's
// user datums. Every box selects its whole text on entering, so typing
// replaces a placeholder; leaving an ellipsoid box derives the other values.
// OK stores the row (a refusal keeps the editor open); Cancel, Escape and
// closing change nothing that is not already done ("Remove datum" removes at once).
#include <functional>

#include <QWidget>

#include "model/program.h"

namespace ui {

// Opens the editor and returns when it has closed. `opened` runs once the model
// has opened it; the caller enables the main window again.
void RunUserDatumEditor(QWidget* parent, model::Program& program, const std::function<void()>& opened);

}  // namespace ui
