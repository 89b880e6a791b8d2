// Clock times of the model's hours, for the rows of the tables.
#pragma once

#include <ctime>

namespace ormix {

// The clock time at which hour `hour` of the spill begins (hour 1 begins at
// the initial release's clock hour; its minutes are dropped). Hours are
// counted as elapsed hours, as the model counts them, so the times stay
// right across a change of daylight saving time and a 29 February.
std::time_t ModelHourStart(std::time_t release, long hour);

}  // namespace ormix
