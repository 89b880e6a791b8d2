// Units of the budget quantities (amounts of oil released, evaporated,
// dispersed, ...) and the conversion of a volume in cubic metres into them.
// The outputs label them (output/budget_units.h); the leaking tank's release
// curve converts with them too.
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

// `value` (m3) in `unit`: fraction and percent are of `reference` (m3), tons
// and metric tons use `density` (kg/m3). A negative value or an unknown unit
// gives -999; so do fraction and percent of a reference that is not positive
// (unless value equals reference, which is exactly 1 or 100).
double ConvertBudgetValue(int unit, double value, double reference, double density);

}  // namespace ormix
