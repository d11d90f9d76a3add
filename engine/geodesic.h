#pragma once
// The geodetic inverse and direct problems on the ellipsoid, both closed
// (non-iterative) series.
//
// GeodeticInverse: a Sodano-type series in the flattening up to f^2. Measured on
// WGS84 against an iterated Vincenty solution (start latitudes -80..80, all azimuths):
//   distance: error 3.8e-8 of the length (the f^3 term left out): 1 km 0.04 mm,
//     10 km 0.4 mm, 100 km 3.8 mm, 500 km 19 mm, 1000 km 38 mm, 15 000 km 0.6 m;
//   azimuth: up to 3.7e-6 rad (0.75") at every length, from the series' psi^2 cos psi
//     term of the longitude on the auxiliary sphere.
// Beyond a quarter turn on the auxiliary sphere the quadrant-correct arc is used. Beyond
// 120 degrees of arc (about 13 300 km) the series loses its accuracy towards the antipode
// (0.5 m at the limit, kilometres near the antipode), and those lines are solved exactly
// by Karney's method instead (geodesic_exact.h; nanometres, nearly antipodal points and
// antipodes included).
//
// GeodeticDirect: a series in the second eccentricity e'^2 with a spherical step in the
// middle; its error grows with the cube of the distance. End point against the
// iterated Vincenty direct solution on WGS84 (same lines): 1 km < 0.1 mm, 10 km 0.014 mm,
// 100 km 14 mm, 500 km 1.7 m, 1000 km 14 m, 3000 km 370 m. Good for offsets up to about
// 100 km where millimetres to centimetres matter.
#include <cstdint>

namespace engine {

enum class InverseMode : std::int16_t {
    DistanceAndAzimuth = 0,
    DistanceOnly = 1,
    AzimuthOnly = 2,
};

struct GeodeticLine {
    double distance = 0;  // metres
    double azimuth = 0;   // radians at point 1 towards point 2, 0 .. 2 pi clockwise from north
};

inline constexpr const char* kAntipodalText =
    "The points are nearly antipodal: the geodetic inverse series does not reach between them";

// Angles in radians; b the semi-minor axis (m), f the flattening. Mode DistanceOnly
// leaves out.azimuth untouched, AzimuthOnly leaves out.distance untouched. Points within
// 1e-10 rad in both co-ordinates set distance 0 and azimuth 0 whatever the mode.
// Raises CalcError when a denominator of the series vanishes, and CalcError(kAntipodalText)
// should the series' distance come out negative or longer than half the equator (which
// the exact solution of the long lines leaves out of reach); no numbers are written then.
void GeodeticInverse(double phi1, double lambda1, double phi2, double lambda2, InverseMode mode,
                     GeodeticLine& out, double b, double f);

struct GeographicPosition {
    double latitude = 0;   // radians
    double longitude = 0;  // radians; lambda1 + delta lambda, not brought into -pi .. pi
};

// From (phi1, lambda1) a distance s (m) along the azimuth alpha (radians) at the start;
// a the semi-major axis (m), e2 the first eccentricity squared. Raises CalcError on a
// vanishing denominator or "ARCSINUS DATA ERROR".
GeographicPosition GeodeticDirect(double phi1, double lambda1, double s, double alpha, double a, double e2);

}  // namespace engine
