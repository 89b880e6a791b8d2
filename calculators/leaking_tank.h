// The leaking tank: the oil leaving a holed tank, point by point and in each
// hour after the release starts.
#pragma once

#include "core/constants.h"
#include "core/messages.h"
#include "core/tank_model.h"

namespace ormix {

// Density used when the caller has none (kg/m3): seawater, and an oil of
// 910 kg/m3 at 283 K taken at 289 K.
inline constexpr double kTankDefaultWaterDensity = 1024.0;
inline constexpr double kTankDefaultOilDensity = 905.632;

inline constexpr char kTankOilSinks[] = "Leaking Tank: Oil Sinks";
inline constexpr char kTankAirIngestion[] = "Leaking Tank: air ingestion not yet supported.";
inline constexpr char kTankIncomplete[] =
    "Leaking Tank: the tank is not fully described (tank size, amount of oil, "
    "opening or water level is missing or not positive). No oil is released from it.";

// A vented tank draining through an opening above the outside water: explicit
// steps over the analytic draining time, at most 200 points.
void DrainVentedTank(TankModel& tank);

// A tank holed at or below the outside water level: oil leaves, water enters.
// Writes nothing when either density is negative; tells "Leaking Tank: Oil
// Sinks" and writes nothing when the oil is not lighter than the water.
void DrainUnderwaterTank(TankModel& tank, double waterDensity, double oilDensity,
                         MessageSink& messages);

// Computes the tank's outflow curves and the volume (m3) leaving it in each of
// 120 hours from the start of the release (index 0 = its first hour). Returns
// the duration of the release in whole seconds (kept in durationSeconds too).
// A negative density is replaced by the default one.
int ComputeTankRelease(TankModel& tank, double waterDensity, double oilDensity,
                       double (&hourly)[kHours], MessageSink& messages);

// The 120 hourly volumes (m3) of the curves the drain wrote; returns the
// duration in whole seconds.
int TankHourlyVolumes(const TankModel& tank, double (&hourly)[kHours]);

}  // namespace ormix
