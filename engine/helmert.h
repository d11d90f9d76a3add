#pragma once
// Seven-parameter similarity transformation (position-vector rotation
// convention) in earth-centred cartesian co-ordinates. Parameters describe the
// datum -> WGS84 direction; the backward direction negates every parameter, so
// forward-then-backward returns the start only to second order in the parameters.
// Source: the Bursa-Wolf formula (EPSG method 9606) with the small-angle rotation
// matrix. The parameters and their accuracy (metres for the NIMA sets) belong to
// the datum catalogue.
#include <array>

namespace engine {

struct Cartesian {
    double X = 0, Y = 0, Z = 0;
};

// dx, dy, dz in metres; rotx, roty, rotz in radians; ds a plain fraction (ppm * 1e-6).
struct SevenParameters {
    double dx = 0, dy = 0, dz = 0;
    double rotx = 0, roty = 0, rotz = 0;
    double ds = 0;
};

// k = +1.0 carries datum -> WGS84, k = -1.0 carries WGS84 -> datum.
Cartesian HelmertShift(const SevenParameters& p, double k, const Cartesian& in);

// The same with the parameters P(1..7) in the order dx, dy, dz, rotx, roty, rotz, ds;
// direction 1 gives k = +1.0, every other direction k = -1.0.
Cartesian HelmertShiftSet(int direction, const std::array<double, 7>& P, const Cartesian& in);

}  // namespace engine
