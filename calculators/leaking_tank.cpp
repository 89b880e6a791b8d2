// Leaking tank outflow.
//
// PLACEHOLDER: the draining of a vented tank and of a tank holed below the
// water line goes here. Until then no oil leaves the tank.
#include "calculators/leaking_tank.h"

namespace ormix {

int ComputeTankRelease(TankModel& tank, double, double, double (&hourly)[kHours], MessageSink&) {
    for (double& v : hourly)
        v = 0.0;
    tank.pointCount = 0;
    tank.durationSeconds = 0;
    return 0;
}

}  // namespace ormix
