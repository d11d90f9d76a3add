#pragma once
// The route schedule (Schedule_Form, Options menu "Route schedule") over the
// running program: the three distances come from the result sheet each time
// the user calculates, the zones from the points' longitudes, and the inputs
// are kept in program.schedule for the rest of the run. The main window is
// disabled from the opening until CloseDialog (model/dialogs.h).
#include "schedule/pickers.h"
#include "schedule/schedule_form.h"

namespace model {

struct Program;

// What the schedule reads of the sheet and the state now.
schedule::SheetValues ScheduleSheetValues(const Program& program);

// Opens the dialog with the last inputs of the run (the present local time
// on the date and time buttons that were never set).
schedule::ScheduleForm OpenRouteSchedule(Program& program, schedule::DateTime present_local_time);

void ChooseScheduleInput(Program& program, schedule::ScheduleForm& form, int combination);
void ChooseScheduleSpeedUnit(Program& program, schedule::ScheduleForm& form, int unit_index);
void DetectScheduleTimezones(const Program& program, schedule::ScheduleForm& form);
// cmdCalc: false when refused (ETA before ETD) or abandoned, with its notice.
bool CalculateSchedule(Program& program, schedule::ScheduleForm& form);

// The pickers on one of the schedule's buttons: they open on its caption and
// OK copies the picked text into it; Cancel simply drops the picker.
schedule::DatePicker OpenDatePicker(const schedule::ScheduleForm& form, schedule::PickerButton button,
                                    int present_year);
schedule::TimePicker OpenTimePicker(const schedule::ScheduleForm& form, schedule::PickerButton button);
void DatePickerOK(schedule::ScheduleForm& form, schedule::PickerButton button, const schedule::DatePicker& picker);
void TimePickerOK(schedule::ScheduleForm& form, schedule::PickerButton button, const schedule::TimePicker& picker);

}  // namespace model
