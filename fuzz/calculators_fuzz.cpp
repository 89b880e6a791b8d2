// libFuzzer target: the leaking tank (first byte 'T') or the smoke plume,
// from the rest read as the calculator's JSON file. What is refused must say
// why; what is accepted is computed, and every figure it reports (the tank's
// release, duration and curves, the plume's envelopes and heights) finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "calculators/plume_json.h"
#include "calculators/smoke_plume_dialog.h"
#include "calculators/tank_json.h"
#include "calculators/tank_wizard.h"
#include "core/messages.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

void Tank(const std::string& text) {
    ormix::TankCalculatorInput input;
    ormix::InputTank tank;
    ormix::PageCheck check = ormix::LoadTankCalculator(text, input, tank);
    if (!check.accepted) {
        Check(!check.message.empty());
        return;
    }
    ormix::CollectingSink messages;
    auto release = std::make_unique<ormix::TankRelease>();
    ormix::ComputeTankStep7(tank, input.water ? &*input.water : nullptr,
                            input.oil ? &*input.oil : nullptr, input.entries.page, *release,
                            messages);
    Check(std::isfinite(release->total) && release->total >= 0);
    Check(release->duration >= 0);
    (void)ormix::TankTotalText(release->total);
    (void)ormix::TankDurationText(release->duration);
    const ormix::TankCurves curves = ormix::BuildTankCurves(
        release->tank, input.entries.page.plotUnit, release->oilDensity, tank.tUnits);
    for (const ormix::TankCurvePoint& p : curves.points)
        Check(std::isfinite(p.minutes) && std::isfinite(p.released) && std::isfinite(p.oilLevel) &&
              std::isfinite(p.waterLevel));
}

void Plume(const std::string& text) {
    ormix::PlumeDialogInput in;
    ormix::PageCheck check = ormix::LoadSmokePlume(text, in);
    if (!check.accepted) {
        Check(!check.message.empty());
        return;
    }
    ormix::CollectingSink messages;
    auto result = std::make_unique<ormix::PlumeResult>();
    if (ormix::RunSmokePlume(in, *result, messages) != 0) {
        Check(!messages.messages.empty());
        return;
    }
    (void)ormix::PlumeReportLines(in, *result);
    for (const ormix::PlumeEnvelope& e : result->envelope)
        for (int i = 0; i < result->pointCount && i < ormix::kPlumePoints; ++i)
            Check(std::isfinite(e.x[i]) && std::isfinite(e.lower[i]) && std::isfinite(e.upper[i]));
    Check(std::isfinite(result->minHeight) && std::isfinite(result->maxHeight));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] == 'T')
        Tank(text);
    else
        Plume(text);
    return 0;
}
