#include "engine/transverse_mercator.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/calc_error.h"
#include "engine/constants.h"

namespace engine {

namespace {

// The forward series at latitude lat and longitude difference dlon from the central meridian.
GridPoint Series(const ProjectionConstants& pc, double lat, double dlon) {
    const double s = std::sin(lat), c = std::cos(lat);
    const double s2 = s * s, cc = c * c;
    const double sin2 = 2.0 * s * c;
    const double sin4 = 2.0 * sin2 * (1.0 - 2.0 * s2);
    const double sin6 = 3.0 * sin2 - 4.0 * sin2 * sin2 * sin2;
    const double t = s2 / cc;
    const double eta2 = cc * pc.second_eccentricity2;
    const double nu = pc.a / std::sqrt(1.0 - s2 * pc.e2);
    const double M = pc.arc_scale * (pc.arc_a0_per_degree * (lat * kDegPerRad) - pc.arc_a2 * sin2 +
                                     pc.arc_a4_per_e4 * pc.e4 * sin4 - pc.arc_a6 * sin6 / 6.0);
    const double l2 = dlon * dlon;
    GridPoint g;
    g.N = pc.k0 * (M + nu * s * c * l2 / 2.0 +
                   nu * s * c * cc * (5.0 - t + 9.0 * eta2 + 4.0 * eta2 * eta2) * l2 * l2 / 24.0) +
          pc.FN;
    g.E = pc.k0 * nu * c *
              (dlon + cc * (1.0 - t + eta2) * l2 * dlon / 6.0 +
               cc * cc * (5.0 - 18.0 * t + t * t + 14.0 * eta2 - 58.0 * pc.second_eccentricity2 * s2) * l2 * l2 * dlon / 120.0) +
          pc.FE;
    return g;
}

constexpr int kInverseIterationLimit = 20;
constexpr double kInverseTolerance = 1e-5;  // square metres

}  // namespace

int ZoneCentralMeridian(int zone) {
    const long degrees = static_cast<long>(zone) * 6 - 183;
    if (zone < -32768 || zone > 32767 || degrees < -32768 || degrees > 32767)
        throw CalcError("Overflow in ZoneCentralMeridian");
    return static_cast<int>(degrees);
}

ProjectionConstants SetupProjection(int zone, bool southern, double a, double e2) {
    FloatingPointGuard guard("SetupProjection");
    ProjectionConstants pc;
    pc.lambda0 = ZoneCentralMeridian(zone) * kRadPerDeg;
    pc.FN = southern ? 10000000.0 : 0.0;
    pc.FE = 500000.0;
    pc.k0 = 0.9996;
    pc.a = a;
    pc.e2 = e2;
    const double e4 = e2 * e2, e6 = e4 * e2;
    pc.arc_a0 = 1.0 + 0.75 * e2 + 0.703125 * e4 + 0.68359375 * e6;
    pc.arc_a2 = 0.375 * e2 + 0.46875 * e4 + 0.5126953125 * e6;
    pc.northing_to_footpoint = 1.0 / ((1.0 - 0.25 * e2 - 0.046875 * e4 - 0.01953125 * e6) * pc.k0 * a);
    pc.second_eccentricity2 = e2 / (1.0 - e2);
    pc.e4 = e4;
    pc.arc_a6 = 0.068359375 * e6;
    pc.arc_a0_per_degree = pc.arc_a0 * 0.01745329252;  // the rounded factor of the program's meridian arc
    pc.arc_scale = (1.0 - e2) * a;
    pc.arc_a4_per_e4 = 0.05859375 + 0.1025390625 * e2;
    guard.Check();
    return pc;
}

double WithinHalfTurn(double angle) {
    if (angle > kPi) return angle - kTwoPi;
    if (angle < -kPi) return angle + kTwoPi;
    return angle;
}

GridPoint GeogToGrid(const ProjectionConstants& pc, double lat, double lon) {
    FloatingPointGuard guard("TransverseMercator");
    const GridPoint g = Series(pc, lat, WithinHalfTurn(lon - pc.lambda0));
    guard.Check();
    return g;
}

InverseResult GridToGeog(const ProjectionConstants& pc, double Nt, double Et) {
    FloatingPointGuard guard("TransverseMercator");
    double lat = (Nt - pc.FN) * 9.002576e-6 * kRadPerDeg;
    double dlon = (Et - pc.FE) * 1.56532e-7 / std::cos(lat) * kRadPerDeg;
    GridPoint g = Series(pc, lat, dlon);
    InverseResult result;
    for (int iteration = 1;; ++iteration) {
        const double N0 = g.N;
        const double N1 = Series(pc, lat + 1e-5, dlon).N;
        lat = lat - (N0 - Nt) * 1e-5 / (N1 - N0);
        const double E0 = Series(pc, lat, dlon).E;
        const double E1 = Series(pc, lat, dlon + 5e-5).E;
        dlon = dlon - (E0 - Et) * 5e-5 / (E1 - E0);
        g = Series(pc, lat, dlon);
        const double dN = g.N - Nt, dE = g.E - Et;
        guard.Check();
        result.iterations = iteration;
        if (dN * dN + dE * dE < kInverseTolerance) break;
        if (iteration > kInverseIterationLimit) {
            result.settled = false;
            break;
        }
    }
    result.lat = lat;
    result.lon = dlon + pc.lambda0;
    guard.Check();
    if (!std::isfinite(result.lat) || !std::isfinite(result.lon)) throw CalcError("Overflow in TransverseMercator");
    // The series are polynomials in the latitude: a northing far beyond the
    // meridian's length (1e9 m) settles on a "latitude" of hundreds of radians.
    if (!(std::fabs(result.lat) <= kHalfPi) || !(std::fabs(dlon) <= kPi)) throw CalcError(kBadGridConversionText);
    return result;
}

bool TransverseMercator(const ProjectionConstants& pc, double& lat, double& lon, double& E, double& N,
                        const std::string& direction) {
    std::string upper = direction;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    if (upper == "GRID TO GEOG") {
        const InverseResult r = GridToGeog(pc, N, E);
        lat = r.lat;
        lon = r.lon;
        return r.settled;
    }
    const GridPoint g = GeogToGrid(pc, lat, lon);
    N = g.N;
    E = g.E;
    return true;
}

double GridConvergence(const ProjectionConstants& pc, double lat, double lon) {
    return std::sin(lat) * WithinHalfTurn(lon - pc.lambda0);
}

double LineScaleFactor(const ProjectionConstants& pc, double E1, double N1, double E2, double N2) {
    FloatingPointGuard guard("LineScaleFactor");
    const double x1 = E1 - pc.FE, x2 = E2 - pc.FE;
    const double mu = ((N1 + N2) / 2.0 - pc.FN) * pc.northing_to_footpoint;
    const double w = 1.0 - pc.e2 * std::pow(std::sin(mu), 2);
    const double q = (x1 * x1 + x1 * x2 + x2 * x2) * pc.k0 * pc.k0 * w * w / ((1.0 - pc.e2) * pc.a * pc.a);
    const double k = pc.k0 * ((q + 36.0) * q + 216.0) / 216.0;
    guard.Check();
    return k;
}

RangeBearing GridRangeBearing(double E1, double N1, double E2, double N2) {
    FloatingPointGuard guard("GridRangeBearing");
    const double dx = E2 - E1, dy = N2 - N1;
    RangeBearing r;
    r.distance = std::sqrt(dx * dx + dy * dy);
    if (dx == 0.0) {
        if (dy < 0) {
            r.forward = kPi;
            r.back = 0.0;
        } else {
            r.forward = 0.0;
            r.back = kPi;
        }
    } else {
        const double angle = std::atan(dy / dx);
        r.forward = dx < 0 ? kThreeHalfPi - angle : kHalfPi - angle;
        r.back = r.forward + kPi;
        if (r.back > kTwoPi) r.back -= kTwoPi;
    }
    guard.Check();
    return r;
}

GridPoint GridOffsetPoint(double E0, double N0, double r, double beta) {
    FloatingPointGuard guard("GridOffsetPoint");
    GridPoint g;
    g.E = E0 + r * std::cos(kHalfPi - beta);
    g.N = N0 + r * std::sin(kHalfPi - beta);
    guard.Check();
    return g;
}

}  // namespace engine
