#include "engine/north_sea.h"

#include <gtest/gtest.h>

#include <cmath>

#include "datums/special_tables.h"
#include "engine/constants.h"

namespace {

using engine::kDegPerRad;
using engine::kRadPerDeg;

engine::NorthSeaTables ShippedTables() {
    return datums::LoadNorthSeaFile(std::string(TWOPOINT_TEST_DATA_DIR) + "/NorthSea.vdx");
}

TEST(NorthSea, PublishedWorkedExampleBothWays) {
    const auto t = ShippedTables();
    // The file's seven parameters are published in arc seconds and ppm.
    EXPECT_DOUBLE_EQ(t.helmert_ed87[3], -0.39046 / 3600 * kRadPerDeg);
    EXPECT_DOUBLE_EQ(t.helmert_ed87[6], 0.609e-6);
    EXPECT_DOUBLE_EQ(t.helmert_sea[5], 0.0804 / 3600 * kRadPerDeg);
    EXPECT_DOUBLE_EQ(t.helmert_sea[6], -0.3143e-6);
    const double lat = 52 + 30 / 60.0 + 30 / 3600.0, lon = 2.0;
    EXPECT_NEAR(engine::NorthSeaPoly(0, lat - 55, lon, t.lat_coef), -3.12958e-06, 5e-12);
    EXPECT_NEAR(engine::NorthSeaPoly(0, lat - 55, lon, t.lon_coef), 9.80126e-06, 5e-12);

    const auto ed87 = engine::ShiftED50ED87(t, 0, lat * kRadPerDeg, lon * kRadPerDeg, 12.5);
    const double lat87 = ed87.lat * kDegPerRad, lon87 = ed87.lon * kDegPerRad;
    EXPECT_NEAR((lat87 - 52.5) * 3600, 29.9887, 5e-5);
    EXPECT_NEAR(lon87 * 3600 - 7200, 0.0353, 5e-5);
    EXPECT_EQ(ed87.h, 12.5);

    // The reverse evaluates the negated polynomial at the ED87 position.
    const auto back = engine::ShiftED50ED87(t, 1, ed87.lat, ed87.lon, ed87.h);
    EXPECT_NEAR(back.lat * kDegPerRad, lat, 5e-9);
    EXPECT_NEAR(back.lon * kDegPerRad, lon, 5e-9);
    EXPECT_EQ(back.h, 12.5);
}

TEST(NorthSea, BlendBetween62And65North) {
    const auto t = ShippedTables();
    const double lon = 4.5 * kRadPerDeg, h = 30;
    auto shifted = [&](double lat_deg) { return engine::ShiftED50ED87(t, 0, lat_deg * kRadPerDeg, lon, h); };
    // Continuous at both edges: the correction changes by far less than a millimetre.
    for (double edge : {62.0, 65.0}) {
        const auto below = shifted(edge - 1e-9), at = shifted(edge), above = shifted(edge + 1e-9);
        for (const auto* p : {&below, &above}) {
            EXPECT_NEAR((p->lat - at.lat) * kDegPerRad, 0, 1e-8) << edge;
            EXPECT_NEAR((p->lon - at.lon) * kDegPerRad, 0, 1e-8) << edge;
            EXPECT_NEAR(p->h, at.h, 1e-4) << edge;
        }
    }
    // At 63.5° the correction is the mean of the polynomial's at 62° and the seven parameters' at 65°.
    const auto mid = shifted(63.5);
    const double poly_dlat = engine::NorthSeaPoly(0, 62 - 55, 4.5, t.lat_coef);
    const double poly_dlon = engine::NorthSeaPoly(0, 62 - 55, 4.5, t.lon_coef);
    const auto at65 = shifted(65.0);
    const double helmert_dlat = at65.lat * kDegPerRad - 65.0, helmert_dlon = at65.lon * kDegPerRad - 4.5;
    EXPECT_NEAR(mid.lat * kDegPerRad - 63.5, (poly_dlat + helmert_dlat) / 2, 1e-9);
    EXPECT_NEAR(mid.lon * kDegPerRad - 4.5, (poly_dlon + helmert_dlon) / 2, 1e-9);
    EXPECT_NEAR(mid.h, h + (at65.h - h) / 2, 2e-3);
    // At exactly 62° the polynomial alone applies and the height is kept.
    const auto at62 = shifted(62.0);
    EXPECT_NEAR(at62.lat * kDegPerRad, 62 + poly_dlat, 1e-12);
    EXPECT_EQ(at62.h, h);
}

TEST(NorthSea, DirectionCodesOfTheSeaShift) {
    const auto t = ShippedTables();
    const engine::Cartesian p{3172870.0, 604208.0, 5481574.0};
    const auto forward = engine::ShiftED87Sea(t, 0, p);
    EXPECT_NEAR(forward.X - p.X, -82.981, 5);
    for (int d : {1, 5}) {
        const auto back = engine::ShiftED87Sea(t, d, forward);
        EXPECT_NEAR(back.X, p.X, 1e-3) << d;
        EXPECT_NEAR(back.Y, p.Y, 1e-3) << d;
        EXPECT_NEAR(back.Z, p.Z, 1e-3) << d;
    }
    // ED50 -> WGS84*Sea and back returns the start.
    for (double lat : {56.0, 63.0, 70.0}) {
        const auto sea = engine::ShiftED50Sea(t, 0, lat * kRadPerDeg, 2 * kRadPerDeg, 40);
        EXPECT_GT(std::fabs(sea.lat - lat * kRadPerDeg), 1e-7);
        const auto back = engine::ShiftED50Sea(t, 1, sea.lat, sea.lon, sea.h);
        EXPECT_NEAR(back.lat * kDegPerRad, lat, 2e-8) << lat;
        EXPECT_NEAR(back.lon * kDegPerRad, 2.0, 2e-8) << lat;
        EXPECT_NEAR(back.h, 40, 0.01) << lat;
    }
}

}  // namespace
