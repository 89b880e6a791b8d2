#include "cli/run_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/budget_table_options.h"
#include "cli/console_sink.h"
#include "cli/oil_library_hint.h"
#include "cli/run_notes.h"
#include "cli/scenario_options.h"
#include "cli/text_files.h"
#include "cli/unit_names.h"
#include "core/scoped_value.h"
#include "output/budget_units.h"
#include "output/output_series.h"
#include "scenario/calendar.h"
#include "scenario/scenario_file.h"
#include "scenario/scenario_json.h"

namespace ormix {

bool LoadScenarioFile(const std::string& path, CSpillDoc& doc, MessageSink& messages) {
    // A saved scenario file is opened as the desktop opens it; anything else
    // is read as a JSON scenario.
    if (HasScenarioFileExtension(path)) {
        ScenarioFileResult r;
        {
            ScopedValue<MessageSink*> speak(doc.sink, &messages);
            r = OpenScenarioFile(doc, path);
        }
        if (!r.ok) messages.Error(r.message);
        return r.ok;
    }
    std::string text, error;
    if (!ReadTextFile(path, text, error)) {
        messages.Error(path + ": " + error);
        return false;
    }
    ScenarioLoadResult r = LoadScenarioJson(text, doc);
    ShowLoadMessages(path, r, messages);
    if (!r.ok) {
        HintAfterRefusal(r.path, doc, messages);
        return false;
    }
    return true;
}

bool SolveAndReport(CSpillDoc& doc, const std::optional<std::uint32_t>& seed,
                    MessageSink& messages) {
    doc.sink = &messages;
    doc.runSeed = SeedOfRun(seed);
    if (!doc.Solve()) return false;
    const std::string note = RunLengthNote(doc.Model(), doc.SpillTime);
    if (!note.empty()) messages.Information(note);
    return true;
}

int LoadAndRun(const RunOptions& options, CSpillDoc& doc, MessageSink& messages) {
    doc.sink = &messages;
    if (!LoadScenarioFile(options.file, doc, messages)) return 1;
    if (!ReportMissingInputs(options.file, doc, messages)) return 1;
    return SolveAndReport(doc, options.seed, messages) ? 0 : 1;
}

namespace {

// One amount of the budget in `unit`, and in percent of the oil released.
struct BudgetLines {
    int unit;
    double density;  // for the mass units
    double released;

    void Line(std::ostream& out, const char* name, double m3) const {
        if (m3 == NoData) return;
        char buf[160];
        std::snprintf(buf, sizeof buf, "  %-18s %14.2f %s %8.1f %%\n", name,
                      ConvertBudgetValue(unit, m3, released, density), BudgetUnitTableLabel(unit),
                      released > 0 ? 100 * m3 / released : 0.0);
        out << buf;
    }
};

}  // namespace

void PrintRunSummary(const CSpillDoc& doc, std::ostream& out, int unit) {
    const WeatheringModel& m = doc.Model();
    if (m.run.numSteps < 1) return;
    const StepResult& last = m.results.result[m.run.numSteps - 1];
    double released = last.released.best;
    const BudgetLines budget{unit, MassUnitDensity(m), released};
    char buf[200];
    out << "Oil: " << doc.OilName << "\n";
    out << FormatTime(doc.SpillTime, "Spill time: %B %d, %H%M hours") << "\n";
    std::snprintf(buf, sizeof buf, "Run: %d hours, %d steps of %d s, %d LEs\n", m.run.numHours,
                  m.run.numSteps, m.run.deltat, m.les.numLEs);
    out << buf;
    if (doc.runSeed) {
        std::snprintf(buf, sizeof buf, "Seed: %u (the same seed repeats the run: --seed %u)\n",
                      static_cast<unsigned>(*doc.runSeed), static_cast<unsigned>(*doc.runSeed));
        out << buf;
    }
    std::snprintf(buf, sizeof buf, "Oil budget after %d hours (best estimate):\n", m.run.numHours);
    out << buf;
    budget.Line(out, "Released", released);
    budget.Line(out, "Evaporated", last.evaporated.best);
    budget.Line(out, "Dispersed", last.dispersed.best);
    if (m.results.result[0].burned.best != NoData) budget.Line(out, "Burned", last.burned.best);
    if (m.results.result[0].skimmed.best != NoData) budget.Line(out, "Skimmed", last.skimmed.best);
    if (m.results.result[0].beached.best != NoData) budget.Line(out, "Beached", last.beached.best);
    budget.Line(out, "Remaining afloat", last.remaining.best);
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
                  "Print a short account of the run instead of the table: hours, steps, LEs, "
                  "the seed, the final budget (in cu m, or in the --released unit) and the "
                  "oil's properties");
    cmd->callback([options, table, account]() {
        ConsoleSink sink;
        int rc = 0;
        auto doc = LoadAndSolve(*options, sink, rc);
        if (rc != 0) throw CLI::RuntimeError(rc);
        if (*account)
            PrintRunSummary(
                *doc, std::cout,
                table->released.empty() ? kBudgetCubicMetres : BudgetUnitNamed(table->released));
        else
            PrintBudgetTable(*doc, BudgetTableChoicesFor(*doc, *table), std::cout);
        // The results are printed; a dump that could not be written still fails.
        if (doc->dumpFailed) throw CLI::RuntimeError(1);
    });
}

}  // namespace ormix
