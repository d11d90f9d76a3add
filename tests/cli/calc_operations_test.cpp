// twopoint-calc inverse, direct, sphere, geog2cart, cart2geog, geog2grid,
// grid2geog and radii, run as a user runs them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "session_run.h"

namespace {

session_run::Output Calc(const std::string& arguments, const std::string& input) {
    return session_run::RunCalc(arguments, input);
}

TEST(GeodesicOperations, InverseBothWaysAndOtherDatum) {
    // 60N 3E to 61N 4E on WGS84; Vincenty gives 124 233.1272 m (the series agrees to 0.1 mm).
    const auto r = Calc("inverse", "60 3 61 4\n61 4 60 3\n0 179 0 -179\n60 3 60 3\n");
    EXPECT_EQ(r.text,
              "124233.1272 25.8194193316 206.6898113479\n"
              "124233.1272 206.6898113479 25.8194193316\n"
              "222638.9732 90.0000000000 270.0000000000\n"
              "0.0000 0.0000000000 0.0000000000\n");
    EXPECT_EQ(r.status, 0);
    const auto ed50 = Calc("inverse --datum \"ED50 - European Datum 1950 (UKOOA)\"", "60 3 61 4\n");
    EXPECT_EQ(ed50.text, "124238.6604 25.8195765864 206.6899685840\n");
    const auto bad = Calc("inverse --datum nonsense", "60 3 61 4\n");
    EXPECT_NE(bad.text.find("no datum named \"nonsense\""), std::string::npos) << bad.text;
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(Calc("inverse", "91 3 61 4\n60 3 61\n").text,
              "error: field lat1: latitude must lie between -90 and 90 degrees\nerror: missing field lon2\n");
}

TEST(GeodesicOperations, DirectThenInverseThroughTheProgram) {
    const auto end = Calc("direct --full", "60 3 25.8194193316 124233.1272\n60 3 0 0\n");
    ASSERT_EQ(end.status, 0) << end.text;
    const auto first = end.text.substr(0, end.text.find('\n'));
    EXPECT_EQ(end.text.substr(first.size() + 1), "60 3\n");
    const auto back = Calc("inverse", "60 3 " + first + "\n");
    // Within the two series' errors at 124 km: the direct's end point (~0.03 m) and the
    // inverse's azimuth (3.7e-6 rad, 0.0002 degrees).
    std::size_t used = 0;
    const double distance = std::stod(back.text, &used);
    const double azimuth = std::stod(back.text.substr(used));
    EXPECT_NEAR(distance, 124233.1272, 0.03) << back.text;
    EXPECT_NEAR(azimuth, 25.8194193316, 0.0002) << back.text;
}

TEST(GeodesicOperations, SphereCoursesAndPlaceholders) {
    const auto r = Calc("sphere", "60 3 61 4\n60 3 60 3\n60 3 90 3\n30 10 -30 -170\n");
    EXPECT_EQ(r.text,
              "66.8782 25.7823590223 66.8788 26.2146007138\n"
              "n/a n/a n/a n/a\n"
              "1800.0000 0.0000014788 n/a n/a\n"
              "error: Division by zero in GreatCircleRhumbLine\n");
    EXPECT_EQ(r.status, 1);
}

TEST(GeodeticOperations, Geog2gridOnTheCentralMeridian) {
    const auto r = Calc("geog2grid --zone 31", "60 3\n");
    EXPECT_EQ(r.text, "6651411.1888 500000.0000 0.0000000000 0.9996000000\n");
    EXPECT_EQ(r.status, 0);
    // Without --zone the zone of the longitude band is used; --south adds the false northing.
    EXPECT_EQ(Calc("geog2grid", "60 3\n").text, r.text);
    EXPECT_EQ(Calc("geog2grid --zone 31 --south", "0 3\n").text,
              "10000000.0000 500000.0000 0.0000000000 0.9996000000\n");
}

TEST(GeodeticOperations, GoodAndBadLines) {
    const auto r = Calc("geog2cart", "0 0 0\n60 x 0\n60 3\n\n# comment\n0,90,0\n");
    EXPECT_EQ(r.text,
              "6378137.0000 0.0000 0.0000\n"
              "error: field lon: 'x' is not a number\n"
              "error: missing field h\n"
              "\n"
              "# comment\n"
              "0.0000 6378137.0000 0.0000\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Calc("geog2cart", "95 0 0\n").text, "error: field lat: latitude must lie between -90 and 90 degrees\n");
    EXPECT_EQ(Calc("cart2geog", "1000 0 10\n").text, "error: no convergence\n");
    EXPECT_EQ(Calc("cart2geog", "6378137 0 0 10\n").text, "error: missing field h0\n");
}

TEST(GeodeticOperations, RoundTripsThroughTheProgram) {
    const auto cart = Calc("geog2cart --full --datum \"ED50 - European Datum 1950 (UKOOA)\"", "59.5 2.25 100\n");
    ASSERT_EQ(cart.status, 0) << cart.text;
    const auto geog = Calc("cart2geog --datum \"ED50 - European Datum 1950 (UKOOA)\"", cart.text);
    EXPECT_EQ(geog.text, "59.5000000000 2.2500000000 100.0000\n");

    const auto grid = Calc("geog2grid --full --zone 32", "61.25 7.5\n");
    ASSERT_EQ(grid.status, 0);
    const std::string ne = grid.text.substr(0, grid.text.find(' ', grid.text.find(' ') + 1));
    // The inverse settles within sqrt(1e-5) m of the target: about 1e-9 degrees here.
    double lat = 0, lon = 0;
    ASSERT_EQ(std::sscanf(Calc("grid2geog --zone 32", ne + "\n").text.c_str(), "%lf %lf", &lat, &lon), 2);
    EXPECT_NEAR(lat, 61.25, 3e-8);
    EXPECT_NEAR(lon, 7.5, 6e-8);
    EXPECT_EQ(Calc("grid2geog --zone 31", "9000000 3500000\n").text, "error: BAD GEOGRAPHICAL TO GRID CONVERSION\n");
}

TEST(GeodeticOperations, DatumAndOptionProblems) {
    const auto molodensky = Calc("radii --datum \"EUROPEAN 1950 (Western Europe)\"", "0\n");
    EXPECT_EQ(molodensky.text, "6378388.0000 6335508.2022\n");  // Hayford: a and a (1 - e2)
    const auto unknown = Calc("radii --datum \"No such datum\"", "0\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.text.find("no datum named \"No such datum\""), std::string::npos) << unknown.text;
    const auto missing = Calc("radii --data-dir /nonexistent", "0\n");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.text.find("\"Ellipser.vdx\""), std::string::npos) << missing.text;
    EXPECT_EQ(Calc("grid2geog", "0 0\n").status, 2);
    EXPECT_EQ(Calc("geog2grid --zone 61", "0 0\n").status, 2);
}

}  // namespace
