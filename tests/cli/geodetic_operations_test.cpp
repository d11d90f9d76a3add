// twopoint-calc geog2cart, cart2geog, geog2grid, grid2geog and radii, run as a user runs them.
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
    const std::string input_file = testing::TempDir() + "twopoint_calc_" +
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

TEST(GeodeticOperations, Geog2gridOnTheCentralMeridian) {
    const auto r = Calc("geog2grid --zone 31", "60 3\n");
    EXPECT_EQ(r.output, "6651411.1888 500000.0000 0.0000000000 0.9996000000\n");
    EXPECT_EQ(r.status, 0);
    // Without --zone the zone of the longitude band is used; --south adds the false northing.
    EXPECT_EQ(Calc("geog2grid", "60 3\n").output, r.output);
    EXPECT_EQ(Calc("geog2grid --zone 31 --south", "0 3\n").output,
              "10000000.0000 500000.0000 0.0000000000 0.9996000000\n");
}

TEST(GeodeticOperations, GoodAndBadLines) {
    const auto r = Calc("geog2cart", "0 0 0\n60 x 0\n60 3\n\n# comment\n0,90,0\n");
    EXPECT_EQ(r.output,
              "6378137.0000 0.0000 0.0000\n"
              "error: field lon: 'x' is not a number\n"
              "error: missing field h\n"
              "\n"
              "# comment\n"
              "0.0000 6378137.0000 0.0000\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Calc("geog2cart", "95 0 0\n").output, "error: field lat: latitude must lie between -90 and 90 degrees\n");
    EXPECT_EQ(Calc("cart2geog", "1000 0 10\n").output, "error: no convergence\n");
    EXPECT_EQ(Calc("cart2geog", "6378137 0 0 10\n").output, "error: missing field h0\n");
}

TEST(GeodeticOperations, RoundTripsThroughTheProgram) {
    const auto cart = Calc("geog2cart --full --datum \"ED50 - European Datum 1950 (UKOOA)\"", "59.5 2.25 100\n");
    ASSERT_EQ(cart.status, 0) << cart.output;
    const auto geog = Calc("cart2geog --datum \"ED50 - European Datum 1950 (UKOOA)\"", cart.output);
    EXPECT_EQ(geog.output, "59.5000000000 2.2500000000 100.0000\n");

    const auto grid = Calc("geog2grid --full --zone 32", "61.25 7.5\n");
    ASSERT_EQ(grid.status, 0);
    const std::string ne = grid.output.substr(0, grid.output.find(' ', grid.output.find(' ') + 1));
    // The inverse settles within sqrt(1e-5) m of the target: about 1e-9 degrees here.
    double lat = 0, lon = 0;
    ASSERT_EQ(std::sscanf(Calc("grid2geog --zone 32", ne + "\n").output.c_str(), "%lf %lf", &lat, &lon), 2);
    EXPECT_NEAR(lat, 61.25, 3e-8);
    EXPECT_NEAR(lon, 7.5, 6e-8);
    EXPECT_EQ(Calc("grid2geog --zone 31", "9000000 3500000\n").output, "error: BAD GEOGRAPHICAL TO GRID CONVERSION\n");
}

TEST(GeodeticOperations, DatumAndOptionProblems) {
    const auto molodensky = Calc("radii --datum \"EUROPEAN 1950 (Western Europe)\"", "0\n");
    EXPECT_EQ(molodensky.output, "6378388.0000 6335508.2022\n");  // Hayford: a and a (1 - e2)
    const auto unknown = Calc("radii --datum \"No such datum\"", "0\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.output.find("no datum named \"No such datum\""), std::string::npos) << unknown.output;
    const auto missing = Calc("radii --data-dir /nonexistent", "0\n");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("\"Ellipser.vdx\""), std::string::npos) << missing.output;
    EXPECT_EQ(Calc("grid2geog", "0 0\n").status, 2);
    EXPECT_EQ(Calc("geog2grid --zone 61", "0 0\n").status, 2);
}

}  // namespace
