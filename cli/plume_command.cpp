#include "cli/plume_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>

#include "calculators/plume_json.h"
#include "calculators/smoke_plume_dialog.h"
#include "cli/console_sink.h"
#include "cli/text_files.h"

namespace ormix {

namespace {

const char* const* const kClassNames = kPlumeLegend;

// The class's reach and heights, the source point at the water left out.
void PrintClass(const PlumeResult& r, int k, std::ostream& out) {
    const PlumeEnvelope& e = r.envelope[k];
    double lowest = e.lower[1], highest = e.upper[1];
    for (int i = 1; i < kPlumePoints; ++i) {
        if (e.lower[i] < lowest) lowest = e.lower[i];
        if (e.upper[i] > highest) highest = e.upper[i];
    }
    const int last = kPlumePoints - 1;
    char line[200];
    std::snprintf(line, sizeof line,
                  "%s: LOC distance = %.0f m%s; envelope between %.0f m and %.0f m above the "
                  "water\n",
                  kClassNames[k], e.x[last], e.x[last] >= 20000 ? " (or farther)" : "", lowest,
                  highest);
    out << line;
}

}  // namespace

void WritePlumeEnvelopesCsv(const PlumeResult& r, std::ostream& out) {
    out << "Stability," << kPlumeDistanceAxis << ",Lower height (m),Upper height (m)\n";
    char line[160];
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < kPlumePoints; ++i) {
            const PlumeEnvelope& e = r.envelope[k];
            std::snprintf(line, sizeof line, "%s,%.6g,%.6g,%.6g\n", kClassNames[k], e.x[i],
                          e.lower[i], e.upper[i]);
            out << line;
        }
}

int RunPlumeCommand(const PlumeCommandOptions& options, std::ostream& out, MessageSink& messages) {
    std::string text, error;
    if (!ReadTextFile(options.file, text, error)) {
        messages.Error(options.file + ": " + error);
        return 1;
    }
    PlumeDialogInput in;
    PageCheck check = LoadSmokePlume(text, in);
    if (!check.accepted) {
        messages.Error(options.file + ": " + check.message);
        return 1;
    }
    auto result = std::make_unique<PlumeResult>();
    if (RunSmokePlume(in, *result, messages) != 0) return 1;
    if (!options.csv.empty()) {
        std::ostringstream csv;
        WritePlumeEnvelopesCsv(*result, csv);
        if (!WriteTextFile(options.csv, csv.str(), error)) {
            messages.Error(options.csv + ": " + error);
            return 1;
        }
    }

    out << result->title << '\n' << result->subtitle << '\n';
    for (const std::string& line : PlumeReportLines(in, *result))
        out << line << '\n';
    out << '\n';
    PrintClass(*result, 0, out);
    PrintClass(*result, 1, out);
    char line[160];
    std::snprintf(line, sizeof line, "Envelope heights, both classes: %.0f m to %.0f m\n",
                  result->minHeight, result->maxHeight);
    out << line;
    return 0;
}

void AddPlumeCommand(CLI::App& app) {
    auto options = std::make_shared<PlumeCommandOptions>();
    auto* cmd = app.add_subcommand(
        "plume",
        "Smoke plume of an in-situ burn: LOC distance and envelope, neutral and stable air");
    cmd->add_option("BURN", options->file, "JSON file of the burn and smoke plume entries")
        ->required();
    cmd->add_option("--csv", options->csv, "Write both envelopes to this CSV file");
    cmd->callback([options]() {
        ConsoleSink sink;
        int rc = RunPlumeCommand(*options, std::cout, sink);
        if (rc != 0) throw CLI::RuntimeError(rc);
    });
}

}  // namespace ormix
