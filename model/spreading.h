// Spreading: the area and thickness of every LE for every hour of the run.
#pragma once

#include "model/weathering_model.h"

namespace ormix {

void Spread(WeatheringModel& m);

}  // namespace ormix
