#pragma once
// The opposite-datum dialog ("  Opposite datum selection"): a view of the
// model's OppositeDatumDialog (model/datum_rules.h), shown modally while a
// North Sea special datum is confirmed. The chosen datum's own button is
// disabled; the singled-out one is the default button (Enter presses it, the
// program never does). A button press or closing the window answers the model.
#include <QWidget>

#include "model/datum_rules.h"

namespace ui {

// Shows the dialog over the open modal window (or `parent`) and returns when
// the user has pressed a button or closed it.
void ShowOppositeDatumDialog(QWidget* parent, model::OppositeDatumDialog& dialog);

}  // namespace ui
