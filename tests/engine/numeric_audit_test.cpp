// The numeric audit of every engine operation: at the largest values a user
// can type (latitudes ±90°, longitudes ±180°, heights, distances and
// co-ordinates up to 1e9 m, zones 1 … 60) each operation either computes
// finite values or raises engine::CalcError; none hands a NaN or an infinity
// to the sheet, and none raises anything else.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "datums/special_tables.h"
#include "engine/calc_error.h"
#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "engine/geodesic.h"
#include "engine/ngo.h"
#include "engine/north_sea.h"
#include "engine/rt38.h"
#include "engine/transverse_mercator.h"

namespace {

constexpr double kDeg = engine::kRadPerDeg;
const std::vector<double> kLatitudes = {-90 * kDeg, -89.99999 * kDeg, -45 * kDeg, 0, 1e-12, 60 * kDeg,
                                        89.99999 * kDeg, 90 * kDeg};
const std::vector<double> kLongitudes = {-180 * kDeg, -179.99999 * kDeg, 0, 3 * kDeg, 179.99999 * kDeg,
                                         180 * kDeg};
const std::vector<double> kLengths = {-1e9, -6.4e6, -1, 0, 1e-9, 1, 1e6, 1e7, 2e7, 1e9};
const std::vector<double> kBearings = {0, 1e-12, engine::kHalfPi, engine::kPi, 4.0, engine::kTwoPi};

struct Ellipsoid {
    double a, e2;
};
// WGS84, International 1924, Bessel 1841 and a sphere.
const std::vector<Ellipsoid> kEllipsoids = {
    {6378137.0, 0.0066943799901413165}, {6378388.0, 0.006722670022333322}, {6377397.155, 0.006674372230614}, {6371000.0, 0.0}};

// The values of each result that reach the sheet.
std::vector<double> Values(const std::vector<double>& values) { return values; }
std::vector<double> Values(double value) { return {value}; }
std::vector<double> Values(const engine::Cartesian& c) { return {c.X, c.Y, c.Z}; }
std::vector<double> Values(const engine::Geographic& g) { return {g.lat, g.lon, g.h}; }
std::vector<double> Values(const engine::OffsetNE& ne) { return {ne.north, ne.east}; }
std::vector<double> Values(const engine::InverseResult& g) { return {g.lat, g.lon}; }
std::vector<double> Values(const engine::GeographicPosition& p) { return {p.latitude, p.longitude}; }
std::vector<double> Values(const engine::Rt38Result& r) { return {r.northing, r.easting}; }
std::vector<double> Values(const engine::NgoResult& r) { return {r.northing, r.easting}; }

// Runs an operation; its values must all be finite unless it raised CalcError.
// Counts the cases that computed, so a test can tell that it did not only raise.
struct Audit {
    int computed = 0;

