// Insertion of one point into the triangulation: locating it by descending
// the history of the triangles, splitting the triangle (or the two triangles
// of the edge) it falls in, and flipping edges until every triangle around
// it has an empty circumcircle again.
#include "model/triangulation.h"

namespace ormix {

// The current triangle that contains point p (inside or on its boundary):
// one or two side-of-line tests at each replaced triangle on the way down.
int DagTriangulation::Locate(int p) const {
    const GridVertex q = V(p);
    int node = 0;
    while (nodes_[node].child[0] >= 0) {
        const DagNode& d = nodes_[node];
        const GridVertex from = V(d.line[0]);
        if (d.child[2] < 0) {
            node = Orient(from, V(d.line[1]), q) <= 0 ? d.child[0] : d.child[1];
            continue;
        }
        // The rays from the inner point to the corners a, b, c part the
        // children (a, b), (b, c), (c, a); each spans less than a half-turn.
        if (Orient(from, V(d.v[0]), q) >= 0)
            node = Orient(from, V(d.v[1]), q) <= 0 ? d.child[0] : d.child[1];
        else
            node = Orient(from, V(d.v[2]), q) >= 0 ? d.child[2] : d.child[1];
    }
    return node;
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
    const int t = Locate(p);
    const GridVertex q = V(p);
    int o[3], zeros = 0;
    for (int k = 0; k < 3; ++k) {
        const DagNode& d = nodes_[t];
        o[k] = Orient(V(d.v[k]), V(d.v[(k + 1) % 3]), q);
        if (o[k] == 0) ++zeros;
        if (o[k] < 0) return false;  // not in the triangle found: exact tests rule this out
    }
    // On a corner: the same grid position as a point already in (combining
    // rules this out); it stays out of every triangle.
    if (zeros >= 2) return true;

    if (zeros == 0) {
        const int a = nodes_[t].v[0], b = nodes_[t].v[1], c = nodes_[t].v[2];
        const int nAB = nodes_[t].nb[0], nBC = nodes_[t].nb[1], nCA = nodes_[t].nb[2];
        const int t0 = NewNode(p, a, b), t1 = NewNode(p, b, c), t2 = NewNode(p, c, a);
        nodes_[t0].nb[0] = t2, nodes_[t0].nb[1] = nAB, nodes_[t0].nb[2] = t1;
        nodes_[t1].nb[0] = t0, nodes_[t1].nb[1] = nBC, nodes_[t1].nb[2] = t2;
        nodes_[t2].nb[0] = t1, nodes_[t2].nb[1] = nCA, nodes_[t2].nb[2] = t0;
        ReplaceNeighbour(nAB, t, t0);
        ReplaceNeighbour(nBC, t, t1);
        ReplaceNeighbour(nCA, t, t2);
        nodes_[t].child[0] = t0, nodes_[t].child[1] = t1, nodes_[t].child[2] = t2;
        nodes_[t].line[0] = p;
        Legalize(p, t0, 3);
        return true;
    }

    // On the edge a -> b: split both triangles of the edge in two.
    int k = o[0] == 0 ? 0 : (o[1] == 0 ? 1 : 2);
    const int a = nodes_[t].v[k], b = nodes_[t].v[(k + 1) % 3], c = nodes_[t].v[(k + 2) % 3];
    const int u = nodes_[t].nb[k];
    const int nBC = nodes_[t].nb[(k + 1) % 3], nCA = nodes_[t].nb[(k + 2) % 3];
    if (u < 0) return false;  // the outer edges hold no grid point
    int j = 0;
    while (j < 3 && !(nodes_[u].v[j] == b && nodes_[u].v[(j + 1) % 3] == a))
        ++j;
    if (j == 3) return false;
    const int d = nodes_[u].v[(j + 2) % 3];
    const int nAD = nodes_[u].nb[(j + 1) % 3], nDB = nodes_[u].nb[(j + 2) % 3];
    const int t0 = NewNode(p, b, c), t1 = NewNode(p, c, a);
    const int t2 = NewNode(p, a, d), t3 = NewNode(p, d, b);
    nodes_[t0].nb[0] = t3, nodes_[t0].nb[1] = nBC, nodes_[t0].nb[2] = t1;
    nodes_[t1].nb[0] = t0, nodes_[t1].nb[1] = nCA, nodes_[t1].nb[2] = t2;
    nodes_[t2].nb[0] = t1, nodes_[t2].nb[1] = nAD, nodes_[t2].nb[2] = t3;
    nodes_[t3].nb[0] = t2, nodes_[t3].nb[1] = nDB, nodes_[t3].nb[2] = t0;
    ReplaceNeighbour(nBC, t, t0);
    ReplaceNeighbour(nCA, t, t1);
    ReplaceNeighbour(nAD, u, t2);
    ReplaceNeighbour(nDB, u, t3);
    nodes_[t].child[0] = t0, nodes_[t].child[1] = t1;
    nodes_[t].line[0] = p, nodes_[t].line[1] = c;
    nodes_[u].child[0] = t2, nodes_[u].child[1] = t3;
    nodes_[u].line[0] = p, nodes_[u].line[1] = d;
    Legalize(p, t0, 4);
    return true;
}

// Checks the far edge of each new triangle around p (p is corner 0 of each)
// and flips it while p lies inside the circumcircle of the triangle beyond.
void DagTriangulation::Legalize(int p, int first, int count) {
    pending_.clear();
    for (int i = 0; i < count; ++i)
        pending_.push_back(first + i);
    const GridVertex q = V(p);
    while (!pending_.empty()) {
        const int t = pending_.back();
        pending_.pop_back();
        if (nodes_[t].child[0] >= 0) continue;  // flipped away meanwhile
        const int u = nodes_[t].nb[1];
        if (u < 0) continue;  // an outer edge
        const int a = nodes_[t].v[1], b = nodes_[t].v[2];
        int j = 0;
        while (j < 3 && !(nodes_[u].v[j] == b && nodes_[u].v[(j + 1) % 3] == a))
            ++j;
        if (j == 3) continue;
        const DagNode& du = nodes_[u];
        if (InCircle(V(du.v[0]), V(du.v[1]), V(du.v[2]), q) <= 0) continue;
        const int d = du.v[(j + 2) % 3];
        const int nAD = du.nb[(j + 1) % 3], nDB = du.nb[(j + 2) % 3];
        const int nPA = nodes_[t].nb[0], nBP = nodes_[t].nb[2];
        const int t1 = NewNode(p, a, d), t2 = NewNode(p, d, b);
        nodes_[t1].nb[0] = nPA, nodes_[t1].nb[1] = nAD, nodes_[t1].nb[2] = t2;
        nodes_[t2].nb[0] = t1, nodes_[t2].nb[1] = nDB, nodes_[t2].nb[2] = nBP;
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
