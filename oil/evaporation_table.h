// Pseudo-components of the oil and the evaporation table: the oil is split
// into a few components of one boiling point each, whose evaporation is
// integrated once, before the run, against the evaporative exposure.
#pragma once

#include "model/weathering_model.h"

namespace ormix {

// Fills the pseudo-component arrays and their count from the distillation
// cuts (or the boiling-point line of a crude without cuts). Returns false,
// after showing the reason, when no component can be built.
bool BuildPseudoComponents(WeatheringModel& m);

// Vapour pressure (Pa) at temperature T (K) of a component boiling at TB (K)
// under the pressure P0 (Pa).
double VapourPressure(double TB, double P0, double T);

// The evaporation mass-transfer constant K0 and every row of the evaporation
// table, from the pseudo-components. Returns false, after showing the
// reason, when the table cannot be built.
bool BuildEvaporationTable(WeatheringModel& m);

}  // namespace ormix
