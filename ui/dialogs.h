#pragma once
// The program's modal dialogs over the main window: the point and offset
// dialogs, the three format dialogs and the About box. Each one mirrors a
// dialog value of the model and calls the model's functions on leaving a box
// and on OK; Cancel, Escape and closing the window change nothing.
#include <functional>

#include <QWidget>

#include "model/actions.h"
#include "model/program.h"

namespace ui {

// Opens the dialog a request names and returns when it has closed. `opened`
// runs once the model has opened it (so the main window can show itself
// disabled); the main window is enabled again on every way out.
// Returns false when the request names no dialog of this window set.
bool RunDialog(QWidget* parent, model::Program& program, const model::DialogRequest& request,
               const std::function<void()>& opened);

// Runs a window's event work; a failure that escapes is shown with its
// description and the work abandoned.
void Guard(model::Program& program, const std::function<void()>& work);

}  // namespace ui
