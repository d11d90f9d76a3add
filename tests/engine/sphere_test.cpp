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
using engine::kRadPerDeg;
using engine::SphereCourses;
using engine::SphereWritten;

const SphereCourses kPrevious{11, 12, 13, 14};

std::array<float, 4> Values(const SphereCourses& c) {
    return {c.great_circle_distance, c.great_circle_course, c.rhumb_line_distance, c.rhumb_line_course};
}

struct Result {
    SphereCourses out;
    SphereWritten written;
};

Result Sphere(double lat1, double lon1, double lat2, double lon2) {
    Result r{kPrevious, {}};
    r.written = GreatCircleRhumbLine(lat1 * kRadPerDeg, lon1 * kRadPerDeg, lat2 * kRadPerDeg, lon2 * kRadPerDeg, r.out);
    return r;
}

std::string FailureText(double value, double (*function)(double&)) {
    try {
        function(value);
    } catch (const engine::CalcError& e) {
        return e.what();
    }
    return "no failure";
}

TEST(GuardedTrig, ToleranceClampsAndFailures) {
    double x = 1.005;
    EXPECT_EQ(engine::ArcCos(x), 0.0);
    EXPECT_EQ(x, 1.0);
    x = -1.009;
    EXPECT_EQ(engine::ArcCos(x), std::atan(1.0) * 4);
    EXPECT_EQ(x, -1.0);
    EXPECT_EQ(FailureText(1.005, engine::ArcSin), "ARCSINUS DATA ERROR");
    EXPECT_EQ(FailureText(-1.0002, engine::ArcSin), "ARCSINUS DATA ERROR");
    EXPECT_EQ(FailureText(1.01, engine::ArcCos), "ARCCOS DATA ERROR");
    EXPECT_EQ(FailureText(NAN, engine::ArcCos), "ARCCOS DATA ERROR");
    x = 1.00009;
    EXPECT_EQ(engine::ArcSin(x), std::atan(1.0) * 2);
    EXPECT_EQ(x, 1.0);
    x = -1.00009;
    EXPECT_EQ(engine::ArcSin(x), -std::atan(1.0) * 2);
    x = 0.5;
    EXPECT_NEAR(engine::ArcSin(x), std::asin(0.5), 1e-15);
    EXPECT_EQ(x, 0.5);
    // The arccosine is measured from the program's quarter turn 1.570796326795.
    x = 0.0;
    EXPECT_EQ(engine::ArcCos(x), engine::kHalfPi);
    x = 0.5;
    EXPECT_NEAR(engine::ArcCos(x), std::acos(0.5), 1e-12);
}

TEST(GreatCircleRhumbLine, MeridianAndEquator) {
    // North along one meridian: course 0 for both lines, 60 NM per degree.
    const auto north = Sphere(59, 5, 61.5, 5);
    EXPECT_TRUE(north.written.great_circle && north.written.rhumb_line);
    EXPECT_NEAR(north.out.great_circle_distance, 150.0f, 2e-4);
    EXPECT_NEAR(north.out.rhumb_line_distance, 150.0f, 2e-4);
    // The course's arccosine near 1 keeps about 2e-6 rad (0.4") on a meridian.
    EXPECT_NEAR(north.out.great_circle_course, 0.0f, 3e-6);
    EXPECT_EQ(north.out.rhumb_line_course, 0.0f);
    const auto south = Sphere(61.5, 5, 59, 5);
    EXPECT_NEAR(south.out.great_circle_course, float(engine::kPi), 3e-6);
    EXPECT_NEAR(south.out.rhumb_line_course, float(engine::kPi), 2e-7);

    // One degree along the equator: 60 NM, courses pi/2 east and 3 pi/2 west.
    const float east_course = static_cast<float>(engine::kHalfPi);
    const float west_course = static_cast<float>(engine::kTwoPi - static_cast<float>(engine::kHalfPi));
    const auto east = Sphere(0, 3, 0, 4), west = Sphere(0, 4, 0, 3);
    for (const auto& r : {east, west}) {
        EXPECT_NEAR(r.out.great_circle_distance, 60.0f, 1e-5);
        EXPECT_NEAR(r.out.rhumb_line_distance, 60.0f, 1e-5);
    }
    EXPECT_EQ(east.out.great_circle_course, east_course);
    EXPECT_EQ(east.out.rhumb_line_course, east_course);
    EXPECT_EQ(east.out.rhumb_line_course, 1.5707964f);
    EXPECT_NEAR(west.out.great_circle_course, west_course, 5e-7);
    EXPECT_EQ(west.out.rhumb_line_course, west_course);
}

