#include "engine/calc_error.h"

#include <cfenv>
#include <cmath>

namespace engine {

FloatingPointGuard::FloatingPointGuard(const char* op) : operation(op) {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void FloatingPointGuard::Check() const {
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    if (raised == 0) return;
    std::feclearexcept(FE_ALL_EXCEPT);
    std::string what = (raised & FE_DIVBYZERO) ? "Division by zero"
                     : (raised & FE_OVERFLOW)  ? "Overflow"
                                               : "Invalid procedure call or argument";
    throw CalcError(what + " in " + operation);
}

double RequireFinite(double value, const char* operation) {
    if (!std::isfinite(value)) throw CalcError(std::string("Overflow in ") + operation);
    return value;
}

}  // namespace engine
