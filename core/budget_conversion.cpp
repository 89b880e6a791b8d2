#include "core/budget_conversion.h"

#include "core/constants.h"

namespace ormix {

double ConvertBudgetValue(int unit, double value, double reference, double density) {
    if (value < 0 || unit > kBudgetMetricTons) return NoData;
    switch (unit) {
        case kBudgetCubicMetres:
            return value;
        case kBudgetFraction:
            if (value == reference) return 1.0;
            return reference > 0 ? value / reference : NoData;
        case kBudgetPercent:
            if (value == reference) return 100.0;
            return reference > 0 ? 100.0 * value / reference : NoData;
        case kBudgetBarrels:
            return value / 0.158987294928;
        case kBudgetGallons:
            return value / 0.003785411784;
        case kBudgetTons:
            return value * density / 907.2;
        case kBudgetMetricTons:
            return value * density / 1000.0;
    }
    return NoData;  // a negative unit code
}

}  // namespace ormix
