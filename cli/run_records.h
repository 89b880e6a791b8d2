// `ormix run-records`: runs the model from input records given as JSON and
// prints the oil budget of every time step.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "core/messages.h"
#include "model/weathering_model.h"

namespace CLI {
class App;
}

namespace ormix {

struct RunRecordsOptions {
    std::string file;
    std::optional<std::uint32_t> seed;
    std::string workDir = ".";
};

// Reset, fill, set-up, spreading and run (with the core dump). Returns 0 on
// success; otherwise the reason has gone to `messages`.
int RunRecords(const RunRecordsOptions& options, WeatheringModel& model, MessageSink& messages);

// The per-step budget of the best run: hours, released, afloat, evaporated,
// dispersed (m3).
void PrintStepBudget(const WeatheringModel& model, std::ostream& out);

void AddRunRecordsCommand(CLI::App& app);

}  // namespace ormix
