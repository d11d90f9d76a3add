#include "schedule/schedule_text.h"

#include <gtest/gtest.h>


namespace schedule {
namespace {

TEST(ScheduleText, SpeedUnitsAndTheirFactors) {
    const auto& units = SpeedUnits();
    ASSERT_EQ(units.size(), 5u);
    std::string names;
    for (const auto& unit : units) names += std::string(unit.text) + " ";
    EXPECT_EQ(names, "knots km/h m/s mph ft/s ");
    EXPECT_FLOAT_EQ(units[0].metres_per_second, 0.51444444f);
    EXPECT_FLOAT_EQ(units[1].metres_per_second, 0.27777778f);
    EXPECT_FLOAT_EQ(units[2].metres_per_second, 1.0f);
    EXPECT_FLOAT_EQ(units[3].metres_per_second, 1609.0f / 3600.0f);  // not the exact statute mile
    EXPECT_NE(units[3].metres_per_second, static_cast<float>(1609.344 / 3600.0));
    EXPECT_FLOAT_EQ(units[4].metres_per_second, 0.3048f);
    EXPECT_STREQ(SpeedUnitAt(7).text, "knots");
}

TEST(ScheduleText, TwentyFiveZonesFromPlusTwelveToMinusTwelve) {
    const auto texts = ZoneListTexts();
    ASSERT_EQ(texts.size(), 25u);
    EXPECT_EQ(texts[0], "+12");
    EXPECT_EQ(texts[11], "+01");
    EXPECT_EQ(texts[kGmtZoneIndex], "GMT");
    EXPECT_EQ(texts[13], "-01");
    EXPECT_EQ(texts[24], "-12");
    EXPECT_EQ(ZoneValueAt(0), 12);
    EXPECT_EQ(ZoneValueAt(12), 0);
    EXPECT_EQ(ZoneValueAt(13), -1);
    EXPECT_EQ(ZoneText(5), "+05");
    EXPECT_EQ(ZoneText(0), "00");
    EXPECT_EQ(ZoneText(-11), "-11");
}

TEST(ScheduleText, DetectedZoneBands) {
    EXPECT_EQ(ZoneListTexts()[ZoneIndexForLongitude(7.4)], "GMT");
    EXPECT_EQ(ZoneListTexts()[ZoneIndexForLongitude(7.5)], "-01");
    EXPECT_EQ(ZoneListTexts()[ZoneIndexForLongitude(-7.5)], "GMT");
    EXPECT_EQ(ZoneListTexts()[ZoneIndexForLongitude(-7.6)], "+01");
    EXPECT_EQ(ZoneListTexts()[ZoneIndexForLongitude(179.9)], "-12");
    EXPECT_EQ(ZoneListTexts()[ZoneIndexForLongitude(-179.9)], "+12");
    EXPECT_EQ(ZoneIndexForLongitude(187.5), -1);
}

TEST(ScheduleText, HoursAndMinutesBothWays) {
    EXPECT_EQ(SecondsToHoursMinutes(97500), "27:05");
    EXPECT_EQ(SecondsToHoursMinutes(0), "00:00");
    // Minutes are rounded half to even: 30 s rounds down, 90 s up.
    EXPECT_EQ(SecondsToHoursMinutes(30), "00:00");
    EXPECT_EQ(SecondsToHoursMinutes(90), "00:02");
    EXPECT_EQ(SecondsToHoursMinutes(3569), "00:59");
    // A remainder of 59.5 minutes or more carries into the hours.
    EXPECT_EQ(SecondsToHoursMinutes(3570), "01:00");
    EXPECT_EQ(SecondsToHoursMinutes(7199), "02:00");

    EXPECT_EQ(HoursMinutesToSeconds("27:05"), 97500);
    // The time picker's "HH:MM:SS" keeps its seconds (1:00:45 was once used as 1:00).
    EXPECT_EQ(HoursMinutesToSeconds("03:05:40"), 3 * 3600 + 5 * 60 + 40);
    EXPECT_EQ(HoursMinutesToSeconds("xx:yy"), 0);
}

TEST(ScheduleText, SailingTimeTexts) {
    EXPECT_EQ(SailingTimeText(2 * 86400 + 3 * 3600 + 5 * 60), "2 d 03:05 h");
    EXPECT_EQ(SailingTimeText(3600), "0 d 01:00 h");
    EXPECT_EQ(SailingTimeText(86400 + 3 * 3600 + 5 * 60), "1 d 03:05 h");
    EXPECT_EQ(SailingTimeText(0), "0 d 00:00 h");
    EXPECT_EQ(SailingTimeText(86370), "1 d 00:00 h");
    const SailingTimeParts parts = SplitSailingTime(2 * 86400 + 3 * 3600 + 5 * 60);
    EXPECT_EQ(parts.days, 2);
    EXPECT_EQ(parts.hours_minutes, "03:05");
}

TEST(ScheduleText, TwoDecimals) {
    EXPECT_EQ(FormatTwoDecimals(12.0, '.'), "12.00");
    EXPECT_EQ(FormatTwoDecimals(3.14159, ','), "3,14");
    EXPECT_EQ(FormatTwoDecimals(-0.001, '.'), "0.00");
}

}  // namespace
}  // namespace schedule
