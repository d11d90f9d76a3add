#include "text/typed_input.h"

#include <gtest/gtest.h>

#include "text/display_formats.h"

namespace {

text::FormatRecord Kilometres() {
    text::FormatRecord record = text::DefaultFormats().pub_DistFormat;
    record.Option = 1;
    record.UnitName = "Kilometer";
    record.Unit = " km";
    record.Factor = 1.0 / 1000;
    return record;
}

TEST(TypedLength, UnitsAreConvertedAndAnythingElseRefused) {
    // A box showing kilometres: a bare number is in kilometres, a typed unit wins.
    const text::FormatRecord km = Kilometres();
    const struct {
        const char* typed;
        double metres;
    } read[] = {
        {"25", 25 / km.Factor},          {"25000 m", 25000},       {"25 km", 25 / km.Factor},
        {"25,5 KM", 25.5 / km.Factor},   {"2 nmile", 3704},        {"2 nmi", 3704},
        {"2 NM", 3704},                  {"100 ft", 30.48},        {"1 s.mile", 1609.344},
        {"1 mi", 1609.344},              {"1 234.5 m", 1234.5},    {"1.5E3 m", 1500},
        {" n/a ", 0},                    {"", 0},
    };
    for (const auto& c : read) {
        platform::RecordedNotices recorded;
        EXPECT_DOUBLE_EQ(text::ReadTypedLength(c.typed, km, recorded.Sink()), c.metres) << c.typed;
        EXPECT_TRUE(recorded.notices.empty()) << c.typed;
    }
    const struct {
        const char* typed;
        const char* notice;
    } refused[] = {
        {"5OO000", "5OO000!   FORMAT ERROR. Letter inside a number not allowed"},
        {"l00", "l00!   FORMAT ERROR. Letter inside a number not allowed"},
        {"25000 yd", "25000 yd!   FORMAT ERROR. Unknown unit. Allowed: m, km, nmile (nmi, NM), ft, s.mile (mi)"},
    };
    for (const auto& c : refused) {
        platform::RecordedNotices recorded;
        EXPECT_THROW(text::ReadTypedLength(c.typed, km, recorded.Sink()), text::InputRefused) << c.typed;
        ASSERT_EQ(recorded.notices.size(), 1u) << c.typed;
        EXPECT_EQ(recorded.notices[0].text, c.notice);
        EXPECT_EQ(recorded.notices[0].title, "Illegal input");
        EXPECT_EQ(recorded.notices[0].icon, platform::Icon::Exclamation);
    }
}

}  // namespace
