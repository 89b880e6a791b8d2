// The oil budget table's three choices on the command line (--time,
// --released, --other) and its printing.
#pragma once

#include <iosfwd>
#include <string>

#include "output/budget_table.h"

namespace CLI {
class App;
}

namespace ormix {

struct BudgetTableOptions {
    std::string time = "hours";     // hours | dates
    std::string released;           // bbl | gal | cu-m | tons | metric-tons; empty: the scenario's
    std::string other = "percent";  // same | percent | fraction
};

void AddBudgetTableOptions(CLI::App* cmd, BudgetTableOptions& options);

// The choices for a scenario: the options given, the table's first choices
// for the rest.
BudgetTableChoices BudgetTableChoicesFor(const SpillDocData& doc,
                                         const BudgetTableOptions& options);

// Prints the oil budget table of the document's last run ("N/A" without
// results).
void PrintBudgetTable(const CSpillDoc& doc, const BudgetTableChoices& choices, std::ostream& out);

}  // namespace ormix
