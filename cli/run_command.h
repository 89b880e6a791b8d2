// `ormix run SCENARIO.json`: loads a scenario, runs it and reports.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "core/messages.h"
#include "scenario/spill_doc.h"

namespace CLI {
class App;
}

namespace ormix {

struct RunOptions {
    std::string file;
    std::optional<std::uint32_t> seed;
    std::string workDir = ".";
    std::string library;  // an oil library file in place of OilLib in workDir
};

// Runs the loaded scenario with the seed given (or one drawn, kept in the
// document's runSeed) and tells on `messages` why the run covers fewer than
// 120 hours. False when the run has no results (the reason has been shown).
bool SolveAndReport(CSpillDoc& doc, const std::optional<std::uint32_t>& seed,
                    MessageSink& messages);

// Loads and runs; 0 on success, 1 when the scenario is refused or the run
// fails (the reason has gone to `messages`).
int LoadAndRun(const RunOptions& options, CSpillDoc& doc, MessageSink& messages);

// Reads a scenario file into the document; false when it is refused (the
// reason has gone to `messages`).
bool LoadScenarioFile(const std::string& path, CSpillDoc& doc, MessageSink& messages);

// A short account of the run's results, the amounts in budget unit `unit`
// (a volume or mass unit).
void PrintRunSummary(const CSpillDoc& doc, std::ostream& out, int unit = 0);

void AddRunCommand(CLI::App& app);

}  // namespace ormix
