// The water dialog's limits on the water temperature and its salinity, as
// plain rules: the water dialog checks what a person types with them, and
// the calculators check the water they are given with them, so that no
// water the dialog would refuse reaches a density.
#pragma once

#include <string>

#include "core/inputs.h"

namespace ormix {

// The temperature rule, on the number read as a whole number (decimals
// dropped, as the dialog reads it): empty when accepted, else the line of
// the message ("Sorry, ORMIX does not support freezing water conditions.
// ..."). Not a number counts as freezing.
std::string WaterTemperatureProblem(double degrees, bool fahrenheit);

// "Sorry, water salinity values must be between 0 and 42 ppt." for a
// salinity outside 0 to 42 (decimals dropped); empty when accepted.
std::string SalinityProblem(double ppt);

// The water record a calculator is given: its temperature (when set) and
// its salinity within the water dialog's limits, and a known unit. Empty
// when accepted, else the line of the message.
std::string CalculatorWaterProblem(const InputWater& water);

}  // namespace ormix
