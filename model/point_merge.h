// The points of a triangulation on their integer grid, and the combining of
// points that lie almost on top of one another.
//
// Two points combine when their grid positions differ by less than 2 grid
// units (at most 1 in x and in y). Points are taken in index order; the point
// being looked at absorbs the lowest-numbered live point close to it, moves
// to the weighted mean of the two and looks again from the start, until no
// live point is close. The order decides where the combined points end up, so
// both ways of doing it below give exactly the same merges in the same order.
#pragma once

#include <cstdint>
#include <vector>

namespace ormix {

// Grid units within which two points are one (0.05 percent of the 4096-unit
// width of the grid, truncated).
inline constexpr int kMergeDistance = static_cast<int>(0.05 / 100 * 4096);

struct DagPoints {
    std::vector<double> x, y;          // metres, moved so the box is centred on 0
    std::vector<std::int16_t> gx, gy;  // grid units, -2048..2048
    std::vector<int> weight;           // points combined here; 0 once merged away
    std::vector<int> mergedInto;       // the survivor it was merged into, or -1
    int Size() const { return static_cast<int>(x.size()); }
    void Resize(int n);  // may throw std::bad_alloc
    bool Live(int i) const { return weight[i] != 0; }
};

// Whether two grid positions are within the merging distance.
inline bool AreClose(int ax, int ay, int bx, int by) {
    int dx = ax - bx, dy = ay - by;
    return dx <= kMergeDistance && dx >= -kMergeDistance && dy <= kMergeDistance &&
           dy >= -kMergeDistance && dx * dx + dy * dy < kMergeDistance * kMergeDistance;
}

// Merges `other` into `survivor`: weighted mean of the positions, weights
// added. The grid mean is taken in whole grid units (the shift truncated
// toward zero).
void MergePoint(DagPoints& p, int survivor, int other);

// The merge as stated: for each live point, scan every other point from the
// first one, merge the first close one and start the scan again. Quadratic;
// kept as the definition the fast version is checked against.
void CombineClosePointsByScan(DagPoints& p);

// One grid cell in the table of the fast merge.
struct MergeCell {
    std::int32_t key;  // the cell, or -1 for an empty slot
    int done;          // the one live point that finished here, or -1
    int waiting;       // the first point that started here not yet seen to be dead or passed
    int last;          // the last point that started here
};

// Working storage of the fast merge, kept between calls.
struct MergeIndex {
    std::vector<MergeCell> cells;  // open addressing by cell
    std::vector<int> nextInCell;   // per point: the next point that started in its cell, or -1
    // Live points in each block of 16 x 16 cells; all 0 between calls.
    std::vector<std::uint16_t> blockCount;
    bool countsClear = false;
};

// The same merges in the same order, found through the grid cells: points not
// yet looked at are still where they started (a list per cell, in index
// order), points already looked at are each alone in their cell; one hash
// table of cells holds both. Near-linear. Most points have no other point in
// the blocks around them (a count per block tells): those need no table, and
// the table is only built once a point does. May throw std::bad_alloc.
void CombineClosePointsByCell(DagPoints& p, MergeIndex& index);

}  // namespace ormix
