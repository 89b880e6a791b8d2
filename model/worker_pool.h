// A small pool of worker threads for the LE updates of a time step: the LEs
// of one step are independent of one another, so their updates can share
// the machine's cores. Whoever calls Run takes part in the work and gets
// control back only when every index has been done.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace ormix {

class WorkerPool {
public:
    // A pool working with `threads` threads in all, the caller's included
    // (at least 1: the caller alone, no thread is started).
    explicit WorkerPool(int threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    int Threads() const { return static_cast<int>(helpers_.size()) + 1; }

    // Calls body(context, i) once for every i in [0, n), in chunks of
    // `chunk` indices taken in turn by whichever thread is free.
    using Body = void (*)(void* context, int i);
    void Run(int n, int chunk, Body body, void* context);

    // The number of threads a run uses by default: the machine's cores.
    static int DefaultThreads();

private:
    void Help();
    void Work();

    std::vector<std::thread> helpers_;
    // Threads wait for a call (and the caller for its end) by spinning a
    // little, since the next step follows within a fraction of a
    // millisecond, then by sleeping on the condition.
    std::mutex mutex_;
    std::condition_variable start_, done_;
    std::atomic<long long> generation_{0};  // counts the calls of Run
    std::atomic<int> busy_{0};              // helpers still working on the current call
    std::atomic<bool> stop_{false};
    // The current call.
    Body body_ = nullptr;
    void* context_ = nullptr;
    int n_ = 0, chunk_ = 1;
    std::atomic<int> next_{0};
};

}  // namespace ormix
