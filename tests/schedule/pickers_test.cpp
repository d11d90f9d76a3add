#include "schedule/pickers.h"

#include <gtest/gtest.h>

#include <cctype>

#include "schedule/date_time.h"
#include "schedule/schedule_form.h"

namespace schedule {
namespace {

TEST(Setdate, ListsAndOpening) {
    const DatePicker picker = OpenSetdate("05-Jan-2024", "ETD", 2024);
    EXPECT_EQ(picker.header, "ETD");
    EXPECT_EQ(picker.date_text, "05 Jan 2024");  // blanks forced at characters 3 and 7
    ASSERT_EQ(picker.days.size(), 31u);
    EXPECT_EQ(picker.days.front() + " " + picker.days.back(), "01 31");
    EXPECT_EQ(picker.months, (std::vector<std::string>{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug",
                                                       "Sep", "Oct", "Nov", "Dec"}));
    ASSERT_EQ(picker.years.size(), 12u);
    EXPECT_EQ(picker.years.front() + " " + picker.years.back(), "2024 2035");
    // A February caption opens with February's days only.
    EXPECT_EQ(OpenSetdate("10 Feb 2025", "ETA", 2024).days.size(), 28u);
}

TEST(Setdate, PickingAMonthOrAYearRefitsTheDay) {
    const struct {
        const char* opened;
        const char* month;  // or the year when it is one
        const char* shown;
        std::size_t days;
    } cases[] = {
        {"31 Jan 2024", "Feb", "29 Feb 2024", 29}, {"31 Jan 2025", "Feb", "28 Feb 2025", 28},
        {"31 Mar 2025", "Apr", "30 Apr 2025", 30}, {"31 Dec 2025", "Jun", "30 Jun 2025", 30},
        {"31 Dec 2025", "Sep", "30 Sep 2025", 30}, {"31 Dec 2025", "Nov", "30 Nov 2025", 30},
        {"15 Jan 2025", "Feb", "15 Feb 2025", 28},  // a day within the month stays
        {"29 Feb 2024", "2025", "28 Feb 2025", 28}, {"28 Feb 2025", "2028", "28 Feb 2028", 29},
    };
    for (const auto& c : cases) {
        DatePicker picker = OpenSetdate(c.opened, "ETD", 2024);
        if (std::isdigit(static_cast<unsigned char>(c.month[0]))) PickYear(picker, c.month);
        else PickMonth(picker, c.month);
        EXPECT_EQ(picker.date_text, c.shown) << c.opened << " " << c.month;
        EXPECT_EQ(picker.days.size(), c.days) << c.opened << " " << c.month;
    }
    DatePicker picker = OpenSetdate("05 Jan 2024", "ETD", 2028);
    PickYear(picker, "2028");
    PickMonth(picker, "Feb");
    PickDay(picker, "29");
    EXPECT_EQ(picker.date_text, "29 Feb 2028");
    // Every date a picker can produce is a real one.
    EXPECT_EQ(FormatDate(ReadDateAndTime(picker.date_text, "00:00")), "29 Feb 2028");
    PickMonth(picker, "Apr");
    PickMonth(picker, "Jan");
    ASSERT_EQ(picker.days.size(), 31u);
    PickDay(picker, "31");
    EXPECT_EQ(picker.date_text, "31 Jan 2028");
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
