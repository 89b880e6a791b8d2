// libFuzzer target: any bytes as a cloud of particle positions (not numbers,
// infinities, huge and tiny values, many points on one line or circle). The
// triangulation must not crash, overflow or report a failure. (What makes it
// right, and its short cuts equal to the plain ways, is checked by the
// triangulation test on recorded awkward clouds.)
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<double> x, y;
    ReadCloud(data, size, x, y);
    const int n = static_cast<int>(x.size());
    ormix::CollectingSink sink;
    ormix::DagTriangulation t(sink);
    const int count = t.CalculateDagTri(x.data(), y.data(), n);
    Check(sink.messages.empty());
    Check(count == static_cast<int>(t.Triangles().size()));
    return 0;
}
