// Smoothing of the property results (density, viscosity, water content,
// benzene) over time, after all runs of the step loop.
#pragma once

#include "model/weathering_model.h"

namespace ormix {

void SmoothResults(WeatheringModel& m, int nSteps, int volCases, int windCases, int emulCases);

}  // namespace ormix
