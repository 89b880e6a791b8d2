// Leaking tank outflow: which way the tank drains, the two drains and the
// sharing of the outflow among the hours of the release.
#include "calculators/leaking_tank.h"

#include <climits>
#include <cmath>
#include "core/formula_values.h"

namespace ormix {

namespace {

constexpr double kG = kGravity;
constexpr double kTwoG = 19.6;
constexpr double kSecondsPerHour = 3600.0;

void ClearCurves(TankModel& t) {
    t.pointCount = 0;
    for (int i = 0; i < kTankPoints; ++i)
        t.time[i] = t.flow[i] = t.oilLevel[i] = t.waterInside[i] = NoData;
    t.durationSeconds = 0;
}

void WritePoint(TankModel& t, int i, double time, double flow, double oil, double water) {
    t.time[i] = time;
    t.flow[i] = flow;
    t.oilLevel[i] = oil;
    t.waterInside[i] = water;
}

bool Positive(double v) {
    return std::isfinite(v) && v > 0;
}
bool NotNegative(double v) {
    return std::isfinite(v) && v >= 0;
}

// Everything the drains divide by or take roots of must be a real size. A
// record that is not (unset values from an incomplete scenario) would
// otherwise give a release of no meaning.
bool Described(const TankModel& t) {
    return Positive(t.holeDiameter) && Positive(t.holeArea) && Positive(t.bottomArea) &&
           Positive(t.dischargeCoefficient) && NotNegative(t.oilHeight) &&
           NotNegative(t.holeHeight) && t.waterLevel != NoData && std::isfinite(t.waterLevel);
}

}  // namespace

void DrainVentedTank(TankModel& t) {
    const double h0 = t.oilHeight, z = t.holeHeight;
    const double ah = t.holeArea, at = t.bottomArea, cd = t.dischargeCoefficient;
    const double total = std::sqrt(kTwoG * (h0 - z)) * at / (ah * cd * kG);
    const double dt = total / kTankPoints;
    double h = h0;
    int i = 0;
    for (; i < kTankPoints && h > z; ++i) {
        double q = std::sqrt(kTwoG * (h - z)) * ah * cd;
        WritePoint(t, i, (i + 1) * dt, q, h, 0.0);
        h -= q * dt / at;
    }
    t.pointCount = i;
}

void DrainUnderwaterTank(TankModel& t, double rhoW, double rhoO, MessageSink& messages) {
    if (rhoW < 0 || rhoO < 0) return;
    if (rhoW <= rhoO) {
        messages.Information(kTankOilSinks);
        return;
    }
    const double h0 = t.oilHeight, z = t.holeHeight, d = t.holeDiameter, hw = t.waterLevel;
    const double ah = t.holeArea, at = t.bottomArea, cd = t.dischargeCoefficient;
    const double top = z + d;

    WritePoint(t, 0, 0.0, 0.0, h0, 0.0);

    // The oil level h is followed through L = (rhoW hw - rhoO h) / (rhoW - rhoO),
    // which rises from y as the tank empties; oil alone flows out until L
    // reaches the bottom of the opening.
    const double a = (rhoW - rhoO) / rhoW;
    const double b = (rhoW - rhoO) / rhoO;
    const double r = std::cbrt(b / a);
    const double y = (rhoW * hw - rhoO * h0) / (rhoW - rhoO);
    const double step = (z - y) / 198.0;
    const double timeScale = (at / ah) * std::sqrt(b / (cd * cd * kG));

    double level = y + step;
    int i = 1;
    while (i < kTankPoints && level <= z) {
        double q = ah * cd * std::sqrt(kG * b * (top - level));
        double time = timeScale * (2 * std::sqrt(top - y) - 2 * std::sqrt(top - level));
        double oil = t.oilLevel[i - 1] - q * (time - t.time[i - 1]) / at;
        WritePoint(t, i, time, q, oil, 0.0);
        level += step;
        ++i;
    }

    // Then oil leaves through the upper part of the opening while water enters
    // through the lower part, until the water inside reaches its top.
    if (level < top && i < kTankPoints) {
        double m = (top * r + z) / (1 + r);
        double k = ah * cd * std::sqrt(kG) / d;
        double q = k * std::sqrt(b * std::pow(top - m, 3));
        double inflow = k * std::sqrt(a * std::pow(m - z, 3));
        double time = t.time[i - 1] + top * at / inflow;
        double oil = ((rhoO - rhoW) / rhoO) * m + hw * rhoW / rhoO;
        // With the outside water below the top of the opening, this lump can
        // come out larger than the oil still in the tank and leave the oil
        // surface under the water inside. No more oil can leave than the tank
        // holds: the flow is reduced to empty it over the same time, and the
        // surface stays on the water.
        const double left = t.oilLevel[i - 1] * at;
        if (q * (time - t.time[i - 1]) > left) q = left / (time - t.time[i - 1]);
        if (oil < top) oil = top;
        WritePoint(t, i, time, q, oil, top);
        ++i;
    }
    t.pointCount = i;
}

int TankHourlyVolumes(const TankModel& t, double (&hourly)[kHours]) {
    for (double& v : hourly)
        v = 0.0;
    int hour = 0;
    double hourEnd = kSecondsPerHour;
    double previous = 0.0;
    for (int i = 0; i < t.pointCount && hour < kHours; ++i) {
        const double ti = t.time[i], qi = t.flow[i];
        double seg = ti - previous;
        previous = ti;
        // A segment that crosses the end of an hour is shared, in whole
        // seconds, between the hours it covers.
        while (hourEnd < ti) {
            double rem = std::trunc(ti - hourEnd);
            hourly[hour] += (seg - rem) * qi;
            ++hour;
            hourEnd = kSecondsPerHour * (hour + 1);
            seg = rem;
            if (hour >= kHours) break;
        }
        if (hour >= kHours) break;
        hourly[hour] += qi * seg;
    }
    if (t.pointCount < 1) return 0;
    // A nearly neutrally buoyant oil can take longer than an int of seconds.
    double duration = std::ceil(t.time[t.pointCount - 1]);
    return duration >= INT_MAX ? INT_MAX : static_cast<int>(duration);
}

int ComputeTankRelease(TankModel& t, double waterDensity, double oilDensity,
                       double (&hourly)[kHours], MessageSink& messages) {
    ClearCurves(t);
    for (double& v : hourly)
        v = 0.0;
    if (!Described(t)) {
        messages.Error(kTankIncomplete);
        return 0;
    }
    if (waterDensity < 0) waterDensity = kTankDefaultWaterDensity;
    if (oilDensity < 0) oilDensity = kTankDefaultOilDensity;

    if (t.waterLevel >= t.holeHeight) {
        DrainUnderwaterTank(t, waterDensity, oilDensity, messages);
    } else if (t.holeHeight < t.oilHeight) {
        if (t.vent != 0)
            DrainVentedTank(t);
        else
            messages.Information(kTankAirIngestion);
    }
    t.durationSeconds = TankHourlyVolumes(t, hourly);
    return t.durationSeconds;
}

}  // namespace ormix
