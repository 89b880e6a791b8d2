#include "calculators/water_limits.h"

#include <cmath>

namespace ormix {

namespace {

// The whole number the dialog reads: decimals dropped, saturating far
// beyond any limit (not a number reads as below every limit).
double Whole(double v) {
    if (std::isnan(v)) return -HUGE_VAL;
    return std::trunc(v);
}

}  // namespace

std::string WaterTemperatureProblem(double degrees, bool fahrenheit) {
    const double t = Whole(degrees);
    if (t < (fahrenheit ? 32 : 0))
        return "Sorry, ORMIX does not support freezing water conditions. Please enter a warmer "
               "water temperature.";
    if (fahrenheit && t > 104)
        return "Sorry, ORMIX does not support water temperatures above 104 degrees F. Please "
               "enter a cooler water temperature.";
    if (!fahrenheit && t > 40)
        return "Sorry, ORMIX does not support water temperatures above 40 degrees C. Please "
               "enter a cooler water temperature.";
    return "";
}

std::string SalinityProblem(double ppt) {
    // The message names the range; a negative salinity is outside it too.
    if (!(ppt >= 0) || Whole(ppt) > 42)
        return "Sorry, water salinity values must be between 0 and 42 ppt.";
    return "";
}

std::string CalculatorWaterProblem(const InputWater& water) {
    if (water.tempUnits != 1 && water.tempUnits != 2)
        return "The water temperature must be given in degrees F or C.";
    if (water.temperature != NoData) {
        std::string problem = WaterTemperatureProblem(water.temperature, water.tempUnits == 1);
        if (!problem.empty()) return problem;
    }
    return SalinityProblem(water.salinity);
}

}  // namespace ormix
