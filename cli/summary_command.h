// `ormix summary SCENARIO`: the scenario summary, section by section.
#pragma once

#include <iosfwd>

#include "cli/run_command.h"

namespace CLI {
class App;
}

namespace ormix {

// Loads and runs the scenario (the run estimates the onset of
// emulsification), then prints the summary; a failed run still prints it
// and returns 1. A refused scenario prints nothing and returns 1.
int RunSummaryCommand(const RunOptions& options, std::ostream& out, MessageSink& messages);

void AddSummaryCommand(CLI::App& app);

}  // namespace ormix
