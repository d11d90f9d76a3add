#pragma once
// The program's own circle constants. pi is taken as 3.14159265359 throughout;
// these values, not the library's exact pi, decide the last digits shown.
namespace engine {

inline constexpr double kPi = 3.14159265359;
inline constexpr double kHalfPi = 1.570796326795;
inline constexpr double kThreeHalfPi = 4.7123889803850005;
inline constexpr double kTwoPi = 6.28318530718;
inline constexpr double kRadPerDeg = 0.017453292519944444;
inline constexpr double kDegPerRad = 57.29577951307855;

}  // namespace engine
