#include "model/grid_predicates.h"

namespace ormix {

namespace {

__extension__ typedef __int128 Int128;

// A polynomial in K of degree at most 4 (an in-circle test of three outer
// points reaches 4).
struct Poly {
    Int128 c[5] = {0, 0, 0, 0, 0};
};

Poly Linear(std::int64_t c0, std::int64_t c1) {
    Poly p;
    p.c[0] = c0;
    p.c[1] = c1;
    return p;
}

Poly operator+(const Poly& a, const Poly& b) {
    Poly r;
    for (int i = 0; i < 5; ++i)
        r.c[i] = a.c[i] + b.c[i];
    return r;
}

Poly operator-(const Poly& a, const Poly& b) {
    Poly r;
    for (int i = 0; i < 5; ++i)
        r.c[i] = a.c[i] - b.c[i];
    return r;
}

// Degrees never add beyond 4 in the tests below.
Poly operator*(const Poly& a, const Poly& b) {
    Poly r;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; i + j < 5; ++j)
            r.c[i + j] += a.c[i] * b.c[j];
    return r;
}

int Sign(const Poly& p) {
    for (int i = 4; i >= 0; --i)
        if (p.c[i] != 0) return p.c[i] > 0 ? 1 : -1;
    return 0;
}

int Sign(std::int64_t v) {
    return (v > 0) - (v < 0);
}

// Directions of the outer points: their components are coprime and one of
// them exceeds 4096, so no difference of two grid points (each component
// within -4096..4096) is parallel to them; they surround the origin.
constexpr std::int64_t kOuter[3][2] = {{8191, -4097}, {-1, 8191}, {-8191, -4097}};

}  // namespace

GridVertex OuterVertex(int k) {
    return {0, 0, kOuter[k][0], kOuter[k][1]};
}

int OrientWithOuter(const GridVertex& a, const GridVertex& b, const GridVertex& c) {
    const int outer = a.Outer() + b.Outer() + c.Outer();
    if (outer == 1) {
        // Turn the triangle so that the outer point comes last: the sign is
        // that of the line's direction crossed with the outer direction,
        // never 0 by the choice of the directions.
        const GridVertex& p = a.Outer() ? b : (b.Outer() ? c : a);
        const GridVertex& q = a.Outer() ? c : (b.Outer() ? a : b);
        const GridVertex& o = a.Outer() ? a : (b.Outer() ? b : c);
        return Sign((q.x0 - p.x0) * o.y1 - (q.y0 - p.y0) * o.x1);
    }
    return OrientExpanded(a, b, c);
}

int OrientExpanded(const GridVertex& a, const GridVertex& b, const GridVertex& c) {
    Poly bx = Linear(b.x0 - a.x0, b.x1 - a.x1), by = Linear(b.y0 - a.y0, b.y1 - a.y1);
    Poly cx = Linear(c.x0 - a.x0, c.x1 - a.x1), cy = Linear(c.y0 - a.y0, c.y1 - a.y1);
    return Sign(bx * cy - by * cx);
}

int InCircleWithOuter(const GridVertex& a, const GridVertex& b, const GridVertex& c,
                      const GridVertex& p) {
    if (a.Outer() + b.Outer() + c.Outer() == 1) {
        // The circle through two grid points and a point ever further away
        // becomes the half-plane on its side of their line: p is inside when
        // on that side, or on the line between the two (a chord), and on the
        // circle only at the two.
        const GridVertex& u = a.Outer() ? b : (b.Outer() ? c : a);
        const GridVertex& v = a.Outer() ? c : (b.Outer() ? a : b);
        const int side = Orient(u, v, p);
        if (side != 0) return side;
        const std::int64_t along = (p.x0 - u.x0) * (v.x0 - u.x0) + (p.y0 - u.y0) * (v.y0 - u.y0);
        const std::int64_t length = (v.x0 - u.x0) * (v.x0 - u.x0) + (v.y0 - u.y0) * (v.y0 - u.y0);
        if (along == 0 || along == length) return 0;  // p is u or v
        return along > 0 && along < length ? 1 : -1;
    }
    if (a.Outer() + b.Outer() + c.Outer() == 2) {
        // Turned (an even permutation keeps the sign) so that the grid point
        // g comes first and outer points K d1, K d2 follow. The determinant
        // is then of degree 3 in K, and its K^3 coefficient is
        // (g - p) . (d1y L2 - L1 d2y, L1 d2x - d1x L2) with L = |d|^2: the
        // circle has become a half-plane. Where p lies on its edge the
        // coefficient is 0 and the full expansion decides.
        const GridVertex& g = !a.Outer() ? a : (!b.Outer() ? b : c);
        const GridVertex& o1 = !a.Outer() ? b : (!b.Outer() ? c : a);
        const GridVertex& o2 = !a.Outer() ? c : (!b.Outer() ? a : b);
        const std::int64_t L1 = o1.x1 * o1.x1 + o1.y1 * o1.y1;
        const std::int64_t L2 = o2.x1 * o2.x1 + o2.y1 * o2.y1;
        // |g - p| <= 2^13, |d| < 2^14, L < 2^28: every product below 2^56.
        const std::int64_t wx = o1.y1 * L2 - L1 * o2.y1;
        const std::int64_t wy = L1 * o2.x1 - o1.x1 * L2;
        const std::int64_t leading = (g.x0 - p.x0) * wx + (g.y0 - p.y0) * wy;
        if (leading != 0) return Sign(leading);
    }
    return InCircleExpanded(a, b, c, p);
}

int InCircleExpanded(const GridVertex& a, const GridVertex& b, const GridVertex& c,
                     const GridVertex& p) {
    Poly adx = Linear(a.x0 - p.x0, a.x1), ady = Linear(a.y0 - p.y0, a.y1);
    Poly bdx = Linear(b.x0 - p.x0, b.x1), bdy = Linear(b.y0 - p.y0, b.y1);
    Poly cdx = Linear(c.x0 - p.x0, c.x1), cdy = Linear(c.y0 - p.y0, c.y1);
    Poly al = adx * adx + ady * ady, bl = bdx * bdx + bdy * bdy, cl = cdx * cdx + cdy * cdy;
    return Sign(adx * (bdy * cl - bl * cdy) - ady * (bdx * cl - bl * cdx) +
                al * (bdx * cdy - bdy * cdx));
}

}  // namespace ormix
