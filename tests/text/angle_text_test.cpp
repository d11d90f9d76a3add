#include "text/angle_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/constants.h"
#include "platform/locale.h"
#include "text/display_formats.h"
#include "text/format_dialogs.h"
#include "text/number_text.h"
#include "text/typed_input.h"

namespace {

using platform::Icon;
constexpr auto kLat = text::AngleKind::Latitude, kLon = text::AngleKind::Longitude, kBrg = text::AngleKind::Bearing;

struct Parsed {
    double value = 0;
    std::string text;
    std::vector<platform::Notice> notices;
};

Parsed Parse(bool seconds_form, const std::string& typed, text::AngleKind kind, int decimals) {
    platform::RecordedNotices recorded;
    Parsed parsed;
    parsed.text = typed;
    parsed.value = seconds_form ? text::ParseDMS(parsed.text, kind, decimals, recorded.Sink())
                                : text::ParseDM(parsed.text, kind, decimals, recorded.Sink());
    parsed.notices = recorded.notices;
    return parsed;
}

Parsed Dms(const std::string& typed, text::AngleKind kind, int decimals = 4) {
    return Parse(true, typed, kind, decimals);
}
Parsed Dm(const std::string& typed, text::AngleKind kind, int decimals = 4) {
    return Parse(false, typed, kind, decimals);
}

// The notices as "text | icon | title", for comparing a whole sequence at once.
using Want = std::vector<std::string>;
std::string Line(const std::string& text, Icon icon, const std::string& title) {
    return text + " | " + platform::IconName(icon) + " | " + title;
}
std::string Plain(const std::string& text) { return Line(text, Icon::None, "Twopoint"); }
std::string Illegal(const std::string& text) { return Line(text, Icon::Exclamation, "Illegal input"); }
Want Lines(const std::vector<platform::Notice>& notices) {
    Want lines;
    for (const auto& n : notices) lines.push_back(Line(n.text, n.icon, n.title));
    return lines;
}

TEST(AngleText, FormatWorkedExamples) {
    EXPECT_EQ(text::FormatDM(60.5, kLat, 4), "60\u00B0 30.0000' N");
    EXPECT_EQ(text::FormatDM(-3.25, kLon, 4), "003\u00B0 15.0000' W");
    EXPECT_EQ(text::FormatDMSCompact(-0.0012, kLat, 4), "04.3200\" S");
    EXPECT_EQ(text::FormatDMS(359.99999999, kBrg, 4), "360\u00B0 00' 00.0000\"");
    EXPECT_EQ(text::FormatDMS(59.999999999, kLat, 4), "60\u00B0 00' 00.0000\" N");
    EXPECT_EQ(text::FormatDMSCompact(1.0001, kLon, 0), "001\u00B0 00\" E");
    // A bearing west of north (a convergence) keeps its minus in both degree forms.
    EXPECT_EQ(text::FormatDM(-0.5, kBrg, 1), "-000\u00B0 30.0'");
    EXPECT_EQ(text::FormatDMCompact(0.5, kLat, 1), "30.0' N");
    EXPECT_EQ(text::FormatDMS(-10.5, kBrg, 0), "-010\u00B0 30' 00\"");
    EXPECT_EQ(text::FormatDM(10.9999995, kLon, 4), "011\u00B0 00.0000' E");
    // Decimals 5 and above show four decimals of seconds; the field never shows 60.
    EXPECT_EQ(text::FormatDMS(1.5, kLat, 6), "01\u00B0 30' 00.0000\" N");
    EXPECT_EQ(text::FormatDMS(0.0 + 59.99997 / 3600.0, kLat, 5), "00\u00B0 01' 00.0000\" N");
    EXPECT_EQ(text::FormatDM(0.0 + 59.9999996 / 60.0, kLat, 7), "01\u00B0 00.000000' N");
    EXPECT_EQ(text::FormatDM(1.5, kBrg, 5), "001\u00B0 30.00000'");
    EXPECT_EQ(text::FormatDMS(1.5, kBrg, -1), "001\u00B0 30' 00.0000\"");
}

// Texts that read without a message: the value, and the text shown after it where given.
TEST(ParseDMS, WorkedExamples) {
    const struct {
        const char* typed;
        text::AngleKind kind;
        double value;
        const char* shown;
        int decimals = 4;
    } cases[] = {
        {"60 30 15,5", kLat, 60.504305555555556, "60\u00B0 30' 15.5000\" N"},
        {"60,30,15", kLat, 60 + 30 / 60.0 + 15 / 3600.0, nullptr},
        {"60.5", kLat, 60 + 5 / 60.0, "60\u00B0 05' 00.0000\" N"},
        {"-60 30 N", kLat, 60.5, nullptr},
        {"-60 30", kLat, -60.5, "60\u00B0 30' 00.0000\" S"},
        {"5 v", kLon, -5, "005\u00B0 00' 00.0000\" W"},
        {"5 \u00F8", kLon, 5, nullptr},  // Norwegian east, typed small
        {"12 30 s", kLat, -12.5, nullptr},
        {"  10\u00B0 20' 30\" E ", kLon, 10 + 20 / 60.0 + 30 / 3600.0, "010\u00B0 20' 30\" E", 0},
        // As a bearing a closing degree sign is no letter.
        {"60\u00B0", kBrg, 60, "060\u00B0 00' 00.0000\""},
        // Code 248 closes the degrees: as UTF-8 "ø" and as the raw Windows-1252 byte.
        {"60\u00F8", kLat, 60, nullptr},
        {"60\xF8", kLat, 60, nullptr},
        // The degree sign as a raw Windows-1252 byte separates like the UTF-8 one.
        {"60\xB0 30' 15\" N", kLat, 60 + 30 / 60.0 + 15 / 3600.0, nullptr},
        // The apostrophe closes whole minutes, the quote closes seconds.
        {"10 30'", kBrg, 10.5, nullptr},
        {"10 30 36\"", kBrg, 10.51, nullptr},
        // A decimal number with an angle unit is read in that unit, not as degrees and minutes.
        {"45.5 deg", kBrg, 45.5, "045\u00B0 30' 00.0000\""},
        {"0,5 rad", kBrg, 0.5 * engine::kDegPerRad, nullptr},
        {"50 gon S", kLat, -45, "45\u00B0 00' 00.0000\" S"},
        {"-10.25 DEG", kLon, -10.25, "010\u00B0 15' 00.0000\" W"},
    };
    for (const auto& c : cases) {
        const Parsed p = Dms(c.typed, c.kind, c.decimals);
        EXPECT_NEAR(p.value, c.value, 1e-12) << c.typed;
        EXPECT_EQ(p.text, c.shown ? c.shown : p.text) << c.typed;
        EXPECT_TRUE(p.notices.empty()) << c.typed;
    }
    EXPECT_EQ(Dm("10 30.6'", kBrg).value, 10.51);
    EXPECT_EQ(Dm("10.51 deg", kBrg).value, 10.51);
    // A degree sign last in a latitude is taken as the letter: the letter message, then north.
    const Parsed p = Dms("60\u00B0", kLat);
    EXPECT_EQ(p.value, 60);
    EXPECT_EQ(Lines(p.notices), (Want{Plain("LATITUDE FORMAT ERROR. Default, N, used")}));
}

// Texts that read with messages: the value, the text shown after it where
// given, and every notice in order.
TEST(ParseDMS, MessagesInOrder) {
    const std::string latitude_character = "!   LATITUDE CHARACTER FORMAT ERROR. Default, N, used";
    const std::string azimuth_range = "AZIMUTH FORMAT ERROR. Max value 360 deg. Automatic adjustment to range 0-360 deg";
    const std::string azimuth_negative =
        "AZIMUTH FORMAT ERROR. Negative values not allowed. Automatic adjustment to range 0-360 deg";
    const struct {
        std::string typed;
        text::AngleKind kind;
        double value;
        Want notices;
        const char* shown = nullptr;
        bool seconds_form = true;
    } cases[] = {
        // A character the reader does not know: the rest of the text is shown with the message.
        {"", kLat, 0, {Illegal(latitude_character)}, "00\u00B0 00' 00.0000\" N"},
        {"60 30 15 x y", kLat, 60 + 30 / 60.0 + 15 / 3600.0, {Illegal("x y" + latitude_character)}},
        // The letter from the minus is kept.
        {"-5 10 20 West", kLon, -(5 + 10 / 60.0 + 20 / 3600.0),
         {Illegal("West!   LONGITUDE CHARACTER FORMAT ERROR. Default, E, used")}},
        {"5 Q", kLon, 5, {Plain("LONGITUDE FORMAT ERROR. Default, E, used")}},
        // Range, seconds, minutes in that order.
        {"89 59 60", kLat, 90,
         {Plain("LATITUDE SECOND FORMAT ERROR. Max 59.9999 allowed"), Plain("LATITUDE MINUTE FORMAT ERROR. Max 59 allowed")},
         "90\u00B0 00' 00.0000\" N"},
        {"400 59 75", kBrg, 41,
         {Illegal(azimuth_range), Plain("AZIMUTH SECOND FORMAT ERROR. Max 59.9999 allowed"),
          Plain("AZIMUTH MINUTE FORMAT ERROR. Max 59 allowed")}},
        {"91 10", kLat, 90, {Illegal("LATITUDE FORMAT ERROR. Max 90 deg allowed")}},
        {"-91", kLat, -90, {Illegal("LATITUDE FORMAT ERROR. Max 90 deg allowed")}},  // letter kept
        {"180 0 1 w", kLon, -180, {Illegal("LONGITUDE FORMAT ERROR. Max 180 deg allowed")}},
        // The minutes are dropped with the carry.
        {"10 75", kLon, 11, {Plain("LONGITUDE MINUTE FORMAT ERROR. Max 59 allowed")}},
        {"10 60.5", kLat, 11, {Plain("LATITUDE MINUTE FORMAT ERROR. Max 60 allowed")}, nullptr, false},
        // The degree check comes before the minute carry, and the carry keeps the seconds:
        // 359 60 30 passes the full circle by the seconds and reads back into the circle.
        {"359 60 30", kBrg, 360 + 30.0 / 3600, {Plain("AZIMUTH MINUTE FORMAT ERROR. Max 59 allowed")}, "360\u00B0 00' 30.0000\""},
        {"360\u00B0 00' 30.0000\"", kBrg, 30.0 / 3600, {Illegal(azimuth_range)}},
        // Bearings are wrapped into the circle; R is greater than 0, so -720 is a whole turn.
        {"-10 30", kBrg, 349.5, {Illegal(azimuth_negative)}, "349\u00B0 30' 00.0000\""},
        {"-720", kBrg, 360, {Illegal(azimuth_negative)}},
        {"800", kBrg, 80, {Illegal(azimuth_range)}},
        {"-0 30", kBrg, 359.5, {Illegal(azimuth_negative)}, nullptr, false},
        // Beyond 16 bits a number is a format error, the text left as typed.
        {"99999", kLon, 0, {Illegal("LONGITUDE FORMAT ERROR. ")}, "99999"},
        {"10 40000 5", kLat, 0, {Illegal("LATITUDE FORMAT ERROR. ")}},
        {"70000", kBrg, 0, {Illegal("AZIMUTH FORMAT ERROR. ")}, nullptr, false},
        // 32767 fits; the seconds carry that pushes the minutes past it fails after its message.
        {"0 32767 60", kBrg, 0, {Plain("AZIMUTH SECOND FORMAT ERROR. Max 59.9999 allowed"), Illegal("AZIMUTH FORMAT ERROR. ")}},
    };
    for (const auto& c : cases) {
        const Parsed p = Parse(c.seconds_form, c.typed, c.kind, 4);
        EXPECT_NEAR(p.value, c.value, 1e-12) << c.typed;
        EXPECT_EQ(p.text, c.shown ? c.shown : p.text) << c.typed;
        EXPECT_EQ(Lines(p.notices), c.notices) << c.typed;
    }
    // Seconds too long for any double cannot be wrapped into the circle.
    const Parsed p = Dms("-0 0 " + std::string(400, '9'), kBrg);
    EXPECT_EQ(p.value, 0);
    EXPECT_EQ(p.notices.back().text, "AZIMUTH FORMAT ERROR. ");
}

TEST(ParseDM, SecondsTypedAfterTheMinutesAreRead) {
    // Degrees, minutes and seconds typed while minutes are shown: nothing typed
    // is dropped, and the hemisphere stays the one typed.
    const struct {
        const char* typed;
        text::AngleKind kind;
        double value;
        const char* shown;
        Want notices;
    } cases[] = {
        {"45 30 15", kBrg, 45 + 30 / 60.0 + 15 / 3600.0, "045\u00B0 30.2500'", {}},
        {"60 30 15 S", kLat, -(60 + 30 / 60.0 + 15 / 3600.0), "60\u00B0 30.2500' S", {}},
        {"10 20' 30\" W", kLon, -(10 + 20 / 60.0 + 30 / 3600.0), "010\u00B0 20.5000' W", {}},
        {"10 59 60 E", kLon, 11, "011\u00B0 00.0000' E",
         {Plain("LONGITUDE SECOND FORMAT ERROR. Max 59.9999 allowed"), Plain("LONGITUDE MINUTE FORMAT ERROR. Max 60 allowed")}},
    };
    for (const auto& c : cases) {
        const Parsed p = Dm(c.typed, c.kind);
        EXPECT_NEAR(p.value, c.value, 1e-12) << c.typed;
        EXPECT_EQ(p.text, c.shown) << c.typed;
        EXPECT_EQ(Lines(p.notices), c.notices) << c.typed;
    }
}

text::FormatRecord Geographic(int option, int decimals) {
    text::FormatRecord record = text::DefaultFormats().pub_GeogFormat;
    record.Option = option;
    record.Decimals = decimals;
    record.Pattern = decimals == 0 ? "0" : "0." + std::string(decimals, '0');
    return record;
}

TEST(LatLon, FormatByRecord) {
    const double lat = 60.5 * engine::kRadPerDeg;
    EXPECT_EQ(text::FormatLatLon(-lat, kLat, false, Geographic(2, 4)), "-60.5000 deg ");
    EXPECT_EQ(text::FormatLatLon(lat, kLat, false, Geographic(7, 4)), " ");
    const double small = -0.0012 * engine::kRadPerDeg;
    EXPECT_EQ(text::FormatLatLon(small, kLat, true, Geographic(0, 4)), "04.3200\" S ");
    EXPECT_EQ(text::FormatLatLon(small, kLon, true, Geographic(1, 4)), "00.0720' W ");
    EXPECT_EQ(text::FormatLatLon(small, kLon, false, Geographic(1, 4)), "000\u00B0 00.0720' W ");
}

TEST(LatLon, ParseByRecord) {
    // The value in degrees, the text afterwards, and the notice of a value out of range.
    const std::string latitude_range = Line("Latitude max value 90 degrees !", Icon::Question, "Illegal coordinate");
    const std::string longitude_range = Line("Longitude max value 180 degrees !", Icon::Question, "Illegal coordinate");
    const struct {
        const char* typed;
        text::AngleKind kind;
        int option, decimals;
        double degrees;
        const char* shown;
        Want notices;
    } cases[] = {
        {"-95", kLat, 2, 4, -90, "-95", {latitude_range}},
        {"12,5", kLat, 2, 4, 12.5, "12,5", {}},
        {"60 30 15,5", kLat, 0, 4, 60.504305555555556, "60\u00B0 30' 15.5000\" N", {}},
        {"60 30,25", kLat, 1, 2, 60 + 30.25 / 60, "60\u00B0 30.25' N", {}},
        {"60", kLat, 5, 2, 0, "60", {}},  // no such option: nothing read
        // A hemisphere letter decides the side in the decimal form too, over a minus;
        // an angle unit is converted.
        {"33.75 S", kLat, 2, 4, -33.75, "33.75 S", {}},
        {"-60.5 N", kLat, 2, 4, 60.5, "-60.5 N", {}},
        {"5 \u00D8", kLon, 2, 4, 5, "5 \u00D8", {}},
        {"-60.5000 deg ", kLat, 2, 4, -60.5, "-60.5000 deg ", {}},
        {"0.5 rad S", kLat, 2, 4, -0.5 * engine::kDegPerRad, "0.5 rad S", {}},
        {"50 gon", kLon, 2, 4, 45, "50 gon", {}},
    };
    for (const auto& c : cases) {
        platform::RecordedNotices recorded;
        std::string typed = c.typed;
        const double value = text::ParseLatLon(typed, c.kind, Geographic(c.option, c.decimals), recorded.Sink());
        EXPECT_NEAR(value, c.degrees * engine::kRadPerDeg, 1e-15) << c.typed;
        EXPECT_EQ(typed, c.shown);
        EXPECT_EQ(Lines(recorded.notices), c.notices) << c.typed;
    }
}

// The record the bearing format dialog makes for an option and its decimals.
text::FormatRecord Bearing(int option, int decimals) {
    auto dialog = text::OpenFormatDialog(text::DefaultFormats(), text::FormatDialogKind::Bearing);
    text::ChooseOption(*dialog, option);
    text::ChooseDecimals(*dialog, decimals);
    return dialog->record;
}

struct BearingParse {
    double value;
    std::vector<platform::Notice> notices;
};

BearingParse ParseBrg(const std::string& typed, const text::FormatRecord& record) {
    platform::RecordedNotices recorded;
    std::string t = typed;
    const double value = text::ParseBearing(t, record, recorded.Sink());
    EXPECT_EQ(t, record.Option >= 2 ? typed : t);
    return {value, recorded.notices};
}

TEST(Bearing, FormatByRecord) {
    const double brg = 123.5 * engine::kRadPerDeg;
    EXPECT_EQ(text::FormatBearing(brg, Bearing(0, 1)), "123\u00B0 30' 00.0\" ");
    EXPECT_EQ(text::FormatBearing(brg, Bearing(1, 2)), "123\u00B0 30.00' ");
    EXPECT_EQ(text::FormatBearing(brg, Bearing(2, 1)), "123.5 deg ");
    EXPECT_EQ(text::FormatBearing(1.25, Bearing(3, 3)), "1.250 rad ");
    EXPECT_EQ(text::FormatBearing(engine::kPi, Bearing(4, 2)), "200.00 gon ");
}

TEST(Bearing, WrapsIntoTheCircle) {
    // The value in the record's unit; a bearing moved into the circle says so.
    const struct {
        const char* typed;
        int option, decimals;
        double value;
        const char* message;
    } cases[] = {
        {"-90", 2, 1, 270, "Negative bearing -90 automatic adjusted to 270.0 deg "},
        {"725", 2, 1, 5, "Overflow bearing 725 automatic adjusted to 5.0 deg "},
        {"360", 2, 1, 0, nullptr},
        {"6.28318530718", 3, 4, 0, nullptr},
        {"-100", 4, 1, 300, "Negative bearing -100 automatic adjusted to 300.0 gon "},
        {"-1", 3, 3, engine::kTwoPi - 1, "Negative bearing -1 automatic adjusted to 5.283 rad "},
        {"45 30", 1, 1, 45.5, nullptr},
        // A unit typed after a decimal bearing is converted into the record's.
        {"45.5 deg", 2, 1, 45.5, nullptr},
        {"50 gon", 2, 1, 45, nullptr},
        {"0.5 rad", 4, 2, 0.5 * 63.66197723675394, nullptr},
        {"90\u00B0", 3, 3, 90 * engine::kRadPerDeg, nullptr},
    };
    for (const auto& c : cases) {
        const text::FormatRecord record = Bearing(c.option, c.decimals);
        const BearingParse p = ParseBrg(c.typed, record);
        EXPECT_TRUE(c.value != 0 || p.value == 0) << c.typed;  // a full turn is exactly 0
        EXPECT_NEAR(p.value * record.Factor, c.value, 1e-9) << c.typed;
        EXPECT_EQ(Lines(p.notices), c.message ? Want{Line(c.message, Icon::Exclamation, "Illegal Bearing Format")} : Want{})
            << c.typed;
    }
    // Far outside the circle the wrap still ends inside it.
    const double far = ParseBrg("-1e300", Bearing(3, 3)).value;
    EXPECT_GE(far, 0);
    EXPECT_LT(far, engine::kTwoPi);
}

TEST(AngleText, RefusedTextsAreLeftAsTypedWithOneNotice) {
    // A letter O typed for a zero once ended the field unnoticed ("6O 0 0 N" read 6 N).
    enum Reader { kDegrees, kLatLon, kBearing };
    const struct {
        const char* typed;
        text::AngleKind kind;
        Reader reader;
        const char* notice;
    } cases[] = {
        {"6O 0 0 N", kLat, kDegrees, "6O 0 0 N!   LATITUDE FORMAT ERROR. Letter inside a number not allowed"},
        {"N 60 30", kLat, kDegrees, "N 60 30!   LATITUDE FORMAT ERROR. Letter inside a number not allowed"},
        {"45d30m", kBrg, kDegrees, "45d30m!   AZIMUTH FORMAT ERROR. Letter inside a number not allowed"},
        {"6O.5", kLat, kLatLon, "6O.5!   LATITUDE FORMAT ERROR. Letter inside a number not allowed"},
        {"12 m", kLon, kLatLon, "12 m!   LONGITUDE FORMAT ERROR. Unknown unit. Allowed: deg, rad, gon"},
        {"1O0", kBrg, kBearing, "1O0!   AZIMUTH FORMAT ERROR. Letter inside a number not allowed"},
    };
    for (const auto& c : cases) {
        platform::RecordedNotices recorded;
        std::string typed = c.typed;
        const auto read = [&] {
            if (c.reader == kDegrees) return text::ParseDMS(typed, c.kind, 4, recorded.Sink());
            if (c.reader == kLatLon) return text::ParseLatLon(typed, c.kind, Geographic(2, 4), recorded.Sink());
            return text::ParseBearing(typed, Bearing(2, 1), recorded.Sink());
        };
        EXPECT_THROW(read(), text::InputRefused) << c.typed;
        EXPECT_EQ(typed, c.typed);
        EXPECT_EQ(Lines(recorded.notices), Want{Illegal(c.notice)}) << c.typed;
    }
    // The DOS degree mark "ø" between the fields is no letter.
    EXPECT_NEAR(Dms("60\u00F8 30' N", kLat).value, 60.5, 1e-12);
}

// Format then parse gives back the shown value, and the parse leaves the text as it was.
TEST(AngleText, FormatParseRoundTrip) {
    std::mt19937_64 random(20240501);
    struct Kind { text::AngleKind name; double low, high; };
    const Kind kinds[] = {{kLat, -90, 90}, {kLon, -180, 180}, {kBrg, 0, 359.9}};
    for (const char separator : {'.', ','}) {
        platform::SetNumberLocale({separator});
        for (const Kind& kind : kinds) {
            std::uniform_real_distribution<double> angle(kind.low, kind.high);
            for (int decimals = 0; decimals <= 7; ++decimals) {
                for (int i = 0; i < 300; ++i) {
                    const double a = angle(random);
                    for (const bool seconds_form : {true, false}) {
                        const int shown = seconds_form ? std::min(decimals, 4) : std::min(decimals, 6);
                        const double unit = seconds_form ? 1.0 / 3600 : 1.0 / 60;
                        if (std::fabs(a) < unit * std::pow(10.0, -shown)) continue;  // shows as zero
                        const std::string formatted = seconds_form ? text::FormatDMS(a, kind.name, decimals)
                                                                   : text::FormatDM(a, kind.name, decimals);
                        const Parsed p = Parse(seconds_form, formatted, kind.name, decimals);
                        ASSERT_TRUE(p.notices.empty()) << formatted << " " << p.notices[0].text;
                        ASSERT_EQ(p.text, formatted);
                        ASSERT_NEAR(p.value, a, 0.5 * unit * std::pow(10.0, -shown) + 1e-9) << formatted;
                    }
                }
            }
        }
    }
    platform::SetNumberLocale({'.'});
}

}  // namespace
