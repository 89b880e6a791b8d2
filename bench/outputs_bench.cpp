// Benchmarks of the outputs, which a view rebuilds on every redraw: a
// graph's series, the oil budget table, the ICS table and the scenario
// summary, for a 120-hour example scenario with uncertainty.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "output/budget_table.h"
#include "output/graph_series.h"
#include "output/ics_table.h"
#include "output/scenario_summary.h"
#include "scenario/scenario_json.h"

namespace ormix {
namespace {

// examples/scenarios/uncertainty.json, run once with seed 1.
class SolvedExample {
public:
    SolvedExample() {
        char pattern[] = "/tmp/ormix-bench-XXXXXX";
        if (!mkdtemp(pattern)) std::abort();
        dir_ = pattern;
        doc_ = std::make_unique<CSpillDoc>(0, dir_, ORMIX_SOURCE_DIR "/data/OilLib");
        std::ifstream in(ORMIX_SOURCE_DIR "/examples/scenarios/uncertainty.json");
        std::ostringstream text;
        text << in.rdbuf();
        doc_->runSeed = 1;
        if (!LoadScenarioJson(text.str(), *doc_).ok || !doc_->Solve()) std::abort();
    }
    ~SolvedExample() { std::filesystem::remove_all(dir_); }
    const CSpillDoc& Doc() const { return *doc_; }

private:
    std::string dir_;
    std::unique_ptr<CSpillDoc> doc_;
};

const SolvedExample& Example() {
    static const SolvedExample example;
    return example;
}

void BM_GraphSeriesEveryKind(benchmark::State& state) {
    const WeatheringModel& m = Example().Doc().Model();
    for (auto _ : state) {
        for (int kind : {0, 1, 2, 3, 4, 6, 7, 8, 9, 10})
            benchmark::DoNotOptimize(BuildGraphSeries(m, kind, kind == 1 ? 1 : 2));
        benchmark::DoNotOptimize(BuildBudgetGraphSeries(m, 2));
    }
}
BENCHMARK(BM_GraphSeriesEveryKind)->Unit(benchmark::kMicrosecond);

void BM_OilBudgetTable(benchmark::State& state) {
    const CSpillDoc& doc = Example().Doc();
    BudgetTableChoices choices = InitialBudgetTableChoices(doc);
    choices.time = BudgetTimeColumn::Dates;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildOilBudgetTable(doc, choices));
}
BENCHMARK(BM_OilBudgetTable)->Unit(benchmark::kMicrosecond);

void BM_IcsTable(benchmark::State& state) {
    const CSpillDoc& doc = Example().Doc();
    const IcsPeriod period = InitialIcsPeriod(doc.SpillTime);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildIcsTable(doc, period));
}
BENCHMARK(BM_IcsTable)->Unit(benchmark::kMicrosecond);

// The summary prepares the oil at the water temperature, as a run does.
void BM_ScenarioSummary(benchmark::State& state) {
    const CSpillDoc& doc = Example().Doc();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildScenarioSummary(doc));
}
BENCHMARK(BM_ScenarioSummary)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ormix
