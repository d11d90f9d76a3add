#pragma once
// Ellipsoid geometry: radii of curvature and the conversion between geographic
// (latitude, longitude, ellipsoidal height) and earth-centred cartesian
// co-ordinates. Pure functions of their arguments; the ellipsoid is given by its
// semi-major axis a (m) and first eccentricity squared e2. Angles in radians.
#include "engine/helmert.h"

namespace engine {

struct Geographic {
    double lat = 0, lon = 0, h = 0;
};

// nu = a / sqrt(1 - e2 sin^2 lat): radius of curvature in the prime vertical.
double RadiusPrimeVertical(double a, double e2, double lat);
// rho = a (1 - e2) / W^3: radius of curvature in the meridian.
double RadiusMeridian(double a, double e2, double lat);

Cartesian GeogToCart(double lat, double lon, double h, double a, double e2);

// Fixed-point iteration on latitude and height, seeded with start_lat and
// start_h (normally the point's previous values, so few passes are needed).
// Settles when two passes differ by less than 1e-9 rad and 0.001 m; raises
// CalcError("no convergence") after kCartToGeogPassLimit passes
// (input near the earth's centre). Longitude lies in (-pi, pi].
inline constexpr int kCartToGeogPassLimit = 100;
Geographic CartToGeog(const Cartesian& xyz, double start_lat, double start_h, double a, double e2);

// First-order north and east metres of a small geographic difference, always
// on the WGS84 ellipsoid whatever the points' datums; single precision.
struct OffsetNE {
    float north = 0, east = 0;
};
OffsetNE GeodeticOffsetNE(double lat1, double lon1, double lat2, double lon2);

}  // namespace engine
