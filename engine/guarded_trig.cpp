#include "engine/guarded_trig.h"

#include <cmath>

#include "engine/calc_error.h"
#include "engine/constants.h"

namespace engine {

double ArcSin(double& x) {
    if (x > 1.0 && x < 1.0001) x = 1.0;
    if (x < -1.0 && x > -1.0001) x = -1.0;
    if (x == 1.0) return std::atan(1.0) * 4.0 / 2.0;
    if (x == -1.0) return std::atan(1.0) * (-4.0) / 2.0;
    if (x >= -1.0 && x <= 1.0) return std::atan(x / std::sqrt(1.0 - x * x));
    throw CalcError(kArcSinDataErrorText);
}

double ArcCos(double& x) {
    if (x > 1.0 && x < 1.01) x = 1.0;
    if (x < -1.0 && x > -1.01) x = -1.0;
    if (x == 1.0) return 0.0;
    if (x == -1.0) return std::atan(1.0) * 4.0;
    if (x >= -1.0 && x <= 1.0) return kHalfPi - std::atan(x / std::sqrt(1.0 - x * x));
    throw CalcError(kArcCosDataErrorText);
}

}  // namespace engine
