#include "engine/rt38.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Rt38, WorkedPointsOfTheBuiltInPolynomial) {
    const auto origin = engine::Rt38ToUtm33(6737923.7309, 1508708.0187);
    EXPECT_NEAR(origin.northing, 6736435.2546, 1e-6);
    EXPECT_NEAR(origin.easting, 552648.4166, 1e-6);

    const auto north = engine::Rt38ToUtm33(6737923.7309 + 100000.0, 1508708.0187);
    EXPECT_NEAR(north.northing, 6736435.2546 + 99955.0689 - 0.1984 + 0.0077 + 0.0016, 1e-6);
    EXPECT_NEAR(north.easting, 552648.4166 - 1227.1301 - 5.4194 + 0.0212 + 0.0029, 1e-6);

    const auto east = engine::Rt38ToUtm33(6737923.7309, 1508708.0187 + 100000.0);
    EXPECT_NEAR(east.northing, 6736435.2546 + 1227.1301 + 0.1984 + 0.0212 + 0.0016, 1e-6);
    EXPECT_NEAR(east.easting, 552648.4166 + 99955.0689 + 5.4194 - 0.0077 + 0.0029, 1e-6);
}

TEST(Rt38, ConformalNearTheOrigin) {
    // A small step north and the same step east give images of equal length at right angles.
    const auto o = engine::Rt38ToUtm33(6600000, 1500000);
    const auto n = engine::Rt38ToUtm33(6600010, 1500000);
    const auto e = engine::Rt38ToUtm33(6600000, 1500010);
    const double dn_n = n.northing - o.northing, dn_e = n.easting - o.easting;
    const double de_n = e.northing - o.northing, de_e = e.easting - o.easting;
    EXPECT_NEAR(dn_n * de_n + dn_e * de_e, 0, 1e-4);
    EXPECT_NEAR(std::hypot(dn_n, dn_e), std::hypot(de_n, de_e), 1e-5);
}

}  // namespace
