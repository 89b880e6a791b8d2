// Waves from wind and fetch: for every hour of the run, the root-mean-square
// wave height, the breaking-wave value and the dissipated wave energy of the
// best wind and, with wind uncertainty, of the high and the low wind.
#pragma once

#include "model/weathering_model.h"

namespace ormix {

void ComputeWaves(WeatheringModel& m);

}  // namespace ormix
