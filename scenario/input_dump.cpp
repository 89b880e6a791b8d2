// PLACEHOLDER: the listing of every input of the run goes here; until then
// the run writes no input dump.
#include "scenario/input_dump.h"

namespace ormix {

void WriteInputDump(const CSpillDoc&) {}

}  // namespace ormix
