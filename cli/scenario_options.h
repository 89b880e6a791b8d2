// What every command that runs a scenario shares: the scenario file, the
// seed, the working directory and the oil library, and the loading and the
// run itself (as `ormix run` does them).
#pragma once

#include <memory>

#include "cli/run_command.h"
#include "scenario/scenario_json.h"

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

// A message about a scenario file on one line, "FILE: JSON.PATH: message"
// (without the path when there is none): a message box's heading and its
// lines are joined ("Problem with the Input: Sorry, ...").
std::string ScenarioMessageLine(const std::string& file, const std::string& path,
                                const std::string& text);

// Shows what loading a JSON scenario said, each message on its line with the
// file and the JSON path: the warnings on the way, then the refusal if any
// (as an error, whatever box its dialog shows it in).
void ShowLoadMessages(const std::string& file, const ScenarioLoadResult& r, MessageSink& messages);

// Before a run: refuses a scenario that lacks an input the run needs, one
// line per missing section (JSON path "oil", "wind", "water", "releases").
// True when the scenario can run.
bool ReportMissingInputs(const std::string& file, const CSpillDoc& doc, MessageSink& messages);

}  // namespace ormix
