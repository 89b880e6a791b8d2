// The block of scenario facts at the top of the oil budget table and the ICS
// 209 table: oil, API and pour point, wind and waves, water temperature, time
// of the initial release, and a rule of hyphens.
#pragma once

#include <string>

#include "scenario/spill_doc.h"

namespace ormix {

// The header block. `totalReleased` is the "Total amount of Oil Released"
// line without its end (the oil budget table has one, the ICS table none);
// empty leaves the line out.
std::string TableHeaderBlock(const SpillDocData& doc, const std::string& totalReleased);

// The unit names of the document's wind speed and temperature choices.
const char* WindSpeedUnitName(int index);   // 0 mph, 1 knots, 2 m/s
const char* TemperatureUnitName(int code);  // 1 F, 2 C

}  // namespace ormix
