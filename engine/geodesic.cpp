#include "engine/geodesic.h"

#include <cmath>
#include <string>

#include "engine/calc_error.h"
#include "engine/constants.h"
#include "engine/geodesic_exact.h"
#include "engine/guarded_trig.h"

namespace engine {

namespace {

int Sign(double x) { return (x > 0) - (x < 0); }

[[noreturn]] void ZeroDenominator(const char* operation) {
    throw CalcError(std::string("Division by zero in ") + operation);
}

// atan((1 - f) tan phi). The program's 90 degrees (and pi/2 = 1.570796326795) lie just
// beyond the true quarter turn, where tan changes sign; there the continuous form
// keeps the pole on its own side.
double ReducedLatitude(double phi, double f) {
    if (std::cos(phi) > 0) return std::atan((1 - f) * std::tan(phi));
    return std::atan2((1 - f) * std::sin(phi), std::cos(phi));
}

// The series meets its accuracy (3.8e-8 of the length, 0.75" in azimuth) up
// to 120 degrees of arc on the auxiliary sphere (about 13 300 km); beyond it
// the error grows towards the antipode (metres and arc minutes at a few
// degrees from it), so longer lines are solved exactly. At the switch the two
// differ by less than 0.5 m and 0.3".
constexpr double kSeriesLimitCos = -0.5;  // cos 120 degrees

void SolveExactly(double phi1, double lambda1, double phi2, double lambda2, InverseMode mode, GeodeticLine& out,
                  double b, double f) {
    const ExactGeodesic line = ExactInverse(phi1, lambda1, phi2, lambda2, b / (1 - f), f);
    if (mode != InverseMode::AzimuthOnly) out.distance = line.distance;
    if (mode != InverseMode::DistanceOnly) {
        const double azimuth = line.azimuth1 < 0 ? line.azimuth1 + kTwoPi : line.azimuth1;
        out.azimuth = azimuth >= kTwoPi ? azimuth - kTwoPi : azimuth;
    }
}

}  // namespace

void GeodeticInverse(double phi1, double lambda1, double phi2, double lambda2, InverseMode mode,
                     GeodeticLine& out, double b, double f) {
    constexpr const char* kOperation = "GeodeticInverse";
    if (std::fabs(phi1 - phi2) < 1e-10 && std::fabs(lambda1 - lambda2) < 1e-10) {
        out.distance = 0;
        out.azimuth = 0;
        return;
    }
    FloatingPointGuard guard(kOperation);

    // L keeps the side (positive: point 2 lies west); dL is the short-way difference.
    double L = 0;
    if (Sign(lambda1) == Sign(lambda2)) {
        L = lambda1 - lambda2;
    } else {
        const double d = lambda1 < 0 ? lambda2 - lambda1 : lambda1 - lambda2;
        L = d > kPi ? lambda2 - lambda1 : lambda1 - lambda2;
    }
    double dL = std::fabs(L);
    if (dL > kPi) dL = kTwoPi - dL;
    // One place written with longitudes -180 and +180 degrees is a coincident pair too.
    if (dL == 0.0 && std::fabs(phi1 - phi2) < 1e-10) {
        out.distance = 0;
        out.azimuth = 0;
        return;
    }

    const double beta1 = ReducedLatitude(phi1, f), beta2 = ReducedLatitude(phi2, f);
    const double sin_b1 = std::sin(beta1), cos_b1 = std::cos(beta1);
    const double sin_b2 = std::sin(beta2), cos_b2 = std::cos(beta2);
    const double sin_dL = std::sin(dL), cos_dL = std::cos(dL);
    const double A = sin_b1 * sin_b2;
    const double B = cos_b1 * cos_b2;
    const double cos_psi = B * cos_dL + A;
    const double q = sin_b2 * cos_b1 - cos_b2 * sin_b1 * cos_dL;
    const double sin_psi = std::sqrt((sin_dL * cos_b2) * (sin_dL * cos_b2) + q * q);
    if (cos_psi < kSeriesLimitCos) {
        guard.Check();
        SolveExactly(phi1, lambda1, phi2, lambda2, mode, out, b, f);
        return;
    }
    if (sin_psi == 0.0) ZeroDenominator(kOperation);

    // The arc on the auxiliary sphere: from its sine while the cosine is not negative,
    // else the quadrant-correct angle (lines beyond a quarter turn, about 10 000 km).
    double psi = 0;
    if (cos_psi < 0)
        psi = std::atan2(sin_psi, cos_psi);
    else if (sin_psi == 1.0)
        psi = kHalfPi;
    else
        psi = std::atan(sin_psi / std::sqrt(1 - sin_psi * sin_psi));

    const double c = sin_dL * B / sin_psi;
    const double m = 1 - c * c;
    const double cot_psi = 1 / std::tan(psi);
    const double csc_psi = 1 / sin_psi;
    const double f2 = f * f;
    const double F = f + f2;
    const double sc = sin_psi * cos_psi;
    const double psi2 = psi * psi;

    double distance = 0;
    if (mode != InverseMode::AzimuthOnly) {
        const double T1 = (1 + F) * psi + A * (F * sin_psi - (f2 / 2) * psi2 * csc_psi);
        const double T2 = m * ((f2 / 2) * psi2 * cot_psi - (F / 2) * psi - (F / 2) * sc);
        const double T3 = A * A * (-f2 / 2) * sc;
        const double T4 = m * m *
                          ((f2 / 16) * sc + (f2 / 16) * psi - (f2 / 2) * psi2 * cot_psi -
                           (f2 / 8) * sin_psi * cos_psi * cos_psi * cos_psi);
        const double T5 = A * m * ((f2 / 2) * sin_psi * cos_psi * cos_psi + (f2 / 2) * psi2 * csc_psi);
        distance = b * (T1 + T2 + T3 + T4 + T5);
    }

    double azimuth = 0;
    if (mode != InverseMode::DistanceOnly) {
        if (phi1 == 0.0 && phi2 == 0.0) {
            double d = lambda2 - lambda1;
            while (d > kPi) d -= kTwoPi;
            while (d <= -kPi) d += kTwoPi;
            azimuth = d > 0 ? kHalfPi : kThreeHalfPi;
        } else if (lambda1 == lambda2 || dL == 0.0) {  // also one meridian given as -180 and +180
            azimuth = phi2 > phi1 ? 0.0 : kPi;
        } else if (std::fabs(dL - kPi) < 1e-12) {
            // Opposite meridians (a true offset over a pole gives them): the line runs
            // over the nearer pole, where the series' quadrant rule would point the
            // other way (south towards a point beyond the north pole).
            azimuth = phi1 + phi2 > 0 ? 0.0 : kPi;
        } else {
            // The last product is psi^2 * cos psi (not cot psi): the program's own series.
            const double Lambda =
                dL + c * (F * psi + A * ((-f2 / 2) * sin_psi - f2 * psi2 * csc_psi) +
                          m * ((f2 / 4) * sc - (5 * f2 / 4) * psi + f2 * psi2 * cos_psi));
            const double x_denominator = cos_b2 * std::sin(Lambda);
            if (x_denominator == 0.0) ZeroDenominator(kOperation);
            const double X = (sin_b2 * cos_b1 - sin_b1 * cos_b2 * std::cos(Lambda)) / x_denominator;
            double alpha = X == 0.0 ? kHalfPi : std::atan(1 / X);
            if (L >= 0) {
                alpha = X < 0 ? std::fabs(alpha) : kPi - std::fabs(alpha);
            } else if (X >= 0) {
                while (alpha < kPi) alpha += kPi / 2;
            } else {
                while (alpha < 9.424777960770001 / 2) alpha += kPi / 2;
            }
            azimuth = alpha + kPi;
            if (azimuth >= kTwoPi) azimuth -= kTwoPi;
        }
    }
    guard.Check();
    // Nearly antipodal points lie beyond the series: its "distance" comes out
    // negative or longer than half the equator (1e11 m at the antipode), which
    // no geodesic is.
    if (mode != InverseMode::AzimuthOnly && !(distance >= 0 && distance <= kPi * b / (1 - f)))
        throw CalcError(kAntipodalText);
    if (mode != InverseMode::AzimuthOnly) out.distance = RequireFinite(distance, kOperation);
    if (mode != InverseMode::DistanceOnly) out.azimuth = RequireFinite(azimuth, kOperation);
}

GeographicPosition GeodeticDirect(double phi1, double lambda1, double s, double alpha, double a, double e2) {
    constexpr const char* kOperation = "GeodeticDirect";
    if (s == 0.0) return {phi1, lambda1};
    FloatingPointGuard guard(kOperation);

    const double ep2 = e2 / (1 - e2);
    const double sin_phi1 = std::sin(phi1), cos_phi1 = std::cos(phi1);
    const double cos_alpha = std::cos(alpha), sin_alpha = std::sin(alpha);
    const double r1 = -ep2 * cos_phi1 * cos_phi1 * cos_alpha * cos_alpha;
    const double r2 = 3 * ep2 * (1 - r1) * cos_phi1 * sin_phi1 * cos_alpha;
    const double nu1 = a / std::sqrt(1 - e2 * sin_phi1 * sin_phi1);
    const double theta0 = s / nu1;
    // The fourth-order term uses r2 * (1 + r2): the program's own series.
    const double theta = theta0 - r1 * (1 + r1) * std::pow(theta0, 3) / 6 -
                         r2 * (1 + r2) * std::pow(theta0, 4) / 24;
    const double r3 = 1 - r1 * theta * theta / 2 - r2 * std::pow(theta, 3) / 6;
    const double sin_theta = std::sin(theta), cos_theta = std::cos(theta);
    const double sin_psi = sin_phi1 * cos_theta + cos_phi1 * sin_theta * cos_alpha;
    if (std::fabs(sin_psi) == 1.0) {
        guard.Check();
        return {sin_psi < 0 ? -kHalfPi : kHalfPi, 0.0};
    }
    const double cos_psi = std::sqrt(1 - sin_psi * sin_psi);
    const double tan_psi = sin_psi / cos_psi;
    double sin_dlambda = sin_alpha * sin_theta / cos_psi;
    double dlambda = ArcSin(sin_dlambda);
    // The arcsine gives the longitude difference within a quarter turn; a line that passes
    // beyond it (cos of the difference negative: over a pole, or far east or west) takes
    // the other angle with the same sine.
    if (cos_theta * cos_phi1 - sin_phi1 * sin_theta * cos_alpha < 0)
        dlambda = (dlambda < 0 ? -kPi : kPi) - dlambda;
    // An end point exactly on the equator: (1 - e2 r3 sin phi1 / sin psi) tan psi equals
    // (sin psi - e2 r3 sin phi1) / cos psi, which stays finite there.
    const double phi2 = sin_psi == 0.0
                            ? std::atan((1 + ep2) * (-e2 * r3 * sin_phi1) / cos_psi)
                            : std::atan((1 + ep2) * (1 - e2 * r3 * sin_phi1 / sin_psi) * tan_psi);
    guard.Check();
    return {RequireFinite(phi2, kOperation), RequireFinite(lambda1 + dlambda, kOperation)};
}

}  // namespace engine
