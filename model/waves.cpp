// Waves from wind and fetch.
//
// PLACEHOLDER: the wave computation goes here. Until then the sea is calm:
// every hour of the run has no waves and no fetch.
#include "model/waves.h"

namespace ormix {

void ComputeWaves(WeatheringModel& m) {
    WaveCase calm{0.0, 0.0, 0.0};
    for (int h = 0; h < m.numHours; ++h) {
        m.wind[h].fetch = 0.0;
        m.wave[h].best = calm;
        if (m.windFlag) m.wave[h].high = m.wave[h].low = calm;
    }
}

}  // namespace ormix
