#include "engine/transverse_mercator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/calc_error.h"
#include "engine/constants.h"

namespace {

constexpr double kA = 6378137.0;
constexpr double kE2 = 0.0066943799901413165;
constexpr double kDeg = engine::kRadPerDeg;

TEST(TransverseMercator, ZoneCentralMeridians) {
    EXPECT_EQ(engine::ZoneCentralMeridian(31), 3);
    EXPECT_EQ(engine::ZoneCentralMeridian(1), -177);
    EXPECT_EQ(engine::ZoneCentralMeridian(60), 177);
    // 16-bit arithmetic: 5491 * 6 - 183 = 32763 fits, 5492 gives 32769 and overflows.
    EXPECT_EQ(engine::ZoneCentralMeridian(5491), 32763);
    EXPECT_THROW(engine::ZoneCentralMeridian(5492), engine::CalcError);
    EXPECT_THROW(engine::ZoneCentralMeridian(-5431), engine::CalcError);
}

TEST(TransverseMercator, KnownAndPublishedPoints) {
    // 60 N on the central meridian: the meridian arc 6654072.819 m times k0; at the zone's
    // western edge against Krueger's exact series (the program's series agrees to a few
    // centimetres there).
    const struct {
        bool southern;
        double lat, lon, N, E, tolerance;
    } cases[] = {
        {false, 60, 3, 0.9996 * 6654072.819, 500000, 0.002}, {false, 0, 3, 0, 500000, 1e-9},
        {true, 0, 3, 10000000, 500000, 1e-9},              {false, 51.5, 0, 5709696.984, 291783.128, 0.05},
        {false, 60, 0, 6655205.484, 332705.179, 0.05},
    };
    for (const auto& c : cases) {
        const auto g = engine::GeogToGrid(engine::SetupProjection(31, c.southern, kA, kE2), c.lat * kDeg, c.lon * kDeg);
        EXPECT_NEAR(g.N, c.N, c.tolerance) << c.lat << " " << c.lon;
        EXPECT_NEAR(g.E, c.E, c.tolerance) << c.lat << " " << c.lon;
    }
    // The series is symmetric about the central meridian.
    const auto north = engine::SetupProjection(31, false, kA, kE2);
    const auto west = engine::GeogToGrid(north, 55 * kDeg, 1 * kDeg), east = engine::GeogToGrid(north, 55 * kDeg, 5 * kDeg);
    EXPECT_NEAR(west.N, east.N, 1e-6);
    EXPECT_NEAR(west.E - 500000, 500000 - east.E, 1e-6);
}

TEST(TransverseMercator, RoundTripOverLatitudesAndZoneWidth) {
    for (bool southern : {false, true}) {
        const auto pc = engine::SetupProjection(33, southern, kA, kE2);
        for (double lat = -80; lat <= 80; lat += 5) {
            if (southern != (lat < 0) && lat != 0) continue;
            for (double dlon = -3.0; dlon <= 3.0; dlon += 0.5) {
                const double lon = (15 + dlon) * kDeg;
                const auto g = engine::GeogToGrid(pc, lat * kDeg, lon);
                const auto r = engine::GridToGeog(pc, g.N, g.E);
                ASSERT_TRUE(r.settled) << lat << " " << dlon;
                const auto again = engine::GeogToGrid(pc, r.lat, r.lon);
                EXPECT_LT(std::hypot(again.N - g.N, again.E - g.E), std::sqrt(1e-5)) << lat << " " << dlon;
                EXPECT_NEAR(r.lat, lat * kDeg, 1e-8);
                EXPECT_NEAR(r.lon, lon, 1e-8);
            }
        }
    }
}

TEST(TransverseMercator, UnsettledAndImpossibleInverses) {
    const auto pc = engine::SetupProjection(31, false, kA, kE2);
    // Far outside the zone the Newton iteration does not settle: reported, not shown.
    const auto far = engine::GridToGeog(pc, 5000000.0, -5000000.0);
    EXPECT_FALSE(far.settled);
    EXPECT_EQ(far.iterations, 21);
    // Where its last pass, or a settled answer, lies beyond a pole or half a turn
    // from the central meridian (a northing of 1e9 m "settles" on hundreds of
    // radians), there is no place on earth: it raises instead.
    for (const auto& [northing, easting] : {std::pair{1e9, 500000.0}, {-1e9, 500000.0}, {4.4275e9, 4.6e8},
                                           {9000000.0, 3500000.0}}) {
        try {
            engine::GridToGeog(pc, northing, easting);
            ADD_FAILURE() << northing << " " << easting << " did not raise";
        } catch (const engine::CalcError& failure) {
            EXPECT_STREQ(failure.what(), "BAD GEOGRAPHICAL TO GRID CONVERSION") << northing;
        }
    }
}

TEST(TransverseMercator, APointAcrossTheDateLineFromItsMeridian) {
    // 179.9 W in zone 60 (central meridian 177 E) lies 3.1 degrees east of the meridian.
    const auto pc = engine::SetupProjection(60, false, kA, kE2);
    const auto west = engine::GeogToGrid(pc, 50 * kDeg, -179.9 * kDeg);
    const auto east = engine::GeogToGrid(pc, 50 * kDeg, 180.1 * kDeg);
    EXPECT_NEAR(west.N, east.N, 1e-6);
    EXPECT_NEAR(west.E, east.E, 1e-6);
}

TEST(TransverseMercator, ScaleFactorAndConvergence) {
    const auto pc = engine::SetupProjection(31, false, kA, kE2);
    EXPECT_DOUBLE_EQ(engine::LineScaleFactor(pc, 500000, 6000000, 500000, 6700000), 0.9996);
    // 180 km off the central meridian the scale is close to 1.0004 (k0 (1 + x^2 / 2R^2)).
    const double k = engine::LineScaleFactor(pc, 680000, 6650000, 680000, 6650000);
    EXPECT_NEAR(k, 0.9996 * (1 + 180000.0 * 180000.0 / (2 * 6388800.0 * 6388800.0)), 2e-6);
    EXPECT_DOUBLE_EQ(engine::GridConvergence(pc, 60 * kDeg, 3 * kDeg), 0.0);
    EXPECT_DOUBLE_EQ(engine::GridConvergence(pc, 60 * kDeg, 5 * kDeg), std::sin(60 * kDeg) * (2 * kDeg));
}

TEST(TransverseMercator, GridRangeBearingQuadrantsAndOffset) {
    struct Case {
        double dE, dN, forward;
    };
    const Case cases[] = {
        {100, 0, engine::kHalfPi},               // east
        {0, -100, engine::kPi},                  // south
        {0, 100, 0.0},                           // north
        {-100, 0, engine::kThreeHalfPi},         // west
        {100, 100, engine::kHalfPi - std::atan(1.0)},
        {100, -100, engine::kHalfPi + std::atan(1.0)},
        {-100, -100, engine::kThreeHalfPi - std::atan(1.0)},
        {-100, 100, engine::kThreeHalfPi + std::atan(1.0)},
    };
    for (const auto& c : cases) {
        const auto r = engine::GridRangeBearing(400000, 6000000, 400000 + c.dE, 6000000 + c.dN);
        EXPECT_DOUBLE_EQ(r.forward, c.forward) << c.dE << " " << c.dN;
        // Due south (dE exactly 0) the back bearing is 0, not 2 pi.
        double back = c.forward + engine::kPi;
        if (back >= engine::kTwoPi) back -= engine::kTwoPi;
        EXPECT_DOUBLE_EQ(r.back, back);
        EXPECT_DOUBLE_EQ(r.distance, std::hypot(c.dE, c.dN));
        const auto p = engine::GridOffsetPoint(400000, 6000000, r.distance, r.forward);
        EXPECT_NEAR(p.E, 400000 + c.dE, 1e-6);
        EXPECT_NEAR(p.N, 6000000 + c.dN, 1e-6);
    }
    const auto east = engine::GridRangeBearing(0, 0, 10, 0);
    EXPECT_EQ(east.back, 1.570796326795 + 3.14159265359);
    const auto same = engine::GridRangeBearing(5, 5, 5, 5);
    EXPECT_EQ(same.forward, 0.0);
    EXPECT_EQ(same.back, engine::kPi);
    EXPECT_EQ(same.distance, 0.0);
}

}  // namespace
