#include "model/worker_pool.h"

#include <new>
#include <system_error>

namespace ormix {

namespace {

// A few tens of microseconds of spinning before a thread sleeps: enough to
// catch the next step on an idle machine, little lost on a busy one.
constexpr int kSpins = 20000;

void Pause() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
}

}  // namespace

WorkerPool::WorkerPool(int threads) : taken_(new std::atomic<bool>[threads > 1 ? threads : 1]) {
    for (int t = 0; t < (threads > 1 ? threads : 1); ++t)
        taken_[t].store(true);
    for (int t = 1; t < threads; ++t) {
        try {
            helpers_.emplace_back([this, t] { Help(t); });
        } catch (const std::system_error&) {
            break;  // the work is shared among the threads that started
        } catch (const std::bad_alloc&) {
            break;  // no memory for another thread: the same
        }
    }
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_.store(true);
    }
    start_.notify_all();
    for (std::thread& t : helpers_)
        t.join();
}

int WorkerPool::DefaultThreads() {
    unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : (n > 16 ? 16 : static_cast<int>(n));
}

void WorkerPool::DoShare(int share) {
    const int threads = Threads();
    for (int first = share * chunk_; first < n_; first += threads * chunk_) {
        const int last = first + chunk_ < n_ ? first + chunk_ : n_;
        for (int i = first; i < last; ++i)
            body_(context_, i);
    }
}

void WorkerPool::Help(int share) {
    long long seen = 0;
    for (;;) {
        int spins = 0;
        while (generation_.load(std::memory_order_acquire) == seen &&
               !stop_.load(std::memory_order_acquire)) {
            if (++spins < kSpins) {
                Pause();
                continue;
            }
            std::unique_lock<std::mutex> lock(mutex_);
            start_.wait(lock, [&] { return stop_.load() || generation_.load() != seen; });
        }
        if (stop_.load(std::memory_order_acquire)) return;
        seen = generation_.load(std::memory_order_acquire);
        if (taken_[share].exchange(true, std::memory_order_acq_rel)) continue;
        DoShare(share);
        finished_.fetch_add(1, std::memory_order_acq_rel);
        std::lock_guard<std::mutex> lock(mutex_);
        done_.notify_one();
    }
}

void WorkerPool::Run(int n, int chunk, Body body, void* context) {
    if (n <= 0) return;
    if (helpers_.empty() || n <= chunk) {
        for (int i = 0; i < n; ++i)
            body(context, i);
        return;
    }
    body_ = body;
    context_ = context;
    n_ = n;
    chunk_ = chunk < 1 ? 1 : chunk;
    finished_.store(0, std::memory_order_relaxed);
    const int threads = Threads();
    for (int t = 1; t < threads; ++t)
        taken_[t].store(false, std::memory_order_release);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        generation_.fetch_add(1, std::memory_order_release);
    }
    start_.notify_all();
    DoShare(0);
    // The shares no helper has taken yet are the caller's; then wait for
    // the helpers that took theirs.
    int helped = 0;
    for (int t = 1; t < threads; ++t) {
        if (taken_[t].exchange(true, std::memory_order_acq_rel))
            ++helped;
        else
            DoShare(t);
    }
    int spins = 0;
    while (finished_.load(std::memory_order_acquire) != helped) {
        if (++spins < kSpins) {
            Pause();
            continue;
        }
        std::unique_lock<std::mutex> lock(mutex_);
        done_.wait(lock, [&] { return finished_.load() == helped; });
    }
}

}  // namespace ormix
