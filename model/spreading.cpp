// Spreading and slick area.
//
// PLACEHOLDER: the drifting, random-walking particles and their triangulation
// go here. Until then the oil does not spread: every LE keeps the area it was
// released with, for every hour of the run.
#include "model/spreading.h"

namespace ormix {

void Spread(WeatheringModel& m) {
    for (int i = 0; i < m.numLEs; ++i) {
        LE& e = m.le[i];
        for (int h = 0; h < m.numHours; ++h) {
            e.area[h] = e.initArea;
            e.thick[h] = e.initArea > 0 ? e.Vol / e.initArea : 0.0;
        }
    }
}

}  // namespace ormix
