// The release dialogs: instantaneous, contained and continuous releases, the
// uncertainty of the amount spilled, and the release dialog's own OK that
// sets the spill time and the start hours. Each takes the entries as typed
// and either accepts them, writing the document, or refuses them with the
// exact message, leaving the document as it was.
#pragma once

#include <string>

#include "scenario/dialog_result.h"
#include "scenario/spill_doc.h"

namespace ormix {

// A release's date and hour as the dialogs offer them: month 1..12, day of
// month 1..31, hour 0..23. The year is that of the scenario's spill time.
struct DayAndHour {
    int month = 1, day = 1, hour = 0;
};

struct InstantaneousEntries {
    DayAndHour when;
    std::string amount;
    int unit = 0;  // 0 bbl, 1 gal, 2 cu m, 3 tons, 4 metric tons
};
DialogResult InstantaneousDialogOK(CSpillDoc& doc, const InstantaneousEntries& e);

struct ContainedEntries {
    DayAndHour when;
    std::string amount;
    int unit = 0;  // as the instantaneous amount
    std::string area;
    int areaUnit = 2;  // 0 sq. feet, 1 sq. yards, 2 sq. meters
};
DialogResult ContainedDialogOK(CSpillDoc& doc, const ContainedEntries& e);

struct ContinuousEntries {
    DayAndHour when;
    std::string duration;
    int durationUnit = 0;  // 0 hours, 1 days
    int mode = 0;          // 0 amount, 1 constant rate, 2 start and end rate
    std::string amount;
    int amountUnit = 0;  // as the instantaneous amount
    std::string rate;
    int rateUnit1 = 0;  // 0 bbl/hr, 1 gal/hr, 2 cu m/hr, 3 tons/hr, 4 metric tons/hr, 5 gal/min
    std::string startRate, endRate;
    int rateUnit2 = 0;
};
DialogResult ContinuousDialogOK(CSpillDoc& doc, const ContinuousEntries& e);

// The uncertainty of the amount spilled, in percent; empty for none.
DialogResult AmountUncertaintyDialogOK(CSpillDoc& doc, const std::string& percent);

// The release dialog's four check boxes.
struct ReleaseChecks {
    bool contained = false, instantaneous = false, continuous = false, tank = false;
};

// The refusal of a contained release checked together with any other kind
// (it is always the only release of a scenario), naming the others; empty
// when the check boxes can be held.
std::string ContainedWithOthers(const ReleaseChecks& checks);

// The release dialog's OK: flags from the check boxes, year wrap, spill time,
// start hours and the schedule checks; on acceptance the continuous release
// is finished and the release input counts as entered. A contained release
// checked with others is refused rather than silently kept alone, and a
// release outside the 120 hours of the run is refused with timed winds as
// with a constant wind.
DialogResult ReleaseDialogOK(CSpillDoc& doc, const ReleaseChecks& checks);

// The summary line of each release kind in the release dialog.
std::string InstantaneousSummary(const CSpillDoc& doc);
std::string ContinuousSummary(const CSpillDoc& doc);
std::string TankSummary(const CSpillDoc& doc);
std::string ContainedSummary(const CSpillDoc& doc);

// Unit names of the release dialogs.
extern const char* const kAmountUnitNames[5];  // "bbl", "gal", "cu m", "tons", "metric tons"
extern const char* const kRateUnitNames[6];    // "bbl/hr", ..., "gal/min"
extern const char* const kAreaUnitNames[3];    // "sq. feet", "sq. yards", "sq. meters"

}  // namespace ormix
