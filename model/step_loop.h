// The run of the weathering model with a chosen number of threads.
#pragma once

#include "model/weathering_model.h"

namespace ormix {

// As WeatheringModel::Run, with the LE updates of each time step shared
// among `threads` threads (1: all on the caller's thread). The results and
// the core dump are the same, bit for bit, whatever the number of threads:
// each LE is updated alone, and the step's sums are added in LE order.
bool RunWithThreads(WeatheringModel& m, bool coreDump, int threads);

}  // namespace ormix
