// How many hours a run covers, and what decides it: the model follows the
// oil only while it knows the wind, and never beyond 120 hours from the
// first release (the 5 day limit).
#pragma once

#include "model/weathering_model.h"

namespace ormix {

enum class RunEnd {
    FiveDayLimit,  // the wind is known for all 120 hours
    LastWind,      // the hourly wind ends earlier, with the last wind record
    NoWind,        // no hour has a wind: there is nothing to run
};

struct RunLength {
    int hours = 0;
    RunEnd end = RunEnd::NoWind;
};

// From the model's hourly wind: the run ends with the last hour that has a
// wind speed.
RunLength RunLengthOf(const WeatheringModel& m);

}  // namespace ormix
