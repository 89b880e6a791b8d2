// The scenario's leaking tank release as the "Leaking Tank Setup" pages fill
// it: the pages as they open on a scenario, the release computed with the
// scenario's water and oil, and the wizard's Finish, which makes the tank the
// scenario's leaking tank release.
#pragma once

#include <ctime>

#include "calculators/tank_wizard.h"
#include "core/messages.h"
#include "scenario/dialog_result.h"
#include "scenario/spill_doc.h"

namespace ormix {

// The pages as they open: the scenario's tank, the page values it keeps and
// the tank's release time.
TankWizardEntries TankWizardEntriesOf(const CSpillDoc& doc);

// The release of `tank` as Step 7 shows it, with the scenario's water and
// oil when they have been entered (the calculator's defaults otherwise).
// Keeps the total and the duration in `page`.
void ComputeScenarioTank(const CSpillDoc& doc, const InputTank& tank, TankPageValues& page,
                         TankRelease& out, MessageSink& messages);

// The tank's release time for Step 6's month, day and hour: in the year of
// the scenario's spill time.
std::time_t TankReleaseTimeOf(const CSpillDoc& doc, const TankReleaseTime& when);

// Finish: runs every page's check in order on the scenario's tank and, when
// all pass, stores the tank, its page values, its release time and the
// release Step 7 shows; the contained release is given up, as for any other
// release kind. A refusal leaves the document as it was.
DialogResult TankWizardOK(CSpillDoc& doc, const TankWizardEntries& entries);

}  // namespace ormix
