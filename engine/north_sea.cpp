#include "engine/north_sea.h"

#include "engine/calc_error.h"
#include "engine/constants.h"

namespace engine {

namespace {

struct Degrees {
    double lat, lon;
};

Degrees PolynomialShift(const NorthSeaTables& t, int d, double lat_deg, double lon_deg) {
    const double u = lat_deg - 55.0, v = lon_deg;
    return {lat_deg + NorthSeaPoly(d, u, v, t.lat_coef), lon_deg + NorthSeaPoly(d, u, v, t.lon_coef)};
}

Geographic HelmertRoute(const NorthSeaTables& t, int d, double lat, double lon, double h,
                        double start_lat, double start_h) {
    const Cartesian xyz = GeogToCart(lat, lon, h, kInternational1924A, kInternational1924E2);
    const Cartesian shifted = HelmertShiftSet(d == 0 ? 1 : -1, t.helmert_ed87, xyz);
    return CartToGeog(shifted, start_lat, start_h, kInternational1924A, kInternational1924E2);
}

}  // namespace

double NorthSeaPoly(int d, double u, double v, const std::array<double, 15>& c) {
    const double s = d == 0 ? 1.0 : -1.0;
    const double p = c[0] + c[1] * u + c[2] * v + c[3] * u * u + c[4] * u * v + c[5] * v * v +
                     c[6] * u * u * u + c[7] * u * u * v + c[8] * u * v * v + c[9] * v * v * v +
                     c[10] * u * u * u * u + c[11] * u * u * u * v + c[12] * u * u * v * v +
                     c[13] * u * v * v * v + c[14] * v * v * v * v;
    return s * p;
}

Geographic ShiftED50ED87(const NorthSeaTables& t, int d, double lat, double lon, double h) {
    FloatingPointGuard guard("ShiftED50ED87");
    const double lat_deg = lat * kDegPerRad, lon_deg = lon * kDegPerRad;
    Geographic out;
    if (lat_deg <= 62) {
        const Degrees p = PolynomialShift(t, d, lat_deg, lon_deg);
        out = {p.lat * kRadPerDeg, p.lon * kRadPerDeg, h};
    } else if (lat_deg >= 65) {
        out = HelmertRoute(t, d, lat, lon, h, lat, h);
    } else {
        // Between 62° and 65°N the corrections of the polynomial at 62° and of the
        // seven parameters at 65° are blended linearly in latitude, which keeps
        // the transformation continuous at both edges.
        const Degrees p = PolynomialShift(t, d, 62.0, lon_deg);
        const Geographic s = HelmertRoute(t, d, 1.1344640137963888, lon, h, lat, h);
        const double w = (lat_deg - 62) / 3;
        const double lat_h = s.lat * kDegPerRad, lon_h = s.lon * kDegPerRad;
        out.lat = (p.lat + (lat_h - p.lat) * w) * kRadPerDeg;
        out.lon = (p.lon + (lon_h - p.lon) * w) * kRadPerDeg;
        out.h = h + (s.h - h) * w;
    }
    guard.Check();
    return out;
}

Cartesian ShiftED87Sea(const NorthSeaTables& t, int d, const Cartesian& xyz) {
    return HelmertShiftSet(d == 0 ? 1 : -1, t.helmert_sea, xyz);
}

Geographic ShiftED50Sea(const NorthSeaTables& t, int d, double lat, double lon, double h) {
    FloatingPointGuard guard("ShiftED50Sea");
    Geographic out;
    if (d == 0) {
        const Geographic ed87 = ShiftED50ED87(t, 0, lat, lon, h);
        const Cartesian xyz = GeogToCart(ed87.lat, ed87.lon, ed87.h, kInternational1924A,
                                                kInternational1924E2);
        out = CartToGeog(ShiftED87Sea(t, 0, xyz), lat, h, kWgs84A, kWgs84E2);
    } else {
        const Cartesian xyz = GeogToCart(lat, lon, h, kWgs84A, kWgs84E2);
        const Geographic ed87 =
            CartToGeog(ShiftED87Sea(t, d, xyz), lat, h, kInternational1924A, kInternational1924E2);
        out = ShiftED50ED87(t, d, ed87.lat, ed87.lon, ed87.h);
    }
    guard.Check();
    return out;
}

}  // namespace engine
