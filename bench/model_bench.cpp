// Benchmarks of the weathering model.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/spreading.h"
#include "model/weathering_model.h"

namespace ormix {
namespace {

// The heaviest scenario: 120 hours, a large instantaneous spill beside a
// continuous trickle (so that nearly every hour adds LEs: about 480 in all),
// with volume, wind and emulsion uncertainty all on (nine runs).
struct Heaviest {
    InputOil oil;
    InputWater water;
    InputWindWave wind;
    InputInstant instant;
    InputContinuous continuous;
    InputUncertainty uncertainty;

    Heaviest() {
        oil.api = 30;
        oil.rhoRef_value[0] = 876;
        oil.rhoRef_temp[0] = 288.7;
        oil.viscRef_value[0] = 2e-5;
        oil.viscRef_temp[0] = 288.15;
        oil.viscRef_fevap[0] = 0;
        water.temperature = 15;
        water.tempUnits = 2;
        water.speed = 0.2;
        water.speedUnits = 3;
        water.direction = 45;
        wind.num = 120;
        wind.speedUnits = 3;
        for (int h = 0; h < 120; ++h) {
            wind.speed[h] = 5 + (h % 24) * 0.5;
            wind.direction[h] = 200 + (h % 12) * 10;
        }
        instant = {true, 1, 20000, kVolCubicMetres};
        continuous = {true, 1, 120, 0.5, 0.5, 3};
        uncertainty.volFlag = 1;
        uncertainty.vol = 20;
        uncertainty.windFlag = 1;
        uncertainty.wind = 3;
        uncertainty.windUnits = 3;
        uncertainty.emulFlag = 1;
        uncertainty.emul = 10;
        uncertainty.emulUnits = 1;
    }

    InputRecordSet Set() const {
        InputRecordSet s;
        s.oil = &oil;
        s.water = &water;
        s.windWave = &wind;
        s.instant = &instant;
        s.continuous = &continuous;
        s.uncertainty = &uncertainty;
        return s;
    }
};

void BM_FullRun120h(benchmark::State& state) {
    Heaviest scenario;
    auto m = std::make_unique<WeatheringModel>();
    m->random.Seed(1);
    for (auto _ : state) {
        m->Reset();
        FillModel(*m, scenario.Set());
        m->SetUp();
        Spread(*m);
        m->Run(false);
        benchmark::DoNotOptimize(m->result[m->numSteps - 1].remaining.best);
    }
    state.counters["LEs"] = m->numLEs;
    state.counters["steps"] = m->numSteps;
    state.counters["sizeof_model_bytes"] = static_cast<double>(sizeof(WeatheringModel));
}
BENCHMARK(BM_FullRun120h)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ormix

BENCHMARK_MAIN();
