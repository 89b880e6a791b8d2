// The entries the two calculators' JSON files share: the oil and the water,
// and the month names of their date lists. Each calculator file is read with
// the strict reader of core/json_reader.h: an entry left empty is null or
// absent and reads as NoData; a choice is one of the page's texts; any key
// the page does not have is refused.
#pragma once

#include <initializer_list>

#include "core/json_reader.h"

namespace ormix {

// A number as typed: null or absent reads as NoData (left empty).
double EntryOf(JsonObjectReader& page, const char* key);

// The scenario's oil and water as the calculators read them:
// "oil": {"name", "api", "density" (kg/m3), "densityTemperature" (K)} and
// "water": {"temperature", "unit" ("F" or "C"), "salinity"}.
// A fault is left in the reader's JsonFault.
struct InputOil;
struct InputWater;
void ReadOilEntries(JsonObjectReader oil, InputOil& out);
void ReadWaterEntries(JsonObjectReader water, InputWater& out);

// The month names of the calculators' date lists, "January" .. "December".
extern const std::initializer_list<const char*> kMonthNames;

}  // namespace ormix
