#include "engine/sphere.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "engine/calc_error.h"
#include "engine/constants.h"
#include "engine/guarded_trig.h"

namespace {

using engine::GreatCircleRhumbLine;
using engine::kHalfPi;
using engine::kPi;
using engine::kRadPerDeg;
using engine::SphereCourses;

const SphereCourses kPrevious{11, 12, 13, 14};

std::array<float, 4> Values(const SphereCourses& c) {
    return {c.great_circle_distance, c.great_circle_course, c.rhumb_line_distance, c.rhumb_line_course};
}

struct Result {
    SphereCourses out;
    engine::SphereWritten written;
};

Result Sphere(double lat1, double lon1, double lat2, double lon2) {
    Result r{kPrevious, {}};
    r.written = GreatCircleRhumbLine(lat1 * kRadPerDeg, lon1 * kRadPerDeg, lat2 * kRadPerDeg, lon2 * kRadPerDeg, r.out);
    return r;
}

TEST(GuardedTrig, ToleranceClampsAndFailures) {
    // Just beyond ±1 (by 1e-4 for the arcsine, 1e-2 for the arccosine) the argument is
    // clamped to ±1; further out it fails. The arccosine is measured from the program's
    // quarter turn 1.570796326795.
    const struct {
        double (*function)(double&);
        double x, result, x_after;
        const char* failure;
    } cases[] = {
        {engine::ArcCos, 1.005, 0.0, 1.0, nullptr},
        {engine::ArcCos, -1.009, std::atan(1.0) * 4, -1.0, nullptr},
        {engine::ArcCos, 0.0, kHalfPi, 0.0, nullptr},
        {engine::ArcSin, 1.00009, std::atan(1.0) * 2, 1.0, nullptr},
        {engine::ArcSin, -1.00009, -std::atan(1.0) * 2, -1.0, nullptr},
        {engine::ArcSin, 1.005, 0, 0, "ARCSINUS DATA ERROR"},
        {engine::ArcSin, -1.0002, 0, 0, "ARCSINUS DATA ERROR"},
        {engine::ArcCos, 1.01, 0, 0, "ARCCOS DATA ERROR"},
        {engine::ArcCos, -1.02, 0, 0, "ARCCOS DATA ERROR"},
        {engine::ArcCos, NAN, 0, 0, "ARCCOS DATA ERROR"},
    };
    for (const auto& c : cases) {
        double x = c.x;
        try {
            EXPECT_NEAR(c.function(x), c.result, 1e-12) << c.x;
            EXPECT_EQ(x, c.x_after) << c.x;
            EXPECT_FALSE(c.failure) << c.x;
        } catch (const engine::CalcError& e) {
            EXPECT_STREQ(e.what(), c.failure ? c.failure : "no failure") << c.x;
        }
    }
}

TEST(GreatCircleRhumbLine, MeridiansEquatorAndA180thMeridianCrossing) {
    // 60 NM per degree; the course's arccosine near 1 keeps about 2e-6 rad (0.4") on a
    // meridian; 179 E to 179 W is 2 degrees eastwards (to the 2.4e-7 rad resolution of a
    // single-precision longitude near 180 degrees).
    const float east = static_cast<float>(kHalfPi);
    const struct {
        double lat1, lon1, lat2, lon2;
        float distance, great_circle_course, rhumb_line_course, distance_tolerance, course_tolerance;
    } cases[] = {
        {59, 5, 61.5, 5, 150, 0, 0, 2e-4f, 3e-6f},
        {61.5, 5, 59, 5, 150, float(kPi), float(kPi), 2e-4f, 3e-6f},
        {0, 3, 0, 4, 60, east, 1.5707964f, 1e-5f, 0},
        {0, 3, -2e-14, 4, 60, east, 1.5707964f, 1e-5f, 1e-6f},  // a rounding's width south of the equator
        {0, 179, 0, -179, 120, east, 1.5707964f, 1e-3f, 1e-6f},
        {0, -179, 0, 179, 120, float(engine::kThreeHalfPi), float(engine::kThreeHalfPi), 1e-3f, 1e-6f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lat1 << " " << c.lon1 << " to " << c.lat2 << " " << c.lon2);
        const auto r = Sphere(c.lat1, c.lon1, c.lat2, c.lon2);
        EXPECT_TRUE(r.written.great_circle && r.written.rhumb_line);
        EXPECT_NEAR(r.out.great_circle_distance, c.distance, c.distance_tolerance);
        EXPECT_NEAR(r.out.rhumb_line_distance, c.distance, c.distance_tolerance);
        EXPECT_NEAR(r.out.great_circle_course, c.great_circle_course, c.course_tolerance);
        EXPECT_NEAR(r.out.rhumb_line_course, c.rhumb_line_course, c.course_tolerance);
    }
    // 60N 3E to 61N 4E against the spherical formulas in full precision (haversine
    // distance, atan2 course, Mercator rhumb line).
    const double p1 = 60 * kRadPerDeg, l1 = 3 * kRadPerDeg, p2 = 61 * kRadPerDeg, l2 = 4 * kRadPerDeg;
    const double hav = std::pow(std::sin((p2 - p1) / 2), 2) + std::cos(p1) * std::cos(p2) * std::pow(std::sin((l2 - l1) / 2), 2);
    const double course = std::atan2(std::sin(l2 - l1) * std::cos(p2),
                                     std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(l2 - l1));
    const double dpsi = std::log(std::tan(p2 / 2 + M_PI / 4) / std::tan(p1 / 2 + M_PI / 4));
    const double rl = std::sqrt(std::pow(p2 - p1, 2) + std::pow((l2 - l1) * (p2 - p1) / dpsi, 2));
    const auto line = Sphere(60, 3, 61, 4);
    EXPECT_NEAR(line.out.great_circle_distance, 2 * std::asin(std::sqrt(hav)) * 180 / M_PI * 60, 1e-4);
    EXPECT_NEAR(line.out.great_circle_course, course, 1e-6);
    EXPECT_NEAR(line.out.rhumb_line_distance, rl * 180 / M_PI * 60, 1e-4);
    EXPECT_NEAR(line.out.rhumb_line_course, std::atan2(l2 - l1, dpsi), 1e-6);
}

TEST(GreatCircleRhumbLine, WhatCannotBeComputedKeepsThePreviousOutputs) {
    // Coincident within 1e-6 rad: nothing written.
    SphereCourses out = kPrevious;
    const auto none = GreatCircleRhumbLine(1.0, 0.5, 1.0 + 9e-7, 0.5 - 9e-7, out);
    EXPECT_FALSE(none.great_circle || none.rhumb_line);
    EXPECT_EQ(Values(out), Values(kPrevious));
    // To or from a pole: the great circle is written, the rhumb line keeps its values.
    for (const auto& [lat1, lat2] : {std::pair{60.0, 90.0}, {60.0, -90.0}, {90.0, 60.0}}) {
        const auto r = Sphere(lat1, 3, lat2, lat1 == 90 ? 0 : 3);
        EXPECT_TRUE(r.written.great_circle);
        EXPECT_FALSE(r.written.rhumb_line);
        EXPECT_NEAR(r.out.great_circle_distance, std::fabs(lat2 - lat1) * 60, 2e-3);
        EXPECT_TRUE(std::isfinite(r.out.great_circle_course));
        EXPECT_EQ(r.out.rhumb_line_distance, 13);
        EXPECT_EQ(r.out.rhumb_line_course, 14);
    }
    // Antipodal points, and points 1e-6 rad apart near the pole whose arc rounds to zero,
    // have no initial course: a CalcError, and the outputs stay as they were.
    const double near_pole = 89.2924 * kRadPerDeg;
    for (auto [phi1, lambda1, phi2, lambda2] :
         {std::tuple{30 * kRadPerDeg, 10 * kRadPerDeg, -30 * kRadPerDeg, -170 * kRadPerDeg},
          {near_pole, 0.0, near_pole, 1e-6}}) {
        out = kPrevious;
        EXPECT_THROW(GreatCircleRhumbLine(phi1, lambda1, phi2, lambda2, out), engine::CalcError) << phi1;
        EXPECT_EQ(Values(out), Values(kPrevious));
    }
}

}  // namespace
