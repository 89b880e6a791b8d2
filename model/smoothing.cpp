// Result smoothing.
//
// PLACEHOLDER: the three-point running mean goes here. Until then the results
// stand as the step loop recorded them.
#include "model/smoothing.h"

namespace ormix {

void SmoothResults(WeatheringModel&, int, int, int, int) {}

}  // namespace ormix
