#include "engine/geodesic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/constants.h"
#include "vincenty_reference.h"

namespace {

using engine::GeodeticDirect;
using engine::GeodeticInverse;
using engine::GeodeticLine;
using engine::InverseMode;
using engine::kHalfPi;
using engine::kPi;
using engine::kRadPerDeg;

constexpr double kA = 6378137.0;
constexpr double kF = 1 / 298.257223563;
constexpr double kB = kA * (1 - kF);
constexpr double kE2 = kF * (2 - kF);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The azimuth difference folded into -pi .. pi.
double AngleDifference(double x, double y) { return std::remainder(x - y, 2 * std::numbers::pi); }

GeodeticLine Inverse(double lat1, double lon1, double lat2, double lon2, InverseMode mode = InverseMode::DistanceAndAzimuth) {
    GeodeticLine line;
    GeodeticInverse(lat1 * kRadPerDeg, lon1 * kRadPerDeg, lat2 * kRadPerDeg, lon2 * kRadPerDeg, mode, line, kB, kF);
    return line;
}

// The Vincenty distance between two points given in degrees, converted with the exact pi
// (the program's 90 degrees lies a hair beyond the true quarter turn).
double Reference(double lat1, double lon1, double lat2, double lon2) {
    const double rad = std::numbers::pi / 180;
    return vincenty::Inverse(lat1 * rad, lon1 * rad, lat2 * rad, lon2 * rad, kA, kF).distance;
}

double Dms(double d, double m, double s) { return std::copysign(std::fabs(d) + m / 60 + s / 3600, d); }

TEST(GeodeticInverse, PublishedFlindersPeakToBuninyong) {
    // Geoscience Australia's worked example on GRS80: 54 972.271 m, 306 52 05.37, back 127 10 25.07;
    // the reference solution reproduces it first.
    const double a = 6378137.0, f = 1 / 298.257222101;
    const double lat1 = Dms(-37, 57, 3.72030) * kRadPerDeg, lon1 = Dms(144, 25, 29.52440) * kRadPerDeg;
    const double lat2 = Dms(-37, 39, 10.15610) * kRadPerDeg, lon2 = Dms(143, 55, 35.38390) * kRadPerDeg;
    const double az12 = Dms(306, 52, 5.37) * kRadPerDeg, az21 = Dms(127, 10, 25.07) * kRadPerDeg;
    const auto ref = vincenty::Inverse(lat1, lon1, lat2, lon2, a, f);
    EXPECT_NEAR(ref.distance, 54972.271, 0.001);
    EXPECT_NEAR(AngleDifference(ref.azimuth12, az12), 0, 0.01 / 3600 * kRadPerDeg);
    EXPECT_NEAR(AngleDifference(ref.azimuth21, az21), 0, 0.01 / 3600 * kRadPerDeg);
    GeodeticLine line, back;
    GeodeticInverse(lat1, lon1, lat2, lon2, InverseMode::DistanceAndAzimuth, line, a * (1 - f), f);
    GeodeticInverse(lat2, lon2, lat1, lon1, InverseMode::AzimuthOnly, back, a * (1 - f), f);
    EXPECT_NEAR(line.distance, 54972.271, 0.003);
    EXPECT_NEAR(AngleDifference(line.azimuth, az12), 0, 4e-6);
    EXPECT_NEAR(AngleDifference(back.azimuth, az21), 0, 4e-6);
}

TEST(GeodeticInverse, AgreesWithVincentyToItsMeasuredAccuracy) {
    // Distance within 3.8e-8 of the length (+0.01 mm), azimuths within 3.7e-6 rad up to
    // 1000 km and 8.5e-6 rad at 15 000 km, in every direction; the long lines pass a
    // quarter turn on the auxiliary sphere.
    for (double km : {1.0, 10.0, 100.0, 500.0, 1000.0, 15000.0})
        for (double lat = -80; lat <= 80; lat += 20)
            for (double az = 3; az < 360; az += 29) {
                const double phi1 = lat * kRadPerDeg, lam1 = -2 * kRadPerDeg;
                const auto end = vincenty::Direct(phi1, lam1, az * kRadPerDeg, km * 1000, kA, kF);
                const double lam2 = std::remainder(end.longitude, 2 * std::numbers::pi);
                const auto ref = vincenty::Inverse(phi1, lam1, end.latitude, lam2, kA, kF);
                GeodeticLine line, back;
                GeodeticInverse(phi1, lam1, end.latitude, lam2, InverseMode::DistanceAndAzimuth, line, kB, kF);
                GeodeticInverse(end.latitude, lam2, phi1, lam1, InverseMode::AzimuthOnly, back, kB, kF);
                SCOPED_TRACE(testing::Message() << km << " km from " << lat << " along " << az);
                EXPECT_NEAR(line.distance, ref.distance, 3.9e-8 * km * 1000 + 1e-5);
                const double azimuth_error = km > 1000 ? 8.5e-6 : 3.7e-6;
                EXPECT_NEAR(AngleDifference(line.azimuth, ref.azimuth12), 0, azimuth_error);
                EXPECT_NEAR(AngleDifference(back.azimuth, ref.azimuth21), 0, azimuth_error);
            }
}

TEST(GeodeticInverse, LinesAlongTheEquatorMeridiansAndOverThePoles) {
    // Due east, west, north and south the azimuth is exact; the 180th meridian written as
    // -180 and +180 is one meridian; on opposite meridians the line runs over the nearer pole
    // (the series' quadrant rule once said south). NaN: not checked.
    const double degree_on_equator = kB * (1 + kF + kF * kF) * kRadPerDeg;
    const double meridian = Reference(60, 0, 61, 0);
    const struct {
        double lat1, lon1, lat2, lon2, azimuth, distance, tolerance;
    } cases[] = {
        {0, 3, 0, 4, kHalfPi, degree_on_equator, 1e-6},
        {0, 4, 0, 3, engine::kThreeHalfPi, degree_on_equator, 1e-6},
        {0, 179.5, 0, -179.5, kHalfPi, degree_on_equator, 1e-6},
        {0, 0, 0, 179, kNaN, 179 * kRadPerDeg * kA, 1.0},
        {60, 5, 61, 5, 0, meridian, 0.005},
        {61, 5, 60, 5, kPi, meridian, 0.005},
        {-60, 7, 70, 7, 0, Reference(-60, 0, 70, 0), 0.001},  // solved exactly (130 degrees of arc)
        {89, 10, 90, 10, 0, Reference(89, 0, 90, 0), 0.0044},
        {90, 0, -90, 0, kNaN, 2 * Reference(0, 0, 90, 0), 0.8},
        {10, -180, 20, 180, 0, Inverse(10, 5, 20, 5).distance, 1e-6},
        {60, 10, 60.5, 10 - 180, 0, Reference(60, 0, 60.5, 180), 0.5},
        {-60, 10, -60.5, 10 + 180, kPi, kNaN, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lat1 << " " << c.lon1 << " to " << c.lat2 << " " << c.lon2);
        const GeodeticLine line = Inverse(c.lat1, c.lon1, c.lat2, c.lon2);
        if (!std::isnan(c.azimuth)) {
            EXPECT_EQ(line.azimuth, c.azimuth);
        }
        if (!std::isnan(c.distance)) {
            EXPECT_NEAR(line.distance, c.distance, c.tolerance);
        }
    }
    // Coincident points (also -180 and +180) set both outputs whatever the mode.
    GeodeticLine line{123, 4};
    GeodeticInverse(1.0, 0.5, 1.0 + 5e-11, 0.5 - 5e-11, InverseMode::AzimuthOnly, line, kB, kF);
    EXPECT_EQ(line.distance, 0);
    EXPECT_EQ(line.azimuth, 0);
    line = {7, 8};
    GeodeticInverse(0.5, -kPi, 0.5, kPi, InverseMode::DistanceAndAzimuth, line, kB, kF);
    EXPECT_EQ(line.distance, 0);
    EXPECT_EQ(line.azimuth, 0);
}

TEST(GeodeticInverse, LongAndNearlyAntipodalLinesAgreeWithGeodSolve) {
    // Figures of GeographicLib 2.1.2, "GeodSolve -i -p 9" on WGS84: distance, azimuth at
    // point 1, and the azimuth at point 2 towards point 1 (GeodSolve on the reversed pair;
    // where two geodesics are equally short it picks the one the program picks). The
    // azimuths of exact antipodes are not unique: NaN. Beyond 120 degrees of arc the lines
    // are solved exactly; the series, used below it, was 1 067 m and 17 degrees off on the
    // first line, 22.7 km on the second, and on the third 9.6 km longer than any geodesic can be.
    const struct {
        double lat1, lon1, lat2, lon2, distance, azimuth1, azimuth21, tolerance;
    } cases[] = {
        {0, 0, 0.5, 179.5, 19936288.578965314, 25.67187286829188, 334.3270854699416, 1e-5},
        {0, 0, 0.1, 179.9, 19992082.107913841, 8.17370771173224, 351.82627983774677, 1e-5},
        {30, 0, -30, 179.8, 20000239.437724669, 22.49666240965778, 202.49666240965777, 1e-5},
        {0, 0, 0, 179.5, 19980861.908890963, 55.96649514015864, 304.03350485984136, 1e-5},
        {-60, 20, 59.9, -160.1, 19992235.987086497, 168.58630892694899, 191.37890747427244, 1e-5},
        {10, 0, -20, 125, 14041187.798903618, 107.50007026016225, 267.72879542084296, 1e-5},
        {45.208, -117.0502, -45.208, 62.9498, 20003931.458625447, kNaN, kNaN, 1e-5},
        {0, 0, 0, 180, 20003931.458625447, kNaN, kNaN, 1e-5},
        // Just below the switch the series holds to its stated accuracy.
        {10, 0, -20, 110, 12472028.430228675, 107.58119433953004, 272.84511915061147, 0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lat1 << " " << c.lon1 << " to " << c.lat2 << " " << c.lon2);
        const GeodeticLine line = Inverse(c.lat1, c.lon1, c.lat2, c.lon2);
        EXPECT_NEAR(line.distance, c.distance, c.tolerance);
        if (std::isnan(c.azimuth1)) continue;
        const GeodeticLine back = Inverse(c.lat2, c.lon2, c.lat1, c.lon1, InverseMode::AzimuthOnly);
        const double arc_second = kRadPerDeg / 3600;
        const double azimuth_tolerance = c.tolerance < 0.1 ? 1e-4 * arc_second : 0.75 * arc_second;
        EXPECT_NEAR(AngleDifference(line.azimuth, c.azimuth1 * kRadPerDeg), 0, azimuth_tolerance);
        EXPECT_NEAR(AngleDifference(back.azimuth, c.azimuth21 * kRadPerDeg), 0, azimuth_tolerance);
        EXPECT_GE(line.azimuth, 0);
        EXPECT_LT(line.azimuth, engine::kTwoPi);
    }
}

TEST(GeodeticDirect, AgreesWithVincentyAndComesBackThroughTheInverse) {
    // A few hundred kilometres come back within the two series' measured errors (direct
    // end point within 14 mm * (s / 100 km)^3, inverse azimuth 3.7e-6 rad).
    const double l1 = 3 * kRadPerDeg;
    for (double km : {50.0, 200.0, 300.0})
        for (double lat = -70; lat <= 70; lat += 35)
            for (double az = 10; az < 360; az += 40) {
                const double phi1 = lat * kRadPerDeg, alpha = az * kRadPerDeg;
                const auto end = GeodeticDirect(phi1, l1, km * 1000, alpha, kA, kE2);
                GeodeticLine line;
                GeodeticInverse(phi1, l1, end.latitude, end.longitude, InverseMode::DistanceAndAzimuth, line, kB, kF);
                SCOPED_TRACE(testing::Message() << km << " km from " << lat << " along " << az);
                const double end_error = 1.5e-2 * std::pow(km / 100, 3) + 1e-4;
                EXPECT_NEAR(line.distance, km * 1000, end_error + 3.8e-8 * km * 1000);
                EXPECT_NEAR(AngleDifference(line.azimuth, alpha), 0, 3.7e-6 + end_error / (km * 1000));
                const auto ref = vincenty::Direct(phi1, l1, alpha, km * 1000, kA, kF);
                EXPECT_NEAR((end.latitude - ref.latitude) * kA, 0, end_error);
                EXPECT_NEAR((end.longitude - ref.longitude) * kA * std::cos(ref.latitude), 0, end_error);
            }
    // Along a meridian onto the pole (sin psi exactly 1 is the pole); due east on the equator.
    const auto pole = GeodeticDirect(kHalfPi - 1e-9, 0.3, 1e-9 * kA, 0.0, kA, kE2);
    EXPECT_NEAR(pole.latitude, kHalfPi, 1e-9);
    EXPECT_TRUE(std::isfinite(pole.longitude));
    const auto east = GeodeticDirect(0.0, 0.0, 100000.0, kHalfPi, kA, kE2);
    EXPECT_NEAR(east.latitude, 0, 1e-12);
    EXPECT_NEAR(east.longitude, 100000.0 / kA, 1e-9);
}

TEST(GeodeticDirect, LongLinesKeepTheirQuadrant) {
    // On a nearly spherical ellipsoid the series is close to exact at any length, so a
    // 15 000 km line must come back through the inverse; the longitude passes 90 degrees
    // and, due north from 80 degrees, the line goes over the pole.
    const double a = 6371000.0, f = 1e-7, e2 = f * (2 - f), b = a * (1 - f);
    const double p1 = 10 * kRadPerDeg, l1 = 20 * kRadPerDeg;
    for (double az : {30.0, 80.0, 100.0, 250.0}) {
        const auto end = GeodeticDirect(p1, l1, 15.0e6, az * kRadPerDeg, a, e2);
        const auto ref = vincenty::Direct(p1, l1, az * kRadPerDeg, 15.0e6, a, f);
        EXPECT_NEAR(end.latitude, ref.latitude, 1e-6) << az;
        EXPECT_NEAR(AngleDifference(end.longitude, ref.longitude), 0, 1e-6) << az;
        GeodeticLine line;
        GeodeticInverse(p1, l1, end.latitude, std::remainder(end.longitude, 2 * std::numbers::pi),
                        InverseMode::DistanceAndAzimuth, line, b, f);
        EXPECT_NEAR(line.distance, 15.0e6, 5.0) << az;
        EXPECT_NEAR(AngleDifference(line.azimuth, az * kRadPerDeg), 0, 1e-6) << az;
    }
    const auto over_pole = GeodeticDirect(80 * kRadPerDeg, l1, 3.0e6, 0.0, a, e2);
    EXPECT_NEAR(over_pole.latitude, (180 - 80 - 3.0e6 / a / kRadPerDeg) * kRadPerDeg, 1e-5);
    EXPECT_NEAR(over_pole.longitude, l1 + kPi, 1e-12);
}

}  // namespace
