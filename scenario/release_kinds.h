// Which release kinds of a scenario have been entered through their own
// dialogs. The release dialog's box of a kind can be checked only then: a
// kind never entered holds no amount to release.
#pragma once

#include "scenario/spill_doc.h"

namespace ormix {

enum class ReleaseKind { Contained, Instantaneous, Continuous, Tank };

bool ReleaseKindEntered(const SpillDocData& doc, ReleaseKind kind);

}  // namespace ormix
