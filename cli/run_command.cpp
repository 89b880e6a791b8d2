#include "cli/run_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/budget_table_options.h"
#include "cli/console_sink.h"
#include "cli/scenario_options.h"
#include "cli/text_files.h"
#include "scenario/calendar.h"
#include "scenario/scenario_file.h"
#include "scenario/scenario_json.h"

namespace ormix {

bool LoadScenarioFile(const std::string& path, CSpillDoc& doc, MessageSink& messages) {
    // A saved scenario file is opened as the desktop opens it; anything else
    // is read as a JSON scenario.
    if (HasScenarioFileExtension(path)) {
        MessageSink* sink = doc.sink;
        doc.sink = &messages;
        ScenarioFileResult r = OpenScenarioFile(doc, path);
        doc.sink = sink;
        if (!r.ok) messages.Error(r.message);
        return r.ok;
    }
    std::string text, error;
    if (!ReadTextFile(path, text, error)) {
        messages.Error(path + ": " + error);
        return false;
    }
    ScenarioLoadResult r = LoadScenarioJson(text, doc);
    for (const Message& m : r.messages)
        messages.Show(m.kind, m.text);
    if (!r.ok) {
        std::string where = r.path.empty() ? path : path + ": " + r.path;
        messages.Show(r.refusal.kind, where + ": " + r.refusal.text);
        return false;
    }
    return true;
}

int LoadAndRun(const RunOptions& options, CSpillDoc& doc, MessageSink& messages) {
    doc.sink = &messages;
    doc.runSeed = options.seed;
    if (!LoadScenarioFile(options.file, doc, messages)) return 1;
    return doc.Solve() ? 0 : 1;
}

namespace {

void Line(std::ostream& out, const char* name, double m3, double released) {
    char buf[160];
    if (m3 == NoData) return;
    std::snprintf(buf, sizeof buf, "  %-18s %14.2f cu m %8.1f %%\n", name, m3,
                  released > 0 ? 100 * m3 / released : 0.0);
    out << buf;
}

}  // namespace

void PrintRunSummary(const CSpillDoc& doc, std::ostream& out) {
    const WeatheringModel& m = doc.Model();
    if (m.numSteps < 1) return;
    const StepResult& last = m.result[m.numSteps - 1];
    double released = last.released.best;
    char buf[200];
    out << "Oil: " << doc.OilName << "\n";
    out << FormatTime(doc.SpillTime, "Spill time: %B %d, %H%M hours") << "\n";
    std::snprintf(buf, sizeof buf, "Run: %d hours, %d steps of %d s, %d LEs\n", m.numHours,
                  m.numSteps, m.deltat, m.numLEs);
    out << buf;
    std::snprintf(buf, sizeof buf, "Oil budget after %d hours (best estimate):\n", m.numHours);
    out << buf;
    Line(out, "Released", released, released);
    Line(out, "Evaporated", last.evaporated.best, released);
    Line(out, "Dispersed", last.dispersed.best, released);
    if (m.result[0].burned.best != NoData) Line(out, "Burned", last.burned.best, released);
    if (m.result[0].skimmed.best != NoData) Line(out, "Skimmed", last.skimmed.best, released);
    if (m.result[0].beached.best != NoData) Line(out, "Beached", last.beached.best, released);
    Line(out, "Remaining afloat", last.remaining.best, released);
    std::snprintf(buf, sizeof buf,
                  "Oil afloat at the end: density %.1f kg/m3, viscosity %.0f cSt, water content "
                  "%.0f %%\n",
                  last.density.mean, last.viscosity.mean * 1e6,
                  last.water.mean == NoData ? 0.0 : last.water.mean * 100);
    out << buf;
}

void AddRunCommand(CLI::App& app) {
    auto options = std::make_shared<RunOptions>();
    auto table = std::make_shared<BudgetTableOptions>();
    auto account = std::make_shared<bool>(false);
    auto* cmd = app.add_subcommand("run", "Run a spill scenario and print its oil budget table");
    AddScenarioOptions(cmd, *options);
    AddBudgetTableOptions(cmd, *table);
    cmd->add_flag("--account", *account,
                  "Print a short account of the run (hours, steps, LEs, the final budget and "
                  "oil properties) instead of the table");
    cmd->callback([options, table, account]() {
        ConsoleSink sink;
        int rc = 0;
        auto doc = LoadAndSolve(*options, sink, rc);
        if (rc != 0) throw CLI::RuntimeError(rc);
        if (*account)
            PrintRunSummary(*doc, std::cout);
        else
            PrintBudgetTable(*doc, BudgetTableChoicesFor(*doc, *table), std::cout);
        // The results are printed; a dump that could not be written still fails.
        if (doc->dumpFailed) throw CLI::RuntimeError(1);
    });
}

}  // namespace ormix
