// The parts of a run's set-up that other layers call on their own.
#pragma once

#include "model/weathering_model.h"
#include "oil/oil_preparation.h"

namespace ormix {

// What the model's oil is prepared for: its water, air, strongest hourly
// wind and emulsion uncertainty.
OilSurroundings OilSurroundingsOf(const WeatheringModel& m);

// The oil preparation of set-up on its own: the model's filled oil prepared
// at its water temperature, the evaporation table built. False when the oil
// cannot be prepared (the reason has been shown).
bool PrepareModelOil(WeatheringModel& m);

}  // namespace ormix
