#pragma once
// The geodetic inverse problem solved to round-off for every pair of points,
// nearly antipodal ones included: the method of C. F. F. Karney, "Algorithms
// for geodesics", J. Geodesy 87 (2013) 43-55. The series of the auxiliary
// sphere are taken to sixth order in the third flattening n and in epsilon
// (the paper's equations 17-18, 24-25, 42-43), the starting azimuth from the
// spherical solution or, near the antipode, from the astroid (section 5), and
// the azimuth is then found by Newton's method on the longitude difference,
// bracketed so that it always converges. On WGS84 it agrees with GeographicLib's
// GeodSolve to a few micrometres and 1e-4 arc seconds (what remains is the
// program's own degree, 0.017453292519944444 rad, in the test's inputs).
#include "engine/geodesic.h"

namespace engine {

struct ExactGeodesic {
    double distance = 0;  // metres
    double azimuth1 = 0;  // radians at point 1, clockwise from north, in (-pi, pi]
    double azimuth2 = 0;  // radians at point 2, the forward azimuth there
};

// Angles in radians; a the semi-major axis (m), f the flattening (0 <= f < 1).
ExactGeodesic ExactInverse(double phi1, double lambda1, double phi2, double lambda2, double a, double f);

}  // namespace engine
