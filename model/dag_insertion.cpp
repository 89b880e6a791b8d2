// Insertion of one point into the triangulation: locating it by descending
// the history of the triangles, splitting the triangle (or the two triangles
// of the edge) it falls in, and flipping edges until every triangle around
// it has an empty circumcircle again.
#include "model/triangulation.h"

namespace ormix {

namespace {

// The corner after and before corner k of a triangle.
int Next(int k) {
    return k == 2 ? 0 : k + 1;
}
int Prev(int k) {
    return k == 0 ? 2 : k - 1;
}

// The corner of triangle v that is vertex b, or 3 when none is.
int CornerOf(const int* v, int b) {
    return v[0] == b ? 0 : (v[1] == b ? 1 : (v[2] == b ? 2 : 3));
}

}  // namespace

int DagTriangulation::OrientToPoint(int a, int b, int p) const {
    const CompactVertex* v = vertices_.data();
    if (!IsOuter(a)) return SignOf(SideOfRay(v[a], v[b], v[p]));
    if (!IsOuter(b)) return -SignOf(SideOfRay(v[b], v[a], v[p]));
    return Orient(V(a), V(b), V(p));
}

// The current triangle that contains point p (inside or on its boundary):
// one or two side-of-line tests at each replaced triangle on the way down.
// Every line starts at an inserted point, so each test is one SideOfRay.
int DagTriangulation::LocateByHistory(int p) const {
    const CompactVertex* v = vertices_.data();
    const CompactVertex q = v[p];
    int node = 0;
    for (;;) {
        const DagNode& d = nodes_[node];
        if (d.child[0] < 0) return node;
        const CompactVertex from = v[d.line[0]];
        if (d.child[2] < 0) {
            node = SideOfRay(from, v[d.line[1]], q) <= 0 ? d.child[0] : d.child[1];
            continue;
        }
        // The rays from the inner point to the corners a, b, c part the
        // children (a, b), (b, c), (c, a); each spans less than a half-turn.
        if (SideOfRay(from, v[d.v[0]], q) >= 0)
            node = SideOfRay(from, v[d.v[1]], q) <= 0 ? d.child[0] : d.child[1];
        else
            node = SideOfRay(from, v[d.v[2]], q) >= 0 ? d.child[2] : d.child[1];
    }
}

// Cells of the start table: about one inserted point per cell for a cloud
// spread over the grid, at most 257 x 257 cells.
void DagTriangulation::PrepareStarts(int live) {
    int shift = 12;
    while (shift > 4 && (4096 >> shift) * (4096 >> shift) < live)
        --shift;
    cellShift_ = shift;
    cellColumns_ = (4096 >> shift) + 1;
    cellPoint_.assign(static_cast<std::size_t>(cellColumns_) * cellColumns_, -1);
}

int DagTriangulation::StartCell(int p) const {
    const CompactVertex& v = vertices_[p];
    return ((v.y + 2048) >> cellShift_) * cellColumns_ + ((v.x + 2048) >> cellShift_);
}

// A point strictly inside a current triangle lies in no other one, so the
// history would find that same triangle; only a point on an edge needs the
// history's own choice between the two triangles of the edge.
int DagTriangulation::Locate(int p, bool& inside) const {
    // Without an inserted point in its cell the walk could be long, while
    // the history is still shallow.
    const int start = historyOnly_ ? -1 : cellPoint_[StartCell(p)];
    if (start >= 0) {
        const int t = Walk(vertexNode_[start], p);
        inside = t >= 0;
        if (inside) return t;
    }
    inside = false;
    return LocateByHistory(p);
}

// Steps into the neighbour across the first edge that has p on its outer
// side, until none has. The edge just crossed has p strictly on its inner
// side; the side of an edge between two outer points is never tested, as
// every grid point lies within the outer triangle.
int DagTriangulation::Walk(int start, int p) const {
    const int limit = 16 + 2 * cellColumns_;
    int t = start;
    int from = -1;
    for (int step = 0; step < limit; ++step) {
        const DagNode& d = nodes_[t];
        if (d.child[0] >= 0) return -1;
        int next = -2;
        bool onEdge = false;
        for (int k = 0; k < 3; ++k) {
            if (d.nb[k] == from && from >= 0) {
                from = -1;  // only the one edge shared with it
                continue;
            }
            const int a = d.v[k], b = d.v[Next(k)];
            if (IsOuter(a) && IsOuter(b)) continue;
            const int o = OrientToPoint(a, b, p);
            if (o < 0) {
                next = d.nb[k];
                break;
            }
            if (o == 0) onEdge = true;
        }
        if (next == -2) return onEdge ? -1 : t;
        if (next < 0) return -1;
        from = t;
        t = next;
    }
    return -1;
}

void DagTriangulation::ReplaceNeighbour(int node, int from, int to) {
    if (node < 0) return;
    for (int& nb : nodes_[node].nb)
        if (nb == from) nb = to;
}

// Returns false only if the triangles found do not hold the point (which
// exact tests rule out). Throws std::bad_alloc when the working storage
// cannot grow.
bool DagTriangulation::Insert(int p) {
    bool inside;
    const int t = Locate(p, inside);
    int o[3] = {1, 1, 1}, zeros = 0;
    for (int k = 0; k < 3 && !inside; ++k) {
        const DagNode& d = nodes_[t];
        o[k] = OrientToPoint(d.v[k], d.v[Next(k)], p);
        if (o[k] == 0) ++zeros;
        if (o[k] < 0) return false;  // not in the triangle found: exact tests rule this out
    }
    // On a corner: the same grid position as a point already in (combining
    // rules this out); it stays out of every triangle.
    if (zeros >= 2) return true;

    if (zeros == 0) {
        const int a = nodes_[t].v[0], b = nodes_[t].v[1], c = nodes_[t].v[2];
        const int nAB = nodes_[t].nb[0], nBC = nodes_[t].nb[1], nCA = nodes_[t].nb[2];
        const int t0 = NextNode(), t1 = t0 + 1, t2 = t0 + 2;
        NewNode(p, a, b, t2, nAB, t1);
        NewNode(p, b, c, t0, nBC, t2);
        NewNode(p, c, a, t1, nCA, t0);
        ReplaceNeighbour(nAB, t, t0);
        ReplaceNeighbour(nBC, t, t1);
        ReplaceNeighbour(nCA, t, t2);
        nodes_[t].child[0] = t0, nodes_[t].child[1] = t1, nodes_[t].child[2] = t2;
        nodes_[t].line[0] = p;
        Legalize(p, t0, 3);
        Inserted(p);
        return true;
    }

    // On the edge a -> b: split both triangles of the edge in two.
    int k = o[0] == 0 ? 0 : (o[1] == 0 ? 1 : 2);
    const int a = nodes_[t].v[k], b = nodes_[t].v[Next(k)], c = nodes_[t].v[Prev(k)];
    const int u = nodes_[t].nb[k];
    const int nBC = nodes_[t].nb[Next(k)], nCA = nodes_[t].nb[Prev(k)];
    if (u < 0) return false;  // the outer edges hold no grid point
    const int j = CornerOf(nodes_[u].v, b);
    if (j == 3 || nodes_[u].v[Next(j)] != a) return false;
    const int d = nodes_[u].v[Prev(j)];
    const int nAD = nodes_[u].nb[Next(j)], nDB = nodes_[u].nb[Prev(j)];
    const int t0 = NextNode(), t1 = t0 + 1, t2 = t0 + 2, t3 = t0 + 3;
    NewNode(p, b, c, t3, nBC, t1);
    NewNode(p, c, a, t0, nCA, t2);
    NewNode(p, a, d, t1, nAD, t3);
    NewNode(p, d, b, t2, nDB, t0);
    ReplaceNeighbour(nBC, t, t0);
    ReplaceNeighbour(nCA, t, t1);
    ReplaceNeighbour(nAD, u, t2);
    ReplaceNeighbour(nDB, u, t3);
    nodes_[t].child[0] = t0, nodes_[t].child[1] = t1;
    nodes_[t].line[0] = p, nodes_[t].line[1] = c;
    nodes_[u].child[0] = t2, nodes_[u].child[1] = t3;
    nodes_[u].line[0] = p, nodes_[u].line[1] = d;
    Legalize(p, t0, 4);
    Inserted(p);
    return true;
}

// Checks the far edge of each new triangle around p (p is corner 0 of each)
// and flips it while p lies inside the circumcircle of the triangle beyond.
void DagTriangulation::Legalize(int p, int first, int count) {
    pending_.clear();
    for (int i = 0; i < count; ++i)
        pending_.push_back(first + i);
    const CompactVertex* v = vertices_.data();
    const CompactVertex q = v[p];
    while (!pending_.empty()) {
        const int t = pending_.back();
        pending_.pop_back();
        if (nodes_[t].child[0] >= 0) continue;  // flipped away meanwhile
        const int u = nodes_[t].nb[1];
        if (u < 0) continue;  // an outer edge
        const int a = nodes_[t].v[1], b = nodes_[t].v[2];
        const DagNode& du = nodes_[u];
        const int j = CornerOf(du.v, b);
        if (j == 3 || du.v[Next(j)] != a) continue;
        const int d = du.v[Prev(j)];
        if (IsOuter(du.v[0]) || IsOuter(du.v[1]) || IsOuter(du.v[2])) {
            if (InCircleWithOuter(V(du.v[0]), V(du.v[1]), V(du.v[2]), V(p)) <= 0) continue;
        } else {
            const CompactVertex &e = v[du.v[0]], &f = v[du.v[1]], &g = v[du.v[2]];
            if (InCircleGrid(e.x, e.y, f.x, f.y, g.x, g.y, q.x, q.y) <= 0) continue;
        }
        const int nAD = du.nb[Next(j)], nDB = du.nb[Prev(j)];
        const int nPA = nodes_[t].nb[0], nBP = nodes_[t].nb[2];
        const int t1 = NextNode(), t2 = t1 + 1;
        NewNode(p, a, d, nPA, nAD, t2);
        NewNode(p, d, b, t1, nDB, nBP);
        ReplaceNeighbour(nPA, t, t1);
        ReplaceNeighbour(nAD, u, t1);
        ReplaceNeighbour(nDB, u, t2);
        ReplaceNeighbour(nBP, t, t2);
        nodes_[t].child[0] = t1, nodes_[t].child[1] = t2;
        nodes_[t].line[0] = p, nodes_[t].line[1] = d;
        nodes_[u].child[0] = t1, nodes_[u].child[1] = t2;
        nodes_[u].line[0] = p, nodes_[u].line[1] = d;
        pending_.push_back(t1);
        pending_.push_back(t2);
    }
}

}  // namespace ormix
