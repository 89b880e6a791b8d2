// The leaking tank's entries as JSON, page by page as a person fills the
// "Leaking Tank Setup" (docs/tank-and-plume.md describes the format):
//
//   "step1": {"length", "width", "height", "unit": "meters" | "feet"}
//   "step2": {"choice": "amount" | "percent", "amount",
//             "unit": "bbl" | "gal" | "cu m" | "cu feet", "percent"}
//   "step3": {"choice": "circular" | "rectangular", "diameter", "length",
//             "height", "unit": "meters" | "cm" | "feet" | "inches"}
//   "step4", "step5": {"choice": "height" | "percent", "height",
//             "unit": "meters" | "feet", "percent"}
//   "step6": {"month": "January" .. "December", "day", "hour"}
//   "step7": {"unit": "bbl" | "gal" | "cu m" | "tons" | "metric tons"}
//   "oil", "water": optional, see json_fields.h
#pragma once

#include <optional>
#include <string>

#include "calculators/page_check.h"
#include "calculators/tank_wizard.h"
#include "core/inputs.h"
#include "core/json_reader.h"

namespace ormix {

struct TankCalculatorInput {
    TankWizardEntries entries;
    std::optional<InputOil> oil;
    std::optional<InputWater> water;
};

// Reads the entries of Steps 1 to 5 and 7 (not yet checked) from the object
// that holds the pages, as keys "step1" .. "step7"; Step 6, the time of
// release, is the caller's. False when a key is refused: the fault, with its
// path, is in the reader's JsonFault.
bool ReadTankPages(JsonObjectReader& pages, TankWizardEntries& entries);

// Reads a whole tank file, runs Steps 1 to 6 in order into `tank` and checks
// the water the release is to be computed with. On a malformed file the
// message names the key; on a refused page or water it is the message box
// text, exactly.
PageCheck LoadTankCalculator(const std::string& jsonText, TankCalculatorInput& input,
                             InputTank& tank);

}  // namespace ormix
