// Weathering processes.
//
// PLACEHOLDER: the physics of evaporation, water uptake, density, viscosity,
// natural dispersion and the benzene factor goes here. Until then every
// routine is neutral: no evaporation, no water uptake, no dispersion, fresh
// density and viscosity, no airborne benzene above the floor value.
#include "model/processes.h"

#include <cmath>

namespace ormix {

double EvaporationCoefficient(double U, double C, double slickArea) {
    return C * std::pow(U, 7.0 / 9.0) / std::pow(std::sqrt(slickArea), 1.0 / 9.0);
}

double EvaporationMiniStep(double, double, const double*, double, LE&) {
    return 0.0;
}

double EmulsificationRateConstant(const WeatheringModel&, double, double) {
    return 0.0;
}

double Emulsify(const WeatheringModel& m, int, int, double, LE&, int, int) {
    return m.oil.dropletMax;
}

double EmulsionDensity(const WeatheringModel& m, double, double) {
    return m.InitialOil.rho0;
}

double EmulsionViscosity(const WeatheringModel& m, double, double, double) {
    return m.InitialOil.visc0;
}

double NaturalDispersion(const WeatheringModel&, int, int, const LE&, int, int, double, double,
                         double) {
    return 0.0;
}

double BenzeneFactor(double, double, double, double) {
    return 0.0;
}

}  // namespace ormix
