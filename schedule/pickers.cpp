#include "schedule/pickers.h"

#include <cstdio>

#include "schedule/date_time.h"
#include "text/number_text.h"

namespace schedule {

namespace {

std::vector<std::string> NumberList(int first, int last, const char* pattern) {
    std::vector<std::string> list;
    for (int n = first; n <= last; ++n) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, pattern, n);
        list.emplace_back(buffer);
    }
    return list;
}

// Writes text over the characters from start (0-based), growing the text when short.
void WriteField(std::string& target, std::size_t start, const std::string& field) {
    if (target.size() < start + field.size()) target.resize(start + field.size(), ' ');
    target.replace(start, field.size(), field);
}

// The date text's own reading of its fields: day 1-2, month 4-6, year 8-11.
int DayOf(const std::string& date_text) { return static_cast<int>(text::ReadNumber(date_text.substr(0, 2))); }
int MonthOf(const std::string& date_text) {
    return date_text.size() > 3 ? MonthFromAbbreviation(date_text.substr(3, 3)) : 0;
}
int YearOf(const std::string& date_text) {
    return date_text.size() > 7 ? static_cast<int>(text::ReadNumber(date_text.substr(7, 4))) : 0;
}

void FitDays(DatePicker& picker) {
    const int month = MonthOf(picker.date_text);
    const int length = month == 0 ? 31 : DaysInMonth(YearOf(picker.date_text), month);
    picker.days = NumberList(1, length, "%02d");
    if (DayOf(picker.date_text) > length) WriteField(picker.date_text, 0, picker.days.back());
}

}  // namespace

DatePicker OpenSetdate(const std::string& caption, const std::string& header, int present_year) {
    DatePicker picker;
    picker.header = header;
    picker.date_text = caption;
    WriteField(picker.date_text, 2, " ");
    WriteField(picker.date_text, 6, " ");
    for (int month = 1; month <= 12; ++month) picker.months.emplace_back(MonthAbbreviation(month));
    picker.years = NumberList(present_year, present_year + 11, "%04d");
    FitDays(picker);
    return picker;
}

void PickDay(DatePicker& picker, const std::string& day) { WriteField(picker.date_text, 0, day.substr(0, 2)); }

void PickMonth(DatePicker& picker, const std::string& month) {
    WriteField(picker.date_text, 3, month.substr(0, 3));
    FitDays(picker);
}

void PickYear(DatePicker& picker, const std::string& year) {
    WriteField(picker.date_text, 7, year.substr(0, 4));
    FitDays(picker);
}

TimePicker OpenSettime(const std::string& caption, const std::string& header) {
    TimePicker picker;
    picker.header = header;
    picker.time_text = caption;
    if (picker.time_text.size() < 8) WriteField(picker.time_text, 5, ":00");
    picker.hours = NumberList(0, 23, "%02d");
    picker.minutes = NumberList(0, 59, "%02d");
    picker.seconds = NumberList(0, 59, "%02d");
    return picker;
}

void PickHour(TimePicker& picker, const std::string& hour) { WriteField(picker.time_text, 0, hour.substr(0, 2)); }

void PickMinute(TimePicker& picker, const std::string& minute) {
    WriteField(picker.time_text, 3, minute.substr(0, 2));
}

void PickSecond(TimePicker& picker, const std::string& second) {
    WriteField(picker.time_text, 6, second.substr(0, 2));
}

}  // namespace schedule