    template <class Operation>
    void Check(const std::string& what, Operation&& operation) {
        try {
            const std::vector<double> values = Values(operation());
            for (std::size_t k = 0; k < values.size(); ++k)
                ASSERT_TRUE(std::isfinite(values[k])) << what << ": value " << k << " is " << values[k];
            ++computed;
        } catch (const engine::CalcError&) {
        } catch (const std::exception& other) {
            FAIL() << what << " raised something else than CalcError: " << other.what();
        }
    }
};

std::string At(double lat, double lon) {
    return " at " + std::to_string(lat / kDeg) + ", " + std::to_string(lon / kDeg);
}

TEST(NumericAudit, EveryOperationAtTheExtremesIsFiniteOrRaisesCalcError) {
    Audit audit;
    for (const auto& [a, e2] : kEllipsoids) {
        for (double lat : kLatitudes) {
            for (double lon : kLongitudes)
                for (double h : kLengths)
                    audit.Check("GeogToCart" + At(lat, lon), [&] { return engine::GeogToCart(lat, lon, h, a, e2); });
        }
        for (double x : kLengths)
            for (double y : {-1e9, 0.0, 1e9})
                for (double z : kLengths)
                    for (double start_lat : {0.0, 90 * kDeg})
                        audit.Check("CartToGeog " + std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(z),
                                    [&] { return engine::CartToGeog({x, y, z}, start_lat, 0, a, e2); });
    }
    for (double lat1 : kLatitudes)
        for (double lon1 : kLongitudes)
            for (double lat2 : kLatitudes)
                audit.Check("GeodeticOffsetNE" + At(lat1, lon1), [&] { return engine::GeodeticOffsetNE(lat1, lon1, lat2, -lon1); });
    for (const auto& [a, e2] : kEllipsoids) {
        for (int zone = 1; zone <= 60; ++zone) {
            for (bool southern : {false, true}) {
                const engine::ProjectionConstants pc = engine::SetupProjection(zone, southern, a, e2);
                for (double lat : kLatitudes)
                    for (double lon : kLongitudes) {
                        audit.Check("GeogToGrid" + At(lat, lon), [&] {
                            const auto g = engine::GeogToGrid(pc, lat, lon);
                            return std::vector<double>{g.N, g.E, engine::GridConvergence(pc, lat, lon)};
                        });
                    }
                for (double n : kLengths)
                    for (double e : {-1e9, -1e6, 0.0, 500000.0, 1e6, 1e9}) {
                        audit.Check("GridToGeog " + std::to_string(n) + ", " + std::to_string(e),
                                    [&] { return engine::GridToGeog(pc, n, e); });
                        audit.Check("LineScaleFactor", [&] { return engine::LineScaleFactor(pc, e, n, -e, 1e9 - n); });
                    }
            }
        }
    }
    for (const auto& [a, e2] : kEllipsoids) {
        const double b = a * std::sqrt(1 - e2), f = 1 - b / a;
        for (double lat1 : kLatitudes)
            for (double lon1 : kLongitudes)
                for (double lat2 : kLatitudes)
                    for (double lon2 : {-180 * kDeg, 0.0, 1e-9, 179.5 * kDeg, 180 * kDeg}) {
                        for (auto mode : {engine::InverseMode::DistanceAndAzimuth, engine::InverseMode::AzimuthOnly})
                            audit.Check("GeodeticInverse" + At(lat1, lon1) + " to" + At(lat2, lon2), [&] {
                                engine::GeodeticLine line;
                                engine::GeodeticInverse(lat1, lon1, lat2, lon2, mode, line, b, f);
                                return std::vector<double>{line.distance, line.azimuth};
                            });
                    }
        for (double lat : kLatitudes)
            for (double s : kLengths)
                for (double alpha : kBearings)
                    audit.Check("GeodeticDirect" + At(lat, 0) + " over " + std::to_string(s),
                                [&] { return engine::GeodeticDirect(lat, 179 * kDeg, s, alpha, a, e2); });
    }
    const engine::NorthSeaTables north_sea =
        datums::LoadNorthSeaFile(std::string(TWOPOINT_TEST_DATA_DIR) + "/NorthSea.vdx");
    const engine::NgoTables ngo = datums::LoadNgoFile(std::string(TWOPOINT_TEST_DATA_DIR) + "/ngo-data.vdx");
    for (double lat : kLatitudes)
        for (double lon : kLongitudes) {
            for (double h : kLengths)
                for (int d = 0; d < 2; ++d) {
                    audit.Check("ShiftED50ED87" + At(lat, lon), [&] { return engine::ShiftED50ED87(north_sea, d, lat, lon, h); });
                    audit.Check("ShiftED50Sea" + At(lat, lon), [&] { return engine::ShiftED50Sea(north_sea, d, lat, lon, h); });
                }
        }
    for (double x : kLengths)
        for (double y : kLengths) {
            audit.Check("Rt38ToUtm33", [&] { return engine::Rt38ToUtm33(x, y); });
            for (int axis = 1; axis <= 10; ++axis)
                for (int zone : {1, 31, 32, 33, 35, 36, 60})
                    audit.Check("NgoToUtm axis " + std::to_string(axis) + " zone " + std::to_string(zone),
                                [&] { return engine::NgoToUtm(ngo, x, y, axis, zone); });
        }
    EXPECT_GT(audit.computed, 0);
}

}  // namespace
