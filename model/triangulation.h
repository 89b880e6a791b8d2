// Particle triangulation: turns a cloud of points into a Delaunay
// triangulation, the triangles among which spreading shares out the slick
// area.
//
// The points are put on an integer grid spanning -2048..2048 in the longer
// direction of their box, points less than 2 grid units apart are combined
// (merged points belong to no triangle), and the rest are inserted one by one
// into a triangulation that starts from three outer points enclosing the
// grid. Each new point is located by a short walk from a point inserted
// earlier in the same cell of a coarse table, or else by the history of the
// triangles (a directed acyclic graph); both give the same triangle, so the
// result does not depend on which is used. The outer points behave as if
// infinitely far away, so the triangles that are left once those touching an
// outer point are removed cover exactly the convex hull of the surviving
// points.
#pragma once

#include <new>
#include <vector>

#include "core/messages.h"
#include "model/grid_predicates.h"
#include "model/point_merge.h"

namespace ormix {

// One triangle of the result: three input indices, counter-clockwise, and
// for each edge (corner k to corner k + 1) the triangle on its other side, or
// -1 where there is none.
struct DagTriangle {
    int corner[3];
    int neighbour[3];
};

// One triangle of the working storage. Once replaced, it keeps the line
// that tells its children apart: with two children, child[0] lies to the
// right of line[0] -> line[1]; with three (a point line[0] inside it),
// child[k] is the triangle of line[0] and the edge v[k] -> v[k + 1]. What
// the point location reads comes first, within 32 of the 48 bytes.
struct alignas(16) DagNode {
    int child[3];  // the triangles that replaced it, -1 where unused
    int line[2];
    int v[3];   // corners, counter-clockwise; indices >= the point count are outer points
    int nb[3];  // node across the edge v[k] -> v[k + 1], -1 on the outside
};

class DagTriangulation {
public:
    explicit DagTriangulation(MessageSink& messages) : messages_(&messages) {}

    // Triangulates n points (metres); the arrays are not changed. Returns the
    // number of triangles (Triangles() holds them); 0 with fewer than 3 points
    // and whenever a step fails (the step's name has then been shown).
    int CalculateDagTri(const double* x, const double* y, int n);

    const std::vector<DagTriangle>& Triangles() const { return triangles_; }
    // The grid points after the last call: positions, weights, merges.
    const DagPoints& Points() const { return points_; }
    // Metres per grid unit of the last call.
    double Scale() const { return scale_; }

    // Where the messages of the next calls go.
    void SetMessages(MessageSink& messages) { messages_ = &messages; }

    // Limits the working storage of the point location (nodes); reaching it
    // makes the insertion fail as running out of memory would.
    void SetNodeLimit(std::size_t nodes) { nodeLimit_ = nodes; }
    // Combine close points by the straightforward scan instead of the cell
    // index (same result, quadratic); for checks and measurements.
    void UseScanMerge(bool scan) { scanMerge_ = scan; }
    // Locate every point by the history alone, without walks (same result,
    // slower); for checks and measurements.
    void UseHistoryOnly(bool history) { historyOnly_ = history; }

private:
    bool DagCoordinateSetUp(const double* x, const double* y, int n);
    bool CombineClosePoints();
    bool InitDagTri();
    bool AddDagTri();
    bool GetStdTriWithConvex();

    // Vertex i of the triangulation: a grid point, or an outer point from n on.
    GridVertex V(int i) const { return Expand(vertices_[i]); }
    bool IsOuter(int i) const { return i >= pointCount_; }
    // Orient(V(a), V(b), V(p)) for a grid point p; cheap unless a and b are
    // both outer points.
    int OrientToPoint(int a, int b, int p) const;
    // The current triangle holding point p: by a walk from a triangle at an
    // inserted point near it where that finds p strictly inside one, else by
    // descending the history (which decides for points on an edge).
    // `inside` tells that p lies strictly inside the triangle returned.
    int Locate(int p, bool& inside) const;
    int LocateByHistory(int p) const;
    // The triangle reached by walking from `start` toward p, or -1 when the
    // walk ends on an edge or a corner or takes too long.
    int Walk(int start, int p) const;
    // The cell of the start table that holds grid point p.
    int StartCell(int p) const;
    void PrepareStarts(int live);
    void Inserted(int p) { cellPoint_[StartCell(p)] = p; }
    bool Insert(int p);
    // Appends the triangle a, b, c with the given neighbours across
    // a -> b, b -> c and c -> a; returns its index. Throws std::bad_alloc at
    // the node limit or when the storage cannot grow.
    int NewNode(int a, int b, int c, int nbAB, int nbBC, int nbCA) {
        const std::size_t size = nodes_.size();
        if (size >= nodeLimit_) throw std::bad_alloc();
        if (size == nodes_.capacity()) nodes_.reserve(size + kNodeGrowth);
        nodes_.push_back({{-1, -1, -1}, {-1, -1}, {a, b, c}, {nbAB, nbBC, nbCA}});
        // A triangle is only ever replaced by triangles that keep all its
        // corners, so the newest one at a vertex is current.
        vertexNode_[a] = vertexNode_[b] = vertexNode_[c] = static_cast<int>(size);
        return static_cast<int>(size);
    }
    // The index the next new node will take.
    int NextNode() const { return static_cast<int>(nodes_.size()); }
    void Legalize(int p, int first, int count);
    void ReplaceNeighbour(int node, int from, int to);

    static constexpr std::size_t kNodeGrowth = 1000;

    MessageSink* messages_;
    DagPoints points_;
    MergeIndex mergeIndex_;
    std::vector<CompactVertex> vertices_;
    std::vector<DagNode> nodes_;
    std::vector<int> pending_;     // triangles whose far edge must be checked
    std::vector<int> vertexNode_;  // vertex -> a current triangle at it
    std::vector<int> cellPoint_;   // start table: the last point inserted in each cell
    int cellShift_ = 0;            // grid units >> cellShift_ = cell column or row
    int cellColumns_ = 0;
    std::vector<int> outputIndex_;  // node -> its number in the result, or -1
    std::vector<int> kept_;         // the nodes of the result, in order
    std::vector<DagTriangle> triangles_;
    double scale_ = 0;
    int pointCount_ = 0;
    int firstPoint_ = -1;
    std::size_t nodeLimit_ = static_cast<std::size_t>(-1);
    bool scanMerge_ = false;
    bool historyOnly_ = false;
};

// The triangulation as one call: fills `out` and returns the count.
int Triangulate(const double* x, const double* y, int n, std::vector<DagTriangle>& out,
                MessageSink& messages);

}  // namespace ormix
