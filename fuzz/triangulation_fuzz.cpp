// libFuzzer target: any bytes as a cloud of particle positions. The
// triangulation must not crash or report a failure; locating points by walks
// must give exactly what the history alone gives, and the merge through cells
// exactly what the plain scan gives. (What makes a triangulation right is
// checked by the tests, on random, clustered and lattice clouds.)
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/messages.h"
#include "model/triangulation.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// The first byte picks how the rest is read: small whole numbers (a lattice
// with many points on one line or circle), 16-bit coordinates scaled by a
// power of ten, or raw doubles (not numbers, infinities, huge values).
void ReadCloud(const std::uint8_t* data, std::size_t size, std::vector<double>& x,
               std::vector<double>& y) {
    if (size == 0) return;
    const int mode = data[0] % 3;
    const double scale = std::pow(10.0, data[0] / 3 % 9 - 4);
    ++data, --size;
    if (mode == 2) {
        for (std::size_t i = 0; i + 16 <= size; i += 16) {
            double px, py;
            std::memcpy(&px, data + i, sizeof px);
            std::memcpy(&py, data + i + 8, sizeof py);
            x.push_back(px), y.push_back(py);
        }
        return;
    }
    for (std::size_t i = 0; i + 4 <= size; i += 4) {
        std::int16_t px, py;
        std::memcpy(&px, data + i, sizeof px);
        std::memcpy(&py, data + i + 2, sizeof py);
        if (mode == 0) px %= 16, py %= 16;
        x.push_back(px * scale), y.push_back(py * scale);
    }
}

bool SameResult(const ormix::DagTriangulation& a, int countA, const ormix::DagTriangulation& b,
                int countB) {
    if (countA != countB) return false;
    const auto& ta = a.Triangles();
    const auto& tb = b.Triangles();
    if (ta.size() != tb.size()) return false;
    for (std::size_t i = 0; i < ta.size(); ++i)
        for (int k = 0; k < 3; ++k)
            if (ta[i].corner[k] != tb[i].corner[k] || ta[i].neighbour[k] != tb[i].neighbour[k])
                return false;
    const ormix::DagPoints &pa = a.Points(), &pb = b.Points();
    return pa.gx == pb.gx && pa.gy == pb.gy && pa.weight == pb.weight &&
           pa.mergedInto == pb.mergedInto;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<double> x, y;
    ReadCloud(data, size, x, y);
    const int n = static_cast<int>(x.size());
    ormix::CollectingSink sink;
    ormix::DagTriangulation walking(sink), history(sink);
    history.UseHistoryOnly(true);
    const int count = walking.CalculateDagTri(x.data(), y.data(), n);
    Check(sink.messages.empty());
    Check(SameResult(walking, count, history, history.CalculateDagTri(x.data(), y.data(), n)));
    if (n <= 1500) {
        ormix::DagTriangulation scan(sink);
        scan.UseScanMerge(true);
        Check(SameResult(walking, count, scan, scan.CalculateDagTri(x.data(), y.data(), n)));
    }
    Check(sink.messages.empty());
    return 0;
}
