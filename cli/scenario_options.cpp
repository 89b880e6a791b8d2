#include "cli/scenario_options.h"

#include <CLI/CLI.hpp>
#include <ctime>

namespace ormix {

void AddScenarioOptions(CLI::App* cmd, RunOptions& options) {
    cmd->add_option("SCENARIO", options.file, "Scenario: JSON (.json) or scenario file (.qsx)")
        ->required();
    cmd->add_option("--seed", options.seed, "Seed of the random generator (reproducible run)");
    cmd->add_option("--workdir", options.workDir,
                    "Directory of the oil libraries and the diagnostic files (default: .)");
    cmd->add_option("--library", options.library,
                    "Oil library file to use instead of OilLib in the working directory");
}

std::unique_ptr<CSpillDoc> LoadAndSolve(const RunOptions& options, MessageSink& messages, int& rc) {
    auto doc = std::make_unique<CSpillDoc>(std::time(nullptr), options.workDir, options.library);
    rc = LoadAndRun(options, *doc, messages);
    return doc;
}

}  // namespace ormix
