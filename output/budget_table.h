// The oil budget table: the scenario's facts, then one row per chosen output
// time with the amount released so far and how much of it has evaporated,
// dispersed, burned, been skimmed, come ashore or remains afloat.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "output/output_series.h"
#include "scenario/spill_doc.h"

namespace ormix {

enum class BudgetTimeColumn { Hours, Dates };
enum class BudgetOtherColumns { Same, Percent, Fraction };

// The three choices of the table's tool bar.
struct BudgetTableChoices {
    BudgetTimeColumn time = BudgetTimeColumn::Hours;
    int released = 3;  // BudgetUnit of the released column: 0, 3, 4, 5 or 6
    BudgetOtherColumns other = BudgetOtherColumns::Percent;
};

// The released column's first unit: that of the instantaneous release, else
// of the contained release, else from the continuous release's rate unit;
// barrels without any of them.
int InitialReleasedUnit(const SpillDocData& doc);

// The choices a new table starts with for this scenario.
BudgetTableChoices InitialBudgetTableChoices(const SpillDocData& doc);

// The output steps shown as rows, in order: at most `maxRows`, thinned
// more and more (every hour, 2, 4, 6, 12 and then 24 hours apart) until
// the steps that matter fit; empty when even daily rows do not fit.
std::vector<int> SelectBudgetRows(const OutputSeries& volumes, int maxRows);

// The table's column headings and rows from the oil budget series built in
// the released column's volume unit. Dates are counted from `release`.
std::string BudgetTableRows(const OutputSeries& volumes, std::time_t release,
                            const BudgetTableChoices& choices);

struct OilBudgetTable {
    bool hasResults = false;
    std::string header;  // the scenario's facts
    std::string table;   // headings and rows
    // What the table window shows: both texts, or "N/A" without results.
    std::string Text() const { return hasResults ? header + table : "N/A"; }
};

// The table of the document's last run.
OilBudgetTable BuildOilBudgetTable(const CSpillDoc& doc, const BudgetTableChoices& choices);

// Whether the document holds results of a run to show.
bool HasResults(const CSpillDoc& doc);

}  // namespace ormix
