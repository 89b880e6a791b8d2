#include "output/graph_units.h"

#include "output/graph_series.h"

namespace ormix {

static_assert(kBeachGraph + 1 == kGraphKindCodes, "one kept unit per graph kind code");

int GraphUnitOf(const SpillDocData& doc, int kind) {
    if (kind == kOilBudgetGraph) return doc.budgetGraphUnit;
    if (kind == kBenzeneGraph) return kBenzenePpm;
    if (!IsGraphKind(kind)) return -1;
    return doc.graphUnit[kind];
}

bool ChooseGraphUnit(SpillDocData& doc, int kind, int unit) {
    if (!IsGraphUnit(kind, unit) || GraphUnitOf(doc, kind) == unit) return false;
    if (kind == kOilBudgetGraph)
        doc.budgetGraphUnit = unit;
    else
        doc.graphUnit[kind] = unit;
    return true;
}

}  // namespace ormix
