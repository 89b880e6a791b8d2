// The leaking tank's two plots against "Time in Minutes": the oil released
// so far, and the oil and water levels inside the tank with the opening as
// a band.
#pragma once

#include "calculators/tank_wizard.h"

class QChart;

namespace ormix::app {

QChart* TankReleasedChart(const TankCurves& curves);
QChart* TankLevelsChart(const TankCurves& curves);

}  // namespace ormix::app
