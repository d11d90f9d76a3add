#pragma once
// The North Sea transformations between ED50, ED87 and WGS84*Sea, with their
// tables from "NorthSea.vdx" (read by datums/special_tables.h): ED50 -> ED87
// by a polynomial of degree 4 south of 62°N, by seven parameters north of 65°N
// and by a linear blend of the two between; ED87 -> WGS84*Sea by a second
// seven-parameter set.
//
// Source: EPSG "ED50 to ED87 (1)" (the polynomial, Norwegian Mapping Authority
// publication 1990:1), "ED50 to ED87 (2)" and "ED87 to WGS 84 (1)"; the figures
// live in the data file, not here. Accuracy: that of the published
// transformations; the code reproduces EPSG's worked example to 5e-5 arc seconds
// (2 mm). Domain: the Norwegian North Sea sector (south of 62N the polynomial in
// latitude - 55 and longitude, degrees); outside it the polynomial extrapolates
// without warning: the area check is the caller's.
#include <array>

#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "engine/helmert.h"

namespace engine {

struct NorthSeaTables {
    std::array<double, 15> lat_coef{};  // latitude correction, degrees
    std::array<double, 15> lon_coef{};  // longitude correction, degrees
    // dx, dy, dz (m), rx, ry, rz (radians), scale (fraction) after loading.
    std::array<double, 7> helmert_ed87{};  // ED50 -> ED87 north of 65°N
    std::array<double, 7> helmert_sea{};   // ED87 -> WGS84*Sea
};

// c0 + c1 u + c2 v + c3 u² + c4 uv + c5 v² + c6 u³ + ... + c14 v⁴, with the
// coefficients negated when direction d is not 0.
double NorthSeaPoly(int d, double u, double v, const std::array<double, 15>& c);

// Direction d = 0: ED50 -> ED87, otherwise ED87 -> ED50. Radians and metres.
Geographic ShiftED50ED87(const NorthSeaTables& tables, int d, double lat, double lon, double h);
// Direction d = 0: ED87 -> WGS84*Sea, otherwise back.
Cartesian ShiftED87Sea(const NorthSeaTables& tables, int d, const Cartesian& xyz);
// Direction d = 0: ED50 -> WGS84*Sea through ED87, otherwise back.
Geographic ShiftED50Sea(const NorthSeaTables& tables, int d, double lat, double lon, double h);

}  // namespace engine