TEST(GreatCircleRhumbLine, AcrossThe180thMeridianAndKnownLine) {
    // 179 E to 179 W is 2 degrees eastwards, 120 NM on the equator (to the 2.4e-7 rad
    // resolution of a single-precision longitude near 180 degrees).
    const auto across = Sphere(0, 179, 0, -179);
    EXPECT_NEAR(across.out.great_circle_distance, 120.0f, 1e-3);
    EXPECT_NEAR(across.out.rhumb_line_distance, 120.0f, 1e-3);
    EXPECT_NEAR(across.out.great_circle_course, float(engine::kHalfPi), 1e-6);
    EXPECT_EQ(across.out.rhumb_line_course, 1.5707964f);
    const auto back = Sphere(0, -179, 0, 179);
    EXPECT_NEAR(back.out.great_circle_distance, 120.0f, 1e-3);
    EXPECT_NEAR(back.out.great_circle_course, float(engine::kThreeHalfPi), 1e-6);

    // 60N 3E to 61N 4E against the spherical formulas in full precision (haversine
    // distance, atan2 course, Mercator rhumb line).
    const double p1 = 60 * kRadPerDeg, l1 = 3 * kRadPerDeg, p2 = 61 * kRadPerDeg, l2 = 4 * kRadPerDeg;
    const double hav = std::pow(std::sin((p2 - p1) / 2), 2) + std::cos(p1) * std::cos(p2) * std::pow(std::sin((l2 - l1) / 2), 2);
    const double sigma = 2 * std::asin(std::sqrt(hav));
    const double course = std::atan2(std::sin(l2 - l1) * std::cos(p2),
                                     std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(l2 - l1));
    const double dpsi = std::log(std::tan(p2 / 2 + M_PI / 4) / std::tan(p1 / 2 + M_PI / 4));
    const double rl = std::sqrt(std::pow(p2 - p1, 2) + std::pow((l2 - l1) * (p2 - p1) / dpsi, 2));
    const auto line = Sphere(60, 3, 61, 4);
    EXPECT_NEAR(line.out.great_circle_distance, sigma * 180 / M_PI * 60, 1e-4);
    EXPECT_NEAR(line.out.great_circle_course, course, 1e-6);
    EXPECT_NEAR(line.out.rhumb_line_distance, rl * 180 / M_PI * 60, 1e-4);
    EXPECT_NEAR(line.out.rhumb_line_course, std::atan2(l2 - l1, dpsi), 1e-6);
}

TEST(GreatCircleRhumbLine, KeepsPreviousOutputs) {
    // Coincident within 1e-6 rad: nothing written.
    SphereCourses out = kPrevious;
    const auto none = GreatCircleRhumbLine(1.0, 0.5, 1.0 + 9e-7, 0.5 - 9e-7, out);
    EXPECT_FALSE(none.great_circle || none.rhumb_line);
    EXPECT_EQ(Values(out), Values(kPrevious));

    // To the pole: the great circle is written, the rhumb line keeps its values.
    for (double pole : {90.0, -90.0}) {
        const auto r = Sphere(60, 3, pole, 3);
        EXPECT_TRUE(r.written.great_circle);
        EXPECT_FALSE(r.written.rhumb_line);
        EXPECT_NEAR(r.out.great_circle_distance, std::fabs(pole - 60) * 60, 2e-3);
        EXPECT_EQ(r.out.rhumb_line_distance, 13);
        EXPECT_EQ(r.out.rhumb_line_course, 14);
    }
    // From the pole the course formula stays finite: due "south" along the far meridian.
    const auto from_pole = Sphere(90, 0, 60, 0);
    EXPECT_FALSE(from_pole.written.rhumb_line);
    EXPECT_NEAR(from_pole.out.great_circle_distance, 1800.0f, 2e-3);
    EXPECT_TRUE(std::isfinite(from_pole.out.great_circle_course));
}

TEST(GreatCircleRhumbLine, UndefinedCourseRaises) {
    // Antipodal points, and points 1e-6 rad apart near the pole whose arc rounds to zero,
    // have no initial course: a CalcError, and the outputs stay as they were.
    const double near_pole = 89.2924 * kRadPerDeg;
    for (auto [phi1, lambda1, phi2, lambda2] :
         {std::tuple{30 * kRadPerDeg, 10 * kRadPerDeg, -30 * kRadPerDeg, -170 * kRadPerDeg},
          {near_pole, 0.0, near_pole, 1e-6}}) {
        SphereCourses out = kPrevious;
        EXPECT_THROW(GreatCircleRhumbLine(phi1, lambda1, phi2, lambda2, out), engine::CalcError) << phi1 << " " << lambda2;
        EXPECT_EQ(Values(out), Values(kPrevious));
    }
}

}  // namespace
