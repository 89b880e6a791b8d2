// Benchmarks of the side calculators: one smoke plume (both classes) and one
// leaking tank release (200 curve points, 120 hourly volumes).
#include <benchmark/benchmark.h>

#include "calculators/leaking_tank.h"
#include "calculators/smoke_plume.h"

namespace ormix {
namespace {

void BM_SmokePlume(benchmark::State& state) {
    SilentSink sink;
    PlumeResult r;
    for (auto _ : state) {
        int rc = ComputeSmokePlume(r, 150, 500, 0.01, 0.00004, 293.15, 291.48, 5.144, 24.8, 915,
                                   273.15, sink);
        benchmark::DoNotOptimize(rc);
        benchmark::DoNotOptimize(r.maxHeight);
    }
}
BENCHMARK(BM_SmokePlume)->Unit(benchmark::kMicrosecond);

void BM_TankRelease(benchmark::State& state) {
    InputTank in;
    in.flag = true;
    in.tHeight = in.tWidth = in.tLength = 10;
    in.oVol = 800;
    in.oUnits = 3;
    in.hDiam = 0.05;
    in.hArea = 0.05 * 0.05 * kPi / 4;
    in.zHeight = 1;
    in.wHeight = state.range(0);  // 0: vented, 3: underwater
    SilentSink sink;
    TankModel t;
    double hourly[kHours];
    for (auto _ : state) {
        PrepareTankModel(t, in);
        int d = ComputeTankRelease(t, 1025, 870, hourly, sink);
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(hourly[0]);
    }
}
BENCHMARK(BM_TankRelease)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ormix
