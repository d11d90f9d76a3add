#include "engine/ellipsoid.h"

#include <cmath>

#include "engine/calc_error.h"
#include "engine/constants.h"

namespace engine {

namespace {

// a (1 - e2) of WGS84, for GeodeticOffsetNE.
constexpr double kWgs84MeridianFactor = 6335439.3272928195;

double W(double e2, double lat) { return std::sqrt(1.0 - e2 * std::pow(std::sin(lat), 2)); }

}  // namespace

double RadiusPrimeVertical(double a, double e2, double lat) {
    FloatingPointGuard guard("RadiusPrimeVertical");
    const double nu = a / W(e2, lat);
    guard.Check();
    return nu;
}

double RadiusMeridian(double a, double e2, double lat) {
    FloatingPointGuard guard("RadiusMeridian");
    const double rho = a * (1.0 - e2) / std::pow(W(e2, lat), 3);
    guard.Check();
    return rho;
}

Cartesian GeogToCart(double lat, double lon, double h, double a, double e2) {
    FloatingPointGuard guard("GeogToCart");
    const double N = a / std::sqrt(1.0 - e2 * std::pow(std::sin(lat), 2));
    Cartesian out;
    out.X = std::cos(lat) * (N + h) * std::cos(lon);
    out.Y = std::cos(lat) * (N + h) * std::sin(lon);
    out.Z = ((1.0 - e2) * N + h) * std::sin(lat);
    guard.Check();
    return out;
}

Geographic CartToGeog(const Cartesian& xyz, double start_lat, double start_h, double a, double e2) {
    FloatingPointGuard guard("CartToGeog");
    // Exact zeros on the axes would divide by zero in the latitude and longitude steps.
    const double X = xyz.X == 0.0 ? 0.0001 : xyz.X;
    const double Z = xyz.Z == 0.0 ? 0.0001 : xyz.Z;
    const double inverse_p = 1.0 / std::sqrt(xyz.Y * xyz.Y + X * X);
    double lat = start_lat, h = start_h;
    for (int pass = 1;; ++pass) {
        const double previous_lat = lat, previous_h = h;
        const double N = a / std::sqrt(1.0 - std::pow(std::sin(lat), 2) * e2);
        lat = std::atan((N + h) * Z / ((1.0 - e2) * N + h) * inverse_p);
        h = Z / std::sin(lat) - (1.0 - e2) * N;
        guard.Check();
        if (!std::isfinite(lat) || !std::isfinite(h)) throw CalcError("Overflow in CartToGeog");
        if (std::fabs(previous_lat - lat) < 1e-9 && std::fabs(previous_h - h) < 0.001) break;
        if (pass >= kCartToGeogPassLimit) throw CalcError("no convergence");
    }
    double lon = std::atan(xyz.Y / X);
    if (X < 0) lon = xyz.Y < 0 ? lon - kPi : lon + kPi;
    if (xyz.Z == 0.0) lat = 0.0;
    guard.Check();
    return {lat, lon, h};
}

OffsetNE GeodeticOffsetNE(double lat1, double lon1, double lat2, double lon2) {
    FloatingPointGuard guard("GeodeticOffsetNE");
    const double dlat = lat2 - lat1, dlon = lon2 - lon1;
    // The north factor divides by W once, not by W cubed: the program's own first-order figure.
    const double w1 = std::sqrt(1.0 - std::sin(lat1) * kWgs84E2 * std::sin(lat1));
    OffsetNE out;
    out.north = static_cast<float>(dlat * kWgs84MeridianFactor / w1);
    out.east = static_cast<float>(std::cos(lat1) * kWgs84A * dlon / w1);
    guard.Check();
    return out;
}

}  // namespace engine
