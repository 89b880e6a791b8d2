#include "scenario/tank_release.h"

#include "scenario/calendar.h"

namespace ormix {

TankWizardEntries TankWizardEntriesOf(const CSpillDoc& doc) {
    TankWizardEntries e;
    const InputTank& t = doc.inputTank;
    e.size.length = t.tLength;
    e.size.width = t.tWidth;
    e.size.height = t.tHeight;
    e.size.unit = t.tUnits == 2 ? 1 : 0;
    e.page = doc.tankPages;
    CalendarFields f = Fields(doc.TankTime);
    e.time = {f.month, f.day, f.hour};
    return e;
}

void ComputeScenarioTank(const CSpillDoc& doc, const InputTank& tank, TankPageValues& page,
                         TankRelease& out, MessageSink& messages) {
    ComputeTankStep7(tank, doc.m_bWaterInputPassed ? &doc.inputWater : nullptr,
                     doc.m_bOilInputPassed ? &doc.inputOil : nullptr, page, out, messages);
}

std::time_t TankReleaseTimeOf(const CSpillDoc& doc, const TankReleaseTime& when) {
    return MakeLocalTime(Fields(doc.SpillTime).year, when.month, when.day, when.hour);
}

DialogResult TankWizardOK(CSpillDoc& doc, const TankWizardEntries& e) {
    InputTank tank = doc.inputTank;
    PageCheck check = RunTankSteps(e, tank);
    if (!check.accepted) return DialogResult::Refuse(check.message);
    doc.inputTank = tank;
    doc.tankPages = e.page;
    doc.TankTime = TankReleaseTimeOf(doc, e.time);
    // Step 7 has shown the computation's messages already.
    TankRelease release;
    SilentSink quiet;
    ComputeScenarioTank(doc, doc.inputTank, doc.tankPages, release, quiet);
    doc.inputBoomed.flag = false;
    return DialogResult::Accept();
}

}  // namespace ormix
