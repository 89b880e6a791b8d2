// Exact orientation and in-circle tests on grid coordinates.
//
// A vertex is either a grid point or one of three outer points placed at
// K x (direction) with K larger than any finite number: each coordinate is
// x0 + x1 K. A test is a polynomial in K whose sign, for K large enough, is
// the sign of its highest non-zero coefficient; computed in 128-bit integers
// it is exact. The outer directions are chosen so that no line through two
// grid points is parallel to one of them: a grid point, another grid point
// and an outer point are never on one line.
#pragma once

#include <cstdint>

namespace ormix {

struct GridVertex {
    std::int64_t x0, y0;  // the finite part, grid units
    std::int64_t x1, y1;  // the part that grows with K (outer points only)
    bool Outer() const { return x1 != 0 || y1 != 0; }
};

// The three outer points, counter-clockwise, enclosing the whole grid.
GridVertex OuterVertex(int k);

inline GridVertex GridPoint(std::int64_t x, std::int64_t y) {
    return {x, y, 0, 0};
}

// The tests when an outer point takes part: a closed form where one does,
// the full expansion in K otherwise.
int OrientWithOuter(const GridVertex& a, const GridVertex& b, const GridVertex& c);
int InCircleWithOuter(const GridVertex& a, const GridVertex& b, const GridVertex& c,
                      const GridVertex& p);
// The full expansion in K for any vertices: the closed forms must agree.
int OrientExpanded(const GridVertex& a, const GridVertex& b, const GridVertex& c);
int InCircleExpanded(const GridVertex& a, const GridVertex& b, const GridVertex& c,
                     const GridVertex& p);

// +1 when c lies to the left of the line a -> b (a, b, c counter-clockwise),
// -1 to the right, 0 on the line.
inline int Orient(const GridVertex& a, const GridVertex& b, const GridVertex& c) {
    if (a.Outer() || b.Outer() || c.Outer()) return OrientWithOuter(a, b, c);
    const std::int64_t d = (b.x0 - a.x0) * (c.y0 - a.y0) - (b.y0 - a.y0) * (c.x0 - a.x0);
    return (d > 0) - (d < 0);
}

// For a, b, c counter-clockwise: +1 when the grid point p lies strictly inside
// their circumcircle, -1 outside, 0 on it.
inline int InCircle(const GridVertex& a, const GridVertex& b, const GridVertex& c,
                    const GridVertex& p) {
    if (a.Outer() || b.Outer() || c.Outer()) return InCircleWithOuter(a, b, c, p);
    // Grid coordinates are within -2048..2048: differences within 2^12,
    // lifted terms within 2^25, products within 2^50. 64 bits suffice.
    const std::int64_t adx = a.x0 - p.x0, ady = a.y0 - p.y0;
    const std::int64_t bdx = b.x0 - p.x0, bdy = b.y0 - p.y0;
    const std::int64_t cdx = c.x0 - p.x0, cdy = c.y0 - p.y0;
    const std::int64_t al = adx * adx + ady * ady, bl = bdx * bdx + bdy * bdy;
    const std::int64_t cl = cdx * cdx + cdy * cdy;
    const std::int64_t d =
        adx * (bdy * cl - bl * cdy) - ady * (bdx * cl - bl * cdx) + al * (bdx * cdy - bdy * cdx);
    return (d > 0) - (d < 0);
}

}  // namespace ormix
