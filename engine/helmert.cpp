#include "engine/helmert.h"

#include "engine/calc_error.h"

namespace engine {

Cartesian HelmertShift(const SevenParameters& p, double k, const Cartesian& in) {
    FloatingPointGuard guard("HelmertShift");
    const double tx = k * p.dx, ty = k * p.dy, tz = k * p.dz;
    const double rx = k * p.rotx, ry = k * p.roty, rz = k * p.rotz;
    const double m = 1.0 + k * p.ds;
    Cartesian out;
    out.X = (in.X - rz * in.Y + ry * in.Z) * m + tx;
    out.Y = (rz * in.X + in.Y - rx * in.Z) * m + ty;
    out.Z = (-ry * in.X + rx * in.Y + in.Z) * m + tz;
    guard.Check();
    return out;
}

Cartesian HelmertShiftSet(int direction, const std::array<double, 7>& P, const Cartesian& in) {
    const SevenParameters p{P[0], P[1], P[2], P[3], P[4], P[5], P[6]};
    return HelmertShift(p, direction == 1 ? 1.0 : -1.0, in);
}

}  // namespace engine
