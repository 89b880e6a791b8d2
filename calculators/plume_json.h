// The smoke plume's entries as JSON (docs/tank-and-plume.md describes it):
//
//   "burn": {"month": "January" .. "December", "day", "hour", "area",
//            "areaUnit": "sq. feet" | "sq. yards" | "sq. meters", "thickness",
//            "thicknessUnit": "mm" | "cm" | "inches", "regressionRate",
//            "regressionRateUnit": "mm/sec" | "in/sec"}
//   "smokePlume": {"loc", "airTemperature", "airTemperatureUnit": "F" | "C",
//            "windSpeed", "windUnit": "mph" | "knots" | "m/s"}
//   "oil", "water": optional, see json_fields.h
#pragma once

#include <string>

#include "calculators/page_check.h"
#include "calculators/smoke_plume_dialog.h"

namespace ormix {

// The burn's own entries: present, and the area and thickness given and
// positive (the burn pages' fuller limits belong to the scenario).
PageCheck CheckPlumeBurn(const PlumeDialogInput& in);

// Reads a burn file and runs the dialog's checks: the burn's entries, then
// air temperature, wind and LOC. On a malformed file the message names the
// key; on a refusal it is the message box text, exactly.
PageCheck LoadSmokePlume(const std::string& jsonText, PlumeDialogInput& in);

}  // namespace ormix
