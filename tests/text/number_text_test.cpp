#include "text/number_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/calc_error.h"
#include "platform/locale.h"
#include "text/display_formats.h"

namespace {

struct CommaLocale {
    CommaLocale() { platform::SetNumberLocale({','}); }
    ~CommaLocale() { platform::SetNumberLocale({'.'}); }
};

TEST(FormatPattern, RoundsPadsAndSigns) {
    EXPECT_EQ(text::FormatPattern(123, "00"), "123");
    EXPECT_EQ(text::FormatPattern(7, "000"), "007");
    EXPECT_EQ(text::FormatPattern(3.14159, "0.00"), "3.14");
    EXPECT_EQ(text::FormatPattern(-12.345, "0.0"), "-12.3");
    EXPECT_EQ(text::FormatPattern(9.99, "0.0"), "10.0");
    EXPECT_EQ(text::FormatPattern(0.049, "0.0"), "0.0");
    EXPECT_EQ(text::FormatPattern(1e-20, "0.00"), "0.00");
    EXPECT_EQ(text::FormatPattern(12345678901234567890.0, "0"), "12345678901234600000");
    EXPECT_EQ(text::FormatPattern(1.5, "0.0000000000000"), "1.5000000000000");
    EXPECT_THROW(text::FormatPattern(std::numeric_limits<double>::infinity(), "0"), engine::CalcError);
}

// Halves are judged on the 15-significant-digit decimal form, away from zero.
TEST(FormatPattern, HalvesOnTheFifteenDigitForm) {
    EXPECT_EQ(text::FormatPattern(-0.5, "0"), "-1");
    EXPECT_EQ(text::FormatPattern(2.5, "0"), "3");
    // 2.675 and 1.005 are stored just below the half; their 15-digit forms are halves.
    EXPECT_EQ(text::FormatPattern(2.675, "0.00"), "2.68");
    EXPECT_EQ(text::FormatPattern(59.99995, "00.0000"), "60.0000");
    // Just under the half in the 15th digit stays down.
    EXPECT_EQ(text::FormatPattern(2.67499999999999, "0.00"), "2.67");
}

TEST(FormatPattern, LocaleSeparator) {
    EXPECT_EQ(text::FormatPattern(12.5, "0.00", ','), "12,50");
    const CommaLocale comma;
    EXPECT_EQ(text::FormatPattern(12.5, "0.00"), "12,50");
    EXPECT_EQ(text::FormatGrouped(-1234.5, "0.00"), "- 1 234,50");
    EXPECT_DOUBLE_EQ(text::ReadNumber(text::FormatGrouped(-1234.5, "0.00")), -1234.5);
}

TEST(ReadNumber, LenientRule) {
    EXPECT_EQ(text::ReadNumber("12,5 m"), 12.5);
    EXPECT_EQ(text::ReadNumber("  -3.25"), -3.25);
    EXPECT_EQ(text::ReadNumber("1 234.50 m"), 1234.5);
    EXPECT_EQ(text::ReadNumber("- 1 234.50 m"), -1234.5);
    EXPECT_EQ(text::ReadNumber("1\t2\n3"), 123);
    EXPECT_EQ(text::ReadNumber("+7"), 7);
    EXPECT_EQ(text::ReadNumber("1.5E3"), 1500);
    EXPECT_EQ(text::ReadNumber("1.5d-2"), 0.015);
    EXPECT_EQ(text::ReadNumber("2e"), 2);
    EXPECT_EQ(text::ReadNumber("1.2.3"), 1.2);
    EXPECT_EQ(text::ReadNumber(".5"), 0.5);
    EXPECT_EQ(text::ReadNumber("abc"), 0);
    EXPECT_EQ(text::ReadNumber(" n/a "), 0);
    EXPECT_EQ(text::ReadNumber("-"), 0);
    EXPECT_EQ(text::ReadNumber("1e-400"), 0);
    EXPECT_THROW(text::ReadNumber("1e400"), engine::CalcError);
}

TEST(FormatGrouped, GroupsAndSign) {
    EXPECT_EQ(text::FormatGrouped(1234567.891, "0.000"), "1 234 567.891");
    EXPECT_EQ(text::FormatGrouped(-1234.5, "0.00"), "- 1 234.50");
    EXPECT_EQ(text::FormatGrouped(999.994, "0.00"), "999.99");
    EXPECT_EQ(text::FormatGrouped(999999.9996, "0.000"), "1 000 000.000");
    EXPECT_EQ(text::FormatGrouped(-0.5, "0"), "- 1");
    EXPECT_EQ(text::FormatGrouped(1000, "0"), "1 000");
    // Its own failure gives blanks as long as the pattern.
    EXPECT_EQ(text::FormatGrouped(std::numeric_limits<double>::quiet_NaN(), "0.00"), "    ");
    EXPECT_EQ(text::FormatGrouped(-std::numeric_limits<double>::infinity(), "0"), " ");
}

TEST(FormatValue, UnitAndClosingBlank) {
    const auto formats = text::DefaultFormats();
    EXPECT_EQ(text::FormatValue(1234.5, formats.pub_DistFormat), "1 234.50 m ");
    EXPECT_EQ(text::FormatValue(185200, formats.pub_GCFormat), "100.00 nmile ");
    EXPECT_EQ(text::FormatValue(-3.04, formats.pub_HgtFormat), "- 3.0 m ");
}

}  // namespace
