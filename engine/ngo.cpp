#include "engine/ngo.h"

#include <cstdlib>

#include "engine/calc_error.h"

namespace engine {

namespace {

constexpr double kAxisUnit = 536870.912;
constexpr double kZoneStepUnit = 1073741.824;
constexpr double kZoneStepOriginNorthing = 7208634.841;

}  // namespace

int NgoNaturalZone(int axis_row) {
    static constexpr int zones[8] = {32, 32, 32, 33, 33, 34, 35, 35};
    if (axis_row < 1 || axis_row > 8) throw CalcError("NGO 1948 axis code " + std::to_string(axis_row) +
                                                      " is not one of 1 ... 8");
    return zones[axis_row - 1];
}

int NgoArea(double R, double I, bool moere_axis) {
    if (I < -100000) {
        if (R < -160000) return 1;
        if (R < -30000) return 2;
        return moere_axis ? 13 : 3;
    }
    if (I < 30000) {
        if (R < -270000) return 4;
        if (R < -160000) return 5;
        if (R < -70000) return 6;
        if (moere_axis) return 14;
        return R >= 130000 ? 8 : 7;
    }
    if (R < -70000) return 9;
    if (R < 100000) return 10;
    if (R >= 260000) return 12;
    return 11;
}

void NgoZoneStep(const NgoTables& tables, bool east, double& northing, double& easting) {
    const double u = (northing - kZoneStepOriginNorthing) / kZoneStepUnit;
    const double v = (east ? easting - 500000.0 : 500000.0 - easting) / kZoneStepUnit;
    ComplexHorner(tables.zone_step_re, tables.zone_step_im, u, v, northing, easting);
    if (!east) easting = 1000000.0 - easting;
}

NgoResult NgoToUtm(const NgoTables& tables, double x, double y, int axis_code, int wanted_zone) {
    FloatingPointGuard guard("NgoToUtm");
    if (axis_code < 1 || axis_code > 10)
        throw CalcError("NGO 1948 axis code " + std::to_string(axis_code) + " is not one of 1 ... 10");
    const bool moere_axis = axis_code >= 9;
    const int a = moere_axis ? axis_code - 8 : axis_code;
    const std::size_t row = static_cast<std::size_t>(a - 1);

    double R, I;
    ComplexHorner(tables.axis_re[row], tables.axis_im[row], (x - tables.axis_origin[row]) / kAxisUnit,
                  y / kAxisUnit, R, I);
    NgoResult r;
    if (a <= 3) {
        const auto& B = tables.area_params[static_cast<std::size_t>(NgoArea(R, I, moere_axis) - 1)];
        const double p = R / kAxisUnit, q = I / kAxisUnit;
        r.northing = (B[0] + 6800000.0) + (B[2] + 536870.0) * p - B[3] * q;
        r.easting = (B[1] + 500000.0) + B[3] * p + (B[2] + 536870.0) * q;
    } else {
        r.northing = R;
        r.easting = I;
    }
    const int natural = NgoNaturalZone(a);
    for (int k = 0; k < std::abs(wanted_zone - natural); ++k)
        NgoZoneStep(tables, wanted_zone > natural, r.northing, r.easting);
    guard.Check();
    return r;
}

}  // namespace engine
