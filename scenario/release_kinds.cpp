#include "scenario/release_kinds.h"

namespace ormix {

bool ReleaseKindEntered(const SpillDocData& d, ReleaseKind kind) {
    switch (kind) {
        case ReleaseKind::Contained:
            return d.inputBoomed.vol != NoData && d.inputBoomed.area != NoData;
        case ReleaseKind::Instantaneous:
            return d.inputInstant.vol != NoData;
        case ReleaseKind::Continuous:
            return d.duration != NoDataInt;
        case ReleaseKind::Tank:
            return d.inputTank.tHeight != NoData && d.inputTank.oVol != NoData &&
                   d.inputTank.hDiam != NoData && d.inputTank.zHeight != NoData &&
                   d.inputTank.wHeight != NoData;
    }
    return false;
}

}  // namespace ormix
