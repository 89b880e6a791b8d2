// The labels of the budget units in the oil budget table and on the graphs,
// beside the units themselves and their conversion (core/budget_conversion.h).
#pragma once

#include "core/budget_conversion.h"

namespace ormix {

// The unit's label in the oil budget table ("cu m", ..., "metric tons") and on
// the graphs ("cu m", ..., "metric tonnes"); "" for a code outside 0..6.
const char* BudgetUnitTableLabel(int unit);
const char* BudgetUnitGraphLabel(int unit);

}  // namespace ormix
