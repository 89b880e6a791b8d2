#include "model/worker_pool.h"

namespace ormix {

WorkerPool::WorkerPool(int threads) {
    for (int t = 1; t < threads; ++t)
        helpers_.emplace_back([this] { Help(); });
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    start_.notify_all();
    for (std::thread& t : helpers_)
        t.join();
}

int WorkerPool::DefaultThreads() {
    unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : (n > 16 ? 16 : static_cast<int>(n));
}

void WorkerPool::Work() {
    for (;;) {
        int first = next_.fetch_add(chunk_, std::memory_order_relaxed);
        if (first >= n_) return;
        int last = first + chunk_ < n_ ? first + chunk_ : n_;
        for (int i = first; i < last; ++i)
            body_(context_, i);
    }
}

void WorkerPool::Help() {
    long long seen = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            start_.wait(lock, [&] { return stop_ || generation_ != seen; });
            if (stop_) return;
            seen = generation_;
        }
        Work();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (--busy_ == 0) done_.notify_one();
        }
    }
}

void WorkerPool::Run(int n, int chunk, Body body, void* context) {
    if (n <= 0) return;
    if (helpers_.empty() || n <= chunk) {
        for (int i = 0; i < n; ++i)
            body(context, i);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        body_ = body;
        context_ = context;
        n_ = n;
        chunk_ = chunk < 1 ? 1 : chunk;
        next_.store(0, std::memory_order_relaxed);
        busy_ = static_cast<int>(helpers_.size());
        ++generation_;
    }
    start_.notify_all();
    Work();
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [&] { return busy_ == 0; });
}

}  // namespace ormix
