// Pseudo-components of the oil and the evaporation table: the oil is split
// into a few components of one boiling point each, whose evaporation is
// integrated once, before the run, against the evaporative exposure.
#pragma once

#include "oil/oil_preparation.h"

namespace ormix {

// Fills the pseudo-component arrays and their count from the distillation
// cuts (or the boiling-point line of a crude without cuts), at the water
// temperature and air pressure of `at`. Returns false, after showing the
// reason, when no component can be built.
bool BuildPseudoComponents(OilState& o, const OilSurroundings& at, MessageSink& messages);

// Vapour pressure (Pa) at temperature T (K) of a component boiling at TB (K)
// under the pressure P0 (Pa).
double VapourPressure(double TB, double P0, double T);

// The evaporation mass-transfer constant K0 and every row of the evaporation
// table, from the pseudo-components of `out.oil` and its fresh density.
// Returns false, after showing the reason, when the table cannot be built.
bool BuildEvaporationTable(const PreparedOil& out, const OilSurroundings& at,
                           MessageSink& messages);

}  // namespace ormix
