#pragma once
// The Setdate and Settime pickers: a date text "dd mmm yyyy" or a time text
// "HH:MM:SS" edited by picking from lists. OK copies the text into the calling
// button's caption (ButtonCaption in schedule_form.h); Cancel copies nothing.
#include <string>
#include <vector>

namespace schedule {

struct DatePicker {
    std::string header;     // "ETD" or "ETA"
    std::string date_text;  // lblDate: day 1-2, month 4-6, year 8-11
    std::vector<std::string> days;    // lstDay, fitted to the month and year
    std::vector<std::string> months;  // lstMonth "Jan" ... "Dec"
    std::vector<std::string> years;   // lstYear: the present year and the 11 following
};

// Opens on the caption with blanks forced at characters 3 and 7; the day list
// is fitted to the caption's month at once, so no day beyond it can be picked.
DatePicker OpenSetdate(const std::string& caption, const std::string& header, int present_year);
void PickDay(DatePicker& picker, const std::string& day);
// Writes the month and fits the day list: February 28 or 29 days, April, June,
// September and November 30, the others 31; a day beyond the end becomes the last.
void PickMonth(DatePicker& picker, const std::string& month);
// Writes the year and fits February's length to it in the same way.
void PickYear(DatePicker& picker, const std::string& year);

struct TimePicker {
    std::string header;
    std::string time_text;  // lblTime: hours 1-2, minutes 4-5, seconds 7-8
    std::vector<std::string> hours;    // lstHour "00" ... "23"
    std::vector<std::string> minutes;  // lstMin "00" ... "59"
    std::vector<std::string> seconds;  // lstSec "00" ... "59"
};

// Opens on the caption; an "hh:mm" caption gets ":00" so that a second can be picked.
TimePicker OpenSettime(const std::string& caption, const std::string& header);
void PickHour(TimePicker& picker, const std::string& hour);
void PickMinute(TimePicker& picker, const std::string& minute);
void PickSecond(TimePicker& picker, const std::string& second);

}  // namespace schedule
