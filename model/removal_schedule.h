// Hourly removal schedules of the response operations: burning, skimming and
// chemical dispersion, hour by hour, from the operations in SI.
#pragma once

#include "model/weathering_model.h"

namespace ormix {

void BuildRemovalSchedules(WeatheringModel& m);

}  // namespace ormix
