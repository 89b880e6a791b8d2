// The water dialog and the emulsification dialog.
#pragma once

#include <string>

#include "scenario/dialog_result.h"
#include "scenario/spill_doc.h"

namespace ormix {

enum SalinityChoice { kFreshWater = 0, kEstuary = 1, kOceanic = 2, kOtherSalinity = 3 };
enum SedimentChoice { kOcean = 0, kRiverEstuary = 1, kMuddyRiver = 2, kOtherSediment = 3 };

struct WaterEntries {
    std::string temperature;
    int temperatureUnit = 1;  // 0 deg F, 1 deg C
    int salinityChoice = kOceanic;
    std::string salinity;  // with "Other Value..."
    int sedimentChoice = kOcean;
    std::string sediment;  // with "Other Value..."
    std::string currentSpeed;
    int currentUnit = 0;           // 0 mph, 1 knots, 2 m/s
    std::string currentDirection;  // degrees the water flows towards
};

DialogResult WaterDialogOK(CSpillDoc& doc, const WaterEntries& e);

struct EmulsificationEntries {
    bool useDefault = true;
    std::string value;
    int unit = 0;  // 0 "%" evaporated, 1 "hours" since the spill started
    std::string uncertainty;
};

// Stores the onset of emulsification and sets the two onset fields of the
// oil record.
DialogResult EmulsificationDialogOK(CSpillDoc& doc, const EmulsificationEntries& e);

}  // namespace ormix
