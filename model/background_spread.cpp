// The spreading beside the run: its own thread drifts the particles hour by
// hour, in order, since the drift draws random numbers; the triangulations
// of the drifted hours are taken by that thread and by any thread waiting
// for an hour; the hours are finished (LE areas, smoothing) in order, by
// whichever thread completes the one next in line.
#include <new>
#include <system_error>

#include "model/open_water_spread.h"
#include "model/spreading.h"

namespace ormix {

namespace {

// How many drifted hours the spreading's thread keeps ahead of the
// triangulations taken: one for itself, one for a thread that waits.
constexpr int kDriftAhead = 2;

}  // namespace

BackgroundSpread::BackgroundSpread(WeatheringModel& m) : hours_(m.run.numHours) {
    if (!SpreadableModel(m) || m.inputs.containedArea > 0) {
        Spread(m);
        published_.store(kHours + 1);
        return;
    }
    spread_ = StartOpenWater(m, messages_);
    if (spread_) {
        try {
            triangulated_.assign(hours_, 0);
            own_ = std::make_unique<DagTriangulation>(DiscardMessages());
        } catch (const std::bad_alloc&) {
            messages_.Error("Error: Out of Memory (Spread)");
            spread_.reset();
        }
    }
    if (!spread_) {
        published_.store(kHours + 1);
        return;
    }
    // Without a thread to be had (none left, or no memory for one), all
    // hours are spread now, in this one.
    try {
        thread_ = std::thread([this] { SpreadHours(); });
    } catch (const std::system_error&) {
        SpreadHours();
    } catch (const std::bad_alloc&) {
        SpreadHours();
    }
}

BackgroundSpread::~BackgroundSpread() {
    if (thread_.joinable()) thread_.join();
}

void BackgroundSpread::SpreadHours() {
    for (;;) {
        int drift = -1;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (drifted_ < hours_ && drifted_ - taken_ < kDriftAhead)
                drift = drifted_;
            else if (taken_ == drifted_ && drifted_ == hours_)
                break;  // every hour is drifted and taken
        }
        if (drift >= 0) {
            spread_->Drift(drift);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                drifted_ = drift + 1;
            }
            changed_.notify_all();
            continue;
        }
        TriangulateNext(*own_);  // unless a waiting thread took it first
    }
    FinishHours();  // a run of no hours has nothing else to finish it
}

bool BackgroundSpread::TriangulateNext(DagTriangulation& triangulation) const {
    int h;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (taken_ >= drifted_) return false;
        h = taken_++;
    }
    spread_->Triangulate(h, triangulation);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        triangulated_[h] = 1;
    }
    FinishHours();
    return true;
}

// One thread at a time finishes the hours, in order, as far as they are
// triangulated; a thread that finds another at it leaves its hour to that
// one, which looks again before it stops.
void BackgroundSpread::FinishHours() const {
    std::unique_lock<std::mutex> lock(mutex_);
    if (finishing_) return;
    finishing_ = true;
    while (finished_ < hours_ && triangulated_[finished_]) {
        const int h = finished_;
        lock.unlock();
        spread_->Finish(h);
        lock.lock();
        finished_ = h + 1;
        published_.store(finished_, std::memory_order_release);
        changed_.notify_all();
    }
    if (finished_ == hours_) {
        published_.store(kHours + 1, std::memory_order_release);
        changed_.notify_all();
    }
    finishing_ = false;
}

std::unique_ptr<DagTriangulation> BackgroundSpread::TakeTriangulation() const {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!spare_.empty()) {
            std::unique_ptr<DagTriangulation> t = std::move(spare_.back());
            spare_.pop_back();
            return t;
        }
    }
    try {
        return std::make_unique<DagTriangulation>(DiscardMessages());
    } catch (const std::bad_alloc&) {
        return nullptr;  // the thread waits without helping
    }
}

void BackgroundSpread::GiveBack(std::unique_ptr<DagTriangulation> triangulation) const {
    std::lock_guard<std::mutex> lock(mutex_);
    try {
        spare_.push_back(std::move(triangulation));
    } catch (const std::bad_alloc&) {
        // Dropped: the next waiting thread makes another.
    }
}

void BackgroundSpread::WaitForHours(int hours) const {
    if (published_.load(std::memory_order_acquire) >= hours) return;
    std::unique_ptr<DagTriangulation> mine;
    bool asked = false;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            if (published_.load(std::memory_order_acquire) >= hours) break;
            if (taken_ >= drifted_ || (asked && !mine)) {
                // Nothing to triangulate (or nothing to do it with): wait
                // for the next hour drifted or finished.
                changed_.wait(lock);
                continue;
            }
        }
        if (!asked) {
            asked = true;
            mine = TakeTriangulation();
            if (!mine) continue;
        }
        if (TriangulateNext(*mine)) ++byWaiters_;
    }
    if (mine) GiveBack(std::move(mine));
}

void BackgroundSpread::Finish(MessageSink& sink) {
    WaitForHours(kHours + 1);
    if (thread_.joinable()) thread_.join();
    for (const Message& message : messages_.messages)
        sink.Show(message.kind, message.text);
    messages_.messages.clear();
}

}  // namespace ormix
