// Preparation of the tank record from the tank's input record.
#include "core/tank_model.h"

#include "core/formula_values.h"
#include "core/units.h"

namespace ormix {

namespace {

// The tank as it is before preparation: every size unset, no curves, the
// default discharge coefficient.
void ClearTankModel(TankModel& t) {
    t.lastHour = NoDataInt;
    t.holeDiameter = t.holeArea = NoData;
    t.dischargeCoefficient = 0.65;
    t.waterLevel = t.bottomArea = t.tankHeight = t.oilHeight = NoData;
    t.tankVolume = t.oilVolume = t.holeHeight = NoData;
    t.pointCount = 0;
    for (int i = 0; i < kTankPoints; ++i)
        t.time[i] = t.flow[i] = t.oilLevel[i] = t.waterInside[i] = NoData;
    t.durationSeconds = 0;
}

// A product or quotient of sizes stays unset when one of them is.
double Times(double a, double b) {
    return a == NoData || b == NoData ? NoData : a * b;
}
double Scaled(double v, double factor) {
    return v == NoData ? NoData : v * factor;
}

}  // namespace

void PrepareTankModel(TankModel& t, const InputTank& in) {
    ClearTankModel(t);
    t.flag = in.flag ? 1 : 0;
    t.startHour = in.startHour;
    t.vent = in.vent;
    t.aground = in.aground;
    double height = 0, width = 0, length = 0;
    if (!MetresOrFeetToSI(in.tUnits, in.tHeight, height)) return;
    MetresOrFeetToSI(in.tUnits, in.tWidth, width);
    MetresOrFeetToSI(in.tUnits, in.tLength, length);
    t.tankHeight = height;
    t.bottomArea = Times(width, length);
    t.tankVolume = Times(height, t.bottomArea);
    switch (in.oUnits) {
        case 1:
            t.oilVolume = Scaled(in.oVol, 0.158987294928);
            break;
        case 2:
            t.oilVolume = Scaled(in.oVol, 0.003785411784);
            break;
        case 3:
            t.oilVolume = in.oVol;
            break;
        case 4:
            t.oilVolume = Scaled(in.oVol, 0.028316846592);
            break;
        default:
            return;
    }
    t.oilHeight = t.oilVolume == NoData || t.bottomArea == NoData || t.bottomArea == 0
                      ? NoData
                      : t.oilVolume / t.bottomArea;
    switch (in.hUnits) {
        case 1:
            t.holeDiameter = in.hDiam;
            t.holeArea = in.hArea;
            break;
        case 2:
            t.holeDiameter = Scaled(in.hDiam, 0.01);
            t.holeArea = Scaled(in.hArea, 0.0001);
            break;
        case 3:
            t.holeDiameter = Scaled(in.hDiam, 0.3048);
            t.holeArea = Scaled(in.hArea, kSquareFoot);
            break;
        case 4:
            t.holeDiameter = Scaled(in.hDiam, 0.0254);
            t.holeArea = Scaled(in.hArea, 0.00064516);
            break;
        default:
            return;
    }
    if (!MetresOrFeetToSI(in.zUnits, in.zHeight, t.holeHeight)) return;
    if (!MetresOrFeetToSI(in.wUnits, in.wHeight, t.waterLevel)) return;
    if (in.Cd != NoData) t.dischargeCoefficient = in.Cd;
}

}  // namespace ormix
