#pragma once
// RT38 2.5 gon West (Sweden) grid to ED50/UTM zone 33 grid: one conformal
// polynomial of degree 4 in the plane with the program's built-in constants.
// There is no area check; the polynomial is meant for points in Sweden.
// Source: the program's own constants; the tests pin their worked points to 1e-6 m.
namespace engine {

struct Rt38Result {
    double northing = 0;
    double easting = 0;
};

// x is the RT38 northing, y the RT38 easting (metres).
Rt38Result Rt38ToUtm33(double x, double y);

}  // namespace engine
