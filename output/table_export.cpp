#include "output/table_export.h"

#include <sstream>

#include "output/budget_units.h"
#include "output/series_csv.h"

namespace ormix {

std::string BudgetTableCsv(const CSpillDoc& doc, const BudgetTableChoices& choices) {
    if (!HasResults(doc)) return "";
    // As the table: the released column is always a volume or a mass.
    const bool volume =
        choices.released == kBudgetCubicMetres ||
        (choices.released >= kBudgetBarrels && choices.released <= kBudgetMetricTons);
    const int released = volume ? choices.released : kBudgetBarrels;
    const int other = choices.other == BudgetOtherColumns::Percent    ? kBudgetPercent
                      : choices.other == BudgetOtherColumns::Fraction ? kBudgetFraction
                                                                      : released;
    const OutputSeries volumes = BuildBudgetTableSeries(doc.Model(), released);
    const OutputSeries others =
        other == released ? volumes : BuildBudgetTableSeries(doc.Model(), other);
    if (volumes.stepCount < 1) return "";
    std::vector<CsvColumn> columns;
    for (int k = 0; k < kBudgetReleased; ++k)
        if (!volumes.names[k].empty())
            columns.push_back(
                {volumes.names[k] + " (" + BudgetUnitTableLabel(other) + ")", &others.series[k]});
    columns.push_back({volumes.names[kBudgetReleased] + " (" + BudgetUnitTableLabel(released) + ")",
                       &volumes.series[kBudgetReleased]});
    std::ostringstream out;
    WriteCsvColumns(volumes, columns, out);
    return out.str();
}

}  // namespace ormix
