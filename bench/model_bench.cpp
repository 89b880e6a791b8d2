// Benchmarks of the weathering model: whole runs of the heaviest and of a
// typical scenario, on one thread and on all, and the floor of each: the
// transcendental calls (exp, pow, log, sqrt, cbrt, log10) that the run makes,
// with the same spread of arguments, alone in a tight loop. A run cannot be
// cheaper on one thread than its floor.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "bench/math_census.h"
#include "bench/scenarios.h"
#include "model/run.h"
#include "model/spreading.h"
#include "model/weathering_model.h"
#include "model/worker_pool.h"

namespace ormix {
namespace {

constexpr int kSamples = 1 << 16;

const ormixbench::MathCensus& Census(int which) {
    static ormixbench::MathCensus census[2];
    static bool taken[2] = {false, false};
    if (!taken[which]) {
        census[which] = ormixbench::TakeCensus(which, kSamples);
        taken[which] = true;
    }
    return census[which];
}

// Arguments: scenario (0 heaviest, 1 typical), threads (0: all cores).
void BM_Run(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    int threads = static_cast<int>(state.range(1));
    if (threads == 0) threads = WorkerPool::DefaultThreads();
    bench::Scenario scenario = bench::ByNumber(which);
    auto m = std::make_unique<WeatheringModel>();
    m->run.random.Seed(1);
    for (auto _ : state) {
        m->Reset();
        FillModel(*m, scenario.Set());
        if (!m->SetUp()) {
            state.SkipWithError("set-up failed");
            return;
        }
        RunModel(*m, {.threads = threads});
        benchmark::DoNotOptimize(m->results.result[m->run.numSteps - 1].remaining.best);
    }
    state.SetLabel(which == 0 ? "heaviest" : "typical");
    state.counters["threads"] = threads;
    state.counters["LEs"] = m->les.numLEs;
    state.counters["steps"] = m->run.numSteps;
    state.counters["sizeof_model_bytes"] = static_cast<double>(sizeof(WeatheringModel));
}
BENCHMARK(BM_Run)
    ->ArgNames({"scenario", "threads"})
    ->Args({0, 1})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({1, 0})
    ->Unit(benchmark::kMillisecond);

double Call(int f, double x, double y) {
    switch (f) {
        case 0:
            return std::exp(x);
        case 1:
            return std::pow(x, y);
        case 2:
            return std::log(x);
        case 3:
            return std::sqrt(x);
        case 4:
            return std::cbrt(x);
        default:
            return std::log10(x);
    }
}

// Every transcendental call of one run of the scenario, and nothing else.
template <int F>
double Replay(const ormixbench::MathCensus& c) {
    const std::vector<double>& xs = c.x[F];
    const std::vector<double>& ys = c.y[F];
    const size_t n = xs.size();
    double acc = 0;
    size_t i = 0;
    for (long long k = 0; k < c.count[F]; ++k) {
        acc += Call(F, xs[i], ys[i]);
        if (++i == n) i = 0;
    }
    return acc;
}

void BM_Floor(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const ormixbench::MathCensus& c = Census(which);
    if (!c.ok) {
        state.SkipWithError("census run failed");
        return;
    }
    for (auto _ : state) {
        double acc =
            Replay<0>(c) + Replay<1>(c) + Replay<2>(c) + Replay<3>(c) + Replay<4>(c) + Replay<5>(c);
        benchmark::DoNotOptimize(acc);
    }
    state.SetLabel(which == 0 ? "heaviest" : "typical");
    long long total = 0;
    for (int f = 0; f < ormixbench::kCensusFunctions; ++f) {
        state.counters[ormixbench::kCensusNames[f]] = static_cast<double>(c.count[f]);
        total += c.count[f];
    }
    state.counters["calls"] = static_cast<double>(total);
}
BENCHMARK(BM_Floor)->ArgName("scenario")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ormix

BENCHMARK_MAIN();
