#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "text/encoding.h"

namespace {

TEST(Encoding, Windows1252RoundTrip) {
    EXPECT_EQ(text::ToWindows1252("\u00D8st \u20AC \u4E2D"), "\xD8st \x80 ?");
    EXPECT_EQ(text::FromFileText("60\u00B0 N"), "60\u00B0 N");
    EXPECT_EQ(text::FromFileText("\xEF\xBB\xBF" "abc"), "abc");
    EXPECT_EQ(text::FromFileText("\x80\x81"), "\u20AC\u0081");
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(text::ToWindows1252(text::FromFileText(all)), all);
    EXPECT_EQ(text::DecodeTyped("a\xB0\u00F8"), U"a\u00B0\u00F8");
    EXPECT_EQ(text::EncodeUtf8(U"\u00B0\U0001F600"), "\u00B0\U0001F600");
}

std::string RunCalc(const std::string& arguments, const std::string& input) {
    const std::string in_path = ::testing::TempDir() + "angle_input.txt";
    const std::string out_path = ::testing::TempDir() + "angle_output.txt";
    std::ofstream(in_path, std::ios::binary) << input;
    const std::string command = std::string("\"") + TWOPOINT_CALC_PROGRAM + "\" " + arguments + " < \"" +
                                in_path + "\" > \"" + out_path + "\"";
    std::system(command.c_str());
    std::ifstream out(out_path, std::ios::binary);
    std::stringstream buffer;
    buffer << out.rdbuf();
    return buffer.str();
}

TEST(TwopointCalc, ParseAndFormatAngle) {
    EXPECT_EQ(RunCalc("parse-angle --kind LAT --form dms --decimals 4", "60 30 15,5\n89 59 60\n99999 n\n"),
              "60.5043055556\t60\u00B0 30' 15.5000\" N\n"
              "90.0000000000\t90\u00B0 00' 00.0000\" N"
              "\t[Twopoint] LATITUDE SECOND FORMAT ERROR. Max 59.9999 allowed"
              "\t[Twopoint] LATITUDE MINUTE FORMAT ERROR. Max 59 allowed\n"
              "0.0000000000\t99999 n\t[Illegal input] LATITUDE FORMAT ERROR. \n");
    EXPECT_EQ(RunCalc("format-angle --kind lon --form dm --decimals 4", "-3.25\n\n# note\n60.5\n"),
              "003\u00B0 15.0000' W\n\n# note\n060\u00B0 30.0000' E\n");
    EXPECT_EQ(RunCalc("format-angle --kind LAT --form dm-compact --decimals 2", "x\n").substr(0, 6), "error:");
}

}  // namespace
