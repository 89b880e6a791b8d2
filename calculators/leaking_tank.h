// The leaking tank: the volume leaving a holed tank in each hour.
#pragma once

#include "model/constants.h"
#include "model/messages.h"
#include "model/weathering_model.h"

namespace ormix {

// Computes the tank's outflow curves and the volume (m3) leaving it in each of
// 120 hours from the start of the release (index 0 = its first hour). Returns
// the duration of the release in whole seconds (kept in durationSeconds too).
int ComputeTankRelease(TankModel& tank, double waterDensity, double oilDensity,
                       double (&hourly)[kHours], MessageSink& messages);

}  // namespace ormix
