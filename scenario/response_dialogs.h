// The response operation dialogs: the "Dispersant Use", "In-SituBurn" and
// "Mechanical Cleanup" property sheets with five pages each, the burn
// regression rate dialog ("Advanced Options") and the beaching dialog. Each
// takes the entries as typed and either accepts them, writing the document
// and rebuilding the model record of its kind, or refuses them with the exact
// message, leaving the document as it was.
#pragma once

#include <array>
#include <string>

#include "scenario/dialog_result.h"
#include "scenario/release_dialogs.h"
#include "scenario/spill_doc.h"

namespace ormix {

// One "Spray N" page.
struct DispersantPage {
    bool use = false;  // the check box that puts the slot in use
    DayAndHour when;
    std::string duration;          // hours
    std::string percentSprayed;    // "% was sprayed with dispersant."
    std::string percentDispersed;  // "% was effectively dispersed."
};

// One "Burn N" page.
struct BurnPage {
    bool use = false;
    DayAndHour when;
    std::string area;
    int areaUnit = 0;  // 0 "sq. feet", 1 "sq. yards", 2 "sq. meters"
    std::string thickness;
    int thicknessUnit = 0;  // 0 "mm", 1 "cm", 2 "inches"
};

// One "Cleanup N" page.
struct CleanupPage {
    bool use = false;
    DayAndHour when;
    std::string duration;   // hours
    bool rateGiven = true;  // a recovery rate (true) or a total recovered amount
    std::string rate;
    int rateUnit = 0;  // 0 "bbl/hr" .. 5 "gal/min"
    std::string amount;
    int amountUnit = 0;  // 0 "bbl" .. 4 "metric tons"
};

using DispersantPages = std::array<DispersantPage, kOperationSlots>;
using BurnPages = std::array<BurnPage, kOperationSlots>;
using CleanupPages = std::array<CleanupPage, kOperationSlots>;

// The page checks, run when a page in use is left and when its sheet is
// closed with OK (`slot` 0..4 is the page "Spray 1" .. "Spray 5"). A page not
// in use is accepted unchecked. The dispersant page accepts a spray that
// falls outside the run with its timing warning.
DialogResult CheckDispersantPage(const CSpillDoc& doc, int slot, const DispersantPage& page);
DialogResult CheckBurnPage(const BurnPage& page);
DialogResult CheckCleanupPage(const CleanupPage& page);

// The sheets' OK: every page in use is checked in page order and the first
// refusal refuses the sheet (its page goes to `refusedPage` when given). On
// acceptance every page's entries are kept, in use or not, the start hours
// are computed from the spill time of this moment, the model record is
// rebuilt from the pages in use (packed from index 0) and the sheet's summary
// section is marked for redrawing.
DialogResult DispersantSheetOK(CSpillDoc& doc, const DispersantPages& pages,
                               int* refusedPage = nullptr);
DialogResult BurnSheetOK(CSpillDoc& doc, const BurnPages& pages, int* refusedPage = nullptr);
DialogResult CleanupSheetOK(CSpillDoc& doc, const CleanupPages& pages, int* refusedPage = nullptr);

// The pages as the sheets show them when opened: the document's entries.
DispersantPages DispersantPagesOf(const CSpillDoc& doc);
BurnPages BurnPagesOf(const CSpillDoc& doc);
CleanupPages CleanupPagesOf(const CSpillDoc& doc);

// The burn regression rate dialog ("Advanced Options" of the burn sheet).
struct BurnRateEntries {
    int choice = 0;  // 0 "Default - 0.04 mm/sec", 1 "Other Value..."
    std::string rate;
    int unit = 0;  // 0 millimetres per second, 1 inches per second
};
DialogResult BurnRateDialogOK(CSpillDoc& doc, const BurnRateEntries& e);

// The beaching dialog: the amounts that come ashore on days 1 to 6, spread
// over the hours of each day by the clock hour of the spill time.
struct BeachingEntries {
    int unit = 0;  // 0 "bbl", 1 "gal", 2 "cu m", 3 "tons", 4 "metric tons"
    std::array<std::string, kBeachingDays> amounts;  // empty: nothing beached that day
};
DialogResult BeachingDialogOK(CSpillDoc& doc, const BeachingEntries& e);

// The date of an operation page in the scenario's calendar: the year of the
// spill time, or the following year for a January date while the spill time
// is in December.
std::time_t OperationTime(const CSpillDoc& doc, const DayAndHour& when);

// The start hour of an operation at time `t`: whole hours after the spill
// time, plus 1.
int OperationStartHour(const CSpillDoc& doc, std::time_t t);

// Unit labels of the response dialogs.
extern const char* const kBurnThicknessUnitNames[3];  // "mm", "cm", "inches"
extern const char* const kBurnRateUnitNames[2];       // "mm/sec", "in/sec"

}  // namespace ormix
