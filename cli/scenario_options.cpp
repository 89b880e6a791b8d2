#include "cli/scenario_options.h"

#include <CLI/CLI.hpp>
#include <ctime>

#include "cli/run_notes.h"
#include "cli/work_dir.h"

namespace ormix {

void AddScenarioOptions(CLI::App* cmd, RunOptions& options) {
    cmd->add_option("SCENARIO", options.file, "Scenario: JSON (.json) or scenario file (.qsx)")
        ->required();
    AddSeedOption(cmd, options.seed);
    cmd->add_option("--workdir", options.workDir,
                    "Directory of the oil libraries and the diagnostic files (default: .)")
        ->check(ExistingWorkDir());
    cmd->add_option("--library", options.library,
                    "Oil library file to use instead of OilLib in the working directory");
}

std::unique_ptr<CSpillDoc> LoadAndSolve(const RunOptions& options, MessageSink& messages, int& rc) {
    auto doc = std::make_unique<CSpillDoc>(std::time(nullptr), options.workDir, options.library);
    rc = LoadAndRun(options, *doc, messages);
    return doc;
}

}  // namespace ormix
