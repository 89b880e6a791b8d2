#include "cli/budget_table_options.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/unit_names.h"

namespace ormix {

void AddBudgetTableOptions(CLI::App* cmd, BudgetTableOptions& options) {
    cmd->add_option("--time", options.time,
                    "Time column of the oil budget table: hours into the spill, or dates")
        ->check(CLI::IsMember({"hours", "dates"}));
    cmd->add_option("--released", options.released,
                    "Unit of the amounts: bbl, gal, cu-m, tons or metric-tons (default: the unit "
                    "of the release)")
        ->check(ReleasedUnitName());
    cmd->add_option("--other", options.other,
                    "Other columns: same unit as released, percent or fraction of it")
        ->check(CLI::IsMember({"same", "percent", "fraction"}));
}

BudgetTableChoices BudgetTableChoicesFor(const SpillDocData& doc,
                                         const BudgetTableOptions& options) {
    BudgetTableChoices c = InitialBudgetTableChoices(doc);
    c.time = options.time == "dates" ? BudgetTimeColumn::Dates : BudgetTimeColumn::Hours;
    if (!options.released.empty()) c.released = BudgetUnitNamed(options.released);
    c.other = options.other == "same"       ? BudgetOtherColumns::Same
              : options.other == "fraction" ? BudgetOtherColumns::Fraction
                                            : BudgetOtherColumns::Percent;
    return c;
}

void PrintBudgetTable(const CSpillDoc& doc, const BudgetTableChoices& choices, std::ostream& out) {
    out << BuildOilBudgetTable(doc, choices).Text();
    if (!HasResults(doc)) out << "\n";
}

}  // namespace ormix
