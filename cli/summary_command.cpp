#include "cli/summary_command.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli/console_sink.h"
#include "cli/scenario_options.h"
#include "output/scenario_summary.h"

namespace ormix {

int RunSummaryCommand(const RunOptions& options, std::ostream& out, MessageSink& messages) {
    auto doc = std::make_unique<CSpillDoc>(std::time(nullptr), options.workDir, options.library);
    doc->sink = &messages;
    if (!LoadScenarioFile(options.file, *doc, messages)) return 1;
    const bool solved = SolveAndReport(*doc, options.seed, messages);
    out << SummaryText(BuildScenarioSummary(*doc));
    return solved ? 0 : 1;
}

void AddSummaryCommand(CLI::App& app) {
    auto options = std::make_shared<RunOptions>();
    auto* cmd = app.add_subcommand("summary", "Summarise a spill scenario's inputs");
    AddScenarioOptions(cmd, *options);
    cmd->callback([options]() {
        ConsoleSink sink;
        int rc = RunSummaryCommand(*options, std::cout, sink);
        if (rc != 0) throw CLI::RuntimeError(rc);
    });
}

}  // namespace ormix
