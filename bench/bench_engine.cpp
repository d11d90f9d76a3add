// Speed of the engine's core conversions. Targets: GeogToCart, HelmertShift and the
// forward projection under 200 ns; CartToGeog and the inverse projection under 2 us.
#include <benchmark/benchmark.h>

#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "engine/helmert.h"
#include "engine/transverse_mercator.h"

namespace {

constexpr double kA = 6378137.0;
constexpr double kE2 = 0.0066943799901413165;
const double kLat = 60.5 * engine::kRadPerDeg, kLon = 4.25 * engine::kRadPerDeg;

void BM_GeogToCart(benchmark::State& state) {
    double lat = kLat;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::GeogToCart(lat, kLon, 100.0, kA, kE2));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GeogToCart);

void BM_CartToGeog(benchmark::State& state) {
    // Seeded at 0 0, the worst start the program uses (twopoint-calc's default).
    const auto xyz = engine::GeogToCart(kLat, kLon, 100.0, kA, kE2);
    for (auto _ : state) benchmark::DoNotOptimize(engine::CartToGeog(xyz, 0.0, 0.0, kA, kE2));
}
BENCHMARK(BM_CartToGeog);

void BM_HelmertShift(benchmark::State& state) {
    const engine::SevenParameters p{-116.641, -56.931, -110.559, 4.33e-6, 4.47e-6, -4.45e-6, -3.52e-6};
    const auto xyz = engine::GeogToCart(kLat, kLon, 100.0, kA, kE2);
    for (auto _ : state) benchmark::DoNotOptimize(engine::HelmertShift(p, 1.0, xyz));
}
BENCHMARK(BM_HelmertShift);

void BM_TransverseMercatorForward(benchmark::State& state) {
    const auto pc = engine::SetupProjection(31, false, kA, kE2);
    for (auto _ : state) benchmark::DoNotOptimize(engine::GeogToGrid(pc, kLat, kLon));
}
BENCHMARK(BM_TransverseMercatorForward);

void BM_TransverseMercatorInverse(benchmark::State& state) {
    const auto pc = engine::SetupProjection(31, false, kA, kE2);
    const auto g = engine::GeogToGrid(pc, kLat, kLon);
    for (auto _ : state) benchmark::DoNotOptimize(engine::GridToGeog(pc, g.N, g.E));
}
BENCHMARK(BM_TransverseMercatorInverse);

}  // namespace
