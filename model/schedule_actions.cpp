#include "model/schedule_actions.h"

#include "model/program.h"
#include "platform/locale.h"

namespace model {

schedule::SheetValues ScheduleSheetValues(const Program& program) {
    schedule::SheetValues values;
    values.geodetic_distance = program.sheet.Text(Row::TrueDist);
    values.great_circle_distance = program.sheet.Text(Row::GrCircleDist);
    values.rhumb_line_distance = program.sheet.Text(Row::RhLineDist);
    values.distance_format = program.state.formats.pub_DistFormat;
    values.great_circle_format = program.state.formats.pub_GCFormat;
    values.longitude_a = program.state.point[0].pub_Lon;
    values.longitude_b = program.state.point[1].pub_Lon;
    values.decimal_separator = platform::CurrentNumberLocale().decimal_separator;
    return values;
}

schedule::ScheduleForm OpenRouteSchedule(Program& program, schedule::DateTime present_local_time) {
    program.window.enabled = false;
    return schedule::OpenScheduleForm(program.schedule, ScheduleSheetValues(program), present_local_time);
}

void ChooseScheduleInput(Program& program, schedule::ScheduleForm& form, int combination) {
    schedule::ChooseInputCombination(form, program.schedule, combination);
}

void ChooseScheduleSpeedUnit(Program& program, schedule::ScheduleForm& form, int unit_index) {
    schedule::ChooseSpeedUnit(form, program.schedule, unit_index);
}

void DetectScheduleTimezones(const Program& program, schedule::ScheduleForm& form) {
    schedule::DetectTimezones(form, ScheduleSheetValues(program));
}

bool CalculateSchedule(Program& program, schedule::ScheduleForm& form) {
    return schedule::Calculate(form, program.schedule, ScheduleSheetValues(program), program.platform.notices);
}

schedule::DatePicker OpenDatePicker(const schedule::ScheduleForm& form, schedule::PickerButton button,
                                    int present_year) {
    schedule::ScheduleInputs inputs = form.inputs;
    return schedule::OpenSetdate(schedule::ButtonCaption(inputs, button), schedule::PickerHeader(button),
                                 present_year);
}

schedule::TimePicker OpenTimePicker(const schedule::ScheduleForm& form, schedule::PickerButton button) {
    schedule::ScheduleInputs inputs = form.inputs;
    return schedule::OpenSettime(schedule::ButtonCaption(inputs, button), schedule::PickerHeader(button));
}

void DatePickerOK(schedule::ScheduleForm& form, schedule::PickerButton button, const schedule::DatePicker& picker) {
    schedule::ButtonCaption(form.inputs, button) = picker.date_text;
}

void TimePickerOK(schedule::ScheduleForm& form, schedule::PickerButton button, const schedule::TimePicker& picker) {
    schedule::ButtonCaption(form.inputs, button) = picker.time_text;
}

}  // namespace model
