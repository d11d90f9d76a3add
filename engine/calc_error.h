#pragma once
// The run-time failure of the geodetic engine: an arithmetic fault (division by
// zero, overflow, invalid operation) or an iteration that does not settle.
// Every model action catches it, shows its description and abandons the action.
#include <stdexcept>
#include <string>

namespace engine {

struct CalcError : std::runtime_error {
    explicit CalcError(const std::string& description) : std::runtime_error(description) {}
};

// Clears the floating-point exception flags on construction; Check() raises a
// CalcError naming the operation when division by zero, overflow or an invalid
// operation happened since. Underflow and inexact results are not faults.
struct FloatingPointGuard {
    explicit FloatingPointGuard(const char* operation);
    void Check() const;
    const char* operation;
};

// Raises a CalcError naming the operation when value is NaN or infinite.
double RequireFinite(double value, const char* operation);

}  // namespace engine
