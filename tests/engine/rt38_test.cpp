#include "engine/rt38.h"

#include <gtest/gtest.h>

#include <utility>

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

TEST(Rt38, ConformalAcrossSweden) {
    // The polynomial is one complex polynomial in (x, y): everywhere the image of a step
    // east is the image of the same step north turned a quarter turn, which ties each
    // coefficient to its partner (central differences over 200 m).
    const double h = 100;
    for (const auto& [du, dv] : {std::pair{0.0, 0.0}, {-2.0, 3.0}, {3.0, -1.0}, {2.0, 2.0}}) {
        const double x = 6737923.7309 + du * 1e5, y = 1508708.0187 + dv * 1e5;
        const auto n1 = engine::Rt38ToUtm33(x + h, y), n0 = engine::Rt38ToUtm33(x - h, y);
        const auto e1 = engine::Rt38ToUtm33(x, y + h), e0 = engine::Rt38ToUtm33(x, y - h);
        EXPECT_NEAR(e1.northing - e0.northing, -(n1.easting - n0.easting), 1e-6) << du << " " << dv;
        EXPECT_NEAR(e1.easting - e0.easting, n1.northing - n0.northing, 1e-6) << du << " " << dv;
    }
}

}  // namespace
