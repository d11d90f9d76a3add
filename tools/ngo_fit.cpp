// ngo_fit: derives the coefficients of "ngo-data.vdx" by least squares from
// the exact chain NGO 1948 grid -> ED50/UTM of tools/ngo_exact_chain.h, and
// checks the written file through the program's own NgoToUtm.
//
//   ngo_fit OUTPUT.vdx
//
// Each axis polynomial (degree 4, complex) is fitted to a grid of samples
// over the axis's area; the axis's x origin is the middle of the area's x
// range, which centres the fit. The western axes I ... III keep identity
// area rows (N = 6800000 + R, E = 500000 + I); the Moere axes share them,
// as no separate figures exist. The one-zone step (degree 5, complex) is
// fitted to the exact change of UTM zone on International 1924 between 57.5°
// and 71.5°N for points up to 6° of longitude either side of the source
// zone's central meridian. Residuals are measured on a second, offset grid.
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "datums/special_tables.h"
#include "engine/ngo.h"
#include "tools/ngo_exact_chain.h"

namespace {

using namespace ngo_chain;

struct Sample {
    double u, v;   // scaled complex argument
    double re, im; // target
};

// Least squares for P(z) = c[0] z^(n-1) + ... + c[n-1], complex coefficients,
// by Householder QR of the real 2m x 2n system (well conditioned enough for
// millimetres with |z| below one).
template <std::size_t n>
void FitComplexPolynomial(const std::vector<Sample>& samples, std::array<double, n>& re,
                          std::array<double, n>& im) {
    const std::size_t rows = 2 * samples.size(), cols = 2 * n;
    std::vector<std::vector<double>> A(rows, std::vector<double>(cols));
    std::vector<double> b(rows);
    for (std::size_t s = 0; s < samples.size(); ++s) {
        double pr = 1, pi = 0;  // z^k, k from 0 upward; column of c[n-1-k]
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t j = n - 1 - k;
            A[2 * s][2 * j] = pr;
            A[2 * s][2 * j + 1] = -pi;
            A[2 * s + 1][2 * j] = pi;
            A[2 * s + 1][2 * j + 1] = pr;
            const double nr = pr * samples[s].u - pi * samples[s].v;
            pi = pr * samples[s].v + pi * samples[s].u;
            pr = nr;
        }
        b[2 * s] = samples[s].re;
        b[2 * s + 1] = samples[s].im;
    }
    for (std::size_t k = 0; k < cols; ++k) {
        double norm = 0;
        for (std::size_t i = k; i < rows; ++i) norm += A[i][k] * A[i][k];
        norm = std::sqrt(norm);
        const double alpha = A[k][k] > 0 ? -norm : norm;
        std::vector<double> w(rows, 0);
        for (std::size_t i = k; i < rows; ++i) w[i] = A[i][k];
        w[k] -= alpha;
        double wnorm2 = 0;
        for (std::size_t i = k; i < rows; ++i) wnorm2 += w[i] * w[i];
        if (wnorm2 == 0) continue;
        for (std::size_t j = k; j < cols; ++j) {
            double dot = 0;
            for (std::size_t i = k; i < rows; ++i) dot += w[i] * A[i][j];
            const double f = 2 * dot / wnorm2;
            for (std::size_t i = k; i < rows; ++i) A[i][j] -= f * w[i];
        }
        double dot = 0;
        for (std::size_t i = k; i < rows; ++i) dot += w[i] * b[i];
        const double f = 2 * dot / wnorm2;
        for (std::size_t i = k; i < rows; ++i) b[i] -= f * w[i];
    }
    std::vector<double> x(cols);
    for (std::size_t k = cols; k-- > 0;) {
        double s = b[k];
        for (std::size_t j = k + 1; j < cols; ++j) s -= A[k][j] * x[j];
        x[k] = s / A[k][k];
    }
    for (std::size_t j = 0; j < n; ++j) {
        re[j] = x[2 * j];
        im[j] = x[2 * j + 1];
    }
}

