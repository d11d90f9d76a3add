#pragma once
// EditDatum, the datum selection dialog: a view of the model's DatumDialog
// (model/datum_dialog.h). Its option buttons, datum list and freeze options
// call the model and show its value again; OK hands the pick to the pairing
// rules (it stays open, with the model's notice, while no entry is picked);
// Cancel, Escape and closing change nothing.
#include <functional>

#include <QWidget>

#include "model/actions.h"
#include "model/program.h"

namespace ui {

// Opens the dialog for request.point and returns when it has closed. `opened`
// runs once the model has opened it; the caller enables the main window again.
void RunDatumDialog(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                    const std::function<void()>& opened);

}  // namespace ui
