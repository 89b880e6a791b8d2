// Preparation of the oil at the water temperature: density, viscosity,
// emulsion limits, onset of emulsification, minimum thickness, and the
// evaporation table.
#pragma once

#include "core/inputs.h"
#include "core/messages.h"
#include "core/oil_state.h"

namespace ormix {

// What the oil is prepared for: the water and the air of the run, its
// strongest wind and the emulsion uncertainty asked for.
struct OilSurroundings {
    double waterTemp = NoData;     // K
    double waterDensity = NoData;  // kg/m3
    double airPressure = NoData;   // Pa
    double strongestWind = 0;      // m/s, the highest hourly wind speed (0 when none is given)
    int emulFlag = 0;              // emulsion uncertainty asked for
    double emulPercent = NoData;   // percent, NoData when not used
    int emulHours = NoDataInt;     // whole hours, NoData when not used
};

// What the preparation writes: the oil record, completed; the fresh oil's
// density and viscosity at the water temperature; the evaporation table
// (whose row count on entry is the number of rows to build) and its
// mass-transfer constant.
struct PreparedOil {
    OilState& oil;
    InitialOilValues& InitialOil;
    EvaporationTable& evap;
    double& evapConst;
};

// Prepares the filled oil. Returns false when the oil cannot be prepared
// (the reason has been shown as an error); the run then has no results.
bool PrepareOil(const PreparedOil& out, const OilSurroundings& at, MessageSink& messages);

// Fresh-oil density (kg/m3) at temperature T (K) from the density points (or
// the API gravity when there are none). Returns NoData after showing "bad
// density data" when the points cannot give a density.
double DensityAtTemperature(const OilState& o, double T, MessageSink& messages);

// Fresh-oil kinematic viscosity (m2/s) at temperature T (K) and the constant
// by which evaporation raises it. B is the viscosity-temperature constant (K),
// rho the oil density at T (turns dynamic points into kinematic ones).
struct ViscosityEstimate {
    bool ok;  // false: no usable fresh viscosity (the reason has been shown)
    double visc;
    double evapConst;
};
ViscosityEstimate ViscosityAtTemperature(const OilState& o, double T, double B, double rho,
                                         MessageSink& messages);

// API gravity of an oil of density rho0 (kg/m3) measured at temperature T (K).
double ApiFromDensity(double rho0, double T);

// Maximum water content of the emulsion and the emulsion area factor (1/m),
// for an oil of kinematic viscosity nu (m2/s) and density rho (kg/m3).
struct EmulsionLimits {
    double waterContent;
    double areaFactor;
};
EmulsionLimits EmulsionWaterContent(const OilState& o, double nu, double rho);

// Onset of emulsification: the high and (with emulsion uncertainty) low
// fraction evaporated or time after release at which water uptake starts.
void EmulsionOnset(OilState& o, const OilSurroundings& at);

// Checks the distillation cuts and shortens the cut count to the valid ones.
void CheckDistillation(OilState& o, MessageSink& messages);

// Whether the oil's product type is the given one ("crude" or "refined"),
// regardless of letter case.
bool IsProductType(const OilState& o, const char* type);

}  // namespace ormix
