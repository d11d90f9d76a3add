#include "schedule/pickers.h"

#include <gtest/gtest.h>

#include "schedule/date_time.h"
#include "schedule/schedule_form.h"

namespace schedule {
namespace {

TEST(Setdate, ListsAndOpening) {
    const DatePicker picker = OpenSetdate("05-Jan-2024", "ETD", 2024);
    EXPECT_EQ(picker.header, "ETD");
    EXPECT_EQ(picker.date_text, "05 Jan 2024");  // blanks forced at characters 3 and 7
    ASSERT_EQ(picker.days.size(), 31u);
    EXPECT_EQ(picker.days.front(), "01");
    EXPECT_EQ(picker.days.back(), "31");
    EXPECT_EQ(picker.months, (std::vector<std::string>{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug",
                                                       "Sep", "Oct", "Nov", "Dec"}));
    ASSERT_EQ(picker.years.size(), 12u);
    EXPECT_EQ(picker.years.front(), "2024");
    EXPECT_EQ(picker.years.back(), "2035");
    // A February caption opens with February's days only.
    EXPECT_EQ(OpenSetdate("10 Feb 2025", "ETA", 2024).days.size(), 28u);
}

TEST(Setdate, FebruaryAprilAndBackToJanuary) {
    DatePicker picker = OpenSetdate("05 Jan 2024", "ETD", 2024);
    PickDay(picker, "31");
    PickMonth(picker, "Feb");
    EXPECT_EQ(picker.date_text, "29 Feb 2024");
    EXPECT_EQ(picker.days.size(), 29u);

    picker = OpenSetdate("31 Jan 2025", "ETD", 2024);
    PickMonth(picker, "Feb");
    EXPECT_EQ(picker.date_text, "28 Feb 2025");
    EXPECT_EQ(picker.days.size(), 28u);

    picker = OpenSetdate("31 Mar 2025", "ETD", 2024);
    PickMonth(picker, "Apr");
    EXPECT_EQ(picker.date_text, "30 Apr 2025");
    EXPECT_EQ(picker.days.size(), 30u);
    PickMonth(picker, "Jan");
    EXPECT_EQ(picker.days.size(), 31u);
    EXPECT_EQ(picker.days.back(), "31");
    PickDay(picker, "31");
    EXPECT_EQ(picker.date_text, "31 Jan 2025");

    for (const char* month : {"Jun", "Sep", "Nov"}) {
        picker = OpenSetdate("31 Dec 2025", "ETD", 2024);
        PickMonth(picker, month);
        EXPECT_EQ(picker.date_text.substr(0, 2), "30") << month;
    }
    picker = OpenSetdate("15 Jan 2025", "ETD", 2024);
    PickMonth(picker, "Feb");
    EXPECT_EQ(picker.date_text, "15 Feb 2025");  // a day within the month stays
}

TEST(Setdate, PickingAYearRefitsFebruary) {
    DatePicker picker = OpenSetdate("29 Feb 2024", "ETA", 2024);
    PickYear(picker, "2025");
    EXPECT_EQ(picker.date_text, "28 Feb 2025");
    EXPECT_EQ(picker.days.size(), 28u);
    PickYear(picker, "2028");
    EXPECT_EQ(picker.days.size(), 29u);
    EXPECT_EQ(picker.date_text, "28 Feb 2028");
    PickDay(picker, "29");
    EXPECT_EQ(picker.date_text, "29 Feb 2028");
    // Every date a picker can produce is a real one.
    EXPECT_EQ(FormatDate(ReadDateAndTime(picker.date_text, "00:00")), "29 Feb 2028");
}

TEST(Settime, ListsPicksAndButtons) {
    TimePicker picker = OpenSettime("13:05", "ETD");
    EXPECT_EQ(picker.header, "ETD");
    EXPECT_EQ(picker.time_text, "13:05:00");
    ASSERT_EQ(picker.hours.size(), 24u);
    EXPECT_EQ(picker.hours.back(), "23");
    ASSERT_EQ(picker.minutes.size(), 60u);
    EXPECT_EQ(picker.minutes.back(), "59");
    ASSERT_EQ(picker.seconds.size(), 60u);
    PickHour(picker, "07");
    PickMinute(picker, "45");
    PickSecond(picker, "30");
    EXPECT_EQ(picker.time_text, "07:45:30");
    EXPECT_EQ(OpenSettime("01:02:03", "ETA").time_text, "01:02:03");

    // OK copies the text into the calling button; Cancel leaves the caption as it was.
    ScheduleInputs inputs;
    inputs.etd_time = "13:05";
    TimePicker cancelled = OpenSettime(ButtonCaption(inputs, PickerButton::EtdTime), "ETD");
    PickHour(cancelled, "22");
    EXPECT_EQ(inputs.etd_time, "13:05");
    ButtonCaption(inputs, PickerButton::EtdTime) = picker.time_text;
    EXPECT_EQ(inputs.etd_time, "07:45:30");
    EXPECT_EQ(FormatClock(ReadDateAndTime("05 Jan 2024", inputs.etd_time)), "07:45");
}

}  // namespace
}  // namespace schedule
