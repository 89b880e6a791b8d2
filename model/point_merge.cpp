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

// Open-addressing table: cell -> the point that finished there.
class DoneCells {
public:
    explicit DoneCells(MergeIndex& ix) : keys_(ix.doneKeys), values_(ix.doneIndex) {}

    void Clear(int points) {
        std::size_t size = 16;
        while (size < 2 * static_cast<std::size_t>(points))
            size *= 2;
        keys_.assign(size, kEmptyKey);
        values_.assign(size, -1);
        mask_ = size - 1;
    }
    int Find(std::int32_t key) const {
        for (std::size_t s = Hash(key);; s = (s + 1) & mask_) {
            if (keys_[s] == key) return values_[s];
            if (keys_[s] == kEmptyKey) return -1;
        }
    }
    // At most one entry per point: the table never fills.
    void Put(std::int32_t key, int point) {
        std::size_t s = Hash(key);
        while (keys_[s] != key && keys_[s] != kEmptyKey)
            s = (s + 1) & mask_;
        keys_[s] = key;
        values_[s] = point;
    }

private:
    std::size_t Hash(std::int32_t key) const {
        return (static_cast<std::uint32_t>(key) * 2654435761u) & mask_;
    }
    std::vector<std::int32_t>& keys_;
    std::vector<int>& values_;
    std::size_t mask_ = 0;
};

int EntryIndex(std::int64_t e) {
    return static_cast<int>(e & 0xffffffff);
}

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

// The cell table of the live points where they start, and their cell runs.
void SortCells(const DagPoints& p, MergeIndex& ix) {
    const int n = p.Size();
    ix.sorted.clear();
    for (int i = 0; i < n; ++i)
        if (p.Live(i))
            ix.sorted.push_back((static_cast<std::int64_t>(CellKey(p.gx[i], p.gy[i])) << 32) | i);
    std::sort(ix.sorted.begin(), ix.sorted.end());
    const int entries = static_cast<int>(ix.sorted.size());
    // For the first entry of each cell run: where the run ends, and the first
    // entry not yet seen to be dead or passed (cursors only move forward: a
    // point once dead or passed stays so).
    ix.cursor.resize(entries);
    ix.runEnd.resize(entries);
    for (int k = entries - 1; k >= 0; --k) {
        ix.cursor[k] = k;
        const bool last = k + 1 == entries || (ix.sorted[k + 1] >> 32) != (ix.sorted[k] >> 32);
        ix.runEnd[k] = last ? k + 1 : ix.runEnd[k + 1];
    }
}

}  // namespace

void CombineClosePointsByCell(DagPoints& p, MergeIndex& ix) {
    const int n = p.Size();
    BlockCounts blocks(ix);
    const bool counted = blocks.Count(p);
    DoneCells done(ix);
    bool indexed = false;

    // The lowest-numbered live point after `current` still where it started,
    // in the cells from (gx, gy - 1) to (gx, gy + 1): consecutive keys.
    auto firstWaiting = [&](int gx, int gy, int current) {
        const int entries = static_cast<int>(ix.sorted.size());
        const std::int32_t lastKey = CellKey(gx, gy + 1);
        auto it = std::lower_bound(ix.sorted.begin(), ix.sorted.end(),
                                   static_cast<std::int64_t>(CellKey(gx, gy - 1)) << 32);
        int best = -1;
        for (int run = static_cast<int>(it - ix.sorted.begin());
             run < entries && (ix.sorted[run] >> 32) <= lastKey; run = ix.runEnd[run]) {
            int k = ix.cursor[run];
            while (k < ix.runEnd[run]) {
                const int j = EntryIndex(ix.sorted[k]);
                if (j > current && p.Live(j)) break;
                ++k;
            }
            ix.cursor[run] = k;
            if (k < ix.runEnd[run]) {
                const int j = EntryIndex(ix.sorted[k]);
                if (best < 0 || j < best) best = j;
            }
        }
        return best;
    };

    for (int i = 0; i < n; ++i) {
        if (!p.Live(i)) continue;
        if (counted && blocks.Alone(p.gx[i], p.gy[i])) {
            if (indexed) done.Put(CellKey(p.gx[i], p.gy[i]), i);
            continue;
        }
        if (!indexed) {
            // Nothing has merged yet: the points before i finished where
            // they started, each alone in its cell.
            SortCells(p, ix);
            done.Clear(n);
            for (int j = 0; j < i; ++j)
                if (p.Live(j)) done.Put(CellKey(p.gx[j], p.gy[j]), j);
            indexed = true;
        }
        for (;;) {
            int best = -1;
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    const int j = done.Find(CellKey(p.gx[i] + dx, p.gy[i] + dy));
                    if (j >= 0 && p.Live(j) && (best < 0 || j < best)) best = j;
                }
                const int j = firstWaiting(p.gx[i] + dx, p.gy[i], i);
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
        done.Put(CellKey(p.gx[i], p.gy[i]), i);
    }
    if (counted) blocks.Clear(p);
}

}  // namespace ormix
