#pragma once
// The program's own circle constants and the ellipsoids it fixes. pi is taken as
// 3.14159265359 throughout; these values, not the library's exact pi, decide the
// last digits shown.
namespace engine {

inline constexpr double kPi = 3.14159265359;
inline constexpr double kHalfPi = 1.570796326795;
inline constexpr double kThreeHalfPi = 4.7123889803850005;
inline constexpr double kTwoPi = 6.28318530718;
inline constexpr double kRadPerDeg = 0.017453292519944444;
inline constexpr double kDegPerRad = 57.29577951307855;

// Ellipsoids the program computes on whatever the points' datums: WGS84 (the
// hub of every datum shift, the geoid model's datum and the north/east offsets
// of two points), and International 1924 (the North Sea transformations).
// a in metres, e2 the first eccentricity squared (1/f = 298.257223563, 297).
inline constexpr double kWgs84A = 6378137.0;
inline constexpr double kWgs84E2 = 0.0066943799901413165;
inline constexpr double kInternational1924A = 6378388.0;
inline constexpr double kInternational1924E2 = 0.006722670022333322;

}  // namespace engine
