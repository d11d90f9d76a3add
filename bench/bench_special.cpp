// Speed of the special transformations and of the geoid lookups.
#include <benchmark/benchmark.h>

#include <string>

#include "datums/geoid_files.h"
#include "datums/special_tables.h"
#include "engine/constants.h"
#include "engine/geoid.h"
#include "engine/ngo.h"
#include "engine/north_sea.h"
#include "engine/rt38.h"

namespace {

const std::string kData = TWOPOINT_TEST_DATA_DIR;

void BM_ShiftED50ED87(benchmark::State& state) {
    const auto t = datums::LoadNorthSeaFile(kData + "/NorthSea.vdx");
    // Latitude from the argument: 56 (polynomial), 63.5 (blend), 67 (seven parameters).
    const double lat = state.range(0) / 10.0 * engine::kRadPerDeg, lon = 3 * engine::kRadPerDeg;
    for (auto _ : state) benchmark::DoNotOptimize(engine::ShiftED50ED87(t, 0, lat, lon, 10));
}
BENCHMARK(BM_ShiftED50ED87)->Arg(560)->Arg(635)->Arg(670);

void BM_NgoToUtm(benchmark::State& state) {
    const auto t = datums::LoadNgoFile(kData + "/ngo-data.vdx");
    const int zone = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(engine::NgoToUtm(t, 120000, -35000, 2, zone));
}
BENCHMARK(BM_NgoToUtm)->Arg(32)->Arg(34);

void BM_Rt38ToUtm33(benchmark::State& state) {
    double x = 6600000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::Rt38ToUtm33(x, 1500000));
        x += 0.001;
    }
}
BENCHMARK(BM_Rt38ToUtm33);

void BM_GeoidOneQuadrant(benchmark::State& state) {
    engine::GeoidFiles files = datums::GeoidFilesIn(kData);
    double lat = 58, lon = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::GeoidEGM96(files, lat, lon));
        lat += 0.0007;
        lon += 0.0011;
        if (lat > 72) lat = 58;
        if (lon > 30) lon = 2;
    }
    state.counters["lookups/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GeoidOneQuadrant);

}  // namespace
