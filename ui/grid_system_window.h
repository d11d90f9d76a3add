#pragma once
// EditProjection, the grid co-ordinate system dialog: a view of the model's
// GridSystemDialog (model/grid_dialog.h). Choosing in its lists, the check
// box and the freeze options call the model; OK applies the choice; Cancel,
// Escape and closing change nothing.
#include <functional>

#include <QWidget>

#include "model/actions.h"
#include "model/program.h"

namespace ui {

// Opens the dialog for request.point and returns when it has closed. `opened`
// runs once the model has opened it; the caller enables the main window again.
void RunGridSystemDialog(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                         const std::function<void()>& opened);

}  // namespace ui
