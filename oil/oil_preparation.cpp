// Oil preparation.
//
// PLACEHOLDER: the property estimation at the water temperature, the
// pseudo-components and the evaporation table go here. Until then the oil is
// taken as measured: its first density and viscosity points, a minimum
// thickness of 0.1 mm, and an evaporation table of one row on which nothing
// evaporates.
#include "oil/oil_preparation.h"

namespace ormix {

bool PrepareOil(WeatheringModel& m) {
    OilState& o = m.oil;
    m.InitialOil.rho0 = o.rhoRef_value[0];
    if (o.viscRef_value[0] > 0)
        m.InitialOil.visc0 = o.viscRef_value[0];
    else if (o.dyViscRef_value[0] > 0 && m.InitialOil.rho0 > 0)
        m.InitialOil.visc0 = o.dyViscRef_value[0] / m.InitialOil.rho0;
    else
        m.InitialOil.visc0 = 1e-5;
    o.minThickness = 1e-4;
    m.evapConst = 0.0;
    m.evap.rows = 1;
    for (double& v : m.evap.row[0])
        v = 0.0;
    return true;
}

}  // namespace ormix
