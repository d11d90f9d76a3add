#include "engine/rt38.h"

#include <cmath>

#include "engine/calc_error.h"

namespace engine {

Rt38Result Rt38ToUtm33(double x, double y) {
    FloatingPointGuard guard("Rt38ToUtm33");
    const double u = (x - 6737923.7309) / 100000.0;
    const double v = (y - 1508708.0187) / 100000.0;
    // The terms are summed in this fixed order with real powers of u and v, so
    // the last digits do not depend on how a compiler would regroup a complex product.
    const double re2 = std::pow(u, 2) - std::pow(v, 2);
    const double re3 = std::pow(u, 3) - 3 * u * std::pow(v, 2);
    const double im3 = 3 * std::pow(u, 2) * v - std::pow(v, 3);
    const double re4 = std::pow(u, 4) - 6 * std::pow(u, 2) * std::pow(v, 2) + std::pow(v, 4);
    const double im4_quarter = std::pow(u, 3) * v - u * std::pow(v, 3);
    Rt38Result r;
    r.northing = 6736435.2546 + 99955.0689 * u + 1227.1301 * v - 0.1984 * re2 + 10.8388 * u * v +
                 0.0077 * re3 - 0.0212 * im3 + 0.0016 * re4 - 0.0116 * im4_quarter;
    r.easting = 552648.4166 - 1227.1301 * u + 99955.0689 * v - 5.4194 * re2 - 0.3968 * u * v +
                0.0212 * re3 + 0.0077 * im3 + 0.0029 * re4 + 0.0064 * im4_quarter;
    guard.Check();
    return r;
}

}  // namespace engine
