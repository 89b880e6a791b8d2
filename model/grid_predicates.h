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

// A vertex in the compact form of the common tests: a grid point is
// (x, y, 1), an outer point (its direction, 0).
struct CompactVertex {
    std::int32_t x, y, w;
};

inline CompactVertex Compact(const GridVertex& v) {
    if (v.Outer()) return {static_cast<std::int32_t>(v.x1), static_cast<std::int32_t>(v.y1), 0};
    return {static_cast<std::int32_t>(v.x0), static_cast<std::int32_t>(v.y0), 1};
}

inline GridVertex Expand(const CompactVertex& v) {
    return v.w ? GridVertex{v.x, v.y, 0, 0} : GridVertex{0, 0, v.x, v.y};
}

// For grid points f and q and any vertex v: a value with the sign of
// Orient(f, v, q). Toward a grid point v that is the usual determinant; toward
// an outer point it is its leading coefficient in K, the direction crossed
// with q - f (never 0 unless q is f, by the choice of the directions). Both
// are (v - w f) x (q - f): no branch. The factors stay within 2^14 and 2^13.
inline std::int64_t SideOfRay(const CompactVertex& f, const CompactVertex& v,
                              const CompactVertex& q) {
    const std::int64_t dx = v.x - v.w * f.x, dy = v.y - v.w * f.y;
    return dx * (q.y - f.y) - dy * (q.x - f.x);
}

inline int SignOf(std::int64_t v) {
    return (v > 0) - (v < 0);
}

// Orient (below) of three grid points.
inline int OrientGrid(const CompactVertex& a, const CompactVertex& b, const CompactVertex& c) {
    return SignOf(static_cast<std::int64_t>(b.x - a.x) * (c.y - a.y) -
                  static_cast<std::int64_t>(b.y - a.y) * (c.x - a.x));
}

// +1 when c lies to the left of the line a -> b (a, b, c counter-clockwise),
// -1 to the right, 0 on the line.
inline int Orient(const GridVertex& a, const GridVertex& b, const GridVertex& c) {
    if (a.Outer() || b.Outer() || c.Outer()) return OrientWithOuter(a, b, c);
    return SignOf((b.x0 - a.x0) * (c.y0 - a.y0) - (b.y0 - a.y0) * (c.x0 - a.x0));
}

// InCircle (below) of four grid points.
inline int InCircleGrid(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by,
                        std::int64_t cx, std::int64_t cy, std::int64_t px, std::int64_t py) {
    // Grid coordinates are within -2048..2048: differences within 2^12,
    // lifted terms within 2^25, products within 2^50. 64 bits suffice.
    const std::int64_t adx = ax - px, ady = ay - py;
    const std::int64_t bdx = bx - px, bdy = by - py;
    const std::int64_t cdx = cx - px, cdy = cy - py;
    const std::int64_t al = adx * adx + ady * ady, bl = bdx * bdx + bdy * bdy;
    const std::int64_t cl = cdx * cdx + cdy * cdy;
    return SignOf(adx * (bdy * cl - bl * cdy) - ady * (bdx * cl - bl * cdx) +
                  al * (bdx * cdy - bdy * cdx));
}

// For a, b, c counter-clockwise: +1 when the grid point p lies strictly inside
// their circumcircle, -1 outside, 0 on it.
inline int InCircle(const GridVertex& a, const GridVertex& b, const GridVertex& c,
                    const GridVertex& p) {
    if (a.Outer() || b.Outer() || c.Outer()) return InCircleWithOuter(a, b, c, p);
    return InCircleGrid(a.x0, a.y0, b.x0, b.y0, c.x0, c.y0, p.x0, p.y0);
}

}  // namespace ormix
