#include "engine/sphere.h"

#include <cmath>

#include "engine/calc_error.h"
#include "engine/constants.h"
#include "engine/guarded_trig.h"

namespace engine {

namespace {

constexpr const char* kOperation = "GreatCircleRhumbLine";

// Nautical miles of an arc: 60 per degree.
double ArcToNauticalMiles(double arc) { return 60.0 * (180.0 * arc / kPi); }

// Isometric latitude on the sphere.
double MercatorLatitude(double phi) { return std::log(std::tan(phi / 2.0 + kPi / 4.0)); }

}  // namespace

SphereWritten GreatCircleRhumbLine(double phi1_in, double lambda1_in, double phi2_in, double lambda2_in,
                                   SphereCourses& out) {
    if (std::fabs(phi1_in - phi2_in) < 1e-6 && std::fabs(lambda1_in - lambda2_in) < 1e-6) return {};
    FloatingPointGuard guard(kOperation);

    const float phi1 = static_cast<float>(phi1_in), lambda1 = static_cast<float>(lambda1_in);
    const float phi2 = static_cast<float>(phi2_in), lambda2 = static_cast<float>(lambda2_in);
    // The co-ordinates and their differences are singles; the trigonometry works on them
    // in double precision.
    const double p1 = phi1, p2 = phi2;
    const float dphi = phi2 - phi1;
    float dlambda = lambda2 - lambda1;
    if (std::fabs(dlambda) > kPi) dlambda = dlambda <= 0 ? dlambda + kTwoPi : dlambda - kTwoPi;

    double cos_sigma = std::sin(p1) * std::sin(p2) + std::cos(p2) * std::cos(p1) * std::cos(double{dlambda});
    const double sigma = ArcCos(cos_sigma);
    const double course_denominator = std::sin(sigma) * std::cos(p1);
    // The initial course is undefined when the arc is zero (argument 1 after clamping) or
    // when the single-precision distance is half the circumference, 10 800 NM: antipodal to
    // the precision of the co-ordinates.
    const float gc_distance = static_cast<float>(ArcToNauticalMiles(sigma));
    if (cos_sigma == 1.0 || gc_distance == 10800.0f || course_denominator == 0.0)
        throw CalcError(std::string("Division by zero in ") + kOperation);
    double cos_course = (std::sin(p2) - std::cos(sigma) * std::sin(p1)) / course_denominator;
    double gc_course = ArcCos(cos_course);
    if (dlambda < 0) gc_course = kTwoPi - gc_course;

    SphereCourses result = out;
    result.great_circle_distance = gc_distance;
    result.great_circle_course = static_cast<float>(gc_course);

    // The pole test is made on the single-precision latitudes the formulas use.
    const float pole = static_cast<float>(kHalfPi);
    const bool rhumb = std::fabs(phi1) != pole && std::fabs(phi2) != pole;
    if (rhumb) {
        double dpsi = MercatorLatitude(phi2) - MercatorLatitude(phi1);
        // Nearly east-west that difference is mostly rounding (a point 1e-17 rad south
        // of the equator made the rhumb line 36 % longer than the great circle); there it
        // comes from tanh(psi) = sin(phi), which keeps every digit of the small difference.
        if (std::fabs(dphi) < 1e-6f)
            dpsi = std::atanh(2 * std::cos(p1 + dphi / 2.0) * std::sin(dphi / 2.0) / (1 - std::sin(p1) * std::sin(p2)));
        double rl_course = 0, arc = 0;
        if (dpsi == 0.0) {
            rl_course = static_cast<float>(kHalfPi);
            arc = std::cos(p1) * std::fabs(double{dlambda});
        } else {
            double cos_rl = dpsi / std::sqrt(dpsi * dpsi + static_cast<double>(dlambda) * dlambda);
            rl_course = ArcCos(cos_rl);
            if (rl_course < 0) rl_course += kTwoPi;
            const double departure = dlambda * dphi / dpsi;
            arc = std::sqrt(static_cast<double>(dphi) * dphi + departure * departure);
        }
        if (dlambda < 0) rl_course = kTwoPi - rl_course;
        result.rhumb_line_distance = static_cast<float>(ArcToNauticalMiles(arc));
        result.rhumb_line_course = static_cast<float>(rl_course);
    }
    guard.Check();
    out = result;
    return {true, rhumb};
}

}  // namespace engine
