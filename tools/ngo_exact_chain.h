#pragma once
// The exact chain NGO 1948 grid -> ED50/UTM that the coefficients of
// "ngo-data.vdx" are fitted to, from public definitions:
// - each NGO axis a Transverse Mercator grid on the NGO Bessel ellipsoid
//   (a = 6377492.018 m, 1/f = 299.1528128), latitude of origin 58°N, scale 1,
//   no false easting or northing, central meridian relative to Oslo
//   (10°43'22.5"E);
// - NGO 1948 -> WGS 84 by EPSG 1654 (position vector), WGS 84 -> ED50 by the
//   NIMA TR8350.2 translations of "EUROPEAN 1950, Norway & Finland";
// - ED50/UTM on International 1924, scale 0.9996, false easting 500000 m.
// The Transverse Mercator is Krüger's series in the third flattening n to
// sixth order (Karney 2011), accurate to well below a millimetre within
// several thousand kilometres of the central meridian; it is independent of
// the program's own fifth-order UTM series on purpose.
#include <algorithm>
#include <cmath>

#include "engine/helmert.h"

namespace ngo_chain {

inline constexpr double kPiExact = 3.14159265358979323846;
inline constexpr double kDeg = kPiExact / 180;

struct Ellipsoid {
    double a, f;
    double e2() const { return f * (2 - f); }
};
inline constexpr Ellipsoid kBesselNgo{6377492.018, 1 / 299.1528128};
inline constexpr Ellipsoid kInternational{6378388.0, 1 / 297.0};

struct TransverseMercator {
    double a_rect;  // rectifying radius A
    double alpha[7], beta[7];
    double e;
    double lon0, k0, false_easting, false_northing;
};

inline TransverseMercator MakeTransverseMercator(const Ellipsoid& el, double lon0, double lat0, double k0,
                                                 double false_easting, double false_northing);

inline double Tauf(double taup, double e);
inline double Taupf(double tau, double e) {
    const double tau1 = std::hypot(1.0, tau);
    const double sig = std::sinh(e * std::atanh(e * tau / tau1));
    return std::hypot(1.0, sig) * tau - sig * tau1;
}
inline double Tauf(double taup, double e) {
    double tau = taup / (1 - e * e);
    for (int i = 0; i < 10; ++i) {
        const double taupa = Taupf(tau, e);
        const double dtau = (taup - taupa) * (1 + (1 - e * e) * tau * tau) /
                            ((1 - e * e) * std::hypot(1.0, tau) * std::hypot(1.0, taupa));
        tau += dtau;
        if (std::fabs(dtau) < 1e-15 * std::max(1.0, std::fabs(tau))) break;
    }
    return tau;
}

// Northing and easting (x north, y east) of a geographic point, radians.
inline void Forward(const TransverseMercator& tm, double lat, double lon, double& x, double& y) {
    const double dl = lon - tm.lon0;
    const double taup = Taupf(std::tan(lat), tm.e);
    const double xip = std::atan2(taup, std::cos(dl));
    const double etap = std::asinh(std::sin(dl) / std::hypot(taup, std::cos(dl)));
    double xi = xip, eta = etap;
    for (int j = 1; j <= 6; ++j) {
        xi += tm.alpha[j] * std::sin(2 * j * xip) * std::cosh(2 * j * etap);
        eta += tm.alpha[j] * std::cos(2 * j * xip) * std::sinh(2 * j * etap);
    }
    x = tm.k0 * tm.a_rect * xi + tm.false_northing;
    y = tm.k0 * tm.a_rect * eta + tm.false_easting;
}

inline void Inverse(const TransverseMercator& tm, double x, double y, double& lat, double& lon) {
    const double xi = (x - tm.false_northing) / (tm.k0 * tm.a_rect);
    const double eta = (y - tm.false_easting) / (tm.k0 * tm.a_rect);
    double xip = xi, etap = eta;
    for (int j = 1; j <= 6; ++j) {
        xip -= tm.beta[j] * std::sin(2 * j * xi) * std::cosh(2 * j * eta);
        etap -= tm.beta[j] * std::cos(2 * j * xi) * std::sinh(2 * j * eta);
    }
    const double taup = std::sin(xip) / std::hypot(std::sinh(etap), std::cos(xip));
    lat = std::atan(Tauf(taup, tm.e));
    lon = tm.lon0 + std::atan2(std::sinh(etap), std::cos(xip));
}

inline TransverseMercator MakeTransverseMercator(const Ellipsoid& el, double lon0, double lat0, double k0,
                                                 double false_easting, double false_northing) {
    const double n = el.f / (2 - el.f);
    const double n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n, n6 = n5 * n;
    TransverseMercator tm{};
    tm.e = std::sqrt(el.e2());
    tm.a_rect = el.a / (1 + n) * (1 + n2 / 4 + n4 / 64 + n6 / 256);
    tm.alpha[1] = n / 2 - 2 * n2 / 3 + 5 * n3 / 16 + 41 * n4 / 180 - 127 * n5 / 288 + 7891 * n6 / 37800;
    tm.alpha[2] = 13 * n2 / 48 - 3 * n3 / 5 + 557 * n4 / 1440 + 281 * n5 / 630 - 1983433 * n6 / 1935360;
    tm.alpha[3] = 61 * n3 / 240 - 103 * n4 / 140 + 15061 * n5 / 26880 + 167603 * n6 / 181440;
    tm.alpha[4] = 49561 * n4 / 161280 - 179 * n5 / 168 + 6601661 * n6 / 7257600;
    tm.alpha[5] = 34729 * n5 / 80640 - 3418889 * n6 / 1995840;
    tm.alpha[6] = 212378941 * n6 / 319334400;
    tm.beta[1] = n / 2 - 2 * n2 / 3 + 37 * n3 / 96 - n4 / 360 - 81 * n5 / 512 + 96199 * n6 / 604800;
    tm.beta[2] = n2 / 48 + n3 / 15 - 437 * n4 / 1440 + 46 * n5 / 105 - 1118711 * n6 / 3870720;
    tm.beta[3] = 17 * n3 / 480 - 37 * n4 / 840 - 209 * n5 / 4480 + 5569 * n6 / 90720;
    tm.beta[4] = 4397 * n4 / 161280 - 11 * n5 / 504 - 830251 * n6 / 7257600;
    tm.beta[5] = 4583 * n5 / 161280 - 108847 * n6 / 3991680;
    tm.beta[6] = 20648693 * n6 / 638668800;
    tm.lon0 = lon0;
    tm.k0 = k0;
    tm.false_easting = false_easting;
    tm.false_northing = 0;
    double x0, y0;
    Forward(tm, lat0, lon0, x0, y0);
    tm.false_northing = false_northing - x0;
    return tm;
}

inline engine::Cartesian GeogToCart(const Ellipsoid& el, double lat, double lon, double h) {
    const double e2 = el.e2();
    const double nu = el.a / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
    return {(nu + h) * std::cos(lat) * std::cos(lon), (nu + h) * std::cos(lat) * std::sin(lon),
            (nu * (1 - e2) + h) * std::sin(lat)};
}

// Iterated to 1e-14 rad; heights near the surface.
inline void CartToGeog(const Ellipsoid& el, const engine::Cartesian& c, double& lat, double& lon, double& h) {
    const double e2 = el.e2();
    const double p = std::hypot(c.X, c.Y);
    lon = std::atan2(c.Y, c.X);
    lat = std::atan2(c.Z, p * (1 - e2));
    for (int i = 0; i < 20; ++i) {
        const double nu = el.a / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
        h = p / std::cos(lat) - nu;
        const double next = std::atan2(c.Z, p * (1 - e2 * nu / (nu + h)));
        const bool settled = std::fabs(next - lat) < 1e-14;
        lat = next;
        if (settled) break;
    }
    const double nu = el.a / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
    h = p / std::cos(lat) - nu;
}

inline constexpr double kOsloMeridianDeg = 10 + 43 / 60.0 + 22.5 / 3600.0;

// Central meridian of axis row 1 ... 8, degrees east of Greenwich.
inline double AxisMeridianDeg(int axis_row) {
    static constexpr double offsets_min[8] = {-280, -140, 0, 150, 370, 610, 850, 1100};
    return kOsloMeridianDeg + offsets_min[axis_row - 1] / 60.0;
}

inline int NaturalZone(int axis_row) {
    static constexpr int zones[8] = {32, 32, 32, 33, 33, 34, 35, 35};
    return zones[axis_row - 1];
}

inline TransverseMercator AxisProjection(int axis_row) {
    return MakeTransverseMercator(kBesselNgo, AxisMeridianDeg(axis_row) * kDeg, 58 * kDeg, 1.0, 0, 0);
}

inline TransverseMercator UtmProjection(int zone) {
    return MakeTransverseMercator(kInternational, (zone * 6 - 183) * kDeg, 0, 0.9996, 500000, 0);
}

inline constexpr double kArcSecond = kDeg / 3600;
inline const engine::SevenParameters kNgoToWgs84{278.3, 93.0, 474.5, 7.889 * kArcSecond, 0.05 * kArcSecond,
                                                 -6.61 * kArcSecond, 6.21e-6};
inline const engine::SevenParameters kEd50ToWgs84{-87, -95, -120, 0, 0, 0, 0};

// NGO geographic position (radians) to ED50 geographic, heights 0 on NGO.
inline void NgoToEd50Geographic(double lat, double lon, double& lat50, double& lon50) {
    const auto wgs = engine::HelmertShift(kNgoToWgs84, 1.0, GeogToCart(kBesselNgo, lat, lon, 0));
    const auto ed50 = engine::HelmertShift(kEd50ToWgs84, -1.0, wgs);
    double h;
    CartToGeog(kInternational, ed50, lat50, lon50, h);
}

// NGO axis co-ordinates (x north, y east) to ED50/UTM northing and easting in the given zone.
inline void NgoToUtmExact(int axis_row, double x, double y, int zone, double& northing, double& easting) {
    double lat, lon, lat50, lon50;
    Inverse(AxisProjection(axis_row), x, y, lat, lon);
    NgoToEd50Geographic(lat, lon, lat50, lon50);
    Forward(UtmProjection(zone), lat50, lon50, northing, easting);
}

// The exact ED50/UTM change of zone.
inline void UtmZoneChangeExact(int from_zone, int to_zone, double northing, double easting, double& n2,
                               double& e2) {
    double lat, lon;
    Inverse(UtmProjection(from_zone), northing, easting, lat, lon);
    Forward(UtmProjection(to_zone), lat, lon, n2, e2);
}

// The area of each axis that the fit covers, in ED50-ish degrees.
struct AxisArea {
    double south, north, west, east;
};
inline AxisArea AxisFitArea(int axis_row) {
    static constexpr AxisArea areas[8] = {
        {57.9, 63.2, 4.4, 7.6},    // I, with the Moere coast
        {58.3, 63.6, 6.8, 10.0},   // II, with the Moere coast
        {58.8, 62.6, 9.2, 12.6},   // III
        {62.0, 65.3, 10.3, 14.6},  // IV
        {64.8, 69.3, 12.0, 18.6},  // V
        {68.2, 70.4, 16.0, 22.9},  // VI
        {68.6, 71.2, 21.5, 27.0},  // VII
        {69.0, 71.0, 26.5, 31.2},  // VIII
    };
    return areas[axis_row - 1];
}

}  // namespace ngo_chain
