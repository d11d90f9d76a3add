#pragma once
// Schedule_Form, the route schedule ("Schedule for sailing from Point A to
// Point B"): a view of the model's ScheduleForm (schedule/schedule_form.h) over
// the program's distances. The date and time buttons open the pickers; CALC
// computes the three rows; C&LOSE, Escape and closing keep the inputs in the
// program's schedule state for the next opening.
#include <functional>

#include <QWidget>

#include "model/program.h"

namespace ui {

void RunRouteSchedule(QWidget* parent, model::Program& program, const std::function<void()>& opened);

}  // namespace ui
