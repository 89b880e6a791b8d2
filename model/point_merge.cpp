#include "model/point_merge.h"

#include <algorithm>
#include <limits>

namespace ormix {

void DagPoints::Resize(int n) {
    x.resize(n);
    y.resize(n);
    gx.resize(n);
    gy.resize(n);
    weight.resize(n);
    mergedInto.resize(n);
}

void MergePoint(DagPoints& p, int survivor, int other) {
    const int ws = p.weight[survivor], wo = p.weight[other], sum = ws + wo;
    p.gx[survivor] =
        static_cast<std::int16_t>(p.gx[survivor] + (p.gx[other] - p.gx[survivor]) * wo / sum);
    p.gy[survivor] =
        static_cast<std::int16_t>(p.gy[survivor] + (p.gy[other] - p.gy[survivor]) * wo / sum);
    const double f = static_cast<double>(wo) / sum;
    p.x[survivor] += (p.x[other] - p.x[survivor]) * f;
    p.y[survivor] += (p.y[other] - p.y[survivor]) * f;
    p.weight[survivor] = sum;
    p.weight[other] = 0;
    p.mergedInto[other] = survivor;
}

void CombineClosePointsByScan(DagPoints& p) {
    const int n = p.Size();
    for (int i = 0; i < n; ++i) {
        if (!p.Live(i)) continue;
        for (int j = 0; j < n; ++j) {
            if (j == i || !p.Live(j)) continue;
            if (AreClose(p.gx[i], p.gy[i], p.gx[j], p.gy[j])) {
                MergePoint(p, i, j);
                j = -1;  // the point has moved: look again from the first point
            }
        }
    }
}

namespace {

// Grid positions (with one unit of margin either side) packed into one key.
std::int32_t CellKey(int gx, int gy) {
    return ((gx + 4096) << 13) | (gy + 4096);
}

constexpr std::int32_t kEmptyKey = -1;

// The cells of the live points: where each point not yet looked at started
// (a list in index order) and which point finished there.
class CellTable {
public:
    explicit CellTable(MergeIndex& ix) : cells_(ix.cells), next_(ix.nextInCell) {}

    // Every live point where it is now, and the points before `first` as
    // finished (each alone in its cell).
    void Build(const DagPoints& p, int first) {
        const int n = p.Size();
        std::size_t size = 16;
        while (size < 4 * static_cast<std::size_t>(n))
            size *= 2;
        cells_.assign(size, {kEmptyKey, -1, -1, -1});
        mask_ = size - 1;
        next_.assign(n, -1);
        for (int j = 0; j < n; ++j) {
            if (!p.Live(j)) continue;
            MergeCell& c = Slot(CellKey(p.gx[j], p.gy[j]));
            if (c.waiting < 0)
                c.waiting = j;
            else
                next_[c.last] = j;
            c.last = j;
            if (j < first) c.done = j;
        }
    }
    // The lowest-numbered live point in the cell, other than `current`, that
    // either finished there or started there and comes after `current`.
    int First(std::int32_t key, int current, const DagPoints& p) {
        for (std::size_t s = Hash(key);; s = (s + 1) & mask_) {
            MergeCell& c = cells_[s];
            if (c.key == kEmptyKey) return -1;
            if (c.key != key) continue;
            // Points once dead or passed stay so: the list start moves on.
            int j = c.waiting;
            while (j >= 0 && !(j > current && p.Live(j)))
                j = next_[j];
            c.waiting = j;
            const int done = c.done >= 0 && c.done != current && p.Live(c.done) ? c.done : -1;
            if (done >= 0 && (j < 0 || done < j)) return done;
            return j;
        }
    }
    void Finish(std::int32_t key, int point) { Slot(key).done = point; }

private:
    MergeCell& Slot(std::int32_t key) {
        std::size_t s = Hash(key);
        while (cells_[s].key != key && cells_[s].key != kEmptyKey)
            s = (s + 1) & mask_;
        cells_[s].key = key;
        return cells_[s];
    }
    std::size_t Hash(std::int32_t key) const {
        return (static_cast<std::uint32_t>(key) * 2654435761u) & mask_;
    }
    std::vector<MergeCell>& cells_;
    std::vector<int>& next_;
    std::size_t mask_ = 0;
};

// Blocks of 16 x 16 cells over the grid and one cell of margin either side
// (-2049..2049). The 3 x 3 cells around a point lie in at most 2 x 2 blocks.
constexpr int kGridLimit = 2048;
constexpr int kBlockShift = 4;
constexpr int kBlocks = ((2 * kGridLimit + 2) >> kBlockShift) + 1;

int BlockOf(int g) {
    return (g + kGridLimit + 1) >> kBlockShift;
}

// How many live points each block holds.
class BlockCounts {
public:
    explicit BlockCounts(MergeIndex& ix) : ix_(ix) {}

