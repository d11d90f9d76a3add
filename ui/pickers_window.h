#pragma once
// Setdate and Settime, the route schedule's date and time pickers: small modal
// dialogs over the schedule that edit a date or time text by picking from
// lists (schedule/pickers.h). OK copies the text into the calling button of
// the schedule's form; Cancel, Escape and closing leave it unchanged.
#include <QWidget>

#include "schedule/schedule_form.h"

namespace ui {

// Each returns true when OK copied the picked text into the button's caption.
bool RunSetdate(QWidget* parent, schedule::ScheduleForm& form, schedule::PickerButton button);
bool RunSettime(QWidget* parent, schedule::ScheduleForm& form, schedule::PickerButton button);

}  // namespace ui
