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

// +1 when c lies to the left of the line a -> b (a, b, c counter-clockwise),
// -1 to the right, 0 on the line.
int Orient(const GridVertex& a, const GridVertex& b, const GridVertex& c);

// For a, b, c counter-clockwise: +1 when the grid point p lies strictly inside
// their circumcircle, -1 outside, 0 on it.
int InCircle(const GridVertex& a, const GridVertex& b, const GridVertex& c, const GridVertex& p);

}  // namespace ormix
