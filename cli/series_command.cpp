#include "cli/series_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/console_sink.h"
#include "cli/scenario_options.h"
#include "cli/unit_names.h"
#include "output/budget_units.h"
#include "output/graph_series.h"
#include "output/graph_units.h"

namespace ormix {

namespace {

struct NamedKind {
    const char* name;
    int kind;
};

constexpr NamedKind kKindNames[] = {
    {"benzene", kBenzeneGraph},    {"density", kDensityGraph},  {"viscosity", kViscosityGraph},
    {"water", kWaterGraph},        {"remaining", kRemainGraph}, {"evaporated", kEvaporationGraph},
    {"dispersed", kDisperseGraph}, {"burned", kBurnGraph},      {"skimmed", kSkimGraph},
    {"beached", kBeachGraph},      {"budget", kOilBudgetGraph},
};

}  // namespace

int GraphKindNamed(const std::string& name) {
    for (const NamedKind& k : kKindNames)
        if (name == k.name) return k.kind;
    return -1;
}

int GraphUnitNamed(int kind, const std::string& name) {
    // Budget quantities share the budget units' names with --released.
    if (IsBudgetGraph(kind)) {
        const int unit = BudgetUnitNamed(name);
        return IsGraphUnit(kind, unit) ? unit : -1;
    }
    for (int unit = 0; unit <= kBudgetMetricTons; ++unit) {
        std::string label = GraphUnitLabel(kind, unit);
        if (!label.empty() && Dashed(name) == Dashed(label)) return unit;
    }
    return -1;
}

std::string GraphUnitNames(int kind) {
    std::string names;
    for (int unit = 0; unit <= kBudgetMetricTons; ++unit) {
        std::string label = GraphUnitLabel(kind, unit);
        if (label.empty()) continue;
        if (!names.empty()) names += ", ";
        names += IsBudgetGraph(kind) ? BudgetUnitName(unit) : Dashed(label);
    }
    return names;
}

bool ChooseGraphNamed(const std::string& graph, const std::string& unit, GraphChoice& choice,
                      MessageSink& messages) {
    choice.kind = GraphKindNamed(graph);
    if (choice.kind < 0) {
        messages.Error("--graph " + graph +
                       ": expected one of benzene, density, viscosity, water, remaining, "
                       "evaporated, dispersed, burned, skimmed, beached, budget");
        return false;
    }
    choice.unit = unit.empty() ? -1 : GraphUnitNamed(choice.kind, unit);
    if (!unit.empty() && choice.unit < 0) {
        messages.Error("--unit " + unit + ": the " + graph + " graph's units are " +
                       GraphUnitNames(choice.kind));
        return false;
    }
    return true;
}

void WriteSeriesJson(const OutputSeries& s, int kind, const std::string& graphName,
                     std::ostream& out) {
    auto value = [](double v) { return v == NoData ? nlohmann::json() : nlohmann::json(v); };
    nlohmann::ordered_json j;
    j["graph"] = graphName;
    j["title"] = s.title;
    j["unit"] = s.units;
    j["hours"] = s.hours;
    j["stepCount"] = s.stepCount;
    j["minimum"] = value(s.minimum);
    j["maximum"] = value(s.maximum);
    nlohmann::json times = nlohmann::json::array();
    for (int step = 0; step < s.stepCount; ++step)
        times.push_back(s.HoursAt(step));
    j["time"] = times;
    nlohmann::ordered_json series = nlohmann::ordered_json::array();
    for (const SeriesColumn& c : SeriesColumns(s, kind)) {
        nlohmann::json values = nlohmann::json::array();
        for (int step = 0; step < s.stepCount; ++step)
            values.push_back(value(s.series[c.index][step]));
        series.push_back({{"name", c.name}, {"values", values}});
    }
    j["series"] = series;
    out << j.dump() << "\n";
}

int RunSeriesCommand(const SeriesCommandOptions& options, std::ostream& out,
                     MessageSink& messages) {
    GraphChoice choice;
    if (!ChooseGraphNamed(options.graph, options.unit, choice, messages)) return 1;
    const int kind = choice.kind, named = choice.unit;
    int rc = 0;
    auto doc = LoadAndSolve(options.run, messages, rc);
    if (rc != 0) return rc;
    if (named >= 0) ChooseGraphUnit(*doc, kind, named);
    const int unit = GraphUnitOf(*doc, kind);
    const OutputSeries s = kind == kOilBudgetGraph ? BuildBudgetGraphSeries(doc->Model(), unit)
                                                   : BuildGraphSeries(doc->Model(), kind, unit);
    if (options.format == "json")
        WriteSeriesJson(s, kind, options.graph, out);
    else
        WriteSeriesCsv(s, kind, out);
    return doc->dumpFailed ? 1 : 0;
}

void AddSeriesCommand(CLI::App& app) {
    auto options = std::make_shared<SeriesCommandOptions>();
    auto* cmd = app.add_subcommand(
        "series", "Run a spill scenario and print the series one of its graphs draws");
    AddScenarioOptions(cmd, options->run);
    cmd->add_option("--graph", options->graph,
                    "benzene, density, viscosity, water, remaining, evaporated, dispersed, "
                    "burned, skimmed, beached or budget")
        ->required();
    cmd->add_option("--unit", options->unit,
                    "Unit of the graph (default: the scenario's), e.g. kg/cu-m, g/cc, cSt, cP, "
                    "SUS, fraction, percent, cu-m, bbl, gal, tons, metric-tons");
    cmd->add_option("--format", options->format, "csv (default) or json")
        ->check(CLI::IsMember({"csv", "json"}));
    cmd->callback([options]() {
        ConsoleSink sink;
        int rc = RunSeriesCommand(*options, std::cout, sink);
        if (rc != 0) throw CLI::RuntimeError(rc);
    });
}

}  // namespace ormix
