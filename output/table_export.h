// The tables as they leave the program: the titles of their printed pages,
// and the oil budget table for spreadsheets, every output step of the run
// at full precision in the units the table window shows.
#pragma once

#include <string>

#include "output/budget_table.h"

namespace ormix {

inline constexpr char kBudgetTablePrintTitle[] = "Spill Scenario - Oil Budget Table";
inline constexpr char kIcsTablePrintTitle[] = "Spill Scenario - ICS 209-OS Box 3";

// "hours", each quantity that occurs in the other columns' unit (the
// released unit, percent or fraction), then "Total" in the released unit;
// one row per output step. Empty without results.
std::string BudgetTableCsv(const CSpillDoc& doc, const BudgetTableChoices& choices);

}  // namespace ormix
