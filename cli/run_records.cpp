#include "cli/run_records.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/console_sink.h"
#include "cli/records_json.h"
#include "cli/run_notes.h"
#include "cli/text_files.h"
#include "cli/work_dir.h"
#include "core/scoped_value.h"
#include "model/run.h"

namespace ormix {

namespace {

std::string Cell(double v) {
    char buf[32];
    if (v == NoData)
        std::snprintf(buf, sizeof buf, "%14s", "-");
    else
        std::snprintf(buf, sizeof buf, "%14.3f", v);
    return buf;
}

}  // namespace

int RunRecords(const RunRecordsOptions& options, WeatheringModel& m, MessageSink& messages) {
    std::string text, error;
    ModelRecords records;
    if (!ReadTextFile(options.file, text, error) || !ParseModelRecords(text, records, error)) {
        messages.Error(options.file + ": " + error);
        return 1;
    }
    ScopedValue<MessageSink*> speak(m.run.sink, &messages);
    m.run.workDir = options.workDir;
    m.run.random.Seed(SeedOfRun(options.seed));

    m.Reset();
    FillModel(m, records.RecordSet());
    if (!m.SetUp()) {
        messages.Error("The model could not be set up; the run has no results.");
        return 1;
    }
    if (m.run.numSteps < 1) {
        messages.Error("No wind speed is given for any hour: the run has no hours.");
        return 1;
    }
    if (!RunModel(m, {.coreDump = true})) return 1;
    m.CopyRemovalsToEnvelope();
    const std::string note = RunLengthNote(m, std::nullopt);
    if (!note.empty()) messages.Information(note);
    return 0;
}

void PrintStepBudget(const WeatheringModel& m, std::ostream& out) {
    out << "   hours      released (m3)  afloat (m3)  evaporated (m3) dispersed (m3)\n";
    for (int s = 0; s < m.run.numSteps; ++s) {
        const StepResult& r = m.results.result[s];
        char hours[16];
        std::snprintf(hours, sizeof hours, "%8.3f",
                      static_cast<double>(s + 1) / m.run.stepsPerHour);
        out << hours << Cell(r.released.best) << Cell(r.remaining.best) << Cell(r.evaporated.best)
            << Cell(r.dispersed.best) << '\n';
    }
}

void AddRunRecordsCommand(CLI::App& app) {
    auto options = std::make_shared<RunRecordsOptions>();
    auto* cmd = app.add_subcommand(
        "run-records", "Run the model from input records given as JSON (developer entry)");
    cmd->add_option("FILE", options->file, "JSON file of input records")->required();
    AddSeedOption(cmd, options->seed);
    cmd->add_option("--workdir", options->workDir,
                    std::string("Directory where OrmixCore.dmp is written") + kWorkDirDefault)
        ->check(ExistingWorkDir());
    cmd->callback([options]() {
        ConsoleSink sink;
        auto model = std::make_unique<WeatheringModel>();
        int rc = RunRecords(*options, *model, sink);
        if (rc == 0) PrintStepBudget(*model, std::cout);
        // The results are printed; a dump that could not be written still fails.
        if (rc == 0 && model->results.dumpFailed) rc = 1;
        if (rc != 0) throw CLI::RuntimeError(rc);
    });
}

}  // namespace ormix
