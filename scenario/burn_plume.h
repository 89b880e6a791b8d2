// The smoke plume calculator of an in-situ burn, opened from the burn's page
// of the "In-SituBurn" sheet: what the "Smoke Plume" dialog reads from the
// scenario and the page, and what it keeps with the burn.
#pragma once

#include <string>

#include "calculators/smoke_plume_dialog.h"
#include "scenario/dialog_result.h"
#include "scenario/response_dialogs.h"
#include "scenario/spill_doc.h"

namespace ormix {

// The dialog's inputs for the burn of slot `slot` (0..4) as its page holds
// it now: its time, area and thickness as typed, the regression rate shared
// by all burns, the scenario's oil and water when entered, and the plume
// values kept with the slot. A slot without a wind speed starts with the
// scenario's average wind when the wind has been entered.
PlumeDialogInput PlumeInputForBurn(const CSpillDoc& doc, int slot, const BurnPage& page);

// The plume values as typed in the dialog; an empty field is unset.
PlumeSlotValues TypedPlumeValues(const std::string& loc, const std::string& airTemperature,
                                 int airTemperatureUnit, const std::string& windSpeed,
                                 int windUnit);

// The dialog's "Finished": checks the values as Next > does and keeps them
// with the burn of slot `slot`; a refusal leaves the document as it was.
DialogResult KeepPlumeValues(CSpillDoc& doc, int slot, const PlumeSlotValues& values);

}  // namespace ormix
