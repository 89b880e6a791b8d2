// The particle triangulation: every property it promises on awkward clouds,
// and its short cuts for speed (cheap tests for the common case, storage
// kept between calls), none of which may change a result bit. Each cloud of
// the recorded cases has a fingerprint of everything the triangulation gives
// (the merges, the grid and metre positions, the triangles with their order
// and neighbours), recorded from the version without the short cuts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/random.h"
#include "model/grid_predicates.h"
#include "model/triangulation.h"

namespace ormix {
namespace {

// Point clouds drawn from the model's own generator, so that a seed always
// gives the same cloud.
struct Cloud {
    std::vector<double> x, y;
    int Size() const { return static_cast<int>(x.size()); }
    void Add(double px, double py) {
        x.push_back(px);
        y.push_back(py);
    }
};

// Uniform over a width x height rectangle with a corner at the origin.
Cloud UniformCloud(std::uint32_t seed, int n, double width, double height) {
    ModelRandom r;
    r.Seed(seed);
    Cloud c;
    for (int i = 0; i < n; ++i) {
        const double px = r.Fraction() * width;
        c.Add(px, r.Fraction() * height);
    }
    return c;
}

// Patches a few grid units across: most points merge, and survivors move
// into the reach of others.
Cloud Patches(std::uint32_t seed, int n) {
    ModelRandom r;
    r.Seed(seed);
    Cloud c;
    double cx[12], cy[12];
    for (int k = 0; k < 12; ++k) {
        cx[k] = r.Fraction() * 5000;
        cy[k] = r.Fraction() * 5000;
    }
    for (int i = 0; i < n; ++i) {
        if (i % 10 == 0) {
            const double px = r.Fraction() * 5000;
            c.Add(px, r.Fraction() * 5000);
            continue;
        }
        const int k = r.Next() % 12;
        const double px = cx[k] + (r.Fraction() - 0.5) * 8;
        c.Add(px, cy[k] + (r.Fraction() - 0.5) * 8);
    }
    return c;
}

// Whole-numbered positions on a small lattice: repeated points, many points
// on one line and four on one circle, points on the edges of triangles.
Cloud Lattice(std::uint32_t seed, int n, int columns, int rows, double step) {
    ModelRandom r;
    r.Seed(seed);
    Cloud c;
    for (int i = 0; i < n; ++i) {
        const double px = r.Next() % columns * step;
        c.Add(px, r.Next() % rows * step);
    }
    return c;
}

std::int64_t Cross(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by,
                   std::int64_t cx, std::int64_t cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

// Every property the triangulation promises, checked on grid coordinates.
void ExpectDelaunayOfSurvivors(const DagTriangulation& t, int n) {
    const DagPoints& p = t.Points();
    const std::vector<DagTriangle>& tri = t.Triangles();
    std::map<std::pair<int, int>, int> edgeOwner;
    for (std::size_t k = 0; k < tri.size(); ++k) {
        const int* c = tri[k].corner;
        for (int j = 0; j < 3; ++j) {
            ASSERT_TRUE(c[j] >= 0 && c[j] < n) << c[j];
            ASSERT_GT(p.weight[c[j]], 0) << "merged point " << c[j] << " in triangle " << k;
            edgeOwner[{c[j], c[(j + 1) % 3]}] = static_cast<int>(k);
        }
        const std::int64_t ax = p.gx[c[0]], ay = p.gy[c[0]], bx = p.gx[c[1]], by = p.gy[c[1]];
        const std::int64_t cx = p.gx[c[2]], cy = p.gy[c[2]];
        ASSERT_GT(Cross(ax, ay, bx, by, cx, cy), 0)
            << "triangle " << k << " is not counter-clockwise";
        // Empty circle: no surviving point strictly inside.
        for (int i = 0; i < n; ++i) {
            if (p.weight[i] == 0 || i == c[0] || i == c[1] || i == c[2]) continue;
            const std::int64_t px = p.gx[i], py = p.gy[i];
            const std::int64_t adx = ax - px, ady = ay - py, bdx = bx - px, bdy = by - py;
            const std::int64_t cdx = cx - px, cdy = cy - py;
            const std::int64_t det = (adx * adx + ady * ady) * (bdx * cdy - cdx * bdy) -
                                     (bdx * bdx + bdy * bdy) * (adx * cdy - cdx * ady) +
                                     (cdx * cdx + cdy * cdy) * (adx * bdy - bdx * ady);
            ASSERT_LE(det, 0) << "point " << i << " inside the circle of triangle " << k;
        }
    }
    // Neighbours: across each edge, the triangle that has the edge reversed;
    // across an edge without one, the outside, with no surviving point
    // beyond it (so the triangles fill the convex hull, without holes).
    for (std::size_t k = 0; k < tri.size(); ++k) {
        for (int j = 0; j < 3; ++j) {
            const int a = tri[k].corner[j], b = tri[k].corner[(j + 1) % 3];
            auto other = edgeOwner.find({b, a});
            EXPECT_EQ(tri[k].neighbour[j], other == edgeOwner.end() ? -1 : other->second);
            for (int i = 0; other == edgeOwner.end() && i < n; ++i)
                ASSERT_TRUE(p.weight[i] == 0 ||
                            Cross(p.gx[a], p.gy[a], p.gx[b], p.gy[b], p.gx[i], p.gy[i]) >= 0)
                    << "point " << i << " outside the edge " << a << "-" << b;
        }
    }
}

// Fewer than three points and points on a line give no triangles; non-finite points take no part; a
// square gives two.
TEST(Triangulation, DegenerateCloudsAndASquare) {
    CollectingSink sink;
    DagTriangulation t(sink);
    const double x[] = {0, 10}, y[] = {0, 5};
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(t.CalculateDagTri(x, y, n), 0) << n << " points";
    const double lx[] = {0, 50, 100}, ly[] = {0, 25, 50};
    EXPECT_EQ(t.CalculateDagTri(lx, ly, 3), 0);
    const double sx[] = {0, 100, 100, 0}, sy[] = {0, 0, 100, 100};
    ASSERT_EQ(t.CalculateDagTri(sx, sy, 4), 2);
    ExpectDelaunayOfSurvivors(t, 4);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double nx[] = {0, nan, 100, 100, inf, 0}, ny[] = {0, 1, 0, 100, 3, 100};
    ASSERT_EQ(t.CalculateDagTri(nx, ny, 6), 2);
    ExpectDelaunayOfSurvivors(t, 6);
    EXPECT_EQ(t.Points().weight[1], 0);
    EXPECT_EQ(t.Points().weight[4], 0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(Triangulation, GridSpansTheLongerHalfWidth) {
    CollectingSink sink;
    DagTriangulation t(sink);
    const double x[] = {-100, 100, 0}, y[] = {10, 10, 60};
    ASSERT_EQ(t.CalculateDagTri(x, y, 3), 1);
    const DagPoints& p = t.Points();
    EXPECT_DOUBLE_EQ(t.Scale(), 100.0 / 2048);
    EXPECT_EQ(p.gx[0], -2048);
    EXPECT_EQ(p.gx[1], 2048);
    EXPECT_EQ(p.gy[0], -512);  // y centred on 35: 25 m below, a quarter of R
    EXPECT_EQ(p.gy[2], 512);
}

// A 100 m cloud: one grid unit is 100 / 2 / 2048 m, about 2.4 cm.
TEST(Triangulation, PointsCloserThanTwoGridUnitsMergeToTheirWeightedMean) {
    CollectingSink sink;
    DagTriangulation t(sink);
    //                square corners ......  two near corner 0 ......  one 2 units off corner 2
    const double x[] = {0, 100, 100, 0, 0.02, 0.01, 100 - 2 * 100.0 / 4096};
    const double y[] = {0, 0, 100, 100, 0.0, 0.02, 100.0};
    ASSERT_EQ(t.CalculateDagTri(x, y, 7), 3);
    const DagPoints& p = t.Points();
    EXPECT_EQ(p.weight[0], 3);
    EXPECT_EQ(p.weight[4], 0);
    EXPECT_EQ(p.weight[5], 0);
    EXPECT_EQ(p.mergedInto[4], 0);
    EXPECT_EQ(p.mergedInto[5], 0);
    // First (0,0) with (0.02,0) at weight 1 each, then (0.01,0.02) at 1 of 3.
    EXPECT_NEAR(p.y[0], -50 + 0.02 / 3, 1e-12);
    // Exactly 2 units apart is not close: point 6 is a corner of its own.
    EXPECT_EQ(p.weight[6], 1);
    ExpectDelaunayOfSurvivors(t, 7);
}

TEST(Triangulation, StorageThatCannotGrowEndsWithTheStepName) {
    Cloud c = UniformCloud(7, 300, 500, 500);
    CollectingSink sink;
    DagTriangulation t(sink);
    t.SetNodeLimit(1000);  // 300 points need about 2700
    EXPECT_EQ(t.CalculateDagTri(c.x.data(), c.y.data(), c.Size()), 0);
    EXPECT_TRUE(t.Triangles().empty());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "AddDagTri()");
    t.SetNodeLimit(0);
    EXPECT_EQ(t.CalculateDagTri(c.x.data(), c.y.data(), c.Size()), 0);
    EXPECT_EQ(sink.messages.back().text, "InitDagTri()");
}

// A hash of the values added, in order: whole numbers by their 64-bit value,
// floating ones by their bits.
struct Fingerprint {
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
            hash ^= (v >> (8 * i)) & 0xff;
            hash *= 1099511628211ull;
        }
    }
    template <typename T>
    void AddAll(const std::vector<T>& values) {
        Add(values.size());
        for (T v : values)
            Add(v);
    }
    std::uint64_t hash = 14695981039346656037ull;
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
    return f.hash;
}

// Points about 1.5 grid units apart along a few lines: merges chain along
// them, each survivor moving toward the next point.
Cloud Chains(std::uint32_t seed) {
    ModelRandom r;
    r.Seed(seed);
    Cloud c;
    // Two far corners make the box about 4.1 km: one grid unit is about 1 m.
    c.Add(0, 0);
    c.Add(4096, 4096);
    for (int line = 0; line < 6; ++line) {
        const double x0 = r.Fraction() * 3000, y0 = r.Fraction() * 3000;
        const double angle = r.Fraction() * 6.283;
        for (int i = 0; i < 120; ++i) {
            const double s = i * 1.5;
            c.Add(x0 + s * std::cos(angle), y0 + s * std::sin(angle));
        }
    }
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
        {"long and thin", UniformCloud(22, 700, 20000, 15), 12534361905479122793ull},
        {"patches", Patches(12, 960), 3233432104833176075ull},
        {"lattice 9 x 7", Lattice(24, 300, 9, 7, 100), 6766262100571824811ull},
        {"lattice 40 x 40", Lattice(25, 900, 40, 40, 3), 9327406353044563841ull},
        {"lattice 3 x 200", Lattice(26, 500, 3, 200, 7), 18397708878081078263ull},
        {"chains", Chains(27), 5557626312210753927ull},
    };
}

// One triangulation takes the clouds in turn: storage kept from a larger or
// different cloud must leave nothing behind. Locating points by the history
// alone, and merging by the plain scan instead of through cells and blocks,
// give the same; and the result is the Delaunay triangulation.
TEST(Triangulation, GivesTheRecordedDelaunayResultsOnAwkwardClouds) {
    CollectingSink sink;
    DagTriangulation history(sink), scan(sink), walking(sink);
    history.UseHistoryOnly(true);
    scan.UseScanMerge(true);
    for (const Case& k : Cases()) {
        for (DagTriangulation* t : {&history, &scan, &walking})
            EXPECT_EQ(FingerprintOf(*t, k.cloud), k.fingerprint) << k.name;
        ExpectDelaunayOfSurvivors(walking, k.cloud.Size());
        if (HasFatalFailure()) FAIL() << k.name;
    }
    EXPECT_TRUE(sink.messages.empty());
}

// Many small lattice clouds: every degenerate arrangement a few points can
// take (many points on one line and four on one circle, the cases an
// inexact test gets wrong), each with a result that must not change.
TEST(Triangulation, GivesTheRecordedDelaunayResultsOnManySmallLatticeClouds) {
    CollectingSink sink;
    DagTriangulation history(sink), scan(sink), walking(sink);
    history.UseHistoryOnly(true);
    scan.UseScanMerge(true);
    for (DagTriangulation* t : {&history, &scan, &walking}) {
        Fingerprint f;
        for (std::uint32_t seed = 1; seed <= 400; ++seed) {
            const int n = 3 + static_cast<int>(seed % 40);
            const int side = 2 + static_cast<int>(seed % 7);
            const Cloud c = Lattice(1000 + seed, n, side, side + 1, seed % 3 == 0 ? 1e-3 : 50);
            AddResult(f, *t, t->CalculateDagTri(c.x.data(), c.y.data(), c.Size()));
            if (t == &walking) ExpectDelaunayOfSurvivors(walking, c.Size());
            if (HasFatalFailure()) FAIL() << "seed " << seed;
        }
        EXPECT_EQ(f.hash, 5439060530865028247ull);
    }
}

// The closed forms used when one or two outer points take part agree with
// the full expansion in K, on random grid points and on points along one
// line.
TEST(GridPredicates, ClosedFormsWithOuterPointsMatchTheExpansion) {
    ModelRandom r;
    r.Seed(3);
    // On a line, one of nine multiples of 512 (so that many points fall on
    // y = x); off it, any value in -2048..2048.
    auto coordinate = [&](bool line) -> std::int64_t {
        return line ? (r.Next() % 9 - 4) * 512 : r.Next() % 4097 - 2048;
    };
    for (int trial = 0; trial < 20000; ++trial) {
        const bool line = trial % 2 == 1;  // a, b, p on the line y = x
        std::int64_t ax = coordinate(line), bx = coordinate(line), px = coordinate(line);
        GridVertex a = GridPoint(ax, line ? ax : coordinate(false));
        GridVertex b = GridPoint(bx, line ? bx : coordinate(false));
        GridVertex p = GridPoint(px, line ? px : coordinate(false));
        GridVertex o = OuterVertex(trial % 3);
        if (a.x0 == b.x0 && a.y0 == b.y0) continue;
        ASSERT_EQ(Orient(a, b, o), OrientExpanded(a, b, o));
        ASSERT_EQ(Orient(o, a, p), OrientExpanded(o, a, p));
        ASSERT_NE(Orient(a, b, o), 0);
        // The triangle counter-clockwise, the outer point in each position.
        if (Orient(a, b, o) < 0) std::swap(a, b);
        ASSERT_EQ(InCircle(a, b, o, p), InCircleExpanded(a, b, o, p)) << trial;
        ASSERT_EQ(InCircle(o, a, b, p), InCircleExpanded(o, a, b, p)) << trial;
        ASSERT_EQ(InCircle(b, o, a, p), InCircleExpanded(b, o, a, p)) << trial;
        // Two outer points with a grid point, in each position, and p on
        // the edge of the half-plane they leave as often as chance allows.
        GridVertex o2 = OuterVertex((trial + 1) % 3);
        if (Orient(a, o, o2) < 0) std::swap(o, o2);
        ASSERT_EQ(InCircle(a, o, o2, p), InCircleExpanded(a, o, o2, p)) << trial;
        ASSERT_EQ(InCircle(o, o2, a, p), InCircleExpanded(o, o2, a, p)) << trial;
        ASSERT_EQ(InCircle(o2, a, o, p), InCircleExpanded(o2, a, o, p)) << trial;
        ASSERT_EQ(InCircle(a, o, o2, a), InCircleExpanded(a, o, o2, a)) << trial;
    }
}

}  // namespace
}  // namespace ormix
