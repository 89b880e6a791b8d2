#include "cli/unit_names.h"

#include <CLI/CLI.hpp>

#include "output/budget_units.h"

namespace ormix {

namespace {

constexpr int kReleasedUnits[] = {kBudgetBarrels, kBudgetGallons, kBudgetCubicMetres, kBudgetTons,
                                  kBudgetMetricTons};

}  // namespace

std::string Dashed(std::string label) {
    for (char& c : label)
        if (c == ' ') c = '-';
    return label;
}

std::string BudgetUnitName(int unit) {
    return Dashed(BudgetUnitTableLabel(unit));
}

int BudgetUnitNamed(const std::string& name) {
    const std::string dashed = Dashed(name);
    for (int unit = kBudgetCubicMetres; unit <= kBudgetMetricTons; ++unit)
        if (dashed == BudgetUnitName(unit) || dashed == Dashed(BudgetUnitGraphLabel(unit)))
            return unit;
    return -1;
}

CLI::Validator ReleasedUnitName() {
    std::string names;
    for (int unit : kReleasedUnits)
        names += (names.empty() ? "" : ", ") + BudgetUnitName(unit);
    return CLI::Validator(
        [names](std::string& value) -> std::string {
            const int unit = BudgetUnitNamed(value);
            for (int released : kReleasedUnits) {
                if (unit == released) {
                    value = BudgetUnitName(unit);
                    return {};
                }
            }
            return value + " is not a unit of the amount released: " + names;
        },
        "UNIT");
}

}  // namespace ormix
