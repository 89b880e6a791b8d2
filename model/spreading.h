// Spreading: the area and thickness of every LE for every hour of the run.
#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "model/messages.h"
#include "model/weathering_model.h"

namespace ormix {

void Spread(WeatheringModel& m);

class OpenWaterSpread;

// The spreading done on a thread of its own, hour by hour, so that the run
// can follow it: the areas and thicknesses of an hour are final once the
// hour is published. The spreading's messages are held until Finish, so
// that they come as they would from a spreading done before the run.
// Spreading inside a boom is done at once, in the caller's thread.
class BackgroundSpread {
public:
    explicit BackgroundSpread(WeatheringModel& m);
    ~BackgroundSpread();
    BackgroundSpread(const BackgroundSpread&) = delete;
    BackgroundSpread& operator=(const BackgroundSpread&) = delete;

    // Returns once hours [0, hours) are spread (at once when the spreading
    // has ended, whatever its end).
    void WaitForHours(int hours) const;

    // Waits for the spreading to end and hands its messages on to `sink`.
    void Finish(MessageSink& sink);

private:
    void SpreadHours();

    const int hours_;
    CollectingSink messages_;
    std::unique_ptr<OpenWaterSpread> spread_;
    std::atomic<int> published_{0};  // hours spread so far
    std::thread thread_;
};

}  // namespace ormix
