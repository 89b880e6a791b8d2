// The leaking tank in SI, as the model and the leaking tank calculator hold
// it, with the curves its outflow computation fills.
#pragma once

#include "core/constants.h"
#include "core/inputs.h"

namespace ormix {

// The leaking tank, in SI, and the curves its outflow computation fills.
struct TankModel {
    int flag;
    int startHour;
    int lastHour;  // last hour with outflow, set by set-up
    int vent;
    int aground;
    double holeDiameter;          // m
    double holeArea;              // m2
    double dischargeCoefficient;  // Cd
    double waterLevel;            // m above the tank bottom, outside
    double bottomArea;            // m2
    double tankHeight;            // m
    double oilHeight;             // m
    double tankVolume;            // m3
    double oilVolume;             // m3
    double holeHeight;            // m above the tank bottom
    int pointCount;
    double time[kTankPoints];         // s since the release started
    double flow[kTankPoints];         // m3/s out of the tank
    double oilLevel[kTankPoints];     // m above the bottom
    double waterInside[kTankPoints];  // m above the bottom
    int durationSeconds;
};

// The tank record of an InputTank: sizes into metres, volumes into cubic
// metres, no curves yet. A unit code outside the listed ones stops the
// preparation there: what it wrote stays, the later sizes stay unset.
void PrepareTankModel(TankModel& t, const InputTank& in);

}  // namespace ormix
