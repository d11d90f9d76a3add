#include "engine/ellipsoid.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/calc_error.h"
#include "engine/constants.h"

namespace {

constexpr double kA = 6378137.0;
constexpr double kE2 = 0.0066943799901413165;  // WGS84
constexpr double kDeg = engine::kRadPerDeg;

TEST(Ellipsoid, RadiiAtEquatorAndPole) {
    // At the pole both radii equal a^2 / b.
    const double b = 6356752.314245179;
    EXPECT_NEAR(engine::RadiusPrimeVertical(kA, kE2, engine::kHalfPi), kA * kA / b, 1e-6);
    EXPECT_NEAR(engine::RadiusMeridian(kA, kE2, engine::kHalfPi), kA * kA / b, 1e-6);
    // 60 N: nu = 6394209.1733 m, rho = 6383453.8572 m (WGS84).
    EXPECT_NEAR(engine::RadiusPrimeVertical(kA, kE2, 60 * kDeg), 6394209.1733, 1e-3);
    EXPECT_NEAR(engine::RadiusMeridian(kA, kE2, 60 * kDeg), 6383453.8572, 1e-3);
}

TEST(Ellipsoid, GeogToCartKnownPoints) {
    const auto pole = engine::GeogToCart(engine::kHalfPi, 0, 100, kA, kE2);
    EXPECT_NEAR(pole.Z, 6356752.314245179 + 100, 1e-6);
    EXPECT_NEAR(std::hypot(pole.X, pole.Y), 0, 1e-3);
}

TEST(Ellipsoid, CartToGeogOnTheAxes) {
    const auto equator = engine::CartToGeog({kA, 0, 0}, 0, 0, kA, kE2);
    EXPECT_EQ(equator.lat, 0.0);
    EXPECT_EQ(equator.lon, 0.0);
    EXPECT_NEAR(equator.h, 0.0, 0.001);
    // The quadrants are the round trip's; on the 180th meridian the longitude is +pi.
    const auto dateline = engine::CartToGeog({-kA, 0, 1}, 0, 0, kA, kE2);
    EXPECT_DOUBLE_EQ(dateline.lon, engine::kPi);
}

TEST(Ellipsoid, RoundTripGeographicCartesian) {
    for (double lat = -80; lat <= 80; lat += 10) {
        for (double lon : {-179.5, -90.0, -3.0, 0.0, 3.0, 45.0, 135.0, 179.9}) {
            for (double h : {-100.0, 0.0, 250.0, 9000.0}) {
                const auto xyz = engine::GeogToCart(lat * kDeg, lon * kDeg, h, kA, kE2);
                const auto g = engine::CartToGeog(xyz, 0, 0, kA, kE2);
                const auto back = engine::GeogToCart(g.lat, g.lon, g.h, kA, kE2);
                EXPECT_LT(std::hypot(back.X - xyz.X, back.Y - xyz.Y, back.Z - xyz.Z), 0.001)
                    << lat << " " << lon << " " << h;
                EXPECT_NEAR(g.h, h, 0.001);
            }
        }
    }
}

TEST(Ellipsoid, CartToGeogGivesUpNearTheCentre) {
    // Near the earth's centre the fixed-point iteration does not settle: a failure, not a hang.
    try {
        engine::CartToGeog({1000.0, 0.0, 10.0}, 0, 0, kA, kE2);
        FAIL() << "no CalcError";
    } catch (const engine::CalcError& e) {
        EXPECT_STREQ(e.what(), "no convergence");
    }
}

TEST(Ellipsoid, GeodeticOffsetNEUsesWgs84Figures) {
    const auto zero = engine::GeodeticOffsetNE(1.0, 0.1, 1.0, 0.1);
    EXPECT_EQ(zero.north, 0.0f);
    EXPECT_EQ(zero.east, 0.0f);
    const double lat = 60 * kDeg, dlat = 1e-5, dlon = 2e-5;
    const auto d = engine::GeodeticOffsetNE(lat, 0.05, lat + dlat, 0.05 + dlon);
    const double w = std::sqrt(1 - kE2 * std::sin(lat) * std::sin(lat));
    EXPECT_FLOAT_EQ(d.north, static_cast<float>(dlat * 6335439.3272928195 / w));
    EXPECT_FLOAT_EQ(d.east, static_cast<float>(std::cos(lat) * kA * dlon / w));
}

}  // namespace
