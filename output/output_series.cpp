#include "output/output_series.h"

#include <algorithm>

#include "output/budget_units.h"

namespace ormix {

OutputSeries EmptySeries(const WeatheringModel& m, int K) {
    OutputSeries s;
    s.stepCount = std::clamp(m.run.numSteps, 0, kMaxSteps);
    s.hours = m.run.stepsPerHour > 0 ? s.stepCount / m.run.stepsPerHour : 0;
    if (s.hours == 0) s.stepCount = 0;  // less than an hour of results: nothing to show
    s.series.resize(K);
    for (auto& values : s.series)
        values.fill(NoData);
    s.names.resize(K);
    return s;
}

double MassUnitDensity(const WeatheringModel& m) {
    return m.inputs.oil.rhoRef_value[0];
}

OutputSeries BuildBudgetTableSeries(const WeatheringModel& m, int unit) {
    static constexpr const char* kNames[kBudgetSeriesCount] = {
        "Evaporated", "Dispersed", "Burned", "Skimmed", "Beached", "Remaining", "Total"};
    OutputSeries out = EmptySeries(m, kBudgetSeriesCount);
    out.title = "Oil Budget";
    out.units = BudgetUnitGraphLabel(unit);
    const double density = MassUnitDensity(m);
    double largest[kBudgetSeriesCount] = {};
    for (int s = 0; s < out.stepCount; ++s) {
        const StepResult& r = m.results.result[s];
        const double reference = r.released.best;
        const double values[kBudgetSeriesCount] = {
            r.evaporated.best, r.dispersed.best, r.burned.best,  r.skimmed.best,
            r.beached.best,    r.remaining.best, r.released.best};
        for (int k = 0; k < kBudgetSeriesCount; ++k) {
            double v = ConvertBudgetValue(unit, values[k], reference, density);
            out.series[k][s] = v;
            largest[k] = std::max(largest[k], v);
        }
        out.maximum = std::max(out.maximum, out.series[kBudgetReleased][s]);
    }
    for (int k = 0; k < kBudgetReleased; ++k)
        if (largest[k] > 0) out.names[k] = kNames[k];
    out.names[kBudgetReleased] = kNames[kBudgetReleased];
    return out;
}

}  // namespace ormix
