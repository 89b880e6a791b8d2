// A run whose memory runs out at any one point must end with a message or
// with the results of a run that had enough memory: never a crash, a hang,
// an exception escaping the engine, or results silently changed. This test
// program replaces the global allocation functions so that the k-th
// allocation after arming fails, and tries every k of a run in turn.
#include <gtest/gtest.h>

// The replacements below pair malloc with free, which the compiler cannot see.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <tuple>

#include "model/run.h"
#include "tests/model_fixture.h"
#include "tests/temp_dir.h"

namespace {

// Allocations left before the one that fails (negative: none fails).
std::atomic<long long> g_countdown{-1};
std::atomic<int> g_failures{0};

bool FailThisOne() {
    if (g_countdown.load(std::memory_order_relaxed) < 0) return false;
    if (g_countdown.fetch_sub(1, std::memory_order_relaxed) != 0) return false;
    g_failures.fetch_add(1, std::memory_order_relaxed);
    return true;
}

void* Allocate(std::size_t n) {
    return std::malloc(n == 0 ? 1 : n);
}

void* AllocateAligned(std::size_t n, std::align_val_t a) {
    const std::size_t align = static_cast<std::size_t>(a);
    const std::size_t size = (n + align - 1) / align * align;
    return std::aligned_alloc(align, size == 0 ? align : size);
}

}  // namespace

void* operator new(std::size_t n) {
    void* p = FailThisOne() ? nullptr : Allocate(n);
    if (!p) throw std::bad_alloc();
    return p;
}
void* operator new[](std::size_t n) {
    return operator new(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return FailThisOne() ? nullptr : Allocate(n);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return FailThisOne() ? nullptr : Allocate(n);
}
void* operator new(std::size_t n, std::align_val_t a) {
    void* p = FailThisOne() ? nullptr : AllocateAligned(n, a);
    if (!p) throw std::bad_alloc();
    return p;
}
void* operator new[](std::size_t n, std::align_val_t a) {
    return operator new(n, a);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

namespace ormix {
namespace {

using testing::Records;

// Counts the messages of a run without allocating, so that the test's own
// bookkeeping never takes the failing allocation.
class FixedSink final : public MessageSink {
public:
    void Show(MessageKind kind, const std::string&) override {
        ++count;
        errors += kind == MessageKind::Error;
    }
    int count = 0, errors = 0;
};

// A short run that takes every path of the engine's storage: an
// open-water spill with all three uncertainties, so that the spreading, pass
// 0 and the uncertainty cases each have their own storage and threads.
Records ShortRunWithUncertainty() {
    Records r(3);
    r.Instant(500).AllUncertainties(10);
    return r;
}

struct Outcome {
    bool escaped = false;  // an exception left the engine
    bool ran = false;
    bool failed = false;  // the armed allocation did fail
};

Outcome RunWithFailingAllocation(WeatheringModel& m, const Records& r, int threads, bool dump,
                                 long long k) {
    Outcome out;
    m.Reset();
    g_failures = 0;
    g_countdown = k;
    try {
        FillModel(m, r.Set());
        out.ran = m.SetUp() && RunModel(m, {.coreDump = dump, .threads = threads});
    } catch (...) {
        out.escaped = true;
    }
    g_countdown = -1;
    out.failed = g_failures > 0;
    return out;
}

bool SameResults(const WeatheringModel& a, const WeatheringModel& b) {
    return a.run.numSteps == b.run.numSteps &&
           std::memcmp(a.results.result, b.results.result, sizeof(StepResult) * a.run.numSteps) ==
               0;
}

// Threads of the run, and whether it writes the core dump.
class AllocationFailureTest : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(AllocationFailureTest, EveryFailingAllocationEndsInAMessageOrTheSameResults) {
    const auto [threads, dump] = GetParam();
    const Records r = ShortRunWithUncertainty();
    testing::TempDir dir;
    FixedSink referenceSink;
    auto reference = testing::NewModel(&referenceSink);
    reference->run.workDir = dir.Path();
    Outcome ok = RunWithFailingAllocation(*reference, r, threads, dump, -1);
    ASSERT_TRUE(ok.ran);
    ASSERT_EQ(referenceSink.count, 0);

    int tried = 0, reported = 0;
    for (long long k = 0;; ++k) {
        FixedSink sink;
        auto m = testing::NewModel(&sink);
        m->run.workDir = dir.Path();
        const Outcome out = RunWithFailingAllocation(*m, r, threads, dump, k);
        ASSERT_FALSE(out.escaped) << "allocation " << k;
        if (!out.failed) break;  // the run makes fewer than k + 1 allocations
        ++tried;
        if (sink.errors > 0) {
            ++reported;
            continue;
        }
        // Without a word, the run must have coped: a thread it could not
        // start, storage it could do without.
        ASSERT_TRUE(out.ran) << "allocation " << k << ": failed without a message";
        ASSERT_TRUE(SameResults(*m, *reference))
            << "allocation " << k << ": results changed without a message";
    }
    EXPECT_GT(tried, 10);
    EXPECT_GT(reported, 0);
}

INSTANTIATE_TEST_SUITE_P(Runs, AllocationFailureTest,
                         ::testing::Combine(::testing::Values(1, 2), ::testing::Bool()));

}  // namespace
}  // namespace ormix
