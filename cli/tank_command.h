// `ormix tank`: the leaking tank calculator from its pages' entries as JSON.
#pragma once

#include <iosfwd>
#include <string>

#include "calculators/tank_wizard.h"
#include "core/messages.h"

namespace CLI {
class App;
}

namespace ormix {

struct TankCommandOptions {
    std::string file;
    std::string csv;  // where to write the two curves; empty: none
};

// Runs the steps and Step 7; prints the results on `out`. Returns 0, or 1
// with the reason sent to `messages`.
int RunTankCommand(const TankCommandOptions& options, std::ostream& out, MessageSink& messages);

// The "Oil Released" and "Levels Inside Tank" curves, one row per point.
void WriteTankCurvesCsv(const TankCurves& curves, std::ostream& out);

void AddTankCommand(CLI::App& app);

}  // namespace ormix
