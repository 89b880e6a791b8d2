// Preparation of the oil at the water temperature: density, viscosity,
// emulsion limits, onset of emulsification, minimum thickness, and the
// evaporation table.
#pragma once

#include "model/weathering_model.h"

namespace ormix {

// Prepares the filled oil of the model. Returns false when the oil cannot be
// prepared (the reason has been shown as an error); the run then has no
// results.
bool PrepareOil(WeatheringModel& m);

// Fresh-oil density (kg/m3) at temperature T (K) from the density points (or
// the API gravity when there are none). Returns NoData after showing "bad
// density data" when the points cannot give a density.
double DensityAtTemperature(const WeatheringModel& m, double T);

// Fresh-oil kinematic viscosity (m2/s) at temperature T (K) and the constant
// by which evaporation raises it. B is the viscosity-temperature constant (K),
// rho the oil density at T (turns dynamic points into kinematic ones).
struct ViscosityEstimate {
    bool ok;  // false: no usable fresh viscosity (the reason has been shown)
    double visc;
    double evapConst;
};
ViscosityEstimate ViscosityAtTemperature(const WeatheringModel& m, double T, double B, double rho);

// API gravity from InitialOil.rho0 measured at temperature T (K).
double ApiFromDensity(const WeatheringModel& m, double T);

// Maximum water content of the emulsion and the emulsion area factor (1/m),
// for an oil of kinematic viscosity nu (m2/s) and density rho (kg/m3).
struct EmulsionLimits {
    double waterContent;
    double areaFactor;
};
EmulsionLimits EmulsionWaterContent(const WeatheringModel& m, double nu, double rho);

// Onset of emulsification: the high and (with emulsion uncertainty) low
// fraction evaporated or time after release at which water uptake starts.
void EmulsionOnset(WeatheringModel& m);

// Checks the distillation cuts and shortens the cut count to the valid ones.
void CheckDistillation(WeatheringModel& m);

// Whether the oil's product type is the given one ("crude" or "refined"),
// regardless of letter case.
bool IsProductType(const OilState& o, const char* type);

}  // namespace ormix
