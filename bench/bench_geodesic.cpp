// Speed of the geodesic and navigation values. Targets: GeodeticInverse (distance and
// azimuth) and GeodeticDirect under 1 us; great circle with rhumb line under 0.5 us.
#include <benchmark/benchmark.h>

#include "engine/constants.h"
#include "engine/geodesic.h"
#include "engine/sphere.h"

namespace {

constexpr double kA = 6378137.0;
constexpr double kF = 1 / 298.257223563;
const double kLat1 = 60 * engine::kRadPerDeg, kLon1 = 3 * engine::kRadPerDeg;
const double kLat2 = 61 * engine::kRadPerDeg, kLon2 = 4 * engine::kRadPerDeg;

void BM_GeodeticInverse(benchmark::State& state) {
    engine::GeodeticLine line;
    double lat2 = kLat2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lat2);
        engine::GeodeticInverse(kLat1, kLon1, lat2, kLon2, engine::InverseMode::DistanceAndAzimuth, line,
                                kA * (1 - kF), kF);
        benchmark::DoNotOptimize(line);
    }
}
BENCHMARK(BM_GeodeticInverse);

void BM_GeodeticDirect(benchmark::State& state) {
    double s = 124233.1272;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(engine::GeodeticDirect(kLat1, kLon1, s, 0.45, kA, kF * (2 - kF)));
    }
}
BENCHMARK(BM_GeodeticDirect);

void BM_GreatCircleRhumbLine(benchmark::State& state) {
    engine::SphereCourses courses;
    double lat2 = kLat2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lat2);
        benchmark::DoNotOptimize(engine::GreatCircleRhumbLine(kLat1, kLon1, lat2, kLon2, courses));
        benchmark::DoNotOptimize(courses);
    }
}
BENCHMARK(BM_GreatCircleRhumbLine);

}  // namespace
