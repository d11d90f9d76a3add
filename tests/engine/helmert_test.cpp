#include "engine/helmert.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "engine/constants.h"

namespace {

using engine::Cartesian;
using engine::HelmertShift;
using engine::SevenParameters;

const Cartesian kOslo{3172870.0, 604208.0, 5481574.0};

TEST(Helmert, BackwardIsTransposeWithInverseScale) {
    // Rotation only: k = -1 applies the transposed matrix; a pure scale gives 1 - ds.
    const SevenParameters rot{0, 0, 0, 1e-5, -2e-5, 3e-5, 0};
    const Cartesian ex{1, 0, 0}, ey{0, 1, 0};
    const auto fx = HelmertShift(rot, 1, ex), bx = HelmertShift(rot, -1, ex);
    const auto fy = HelmertShift(rot, 1, ey), by = HelmertShift(rot, -1, ey);
    EXPECT_DOUBLE_EQ(fx.Y, rot.rotz);    // M[1][0] = rz
    EXPECT_DOUBLE_EQ(bx.Y, -rot.rotz);   // transpose: M[0][1] = -rz
    EXPECT_DOUBLE_EQ(fy.X, -rot.rotz);
    EXPECT_DOUBLE_EQ(by.X, rot.rotz);
    EXPECT_DOUBLE_EQ(fx.Z, -rot.roty);
    EXPECT_DOUBLE_EQ(bx.Z, rot.roty);
    const SevenParameters scale{0, 0, 0, 0, 0, 0, 2e-6};
    EXPECT_DOUBLE_EQ(HelmertShift(scale, -1, ex).X, 1 - 2e-6);
}

TEST(Helmert, ForwardThenBackwardReturnsToSecondOrder) {
    // ED50 North of 62 parameters in applied units.
    const double as = engine::kRadPerDeg / 3600.0;
    const SevenParameters p{-116.641, -56.931, -110.559, 0.893 * as, 0.921 * as, -0.917 * as, -3.52e-6};
    const auto w = HelmertShift(p, 1, kOslo);
    const auto back = HelmertShift(p, -1, w);
    // Second-order terms: about 1 mm here.
    EXPECT_LT(std::hypot(back.X - kOslo.X, back.Y - kOslo.Y, back.Z - kOslo.Z), 5e-3);
    // Direction codes: 1 forward, anything else backward.
    const std::array<double, 7> P{p.dx, p.dy, p.dz, p.rotx, p.roty, p.rotz, p.ds};
    for (int dir : {0, 2, -1}) EXPECT_DOUBLE_EQ(engine::HelmertShiftSet(dir, P, w).X, back.X);
    EXPECT_DOUBLE_EQ(engine::HelmertShiftSet(1, P, kOslo).X, w.X);
}

}  // namespace
