// A small pool of worker threads for the LE updates of a time step: the LEs
// of one step are independent of one another, so their updates can share
// the machine's cores. Whoever calls Run takes part in the work and gets
// control back only when every index has been done.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
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

    // Calls body(context, i) once for every i in [0, n). The indices go in
    // chunks of `chunk` to the threads in turn, the same chunks to the same
    // thread at every call, so that an LE's data stays in the cache of the
    // core that updates it from step to step.
    using Body = void (*)(void* context, int i);
    void Run(int n, int chunk, Body body, void* context);

    // The number of threads a run uses by default: the machine's cores.
    static int DefaultThreads();

private:
    void Help(int share);
    void DoShare(int share);

    std::vector<std::thread> helpers_;
    // Threads wait for a call (and the caller for its end) by spinning a
    // little, since the next step follows within a fraction of a
    // millisecond, then by sleeping on the condition.
    std::mutex mutex_;
    std::condition_variable start_, done_;
    std::atomic<long long> generation_{0};  // counts the calls of Run
    std::atomic<bool> stop_{false};
    // Share t of a call (t >= 1) is done by whichever takes it first: helper
    // t, or the caller once its own share is done, so that a helper slow to
    // wake never holds the call up.
    std::unique_ptr<std::atomic<bool>[]> taken_;
    std::atomic<int> finished_{0};  // shares done by helpers in the current call
    // The current call.
    Body body_ = nullptr;
    void* context_ = nullptr;
    int n_ = 0, chunk_ = 1;
};

}  // namespace ormix
