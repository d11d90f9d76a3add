// twopoint-calc over the data files made and fitted by the tools.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace {

std::string RunCalc(const std::string& arguments, const std::string& input) {
    const std::string command = "printf '" + input + "' | \"" TWOPOINT_CALC_PROGRAM "\" " + arguments;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 256> buf;
    while (fgets(buf.data(), buf.size(), pipe.get())) out += buf.data();
    return out;
}

TEST(CalcSpecialOperations, GeoidNorthSeaRt38Ngo) {
    EXPECT_EQ(RunCalc("geoid", "0 0\\n60 3\\n\\n# note\\n91 0\\n"),
              "17.1616\n45.3675\n\n# note\nerror: field lat: latitude must lie between -90 and 90 degrees\n");
    EXPECT_EQ(RunCalc("northsea", "52.508333333333333 2 0\\n"), "52.5083302038 2.0000098013 0.0000\n");
    EXPECT_EQ(RunCalc("rt38", "6737923.7309 1508708.0187\\n"), "6736435.2546 552648.4166\n");
    EXPECT_EQ(RunCalc("ngo --axis 3", "0 0\\n"), "6430316.3185 601640.0085 32\n");
    EXPECT_NE(RunCalc("geoid --data-dir /nonexistent-folder", "0 0\\n").find("Egm96_ne.rnd"), std::string::npos);
}

}  // namespace
