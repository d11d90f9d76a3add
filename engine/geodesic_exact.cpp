#include "engine/geodesic_exact.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <numbers>
#include <utility>

#include "engine/calc_error.h"

namespace engine {

namespace {

// The true circle constant: this solution is a reference, not the program's
// own series, and its angles are plain radians.
constexpr double kTruePi = std::numbers::pi;
constexpr double kTolerance0 = DBL_EPSILON;
constexpr double kTolerance1 = 200 * kTolerance0;
const double kTolerance2 = std::sqrt(kTolerance0);
const double kBisectionTolerance = kTolerance0 * kTolerance2;
const double kAstroidThreshold = 1000 * kTolerance2;
const double kTiny = std::sqrt(DBL_MIN);
constexpr int kNewtonSteps = 20;
constexpr int kAllSteps = kNewtonSteps + DBL_MANT_DIG + 10;
constexpr int kOrder = 6;  // of the series in epsilon

using Coefficients = std::array<double, kOrder + 1>;  // [1] ... [6]; [0] unused

void Normalise(double& s, double& c) {
    const double r = std::hypot(s, c);
    s /= r;
    c /= r;
}

double Square(double x) { return x * x; }

// Sum of c[k] sin(2 k sigma), k = 1 ... count, by Clenshaw's recurrence.
double SineSeries(double ssig, double csig, const Coefficients& c, int count) {
    const double two_cos = 2 * (csig - ssig) * (csig + ssig);
    double b1 = 0, b2 = 0;
    for (int k = count; k >= 1; --k) {
        const double b0 = two_cos * b1 - b2 + c[static_cast<std::size_t>(k)];
        b2 = b1;
        b1 = b0;
    }
    return 2 * ssig * csig * b1;
}

// The paper's constants of one ellipsoid.
struct Ellipsoid {
    double a = 0, f = 0, f1 = 0, b = 0, n = 0, e2 = 0, ep2 = 0;
    double etol2 = 0;
};

Ellipsoid MakeEllipsoid(double a, double f) {
    Ellipsoid e;
    e.a = a;
    e.f = f;
    e.f1 = 1 - f;
    e.b = a * e.f1;
    e.n = f / (2 - f);
    e.e2 = f * (2 - f);
    e.ep2 = e.e2 / Square(e.f1);
    e.etol2 = 0.1 * kTolerance2 / std::sqrt(std::max(0.001, std::fabs(f)) * std::min(1.0, 1 - f / 2) / 2);
    return e;
}

// (1 - eps) A1 - 1 and the C1 coefficients (equations 17, 18).
double A1m1(double eps) {
    const double eps2 = eps * eps;
    const double t = eps2 * (eps2 * (eps2 + 4) + 64) / 256;
    return (t + eps) / (1 - eps);
}

Coefficients C1(double eps) {
    const double eps2 = eps * eps;
    Coefficients c{};
    double d = eps;
    c[1] = d * (eps2 * (6 - eps2) - 16) / 32;
    d *= eps;
    c[2] = d * (eps2 * (64 - 9 * eps2) - 128) / 2048;
    d *= eps;
    c[3] = d * (9 * eps2 - 16) / 768;
    d *= eps;
    c[4] = d * (3 * eps2 - 5) / 512;
    d *= eps;
    c[5] = -7 * d / 1280;
    d *= eps;
    c[6] = -7 * d / 2048;
    return c;
}

// (1 + eps) A2 - 1 and the C2 coefficients (equations 42, 43).
double A2m1(double eps) {
    const double eps2 = eps * eps;
    const double t = eps2 * (eps2 * (-11 * eps2 - 28) - 192) / 256;
    return (t - eps) / (1 + eps);
}

Coefficients C2(double eps) {
    const double eps2 = eps * eps;
    Coefficients c{};
    double d = eps;
    c[1] = d * (eps2 * (eps2 + 2) + 16) / 32;
    d *= eps;
    c[2] = d * (eps2 * (35 * eps2 + 64) + 384) / 2048;
    d *= eps;
    c[3] = d * (15 * eps2 + 80) / 768;
    d *= eps;
    c[4] = d * (7 * eps2 + 35) / 512;
    d *= eps;
    c[5] = 63 * d / 1280;
    d *= eps;
    c[6] = 77 * d / 2048;
    return c;
}

// A3 and the C3 coefficients (equations 24, 25), polynomials in n and eps.
double A3(const Ellipsoid& e, double eps) {
    const double n = e.n;
    const double c1 = -0.5 + n / 2;
    const double c2 = -0.25 - n / 8 + 3 * n * n / 8;
    const double c3 = -1.0 / 16 - 3 * n / 16 - n * n / 16;
    const double c4 = -3.0 / 64 - n / 32;
    const double c5 = -3.0 / 128;
    return 1 + eps * (c1 + eps * (c2 + eps * (c3 + eps * (c4 + eps * c5))));
}

Coefficients C3(const Ellipsoid& e, double eps) {
    const double n = e.n, n2 = n * n;
    const double e1 = eps, e2 = e1 * eps, e3 = e2 * eps, e4 = e3 * eps, e5 = e4 * eps;
    Coefficients c{};
    c[1] = e1 * (0.25 - n / 4) + e2 * (0.125 - n2 / 8) + e3 * (3.0 / 64 + 3 * n / 64 - n2 / 64) +
           e4 * (5.0 / 128 + n / 64) + e5 * 3.0 / 128;
    c[2] = e2 * (1.0 / 16 - 3 * n / 32 + n2 / 32) + e3 * (3.0 / 64 - n / 32 - 3 * n2 / 64) +
           e4 * (3.0 / 128 + n / 128) + e5 * 5.0 / 256;
    c[3] = e3 * (5.0 / 192 - 3 * n / 64 + 5 * n2 / 192) + e4 * (3.0 / 128 - 5 * n / 192) + e5 * 7.0 / 512;
    c[4] = e4 * (7.0 / 512 - 7 * n / 256) + e5 * 7.0 / 512;
    c[5] = e5 * 21.0 / 2560;
    return c;
}

double Epsilon(double k2) { return k2 / (2 * (1 + std::sqrt(1 + k2)) + k2); }

struct Lengths {
    double s12b = 0;  // distance / b
    double m12b = 0;  // reduced length / b
};

Lengths LengthsOf(double eps, double sig12, double ssig1, double csig1, double dn1, double ssig2, double csig2,
                  double dn2) {
    const Coefficients c1 = C1(eps), c2 = C2(eps);
    double a1 = A1m1(eps), a2 = A2m1(eps);
    const double m0 = a1 - a2;
    a1 += 1;
    a2 += 1;
    const double b1 = SineSeries(ssig2, csig2, c1, kOrder) - SineSeries(ssig1, csig1, c1, kOrder);
    const double b2 = SineSeries(ssig2, csig2, c2, kOrder) - SineSeries(ssig1, csig1, c2, kOrder);
    Lengths l;
    l.s12b = a1 * (sig12 + b1);
    const double j12 = m0 * sig12 + (a1 * b1 - a2 * b2);
    l.m12b = dn2 * (csig1 * ssig2) - dn1 * (ssig1 * csig2) - csig1 * csig2 * j12;
    return l;
}

// The smallest positive root of the astroid equation (section 5).
double Astroid(double x, double y) {
    const double p = x * x, q = y * y, r = (p + q - 1) / 6;
    if (q == 0 && r <= 0) return 0;
    const double s = p * q / 4, r2 = r * r, r3 = r * r2;
    const double disc = s * (s + 2 * r3);
    double u = r;
    if (disc >= 0) {
        double t3 = s + r3;
        t3 += t3 < 0 ? -std::sqrt(disc) : std::sqrt(disc);
        const double t = std::cbrt(t3);
        u += t + (t != 0 ? r2 / t : 0);
    } else {
        const double angle = std::atan2(std::sqrt(-disc), -(s + r3));
        u += 2 * r * std::cos(angle / 3);
    }
    const double v = std::sqrt(u * u + q);
    const double uv = u < 0 ? q / (v - u) : u + v;
    const double w = (uv - q) / (2 * v);
    return uv / (std::sqrt(uv + w * w) + w);
}

// The points on the auxiliary sphere (latitudes of point 1 and point 2).
struct Ends {
    double sbet1, cbet1, dn1, sbet2, cbet2, dn2;
};

struct Azimuths {
    double salp1 = 0, calp1 = 0, salp2 = 0, calp2 = 0;
};

// A first azimuth at point 1: the spherical solution, or near the antipode
// the astroid's. Returns sig12 >= 0 for a short line that needs no iteration.
double InverseStart(const Ellipsoid& e, const Ends& p, double lam12, double slam12, double clam12, Azimuths& az,
                    double& dnm) {
    double sig12 = -1;
    const double sbet12 = p.sbet2 * p.cbet1 - p.cbet2 * p.sbet1;
    const double cbet12 = p.cbet2 * p.cbet1 + p.sbet2 * p.sbet1;
    const double sbet12a = p.sbet2 * p.cbet1 + p.cbet2 * p.sbet1;
    const bool shortline = cbet12 >= 0 && sbet12 < 0.5 && p.cbet2 * lam12 < 0.5;
    double somg12 = slam12, comg12 = clam12;
    if (shortline) {
        double sbetm2 = Square(p.sbet1 + p.sbet2);
        sbetm2 /= sbetm2 + Square(p.cbet1 + p.cbet2);
        dnm = std::sqrt(1 + e.ep2 * sbetm2);
        const double omg12 = lam12 / (e.f1 * dnm);
        somg12 = std::sin(omg12);
        comg12 = std::cos(omg12);
    }
    az.salp1 = p.cbet2 * somg12;
    az.calp1 = comg12 >= 0 ? sbet12 + p.cbet2 * p.sbet1 * Square(somg12) / (1 + comg12)
                           : sbet12a - p.cbet2 * p.sbet1 * Square(somg12) / (1 - comg12);
    const double ssig12 = std::hypot(az.salp1, az.calp1);
    const double csig12 = p.sbet1 * p.sbet2 + p.cbet1 * p.cbet2 * comg12;
    if (shortline && ssig12 < e.etol2) {
        az.salp2 = p.cbet1 * somg12;
        az.calp2 = sbet12 - p.cbet1 * p.sbet2 * (comg12 >= 0 ? Square(somg12) / (1 + comg12) : 1 - comg12);
        Normalise(az.salp2, az.calp2);
        sig12 = std::atan2(ssig12, csig12);
    } else if (std::fabs(e.n) > 0.1 || csig12 >= 0 || ssig12 >= 6 * std::fabs(e.n) * kTruePi * Square(p.cbet1)) {
        // The spherical start is good enough.
    } else {
        // Nearly antipodal: scale the problem to the astroid.
        const double lam12x = std::atan2(-slam12, -clam12);  // lam12 - pi
        const double k2 = Square(p.sbet1) * e.ep2;
        const double lamscale = e.f * p.cbet1 * A3(e, Epsilon(k2)) * kTruePi;
        const double betscale = lamscale * p.cbet1;
        const double x = lam12x / lamscale;
        const double y = sbet12a / betscale;
        if (y > -kTolerance1 && x > -1 - kAstroidThreshold) {
            az.salp1 = std::min(1.0, -x);
            az.calp1 = -std::sqrt(1 - Square(az.salp1));
        } else {
            const double k = Astroid(x, y);
            const double omg12a = lamscale * (-x * k / (1 + k));
            somg12 = std::sin(omg12a);
            comg12 = -std::cos(omg12a);
            az.salp1 = p.cbet2 * somg12;
            az.calp1 = sbet12a - p.cbet2 * p.sbet1 * Square(somg12) / (1 - comg12);
        }
    }
    if (!(az.salp1 <= 0)) {
        Normalise(az.salp1, az.calp1);
    } else {
        az.salp1 = 1;
        az.calp1 = 0;
    }
    return sig12;
}

struct Lambda {
    double v = 0;     // longitude difference reached minus the one wanted
    double dv = 0;    // its derivative by the azimuth at point 1
    double sig12 = 0, ssig1 = 0, csig1 = 0, ssig2 = 0, csig2 = 0, eps = 0;
};

// The longitude difference reached from point 1 along azimuth alpha1 to the
// latitude of point 2, less lam12 (equations 26-29 and 38).
Lambda Lambda12(const Ellipsoid& e, const Ends& p, Azimuths& az, double slam120, double clam120, bool derivative) {
    if (p.sbet1 == 0 && az.calp1 == 0) az.calp1 = -kTiny;  // the equatorial line going north
    Lambda out;
    const double salp0 = az.salp1 * p.cbet1;
    const double calp0 = std::hypot(az.calp1, az.salp1 * p.sbet1);
    out.ssig1 = p.sbet1;
    const double somg1 = salp0 * p.sbet1;
    out.csig1 = az.calp1 * p.cbet1;
    const double comg1 = out.csig1;
    Normalise(out.ssig1, out.csig1);
    az.salp2 = p.cbet2 != p.cbet1 ? salp0 / p.cbet2 : az.salp1;
    az.calp2 = p.cbet2 != p.cbet1 || std::fabs(p.sbet2) != -p.sbet1
                   ? std::sqrt(Square(az.calp1 * p.cbet1) +
                               (p.cbet1 < -p.sbet1 ? (p.cbet2 - p.cbet1) * (p.cbet1 + p.cbet2)
                                                   : (p.sbet1 - p.sbet2) * (p.sbet1 + p.sbet2))) /
                         p.cbet2
                   : std::fabs(az.calp1);
    out.ssig2 = p.sbet2;
    const double somg2 = salp0 * p.sbet2;
    out.csig2 = az.calp2 * p.cbet2;
    const double comg2 = out.csig2;
    Normalise(out.ssig2, out.csig2);
    out.sig12 = std::atan2(std::max(0.0, out.csig1 * out.ssig2 - out.ssig1 * out.csig2),
                           out.csig1 * out.csig2 + out.ssig1 * out.ssig2);
    const double somg12 = std::max(0.0, comg1 * somg2 - somg1 * comg2);
    const double comg12 = comg1 * comg2 + somg1 * somg2;
    const double eta = std::atan2(somg12 * clam120 - comg12 * slam120, comg12 * clam120 + somg12 * slam120);
    out.eps = Epsilon(Square(calp0) * e.ep2);
    const Coefficients c3 = C3(e, out.eps);
    const double b312 = SineSeries(out.ssig2, out.csig2, c3, kOrder - 1) -
                        SineSeries(out.ssig1, out.csig1, c3, kOrder - 1);
    const double domg12 = -e.f * A3(e, out.eps) * salp0 * (out.sig12 + b312);
    out.v = eta + domg12;
    if (derivative) {
        if (az.calp2 == 0) {
            out.dv = -2 * e.f1 * p.dn1 / p.sbet1;
        } else {
            const Lengths l = LengthsOf(out.eps, out.sig12, out.ssig1, out.csig1, p.dn1, out.ssig2, out.csig2, p.dn2);
            out.dv = l.m12b * e.f1 / (az.calp2 * p.cbet2);
        }
    }
    return out;
}

}  // namespace

ExactGeodesic ExactInverse(double phi1, double lambda1, double phi2, double lambda2, double a, double f) {
    FloatingPointGuard guard("GeodeticInverse");
    const Ellipsoid e = MakeEllipsoid(a, f);

    // Canonical order: 0 <= lam12 <= pi, lat1 <= 0, |lat2| <= |lat1|.
    double lam12 = std::remainder(lambda2 - lambda1, 2 * kTruePi);
    int lonsign = std::signbit(lam12) ? -1 : 1;
    lam12 = std::fabs(lam12);
    double lat1 = std::clamp(phi1, -kTruePi / 2, kTruePi / 2);
    double lat2 = std::clamp(phi2, -kTruePi / 2, kTruePi / 2);
    const int swapp = std::fabs(lat1) < std::fabs(lat2) ? -1 : 1;
    if (swapp < 0) {
        lonsign = -lonsign;
        std::swap(lat1, lat2);
    }
    const int latsign = std::signbit(lat1) ? 1 : -1;
    lat1 *= latsign;
    lat2 *= latsign;
    const double slam12 = std::sin(lam12), clam12 = std::cos(lam12);

    Ends p{};
    p.sbet1 = e.f1 * std::sin(lat1);
    p.cbet1 = std::cos(lat1);
    Normalise(p.sbet1, p.cbet1);
    p.cbet1 = std::max(kTiny, p.cbet1);
    p.sbet2 = e.f1 * std::sin(lat2);
    p.cbet2 = std::cos(lat2);
    Normalise(p.sbet2, p.cbet2);
    p.cbet2 = std::max(kTiny, p.cbet2);
    // Both points on one parallel (or at one pole) must stay exactly so.
    if (p.cbet1 < -p.sbet1) {
        if (p.cbet2 == p.cbet1) p.sbet2 = std::copysign(p.sbet1, p.sbet2);
    } else if (std::fabs(p.sbet2) == -p.sbet1) {
        p.cbet2 = p.cbet1;
    }
    p.dn1 = std::sqrt(1 + e.ep2 * Square(p.sbet1));
    p.dn2 = std::sqrt(1 + e.ep2 * Square(p.sbet2));

    Azimuths az;
    double s12x = 0;
    bool meridian = lat1 == -kTruePi / 2 || slam12 == 0;
    if (meridian) {
        az = {slam12, clam12, 0, 1};
        const double ssig1 = p.sbet1, csig1 = az.calp1 * p.cbet1;
        const double ssig2 = p.sbet2, csig2 = az.calp2 * p.cbet2;
        const double sig12 = std::atan2(std::max(0.0, csig1 * ssig2 - ssig1 * csig2), csig1 * csig2 + ssig1 * ssig2);
        const Lengths l = LengthsOf(e.n, sig12, ssig1, csig1, p.dn1, ssig2, csig2, p.dn2);
        if (sig12 < 1 || l.m12b >= 0) {
            s12x = e.b * l.s12b;
        } else {
            meridian = false;  // past the conjugate point: not the shortest line
        }
    }
    if (!meridian && p.sbet1 == 0 && kTruePi - lam12 >= e.f * kTruePi) {
        az = {1, 0, 1, 0};  // along the equator
        s12x = e.a * lam12;
    } else if (!meridian) {
        double dnm = 1;
        const double sig12 = InverseStart(e, p, lam12, slam12, clam12, az, dnm);
        if (sig12 >= 0) {
            s12x = sig12 * e.b * dnm;
        } else {
            double salp1a = kTiny, calp1a = 1, salp1b = kTiny, calp1b = -1;
            Lambda last;
            bool newton_close = false, bisection_done = false;
            for (int step = 0; step < kAllSteps; ++step) {
                last = Lambda12(e, p, az, slam12, clam12, step < kNewtonSteps);
                if (bisection_done || !(std::fabs(last.v) >= (newton_close ? 8 : 1) * kTolerance0)) break;
                // Keep the bracket of the root.
                if (last.v > 0 && (step > kNewtonSteps || az.calp1 / az.salp1 > calp1b / salp1b)) {
                    salp1b = az.salp1;
                    calp1b = az.calp1;
                } else if (last.v < 0 && (step > kNewtonSteps || az.calp1 / az.salp1 < calp1a / salp1a)) {
                    salp1a = az.salp1;
                    calp1a = az.calp1;
                }
                if (step < kNewtonSteps && last.dv > 0) {
                    const double dalp1 = -last.v / last.dv;
                    if (std::fabs(dalp1) < kTruePi) {
                        const double sdalp1 = std::sin(dalp1), cdalp1 = std::cos(dalp1);
                        const double nsalp1 = az.salp1 * cdalp1 + az.calp1 * sdalp1;
                        if (nsalp1 > 0) {
                            az.calp1 = az.calp1 * cdalp1 - az.salp1 * sdalp1;
                            az.salp1 = nsalp1;
                            Normalise(az.salp1, az.calp1);
                            newton_close = std::fabs(last.v) <= 16 * kTolerance0;
                            continue;
                        }
                    }
                }
                // Newton left the bracket: bisect it.
                az.salp1 = (salp1a + salp1b) / 2;
                az.calp1 = (calp1a + calp1b) / 2;
                Normalise(az.salp1, az.calp1);
                newton_close = false;
                bisection_done = std::fabs(salp1a - az.salp1) + (calp1a - az.calp1) < kBisectionTolerance ||
                                 std::fabs(az.salp1 - salp1b) + (az.calp1 - calp1b) < kBisectionTolerance;
            }
            const Lengths l = LengthsOf(last.eps, last.sig12, last.ssig1, last.csig1, p.dn1, last.ssig2, last.csig2,
                                        p.dn2);
            s12x = e.b * l.s12b;
        }
    }

    // Back from the canonical order.
    if (swapp < 0) {
        std::swap(az.salp1, az.salp2);
        std::swap(az.calp1, az.calp2);
    }
    az.salp1 *= swapp * lonsign;
    az.calp1 *= swapp * latsign;
    az.salp2 *= swapp * lonsign;
    az.calp2 *= swapp * latsign;
    ExactGeodesic out;
    out.distance = s12x;
    out.azimuth1 = std::atan2(az.salp1, az.calp1);
    out.azimuth2 = std::atan2(az.salp2, az.calp2);
    guard.Check();
    return {RequireFinite(out.distance, "GeodeticInverse"), RequireFinite(out.azimuth1, "GeodeticInverse"),
            RequireFinite(out.azimuth2, "GeodeticInverse")};
}

}  // namespace engine
