// The unit of each graph kind as the scenario document keeps it, so that a
// graph reopened for the same scenario keeps its unit.
#pragma once

#include "scenario/spill_doc.h"

namespace ormix {

// The unit the document keeps for a graph kind (GraphKind; the oil budget
// graph is kOilBudgetGraph); -1 for an unknown kind. The benzene graph is
// always in ppm.
int GraphUnitOf(const SpillDocData& doc, int kind);

// The unit chosen from a graph's units menu: stored in the document when it
// is one of the kind's units and differs from the current one. Returns
// whether it changed, that is whether the graph has to be drawn again.
bool ChooseGraphUnit(SpillDocData& doc, int kind, int unit);

}  // namespace ormix
