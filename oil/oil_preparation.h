// Preparation of the oil at the water temperature: density, viscosity,
// emulsion limits, onset of emulsification, minimum thickness, and the
// evaporation table.
#pragma once

#include "model/weathering_model.h"

namespace ormix {

// Prepares the filled oil of the model. Returns false when the oil cannot be
// prepared (the reason has been shown); the run then has no results.
bool PrepareOil(WeatheringModel& m);

}  // namespace ormix
