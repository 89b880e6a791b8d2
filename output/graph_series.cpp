#include "output/graph_series.h"

#include <algorithm>

#include "output/budget_units.h"

namespace ormix {

namespace {

struct KindInfo {
    int kind;
    const char* title;
};

constexpr KindInfo kKinds[] = {
    {kBenzeneGraph, "Airborne Benzene Concentration"},
    {kDensityGraph, "Oil Density"},
    {kViscosityGraph, "Oil Viscosity"},
    {kWaterGraph, "Water Content in Oil"},
    {kRemainGraph, "Oil Remaining"},
    {kEvaporationGraph, "Oil Evaporated"},
    {kDisperseGraph, "Oil Dispersed"},
    {kBurnGraph, "Oil Burned"},
    {kSkimGraph, "Oil Skimmed"},
    {kBeachGraph, "Oil Beached"},
    {kOilBudgetGraph, "Oil Budget"},
};

// A budget graph's triple for one step.
const Triple* BudgetQuantity(const StepResult& r, int kind) {
    switch (kind) {
        case kRemainGraph:
            return &r.remaining;
        case kEvaporationGraph:
            return &r.evaporated;
        case kDisperseGraph:
            return &r.dispersed;
        case kBurnGraph:
            return &r.burned;
        case kSkimGraph:
            return &r.skimmed;
        case kBeachGraph:
            return &r.beached;
    }
    return nullptr;
}

const Quad& PropertyQuantity(const StepResult& r, int kind) {
    switch (kind) {
        case kDensityGraph:
            return r.density;
        case kViscosityGraph:
            return r.viscosity;
        case kWaterGraph:
            return r.water;
    }
    return r.benzene;
}

double ConvertProperty(const WeatheringModel& m, int kind, int unit, double v) {
    switch (kind) {
        case kBenzeneGraph:
            return unit == kBenzenePpm && v >= 0 ? v : NoData;
        case kDensityGraph:
            return ConvertDensity(unit, v);
        case kViscosityGraph:
            return ConvertViscosity(unit, v, m.setup.InitialOil.rho0, m.inputs.waterTemp);
        case kWaterGraph:
            return ConvertWaterContent(unit, v);
    }
    return NoData;
}

void WidenRange(OutputSeries& out) {
    for (const auto& values : out.series)
        for (int s = 0; s < out.stepCount; ++s) {
            double v = values[s];
            if (v == NoData) continue;
            out.maximum = std::max(out.maximum, v);
            out.minimum = std::min(out.minimum, v);
        }
}

void AdjustRange(OutputSeries& out, int kind, int unit) {
    if (kind == kDensityGraph) {
        if (out.minimum > 0) out.minimum = ConvertDensity(unit, 500.0);
        if (out.maximum > 0) out.maximum = ConvertDensity(unit, 1100.0);
    } else if (kind == kWaterGraph) {
        if (out.minimum > 0) out.minimum = 0;
        if (out.maximum > 0) out.maximum = ConvertWaterContent(unit, 1.0);
    } else if (IsBudgetGraph(kind)) {
        if (out.minimum > 0) out.minimum = 0;
        if (out.maximum > 0 && unit == kBudgetFraction) out.maximum = 1.0;
        if (out.maximum > 0 && unit == kBudgetPercent) out.maximum = 100.0;
    }
}

}  // namespace

bool IsGraphKind(int kind) {
    return kind >= kBenzeneGraph && kind <= kOilBudgetGraph && kind != 5;
}

bool IsBudgetGraph(int kind) {
    return IsGraphKind(kind) && kind >= kRemainGraph;
}

const char* GraphTitle(int kind) {
    for (const KindInfo& k : kKinds)
        if (k.kind == kind) return k.title;
    return "";
}

const char* GraphUnitLabel(int kind, int unit) {
    switch (kind) {
        case kBenzeneGraph:
            return unit == kBenzenePpm ? "ppm" : "";
        case kDensityGraph:
            return unit == kDensityKgPerCubicMetre ? "kg/cu m"
                   : unit == kDensityGramsPerCc    ? "g/cc"
                                                   : "";
        case kViscosityGraph:
            return unit == kViscosityCentistokes  ? "cSt"
                   : unit == kViscosityCentipoise ? "cP"
                   : unit == kViscositySaybolt    ? "SUS"
                                                  : "";
        case kWaterGraph:
            return unit == kWaterFraction ? "fraction" : unit == kWaterPercent ? "percent" : "";
    }
    return IsBudgetGraph(kind) ? BudgetUnitGraphLabel(unit) : "";
}

bool IsGraphUnit(int kind, int unit) {
    return *GraphUnitLabel(kind, unit) != '\0';
}

double ConvertDensity(int unit, double v) {
    if (v < 0) return NoData;
    if (unit == kDensityKgPerCubicMetre) return v;
    if (unit == kDensityGramsPerCc) return v / 1000.0;
    return NoData;
}

double ConvertWaterContent(int unit, double v) {
    if (v < 0) return NoData;
    if (unit == kWaterFraction) return v;
    if (unit == kWaterPercent) return v * 100.0;
    return NoData;
}

double ConvertViscosity(int unit, double v, double oilDensity, double waterTemperature) {
    if (v < 0) return NoData;
    const double cSt = v * 1000000.0;
    switch (unit) {
        case kViscosityCentistokes:
            return cSt;
        case kViscosityCentipoise:
            return oilDensity > 0 ? cSt * oilDensity / 1000.0 : NoData;
        case kViscositySaybolt: {
            // Saybolt Universal Seconds: 4.62 s per cSt at 100 deg F, with the
            // usual correction for the temperature of the oil in deg F.
            if (waterTemperature <= 0) return NoData;
            const double fahrenheit = waterTemperature * 9.0 / 5.0 - 459.67;
            return cSt * 4.62 * ((fahrenheit - 100.0) * 0.000064 + 1.0);
        }
    }
    return NoData;
}

OutputSeries BuildGraphSeries(const WeatheringModel& m, int kind, int unit) {
    if (!IsGraphKind(kind) || kind == kOilBudgetGraph) {
        OutputSeries none;
        none.series.resize(4);
        none.names.resize(4);
        return none;
    }
    OutputSeries out = EmptySeries(m, 4);
    out.title = GraphTitle(kind);
    out.units = GraphUnitLabel(kind, unit);
    const double density = MassUnitDensity(m);
    for (int s = 0; s < out.stepCount; ++s) {
        const StepResult& r = m.results.result[s];
        if (const Triple* t = BudgetQuantity(r, kind)) {
            out.series[0][s] = ConvertBudgetValue(unit, t->low, r.released.low, density);
            out.series[1][s] = ConvertBudgetValue(unit, t->best, r.released.best, density);
            out.series[3][s] = ConvertBudgetValue(unit, t->high, r.released.high, density);
        } else {
            const Quad& q = PropertyQuantity(r, kind);
            out.series[0][s] = ConvertProperty(m, kind, unit, q.low);
            out.series[1][s] = ConvertProperty(m, kind, unit, q.mean);
            out.series[2][s] = ConvertProperty(m, kind, unit, q.mean2);
            out.series[3][s] = ConvertProperty(m, kind, unit, q.high);
        }
    }
    WidenRange(out);
    AdjustRange(out, kind, unit);
    return out;
}

OutputSeries BuildBudgetGraphSeries(const WeatheringModel& m, int unit) {
    OutputSeries out = BuildBudgetTableSeries(m, unit);
    out.minimum = 0;
    return out;
}

}  // namespace ormix
