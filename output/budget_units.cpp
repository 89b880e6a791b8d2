#include "output/budget_units.h"

namespace ormix {

namespace {

constexpr const char* kTableLabels[] = {"cu m", "fraction", "percent",    "bbl",
                                        "gal",  "tons",     "metric tons"};
constexpr const char* kGraphLabels[] = {"cu m", "fraction", "percent",      "bbl",
                                        "gal",  "tons",     "metric tonnes"};

bool Known(int unit) {
    return unit >= kBudgetCubicMetres && unit <= kBudgetMetricTons;
}

}  // namespace

const char* BudgetUnitTableLabel(int unit) {
    return Known(unit) ? kTableLabels[unit] : "";
}

const char* BudgetUnitGraphLabel(int unit) {
    return Known(unit) ? kGraphLabels[unit] : "";
}

}  // namespace ormix