constexpr double kAxisUnit = 536870.912;
constexpr double kStepUnit = 1073741.824;
constexpr double kStepOrigin = 7208634.841;

// Samples over a latitude/longitude box; offset 0.5 puts them between the fit samples.
template <typename F>
void ForEachSample(const AxisArea& area, int count, double offset, F&& f) {
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < count; ++j) {
            const double lat = area.south + (area.north - area.south) * (i + offset) / (count - 1);
            const double lon = area.west + (area.east - area.west) * (j + offset) / (count - 1);
            if (lat > area.north || lon > area.east) continue;
            f(lat * kDeg, lon * kDeg);
        }
}

struct Residual {
    double max = 0, sum2 = 0;
    int count = 0;
    void Add(double d) {
        max = std::max(max, d);
        sum2 += d * d;
        ++count;
    }
    double Rms() const { return std::sqrt(sum2 / count); }
};

std::string Number(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

const AxisArea kZoneStepArea{57.5, 71.5, -6.0, 6.0};  // longitudes relative to the source meridian

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: ngo_fit OUTPUT.vdx\n";
        return 2;
    }
    engine::NgoTables t;
    for (auto& row : t.area_params) row = {0, 0, 0.912, 0};

    for (int a = 1; a <= 8; ++a) {
        const auto axis = AxisProjection(a);
        const AxisArea area = AxisFitArea(a);
        double xmin = 1e300, xmax = -1e300;
        ForEachSample(area, 41, 0, [&](double lat, double lon) {
            double x, y;
            Forward(axis, lat, lon, x, y);
            xmin = std::min(xmin, x);
            xmax = std::max(xmax, x);
        });
        const double origin = std::round((xmin + xmax) / 2);
        t.axis_origin[a - 1] = origin;
        const double off_n = a <= 3 ? 6800000.0 : 0.0, off_e = a <= 3 ? 500000.0 : 0.0;
        std::vector<Sample> samples;
        ForEachSample(area, 41, 0, [&](double lat, double lon) {
            double x, y, n, e;
            Forward(axis, lat, lon, x, y);
            NgoToUtmExact(a, x, y, NaturalZone(a), n, e);
            // Large constant parts are taken off for the fit and put back afterwards.
            samples.push_back({(x - origin) / kAxisUnit, y / kAxisUnit, n - off_n - 7000000.0 * (a > 3),
                               e - off_e - 500000.0 * (a > 3)});
        });
        FitComplexPolynomial(samples, t.axis_re[a - 1], t.axis_im[a - 1]);
        if (a > 3) {
            t.axis_re[a - 1][4] += 7000000.0;
            t.axis_im[a - 1][4] += 500000.0;
        }
    }

    {
        const auto from = UtmProjection(32);
        std::vector<Sample> samples;
        ForEachSample(kZoneStepArea, 57, 0, [&](double lat, double dlon) {
            double n, e, n2, e2;
            Forward(from, lat, dlon + 9 * kDeg, n, e);
            UtmZoneChangeExact(32, 33, n, e, n2, e2);
            samples.push_back({(n - kStepOrigin) / kStepUnit, (e - 500000.0) / kStepUnit, n2 - 7000000.0,
                               e2 - 500000.0});
        });
        FitComplexPolynomial(samples, t.zone_step_re, t.zone_step_im);
        t.zone_step_re[5] += 7000000.0;
        t.zone_step_im[5] += 500000.0;
    }

    // Residuals through the program's own evaluation of the file as written.
    const std::string path = argv[1];
    auto write = [&](const std::string& axis_caption, const std::string& step_caption) {
        std::ofstream out(path);
        out << "NGO 1948 axis x origins (m), axes I ... VIII. " << axis_caption << "\n";
        for (int a = 0; a < 8; ++a) out << Number(t.axis_origin[a]) << (a < 7 ? "," : "\n");
        out << "Area similarity rows 1 ... 14 (B1, B2, B3, B4): identity, N = 6800000 + R, E = 500000 + I; "
               "the Moere areas 13 and 14 share the rows of axes I and II, no separate figures exist\n";
        for (const auto& row : t.area_params)
            out << Number(row[0]) << "," << Number(row[1]) << "," << Number(row[2]) << "," << Number(row[3]) << "\n";
        out << "One-zone step, real coefficients (degree 5 first). " << step_caption << "\n";
        for (int k = 0; k < 6; ++k) out << Number(t.zone_step_re[k]) << (k < 5 ? "," : "\n");
        out << "One-zone step, imaginary coefficients (degree 5 first)\n";
        for (int k = 0; k < 6; ++k) out << Number(t.zone_step_im[k]) << (k < 5 ? "," : "\n");
        out << "Axis polynomials I ... VIII: 5 real then 5 imaginary coefficients (degree 4 first), one axis a line\n";
        for (int a = 0; a < 8; ++a) {
            for (int k = 0; k < 5; ++k) out << Number(t.axis_re[a][k]) << ",";
            for (int k = 0; k < 5; ++k) out << Number(t.axis_im[a][k]) << (k < 4 ? "," : "\n");
        }
        if (!out) throw std::runtime_error("cannot write " + path);
    };
    write("", "");
    const engine::NgoTables loaded = datums::LoadNgoFile(path);

    std::string axis_report, step_report;
    static const char* names[8] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII"};
    for (int a = 1; a <= 8; ++a) {
        Residual res;
        ForEachSample(AxisFitArea(a), 41, 0.5, [&](double lat, double lon) {
            double x, y, n, e;
            Forward(AxisProjection(a), lat, lon, x, y);
            NgoToUtmExact(a, x, y, NaturalZone(a), n, e);
            const auto r = engine::NgoToUtm(loaded, x, y, a, NaturalZone(a));
            res.Add(std::hypot(r.northing - n, r.easting - e));
        });
        char buf[120];
        std::snprintf(buf, sizeof buf, "%s%s max %.4f rms %.4f", a > 1 ? ", " : "", names[a - 1], res.max,
                      res.Rms());
        axis_report += buf;
        std::printf("axis %-4s origin %.0f  max %.4f m  rms %.4f m  (%d points)\n", names[a - 1],
                    t.axis_origin[a - 1], res.max, res.Rms(), res.count);
    }
    {
        Residual east, west;
        ForEachSample(kZoneStepArea, 57, 0.5, [&](double lat, double dlon) {
            double n, e, n2, e2;
            Forward(UtmProjection(33), lat, dlon + 15 * kDeg, n, e);
            UtmZoneChangeExact(33, 34, n, e, n2, e2);
            double pn = n, pe = e;
            engine::NgoZoneStep(loaded, true, pn, pe);
            east.Add(std::hypot(pn - n2, pe - e2));
            UtmZoneChangeExact(33, 32, n, e, n2, e2);
            pn = n;
            pe = e;
            engine::NgoZoneStep(loaded, false, pn, pe);
            west.Add(std::hypot(pn - n2, pe - e2));
        });
        char buf[200];
        std::snprintf(buf, sizeof buf, "east max %.4f rms %.4f, west max %.4f rms %.4f", east.max, east.Rms(),
                      west.max, west.Rms());
        step_report = buf;
        std::printf("zone step east max %.4f m rms %.4f m; west max %.4f m rms %.4f m\n", east.max, east.Rms(),
                    west.max, west.Rms());
    }
    write("Fitted by tools/ngo_fit.cpp to Bessel NGO Transverse Mercator axes (origin 58N, Oslo 10d43m22.5s E), "
          "NGO 1948 to WGS 84 EPSG 1654, WGS 84 to ED50 NIMA TR8350.2 EUROPEAN 1950 Norway & Finland "
          "(-87,-95,-120), ED50/UTM International 1924. Residuals (m): " + axis_report,
          "Fitted to the exact change of UTM zone on International 1924, 57.5-71.5N, up to 6 deg either "
          "side of the source meridian. Residuals (m): " + step_report);
    return 0;
}
