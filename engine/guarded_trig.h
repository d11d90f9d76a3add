#pragma once
// Guarded inverse sine and cosine: they forgive an argument a little beyond +-1
// (rounding in the caller's formula), clamp it in place to +-1, and raise a
// CalcError with the program's own text on anything further out (or NaN).
#include <string>

namespace engine {

inline constexpr const char* kArcSinDataErrorText = "ARCSINUS DATA ERROR";
inline constexpr const char* kArcCosDataErrorText = "ARCCOS DATA ERROR";

// Tolerance: |x| < 1.0001 is accepted (1 < |x| clamps x to +-1). Result in [-pi/2, pi/2]
// from atan(x / sqrt(1 - x^2)); +-1 give atan(1) * (+-4) / 2.
double ArcSin(double& x);

// Tolerance: |x| < 1.01 is accepted (1 < |x| clamps x to +-1). Result in [0, pi]
// as 1.570796326795 - atan(x / sqrt(1 - x^2)); 1 gives 0, -1 gives atan(1) * 4.
double ArcCos(double& x);

}  // namespace engine
