// Units of the budget quantities (amounts of oil released, evaporated,
// dispersed, ...) and the conversion of a volume in cubic metres into them.
// Shared by the oil budget table, the graphs, the ICS 209 table and the
// leaking tank's release curve.
#pragma once

namespace ormix {

enum BudgetUnit {
    kBudgetCubicMetres = 0,
    kBudgetFraction = 1,
    kBudgetPercent = 2,
    kBudgetBarrels = 3,
    kBudgetGallons = 4,
    kBudgetTons = 5,
    kBudgetMetricTons = 6
};

// The unit's label in the oil budget table ("cu m", ..., "metric tons") and on
// the graphs ("cu m", ..., "metric tonnes"); "" for a code outside 0..6.
const char* BudgetUnitTableLabel(int unit);
const char* BudgetUnitGraphLabel(int unit);

// `value` (m3) in `unit`: fraction and percent are of `reference` (m3), tons
// and metric tons use `density` (kg/m3). A negative value or an unknown unit
// gives -999; so do fraction and percent of a reference that is not positive
// (unless value equals reference, which is exactly 1 or 100).
double ConvertBudgetValue(int unit, double value, double reference, double density);

}  // namespace ormix
