// Spreading: the area and thickness of every LE for every hour of the run.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/messages.h"
#include "model/weathering_model.h"

namespace ormix {

void Spread(WeatheringModel& m);

class OpenWaterSpread;
class DagTriangulation;

// The spreading done on a thread of its own, hour by hour, so that the run
// can follow it: the areas and thicknesses of an hour are final once the
// hour is published. The spreading's thread drifts the particles a little
// ahead of the triangulations, so that a thread waiting for an hour can
// triangulate the next one meanwhile; the hours are finished in order. The
// spreading's messages are held until Finish, so that they come as they
// would from a spreading done before the run. Spreading inside a boom is done
// at once, in the caller's thread.
class BackgroundSpread {
public:
    explicit BackgroundSpread(WeatheringModel& m);
    ~BackgroundSpread();
    BackgroundSpread(const BackgroundSpread&) = delete;
    BackgroundSpread& operator=(const BackgroundSpread&) = delete;

    // Returns once hours [0, hours) are spread (at once when the spreading
    // has ended, whatever its end), triangulating hours meanwhile when there
    // are some to be done.
    void WaitForHours(int hours) const;

    // Waits for the spreading to end and hands its messages on to `sink`.
    void Finish(MessageSink& sink);

    // The hours that waiting threads triangulated (for the tests).
    int HoursTriangulatedByWaiters() const { return byWaiters_.load(); }

private:
    // The spreading's own thread: drifts every hour, triangulating hours
    // between.
    void SpreadHours();
    // Triangulates the next drifted hour that no thread has taken, then
    // finishes what hours it can; false when there was none to take.
    bool TriangulateNext(DagTriangulation& triangulation) const;
    void FinishHours() const;
    // A triangulation for a waiting thread (null when none can be had).
    std::unique_ptr<DagTriangulation> TakeTriangulation() const;
    void GiveBack(std::unique_ptr<DagTriangulation> triangulation) const;

    const int hours_;
    CollectingSink messages_;
    std::unique_ptr<OpenWaterSpread> spread_;
    std::unique_ptr<DagTriangulation> own_;  // the spreading thread's
    mutable std::atomic<int> published_{0};  // hours finished so far
    mutable std::atomic<int> byWaiters_{0};
    // The hours drifted, taken for triangulation and triangulated; whether
    // a thread is finishing hours. Under mutex_.
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    mutable int drifted_ = 0, taken_ = 0;
    mutable std::vector<char> triangulated_;
    mutable bool finishing_ = false;
    mutable int finished_ = 0;
    mutable std::vector<std::unique_ptr<DagTriangulation>> spare_;
    std::thread thread_;
};

}  // namespace ormix
