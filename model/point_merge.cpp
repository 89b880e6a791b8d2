#include "model/point_merge.h"

#include <algorithm>

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

}  // namespace

void CombineClosePointsByCell(DagPoints& p, MergeIndex& ix) {
    const int n = p.Size();
    // Every live point where it starts, sorted by cell and, within a cell, by
    // index. A point keeps its starting place until its own turn comes.
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
    DoneCells done(ix);
    done.Clear(n);

    // The lowest-numbered live point after `current` still where it started,
    // in the cells from (gx, gy - 1) to (gx, gy + 1): consecutive keys.
    auto firstWaiting = [&](int gx, int gy, int current) {
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
            MergePoint(p, i, best);
        }
        // Nothing live is close to it now, and whatever comes later and moves
        // close will absorb it: it is the only live finished point of its cell.
        done.Put(CellKey(p.gx[i], p.gy[i]), i);
    }
}

}  // namespace ormix
