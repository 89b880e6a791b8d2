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

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>

#include "calculators/page_check.h"
#include "calculators/tank_wizard.h"
#include "core/inputs.h"

namespace ormix {

struct TankCalculatorInput {
    TankWizardEntries entries;
    std::optional<InputOil> oil;
    std::optional<InputWater> water;
};

// Reads the pages' entries (not yet checked). Throws JsonFieldError naming
// the offending key.
void ReadTankEntries(const nlohmann::json& pages, TankWizardEntries& entries);

// Reads a whole tank file, runs Steps 1 to 6 in order into `tank` and checks
// the water the release is to be computed with. On a malformed file the
// message names the key; on a refused page or water it is the message box
// text, exactly.
PageCheck LoadTankCalculator(const std::string& jsonText, TankCalculatorInput& input,
                             InputTank& tank);

}  // namespace ormix
