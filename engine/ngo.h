#pragma once
// NGO 1948 grid (axes I ... VIII and the two Moere axes) to ED50/UTM grid,
// entirely in the plane: a complex polynomial of degree 4 per axis, a plane
// similarity per area for the western axes I ... III, and repeated one-zone
// steps by a complex polynomial of degree 5 when another UTM zone is wanted.
// Every coefficient comes from the data file "ngo-data.vdx" (read by
// datums/special_tables.h).
//
// Source: no coefficients are published; tools/ngo_fit.cpp fits them to the exact
// chain (the NGO axes as Transverse Mercator grids on the NGO Bessel ellipsoid,
// EPSG 1654 to WGS 84, ED50 from NIMA TR8350.2). Accuracy: within 2 mm of that
// chain on every axis's area, 5 to 10 mm after zone steps; the chain's own
// accuracy is that of EPSG 1654. Domain: mainland Norway on the axis asked for;
// the areas of the western axes are chosen by the point's position, no area is
// refused.
#include <array>
#include <cstddef>

namespace engine {

struct NgoTables {
    std::array<double, 8> axis_origin{};                // x origin of each axis (index axis - 1)
    std::array<std::array<double, 4>, 14> area_params{}; // plane similarity per area (index area - 1)
    std::array<double, 6> zone_step_re{}, zone_step_im{};
    std::array<std::array<double, 5>, 8> axis_re{}, axis_im{};
};

// Natural UTM zone of axis row a (1 ... 8).
int NgoNaturalZone(int axis_row);

// Area row 1 ... 14 of a point (R, I) in metres; the Moere axes have areas 13 and 14.
int NgoArea(double R, double I, bool moere_axis);

// Complex Horner evaluation of c[0] z^(n-1) + ... + c[n-1] with c = re + i im.
template <std::size_t n>
void ComplexHorner(const std::array<double, n>& re, const std::array<double, n>& im, double u, double v,
                   double& R, double& I) {
    R = re[0];
    I = im[0];
    for (std::size_t k = 1; k < n; ++k) {
        const double r = R * u - I * v + re[k];
        const double i = I * u + R * v + im[k];
        R = r;
        I = i;
    }
}

// One step of the UTM zone: east (to zone + 1) or west (to zone - 1), on ED50.
void NgoZoneStep(const NgoTables& tables, bool east, double& northing, double& easting);

struct NgoResult {
    double easting = 0;
    double northing = 0;
};

// x (north) and y (east of the axis meridian) in metres on axis code 1 ... 10
// (9 and 10 are "Akse I Moere" and "Akse II Moere"); the result lies in the
// wanted UTM zone. Raises CalcError naming the code when it is outside 1 ... 10.
NgoResult NgoToUtm(const NgoTables& tables, double x, double y, int axis_code, int wanted_zone);

}  // namespace engine
