// Built with the whole engine into a separate library whose namespace is
// renamed and whose mathematics is counted (see bench/CMakeLists.txt), so
// that the counted engine and the timed one live side by side in one
// benchmark program.
#include "bench/math_census.h"

#include <memory>

#include "bench/scenarios.h"
#include "core/math_calls.h"
#include "model/run.h"

namespace {

// The census being taken, and a reservoir sample of each function's
// arguments (a fixed-seed generator keeps the sample the same from run to
// run).
ormixbench::MathCensus* g_census = nullptr;
int g_samples = 0;
unsigned long long g_state = 0x9E3779B97F4A7C15ull;

unsigned long long Next() {
    g_state ^= g_state << 13;
    g_state ^= g_state >> 7;
    g_state ^= g_state << 17;
    return g_state;
}

}  // namespace

namespace ormix::math {

void Note(Function f, double x, double y) {
    if (!g_census) return;
    long long n = ++g_census->count[f];
    std::vector<double>& xs = g_census->x[f];
    std::vector<double>& ys = g_census->y[f];
    if (static_cast<long long>(xs.size()) < g_samples) {
        xs.push_back(x);
        ys.push_back(y);
    } else {
        unsigned long long k = Next() % static_cast<unsigned long long>(n);
        if (k < xs.size()) {
            xs[k] = x;
            ys[k] = y;
        }
    }
}

}  // namespace ormix::math

ormixbench::MathCensus ormixbench::TakeCensus(int which, int samples) {
    MathCensus census;
    ormix::bench::Scenario s = ormix::bench::ByNumber(which);
    auto m = std::make_unique<ormix::WeatheringModel>();
    m->run.random.Seed(1);
    g_census = &census;
    g_samples = samples;
    m->Reset();
    FillModel(*m, s.Set());
    census.ok = m->SetUp();
    if (census.ok) {
        census.ok = ormix::RunModel(*m, {.threads = 1});
    }
    g_census = nullptr;
    return census;
}
