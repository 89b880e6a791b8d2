// The particle triangulation takes short cuts for speed (cheap tests for the
// common case, storage kept between calls); none of them may change a result
// bit. Each cloud below has a fingerprint of everything the triangulation
// gives (the merges, the grid and metre positions, the triangles with their
// order and neighbours), recorded from the version without the short cuts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>
#include <vector>

#include "core/random.h"
#include "model/triangulation.h"
#include "tests/point_clouds.h"

namespace ormix {
namespace {

// A hash of the values added, in order: whole numbers by their 64-bit value,
// floating ones by their bits.
class Fingerprint {
public:
    template <typename T>
    void Add(T value) {
        std::uint64_t v;
        if constexpr (std::is_floating_point_v<T>) {
            const double d = value;
            std::memcpy(&v, &d, sizeof v);
        } else {
            v = static_cast<std::uint64_t>(static_cast<std::int64_t>(value));
        }
        for (int i = 0; i < 8; ++i) {
            hash_ ^= (v >> (8 * i)) & 0xff;
            hash_ *= 1099511628211ull;
        }
    }
    template <typename T>
    void AddAll(const std::vector<T>& values) {
        Add(values.size());
        for (T v : values)
            Add(v);
    }
    std::uint64_t Value() const { return hash_; }

private:
    std::uint64_t hash_ = 14695981039346656037ull;
};

void AddResult(Fingerprint& f, const DagTriangulation& t, int count) {
    f.Add(count);
    for (const DagTriangle& d : t.Triangles())
        for (int k = 0; k < 3; ++k) {
            f.Add(d.corner[k]);
            f.Add(d.neighbour[k]);
        }
    const DagPoints& p = t.Points();
    f.AddAll(p.weight);
    f.AddAll(p.mergedInto);
    f.AddAll(p.gx);
    f.AddAll(p.gy);
    f.AddAll(p.x);
    f.AddAll(p.y);
}

std::uint64_t FingerprintOf(DagTriangulation& t, const Cloud& c) {
    Fingerprint f;
    AddResult(f, t, t.CalculateDagTri(c.x.data(), c.y.data(), c.Size()));
    return f.Value();
}

// Points about 1.5 grid units apart along a few lines: merges chain along
// them, each survivor moving toward the next point.
Cloud Chains(std::uint32_t seed) {
    ModelRandom r;
    r.Seed(seed);
    Cloud c;
    // Two far corners make the box about 4.1 km: one grid unit is about 1 m.
    const double unit = 1;
    c.Add(0, 0);
    c.Add(4096, 4096);
    for (int line = 0; line < 6; ++line) {
        const double x0 = r.Fraction() * 3000, y0 = r.Fraction() * 3000;
        const double angle = r.Fraction() * 6.283;
        for (int i = 0; i < 120; ++i) {
            const double s = i * 1.5 * unit;
            c.Add(x0 + s * std::cos(angle), y0 + s * std::sin(angle));
        }
    }
    return c;
}

Cloud Circle(int n) {
    Cloud c;
    for (int i = 0; i < n; ++i) {
        const double a = 6.283185307179586 * i / n;
        c.Add(1000 * std::cos(a), 1000 * std::sin(a));
    }
    c.Add(0, 0);
    return c;
}

Cloud WithNonFinite(std::uint32_t seed) {
    Cloud c = UniformCloud(seed, 200, 800, 800);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (int i = 0; i < c.Size(); i += 17)
        c.x[i] = i % 2 ? nan : inf;
    return c;
}

// Points in the order of their position: each cell is filled by neighbours
// in turn, the walks' hardest case.
Cloud Spiral() {
    Cloud c;
    for (int i = 0; i < 800; ++i)
        c.Add(3.0 * i * std::cos(0.05 * i), 3.0 * i * std::sin(0.05 * i));
    return c;
}

struct Case {
    const char* name;
    Cloud cloud;
    std::uint64_t fingerprint;
};

std::vector<Case> Cases() {
    return {
        {"uniform 960", UniformCloud(11, 960, 5000, 5000), 2197477027142344277ull},
        {"uniform 2000", UniformCloud(21, 2000, 3000, 3000), 15587526754066924303ull},
        {"long and thin", UniformCloud(22, 700, 20000, 15), 12534361905479122793ull},
        {"patches", Patches(12, 960), 3233432104833176075ull},
        {"patches 1000", Patches(23, 1000), 8454392073609014553ull},
        {"lattice 9 x 7", Lattice(24, 300, 9, 7, 100), 6766262100571824811ull},
        {"lattice 40 x 40", Lattice(25, 900, 40, 40, 3), 9327406353044563841ull},
        {"lattice 3 x 200", Lattice(26, 500, 3, 200, 7), 18397708878081078263ull},
        {"chains", Chains(27), 5557626312210753927ull},
        {"circle", Circle(360), 12261709017688048475ull},
        {"non-finite", WithNonFinite(28), 160494849667532747ull},
        {"spiral", Spiral(), 14683046329488612899ull},
    };
}

// One triangulation takes the clouds in turn: storage kept from a larger or
// different cloud must leave nothing behind. Locating points by the history
// alone, and merging by the plain scan instead of through cells and blocks,
// give the same.
TEST(TriangulationShortCuts, GiveTheRecordedResultsOnAwkwardClouds) {
    CollectingSink sink;
    DagTriangulation walking(sink), history(sink), scan(sink);
    history.UseHistoryOnly(true);
    scan.UseScanMerge(true);
    for (const Case& k : Cases())
        for (DagTriangulation* t : {&walking, &history, &scan})
            EXPECT_EQ(FingerprintOf(*t, k.cloud), k.fingerprint) << k.name;
    EXPECT_TRUE(sink.messages.empty());
}

// Many small lattice clouds: every degenerate arrangement a few points can
// take, each with a result that must not change, through storage kept from
// the cloud before, whichever way points are located and merged.
TEST(TriangulationShortCuts, GiveTheRecordedResultsOnManySmallLatticeClouds) {
    CollectingSink sink;
    DagTriangulation walking(sink), history(sink), scan(sink);
    history.UseHistoryOnly(true);
    scan.UseScanMerge(true);
    for (DagTriangulation* t : {&walking, &history, &scan}) {
        Fingerprint f;
        for (std::uint32_t seed = 1; seed <= 400; ++seed) {
            const int n = 3 + static_cast<int>(seed % 40);
            const int side = 2 + static_cast<int>(seed % 7);
            const Cloud c = Lattice(1000 + seed, n, side, side + 1, seed % 3 == 0 ? 1e-3 : 50);
            AddResult(f, *t, t->CalculateDagTri(c.x.data(), c.y.data(), c.Size()));
        }
        EXPECT_EQ(f.Value(), 5439060530865028247ull);
    }
}

}  // namespace
}  // namespace ormix