    // Counts the live points; false (nothing counted) when a count could
    // overflow or a point lies off the grid.
    bool Count(const DagPoints& p) {
        const int n = p.Size();
        if (n > std::numeric_limits<std::uint16_t>::max()) return false;
        for (int i = 0; i < n; ++i)
            if (p.gx[i] < -kGridLimit || p.gx[i] > kGridLimit || p.gy[i] < -kGridLimit ||
                p.gy[i] > kGridLimit)
                return false;
        if (!ix_.countsClear || ix_.blockCount.size() != kBlocks * kBlocks)
            ix_.blockCount.assign(kBlocks * kBlocks, 0);
        ix_.countsClear = false;
        for (int i = 0; i < n; ++i)
            if (p.Live(i)) ++At(p.gx[i], p.gy[i]);
        return true;
    }
    // Whether the point at (gx, gy) is the only live point in the blocks
    // around it, so that no live point is close to it.
    bool Alone(int gx, int gy) const {
        const int x0 = BlockOf(gx - 1), x1 = BlockOf(gx + 1);
        const int y0 = BlockOf(gy - 1), y1 = BlockOf(gy + 1);
        const std::uint16_t* c = ix_.blockCount.data();
        int sum = c[x0 * kBlocks + y0];
        if (y1 != y0) sum += c[x0 * kBlocks + y1];
        if (x1 != x0) {
            sum += c[x1 * kBlocks + y0];
            if (y1 != y0) sum += c[x1 * kBlocks + y1];
        }
        return sum == 1;
    }
    void Remove(int gx, int gy) { --At(gx, gy); }
    void Add(int gx, int gy) { ++At(gx, gy); }
    // Back to all 0: only the blocks of live points can hold any.
    void Clear(const DagPoints& p) {
        for (int i = 0; i < p.Size(); ++i)
            if (p.Live(i)) At(p.gx[i], p.gy[i]) = 0;
        ix_.countsClear = true;
    }

private:
    std::uint16_t& At(int gx, int gy) {
        return ix_.blockCount[BlockOf(gx) * kBlocks + BlockOf(gy)];
    }
    MergeIndex& ix_;
};

}  // namespace

void CombineClosePointsByCell(DagPoints& p, MergeIndex& ix) {
    const int n = p.Size();
    BlockCounts blocks(ix);
    const bool counted = blocks.Count(p);
    CellTable cells(ix);
    bool indexed = false;

    for (int i = 0; i < n; ++i) {
        if (!p.Live(i)) continue;
        if (counted && blocks.Alone(p.gx[i], p.gy[i])) {
            if (indexed) cells.Finish(CellKey(p.gx[i], p.gy[i]), i);
            continue;
        }
        // Nothing has merged yet: the points before i finished where they
        // started, the others are where they started.
        if (!indexed) cells.Build(p, i);
        indexed = true;
        for (;;) {
            int best = -1;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const int j = cells.First(CellKey(p.gx[i] + dx, p.gy[i] + dy), i, p);
                    if (j >= 0 && (best < 0 || j < best)) best = j;
                }
            if (best < 0) break;
            if (counted) {
                blocks.Remove(p.gx[i], p.gy[i]);
                blocks.Remove(p.gx[best], p.gy[best]);
            }
            MergePoint(p, i, best);
            if (counted) blocks.Add(p.gx[i], p.gy[i]);
        }
        // Nothing live is close to it now, and whatever comes later and moves
        // close will absorb it: it is the only live finished point of its cell.
        cells.Finish(CellKey(p.gx[i], p.gy[i]), i);
    }
    if (counted) blocks.Clear(p);
}

}  // namespace ormix
