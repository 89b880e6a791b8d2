#include "model/triangulation.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace ormix {

namespace {

constexpr int kGridHalf = 2048;

// A position relative to the half-width R, on the grid. Anything that is not
// a number or lies outside goes to the nearest grid value rather than
// overflowing the 16-bit coordinate.
std::int16_t GridCoordinate(double v, double R) {
    double g = kGridHalf * v / R;
    if (!(g == g)) return 0;
    if (g > kGridHalf) return kGridHalf;
    if (g < -kGridHalf) return -kGridHalf;
    return static_cast<std::int16_t>(g);  // truncated toward zero
}

}  // namespace

int DagTriangulation::CalculateDagTri(const double* x, const double* y, int n) {
    triangles_.clear();
    nodes_.clear();
    scale_ = 0;
    firstPoint_ = -1;
    if (n < 3 || !x || !y) {
        points_.Resize(0);
        return 0;
    }
    try {
        points_.Resize(n);
    } catch (const std::bad_alloc&) {
        messages_->Error("Out of memory.");
        return 0;
    }
    if (!DagCoordinateSetUp(x, y, n) || !CombineClosePoints() || !InitDagTri() || !AddDagTri() ||
        !GetStdTriWithConvex()) {
        triangles_.clear();
        return 0;
    }
    return static_cast<int>(triangles_.size());
}

// Moves the points so that the centre of their box is the origin and puts
// them on the grid: the longer half-width R becomes 2048 grid units. A point
// without finite coordinates takes no part (weight 0).
bool DagTriangulation::DagCoordinateSetUp(const double* x, const double* y, int n) {
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    bool any = false;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) continue;
        if (!any) {
            xmin = xmax = x[i];
            ymin = ymax = y[i];
            any = true;
        }
        xmin = std::fmin(xmin, x[i]);
        xmax = std::fmax(xmax, x[i]);
        ymin = std::fmin(ymin, y[i]);
        ymax = std::fmax(ymax, y[i]);
    }
    // Halves first: the sum of two large coordinates could overflow.
    const double cx = xmin / 2 + xmax / 2, cy = ymin / 2 + ymax / 2;
    const double R = std::fmax(xmax / 2 - xmin / 2, ymax / 2 - ymin / 2);
    scale_ = R / kGridHalf;
    for (int i = 0; i < n; ++i) {
        const bool finite = std::isfinite(x[i]) && std::isfinite(y[i]);
        points_.x[i] = finite ? x[i] - cx : 0;
        points_.y[i] = finite ? y[i] - cy : 0;
        // All points on one spot: every one is at the origin of the grid.
        points_.gx[i] = finite && R > 0 ? GridCoordinate(points_.x[i], R) : 0;
        points_.gy[i] = finite && R > 0 ? GridCoordinate(points_.y[i], R) : 0;
        points_.weight[i] = finite ? 1 : 0;
        points_.mergedInto[i] = -1;
    }
    return true;
}

bool DagTriangulation::CombineClosePoints() {
    try {
        if (scanMerge_)
            CombineClosePointsByScan(points_);
        else
            CombineClosePointsByCell(points_, mergeIndex_);
    } catch (const std::bad_alloc&) {
        messages_->Error("CombineClosePoints()");
        return false;
    }
    return true;
}

// The outer triangle, and in it the first surviving point.
bool DagTriangulation::InitDagTri() {
    const int n = points_.Size();
    int live = 0;
    for (int i = 0; i < n; ++i) {
        if (!points_.Live(i)) continue;
        if (firstPoint_ < 0) firstPoint_ = i;
        ++live;
    }
    if (live < 3) return true;  // nothing to triangulate; AddDagTri adds nothing
    try {
        // Each insertion makes 3 or 4 triangles and each edge flip 2 more;
        // about 9 per point on average. The storage grows beyond this in
        // steps of kNodeGrowth.
        std::size_t estimate = (9 * static_cast<std::size_t>(live) / kNodeGrowth + 1) * kNodeGrowth;
        nodes_.reserve(std::min(estimate, nodeLimit_));
        vertices_.resize(n + 3);
        for (int i = 0; i < n; ++i)
            vertices_[i] = {points_.gx[i], points_.gy[i], 1};
        for (int k = 0; k < 3; ++k)
            vertices_[n + k] = Compact(OuterVertex(k));
        pointCount_ = n;
        vertexNode_.assign(n + 3, -1);
        PrepareStarts(live);
        pending_.reserve(64);
        NewNode(n, n + 1, n + 2, -1, -1, -1);
        if (!Insert(firstPoint_)) throw std::bad_alloc();
    } catch (const std::bad_alloc&) {
        messages_->Error("InitDagTri()");
        return false;
    }
    return true;
}

bool DagTriangulation::AddDagTri() {
    if (nodes_.empty()) return true;
    const int n = points_.Size();
    try {
        for (int i = firstPoint_ + 1; i < n; ++i)
            if (points_.Live(i) && !Insert(i)) throw std::bad_alloc();
    } catch (const std::bad_alloc&) {
        messages_->Error("AddDagTri()");
        return false;
    }
    return true;
}

// The triangles that touch no outer point, in the order of the working
// storage; then those whose corners are on one line are dropped and the
// neighbours renumbered (a neighbour that was dropped or outside becomes -1).
bool DagTriangulation::GetStdTriWithConvex() {
    const int n = points_.Size();
    try {
        const int nodes = static_cast<int>(nodes_.size());
        outputIndex_.assign(nodes, -1);
        kept_.clear();
        const CompactVertex* v = vertices_.data();
        for (int t = 0; t < nodes; ++t) {
            const DagNode& d = nodes_[t];
            if (d.child[0] >= 0 || d.v[0] >= n || d.v[1] >= n || d.v[2] >= n) continue;
            if (OrientGrid(v[d.v[0]], v[d.v[1]], v[d.v[2]]) == 0) continue;
            outputIndex_[t] = static_cast<int>(kept_.size());
            kept_.push_back(t);
        }
        const int count = static_cast<int>(kept_.size());
        triangles_.resize(count);
        for (int k = 0; k < count; ++k) {
            const DagNode& d = nodes_[kept_[k]];
            DagTriangle& out = triangles_[k];
            for (int j = 0; j < 3; ++j) {
                out.corner[j] = d.v[j];
                out.neighbour[j] = d.nb[j] >= 0 ? outputIndex_[d.nb[j]] : -1;
            }
        }
    } catch (const std::bad_alloc&) {
        messages_->Error("GetStdTriWithConvex()");
        return false;
    }
    return true;
}

int Triangulate(const double* x, const double* y, int n, std::vector<DagTriangle>& out,
                MessageSink& messages) {
    DagTriangulation t(messages);
    int count = t.CalculateDagTri(x, y, n);
    out = t.Triangles();
    return count;
}

}  // namespace ormix
