#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <utility>
#include <vector>

#include "core/random.h"
#include "model/grid_predicates.h"
#include "model/triangulation.h"
#include "tests/point_clouds.h"

namespace ormix {
namespace {

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
            ASSERT_GE(c[j], 0);
            ASSERT_LT(c[j], n);
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

// Fewer than three points, points on a line and identical points give no
// triangles; non-finite points take no part; a square gives two.
TEST(Triangulation, DegenerateCloudsAndASquare) {
    CollectingSink sink;
    DagTriangulation t(sink);
    const double x[] = {0, 10}, y[] = {0, 5};
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(t.CalculateDagTri(x, y, n), 0) << n << " points";
    EXPECT_EQ(t.CalculateDagTri(nullptr, nullptr, 5), 0);
    const double lx[] = {0, 50, 100}, ly[] = {0, 25, 50};
    EXPECT_EQ(t.CalculateDagTri(lx, ly, 3), 0);
    const double same[] = {5, 5, 5, 5};
    EXPECT_EQ(t.CalculateDagTri(same, same, 4), 0);
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
    EXPECT_EQ(p.gx[2], 0);
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

struct CloudCase {
    bool clustered;
    int points;
    std::uint32_t seed;
};

class RandomCloudTest : public ::testing::TestWithParam<CloudCase> {};

TEST_P(RandomCloudTest, IsTheDelaunayTriangulationOfTheSurvivingPoints) {
    const CloudCase& k = GetParam();
    Cloud c = k.clustered ? Patches(k.seed, k.points) : UniformCloud(k.seed, k.points, 2e3, 2e3);
    CollectingSink sink;
    DagTriangulation t(sink);
    const int count = t.CalculateDagTri(c.x.data(), c.y.data(), c.Size());
    EXPECT_EQ(count, static_cast<int>(t.Triangles().size()));
    EXPECT_TRUE(sink.messages.empty());
    ExpectDelaunayOfSurvivors(t, c.Size());
    if (k.clustered) {
        int merged = 0;
        for (int w : t.Points().weight)
            merged += w == 0;
        EXPECT_GT(merged, k.points / 4) << "the cloud should exercise merging";
    }
}

INSTANTIATE_TEST_SUITE_P(Clouds, RandomCloudTest,
                         ::testing::Values(CloudCase{false, 3, 1}, CloudCase{false, 100, 3},
                                           CloudCase{false, 1000, 4}, CloudCase{true, 120, 5},
                                           CloudCase{true, 1000, 7}));

// Small integer coordinates put many points on one line and four on one
// circle: the cases an inexact test gets wrong.
TEST(Triangulation, LatticePointsWithManyCocircularAndCollinearPoints) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const Cloud c = Lattice(seed, 60, 9, 7, 100);
        CollectingSink sink;
        DagTriangulation t(sink);
        t.CalculateDagTri(c.x.data(), c.y.data(), c.Size());
        ExpectDelaunayOfSurvivors(t, c.Size());
        if (HasFatalFailure()) FAIL() << "seed " << seed;
    }
}

// The closed forms used when one or two outer points take part agree with
// the full expansion in K, on random grid points and on points along one
// line.
TEST(GridPredicates, ClosedFormsWithOuterPointsMatchTheExpansion) {
    ModelRandom r;
    r.Seed(3);
    auto coordinate = [&](bool line) { return GridCoordinate(r, line); };
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
