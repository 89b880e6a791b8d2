// What every command that runs a scenario shares: the scenario file, the
// seed, the working directory and the oil library, and the loading and the
// run itself (as `ormix run` does them).
#pragma once

#include <memory>

#include "cli/run_command.h"

namespace CLI {
class App;
}

namespace ormix {

// Adds SCENARIO, --seed, --workdir and --library to a command.
void AddScenarioOptions(CLI::App* cmd, RunOptions& options);

// A document for the options' working directory and oil library, loaded
// from the scenario file and run. `rc` is 0, or 1 when the scenario was
// refused or the run failed (the reason has gone to `messages`).
std::unique_ptr<CSpillDoc> LoadAndSolve(const RunOptions& options, MessageSink& messages, int& rc);

}  // namespace ormix
