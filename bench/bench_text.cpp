// Speed of the angle texts: the sheet rewrites dozens of rows after every edit.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/notices.h"
#include "text/angle_text.h"
#include "text/number_text.h"

namespace {

void BM_FormatDMS(benchmark::State& state) {
    double angle = 60.504305555555556;
    for (auto _ : state) {
        benchmark::DoNotOptimize(text::FormatDMS(angle, text::AngleKind::Latitude, 4));
        angle += 1e-7;
    }
}
BENCHMARK(BM_FormatDMS);

void BM_FormatDM(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(text::FormatDM(-3.2512345, text::AngleKind::Longitude, 4));
}
BENCHMARK(BM_FormatDM);

void BM_ParseDMS(benchmark::State& state) {
    const platform::NoticeSink silent;
    for (auto _ : state) {
        std::string typed = "60 30 15,5";
        benchmark::DoNotOptimize(text::ParseDMS(typed, text::AngleKind::Latitude, 4, silent));
        benchmark::DoNotOptimize(typed);
    }
}
BENCHMARK(BM_ParseDMS);

void BM_ParseDMSNormalised(benchmark::State& state) {
    const platform::NoticeSink silent;
    for (auto _ : state) {
        std::string typed = "060\u00B0 30' 15.5000\" W";
        benchmark::DoNotOptimize(text::ParseDMS(typed, text::AngleKind::Longitude, 4, silent));
    }
}
BENCHMARK(BM_ParseDMSNormalised);

void BM_FormatGrouped(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(text::FormatGrouped(-6666666.666666667, "0.00"));
}
BENCHMARK(BM_FormatGrouped);

}  // namespace
