// twopoint-calc inverse, direct and sphere, run as a user runs them.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

struct Run {
    std::string output;
    int status = 0;
};

Run Calc(const std::string& arguments, const std::string& input) {
    // One file per test: ctest runs the tests of this program in parallel.
    const std::string input_file = testing::TempDir() + "twopoint_calc_geodesic_" +
                                   testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
    std::ofstream(input_file, std::ios::binary) << input;
    const std::string command = std::string(TWOPOINT_CALC_PROGRAM) + " " + arguments + " < " + input_file + " 2>&1";
    Run run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.output.append(buffer.data(), n);
    run.status = WEXITSTATUS(pclose(pipe));
    return run;
}

TEST(GeodesicOperations, InverseBothWaysAndOtherDatum) {
    // 60N 3E to 61N 4E on WGS84; Vincenty gives 124 233.1272 m (the series agrees to 0.1 mm).
    const auto r = Calc("inverse", "60 3 61 4\n61 4 60 3\n0 179 0 -179\n60 3 60 3\n");
    EXPECT_EQ(r.output,
              "124233.1272 25.8194193316 206.6898113479\n"
              "124233.1272 206.6898113479 25.8194193316\n"
              "222638.9732 90.0000000000 270.0000000000\n"
              "0.0000 0.0000000000 0.0000000000\n");
    EXPECT_EQ(r.status, 0);
    const auto ed50 = Calc("inverse --datum \"ED50 - European Datum 1950 (UKOOA)\"", "60 3 61 4\n");
    EXPECT_EQ(ed50.output, "124238.6604 25.8195765864 206.6899685840\n");
    const auto bad = Calc("inverse --datum nonsense", "60 3 61 4\n");
    EXPECT_NE(bad.output.find("no datum named \"nonsense\""), std::string::npos) << bad.output;
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(Calc("inverse", "91 3 61 4\n60 3 61\n").output,
              "error: field lat1: latitude must lie between -90 and 90 degrees\nerror: missing field lon2\n");
}

TEST(GeodesicOperations, DirectThenInverseThroughTheProgram) {
    const auto end = Calc("direct --full", "60 3 25.8194193316 124233.1272\n60 3 0 0\n");
    ASSERT_EQ(end.status, 0) << end.output;
    const auto first = end.output.substr(0, end.output.find('\n'));
    EXPECT_EQ(end.output.substr(first.size() + 1), "60 3\n");
    const auto back = Calc("inverse", "60 3 " + first + "\n");
    // Within the two series' errors at 124 km: the direct's end point (~0.03 m) and the
    // inverse's azimuth (3.7e-6 rad, 0.0002 degrees).
    std::size_t used = 0;
    const double distance = std::stod(back.output, &used);
    const double azimuth = std::stod(back.output.substr(used));
    EXPECT_NEAR(distance, 124233.1272, 0.03) << back.output;
    EXPECT_NEAR(azimuth, 25.8194193316, 0.0002) << back.output;
}

TEST(GeodesicOperations, SphereCoursesAndPlaceholders) {
    const auto r = Calc("sphere", "60 3 61 4\n60 3 60 3\n60 3 90 3\n30 10 -30 -170\n");
    EXPECT_EQ(r.output,
              "66.8782 25.7823590223 66.8788 26.2146007138\n"
              "n/a n/a n/a n/a\n"
              "1800.0000 0.0000014788 n/a n/a\n"
              "error: Division by zero in GreatCircleRhumbLine\n");
    EXPECT_EQ(r.status, 1);
}

}  // namespace
