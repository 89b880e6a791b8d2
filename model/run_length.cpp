#include "model/run_length.h"

namespace ormix {

RunLength RunLengthOf(const WeatheringModel& m) {
    RunLength r;
    for (int h = kHours - 1; h >= 0; --h) {
        if (m.inputs.wind[h].speed >= 0) {
            r.hours = h + 1;
            r.end = r.hours == kHours ? RunEnd::FiveDayLimit : RunEnd::LastWind;
            break;
        }
    }
    return r;
}

}  // namespace ormix
