// The shipped "ngo-data.vdx" against the exact chain it was fitted to.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "datums/special_tables.h"
#include "engine/ngo.h"
#include "tools/ngo_exact_chain.h"

namespace {

using namespace ngo_chain;

TEST(NgoExactChain, TransverseMercatorRoundTripAndKnownValues) {
    const auto utm = UtmProjection(32);
    double n, e, lat, lon;
    Forward(utm, 60 * kDeg, 9 * kDeg, n, e);
    EXPECT_NEAR(e, 500000, 1e-6);
    // 0.9996 times the International 1924 meridian arc to 60°N.
    EXPECT_NEAR(n, 0.9996 * 6654228.3963, 1e-3);  // arc by numerical quadrature
    Forward(utm, 70.5 * kDeg, 3 * kDeg, n, e);
    Inverse(utm, n, e, lat, lon);
    EXPECT_NEAR(lat / kDeg, 70.5, 1e-11);
    EXPECT_NEAR(lon / kDeg, 3, 1e-11);
    // The axis grids start at 58°N on their own meridian.
    Forward(AxisProjection(3), 58 * kDeg, kOsloMeridianDeg * kDeg, n, e);
    EXPECT_NEAR(n, 0, 1e-6);
    EXPECT_NEAR(e, 0, 1e-6);
}

TEST(NgoFittedFile, EveryAxisAndZoneStepAgreesWithTheExactChain) {
    const auto t = datums::LoadNgoFile(std::string(TWOPOINT_TEST_DATA_DIR) + "/ngo-data.vdx");
    // The residuals the file reports are below 1 mm; allow 2 mm at points off the fit grid.
    for (int code = 1; code <= 10; ++code) {
        const int a = code > 8 ? code - 8 : code;
        const AxisArea area = AxisFitArea(a);
        for (double fi : {0.03, 0.37, 0.61, 0.97})
            for (double fj : {0.02, 0.5, 0.88}) {
                const double lat = (area.south + (area.north - area.south) * fi) * kDeg;
                const double lon = (area.west + (area.east - area.west) * fj) * kDeg;
                double x, y, n, e;
                Forward(AxisProjection(a), lat, lon, x, y);
                NgoToUtmExact(a, x, y, NaturalZone(a), n, e);
                const auto r = engine::NgoToUtm(t, x, y, code, NaturalZone(a));
                EXPECT_LT(std::hypot(r.northing - n, r.easting - e), 0.002) << "axis code " << code;
            }
    }
    // The zone steps: axis V (natural zone 33) at 66.5°N 14°E to zone 34 (east) and 32
    // (west); axis IV two steps east from zone 33 to 35.
    for (const auto& [axis, lat, zone, tolerance] : {std::tuple{5, 66.5, 32, 0.005}, {5, 66.5, 34, 0.005}, {4, 64.0, 35, 0.01}}) {
        double x, y, n, e;
        Forward(AxisProjection(axis), lat * kDeg, 14 * kDeg, x, y);
        NgoToUtmExact(axis, x, y, zone, n, e);
        const auto r = engine::NgoToUtm(t, x, y, axis, zone);
        EXPECT_LT(std::hypot(r.northing - n, r.easting - e), tolerance) << axis << " to zone " << zone;
    }
}

}  // namespace
