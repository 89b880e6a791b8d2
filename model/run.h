// The run of the weathering model: its one entry point and its options.
#pragma once

#include "model/weathering_model.h"

namespace ormix {

// How a run goes. Neither option changes its results.
struct ModelRunOptions {
    // Write the core dump (OrmixCore.dmp in the model's work directory).
    bool coreDump = false;
    // Threads that share the run: the spreading goes on beside the first
    // pass, the LE updates of a step and the uncertainty cases are shared
    // among them. 0: as many as the machine has cores; 1: all on the
    // caller's thread. The results, the core dump and the messages are the
    // same, bit for bit, whatever the number.
    int threads = 0;
};

// Runs the model after its set-up: spreads the oil (the LE areas of every
// hour), runs pass 0 and, when asked for, every uncertainty case, then
// marks, smooths and averages the results; writes the core dump when asked.
// Returns false when the run ended without results (the reason has been
// shown).
bool RunModel(WeatheringModel& m, const ModelRunOptions& options = {});

// A run whose results came out as values that are not numbers (or are
// infinite) ends with this message and without results.
inline constexpr const char* kResultsNotNumbers =
    "The run's results are not numbers: an input of the scenario lies far outside what "
    "ORMIX can model. Please review the oil and the other inputs.";

}  // namespace ormix
