// Benchmarks of the particle triangulation and of spreading.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/random.h"
#include "model/spreading.h"
#include "model/triangulation.h"
#include "model/weathering_model.h"
#include "tests/model_fixture.h"

namespace ormix {
namespace {

constexpr int kCloudPoints = 960;  // two particles for each of 480 LEs

struct Cloud {
    std::vector<double> x, y;
};

// Uniform over 5 km.
Cloud Uniform() {
    ModelRandom r;
    r.Seed(11);
    Cloud c;
    for (int i = 0; i < kCloudPoints; ++i) {
        c.x.push_back(r.Fraction() * 5000);
        c.y.push_back(r.Fraction() * 5000);
    }
    return c;
}

// Twelve tight patches (a few grid units across) over 5 km, a tenth of the
// points stray: about half the points merge away.
Cloud Clustered() {
    ModelRandom r;
    r.Seed(12);
    Cloud c;
    double cx[12], cy[12];
    for (int k = 0; k < 12; ++k) {
        cx[k] = r.Fraction() * 5000;
        cy[k] = r.Fraction() * 5000;
    }
    for (int i = 0; i < kCloudPoints; ++i) {
        double px, py;
        if (i % 10 == 0) {
            px = r.Fraction() * 5000;
            py = r.Fraction() * 5000;
        } else {
            int k = r.Next() % 12;
            px = cx[k] + (r.Fraction() - 0.5) * 8;
            py = cy[k] + (r.Fraction() - 0.5) * 8;
        }
        c.x.push_back(px);
        c.y.push_back(py);
    }
    return c;
}

// Arguments: cloud (0 uniform, 1 clustered), merge (0 by cell, 1 by scan).
void BM_Triangulate960(benchmark::State& state) {
    const Cloud c = state.range(0) == 0 ? Uniform() : Clustered();
    SilentSink sink;
    DagTriangulation t(sink);
    t.UseScanMerge(state.range(1) == 1);
    int triangles = 0;
    for (auto _ : state) {
        triangles = t.CalculateDagTri(c.x.data(), c.y.data(), kCloudPoints);
        benchmark::DoNotOptimize(triangles);
    }
    int live = 0;
    for (int w : t.Points().weight)
        live += w > 0;
    state.counters["triangles"] = triangles;
    state.counters["survivors"] = live;
}
BENCHMARK(BM_Triangulate960)
    ->ArgNames({"clustered", "scan_merge"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

// The heaviest spreading: 120 hours, about 480 LEs (a large spill at the
// first hour and a release in every hour), the wind turning every hour.
void BM_SpreadHeaviest120h(benchmark::State& state) {
    testing::Records r(120);
    r.Instant(20000);
    r.continuous = {true, 1, 120, 0.5, 0.5, 3};
    r.water.speed = 0.2;
    r.water.direction = 45;
    for (int h = 0; h < 120; ++h) {
        r.wind.speed[h] = 5 + (h % 24) * 0.5;
        r.wind.direction[h] = 200 + (h % 12) * 10;
    }
    auto m = testing::NewModel();
    testing::SetUpFrom(*m, r);
    for (auto _ : state) {
        Spread(*m);
        benchmark::DoNotOptimize(m->les.le[0].area[m->run.numHours - 1]);
    }
    state.counters["LEs"] = m->les.numLEs;
    state.counters["hours"] = m->run.numHours;
}
BENCHMARK(BM_SpreadHeaviest120h)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ormix
