// The run of the weathering model with a chosen number of threads.
#pragma once

#include "model/weathering_model.h"

namespace ormix {

class BackgroundSpread;

// As WeatheringModel::Run, with the LE updates of each time step shared
// among `threads` threads (1: all on the caller's thread). The results and
// the core dump are the same, bit for bit, whatever the number of threads:
// each LE is updated alone, and the step's sums are added in LE order.
bool RunWithThreads(WeatheringModel& m, bool coreDump, int threads);

// As WeatheringModel::Solve: spreads the oil and runs the model. With two
// threads or more the spreading goes on beside the first pass, which
// follows it hour by hour; results, core dump and messages are those of a
// spreading done before the run.
bool SpreadAndRun(WeatheringModel& m, bool coreDump, int threads);

// A run whose results came out as values that are not numbers (or are
// infinite) ends with this message and without results.
inline constexpr const char* kResultsNotNumbers =
    "The run's results are not numbers: an input of the scenario lies far outside what "
    "ORMIX can model. Please review the oil and the other inputs.";

// The run that follows `spread` (null: the spreading is done).
bool RunAfterSpread(WeatheringModel& m, bool coreDump, int threads, BackgroundSpread* spread);

}  // namespace ormix
