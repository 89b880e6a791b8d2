// The names of units on the command line: one spelling per unit for every
// command (`--released`, `series --unit`), the unit labels of the tables and
// graphs with a dash for each blank ("cu m" is `cu-m`), and the other
// spellings of a unit accepted beside it.
#pragma once

#include <string>

namespace CLI {
class Validator;
}

namespace ormix {

// The command-line name of a budget unit: cu-m, fraction, percent, bbl, gal,
// tons, metric-tons; "" for a code outside 0..6.
std::string BudgetUnitName(int unit);

// The budget unit a name stands for: its own name, the label with blanks
// ("cu m", "metric tons") or the graphs' "metric tonnes" (with a blank or a
// dash); -1 for any other name.
int BudgetUnitNamed(const std::string& name);

// A volume or mass unit of the released amount (cu-m, bbl, gal, tons,
// metric-tons): rewrites the name given to the unit's own name, refuses
// any other with the list of names.
CLI::Validator ReleasedUnitName();

// A label with a dash for each blank: "kg/cu m" is "kg/cu-m".
std::string Dashed(std::string label);

}  // namespace ormix
