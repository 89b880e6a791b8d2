#include "scenario/burn_plume.h"

#include "scenario/typed_text.h"

namespace ormix {

namespace {

double Typed(const std::string& text) {
    return IsEmptyText(text) ? NoData : TextToDouble(text);
}

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kOperationSlots;
}

}  // namespace

PlumeDialogInput PlumeInputForBurn(const CSpillDoc& doc, int slot, const BurnPage& page) {
    PlumeDialogInput in;
    in.month = page.when.month;
    in.day = page.when.day;
    in.hour = page.when.hour;
    in.area = Typed(page.area);
    in.areaUnit = page.areaUnit;
    in.thickness = Typed(page.thickness);
    in.thicknessUnit = page.thicknessUnit;
    if (doc.m_iBurnRegRateCombo == 1) {
        in.regressionRate = doc.m_dBurnRegRate;
        in.regressionRateUnit = doc.m_iBurnRegRateUnit;
    }
    PlumeOilAndWater(doc.m_bOilInputPassed ? &doc.inputOil : nullptr,
                     doc.m_bWaterInputPassed ? &doc.inputWater : nullptr, in);
    if (ValidSlot(slot)) in.slot = doc.plume[slot];
    if (in.slot.windSpeed == NoData && doc.m_bWindAndWaveInputPassed)
        DefaultPlumeWind(doc.inputWindWave, in.slot);
    return in;
}

PlumeSlotValues TypedPlumeValues(const std::string& loc, const std::string& airTemperature,
                                 int airTemperatureUnit, const std::string& windSpeed,
                                 int windUnit) {
    PlumeSlotValues v;
    v.loc = Typed(loc);
    v.airTemperature = Typed(airTemperature);
    v.airTemperatureUnit = airTemperatureUnit;
    v.windSpeed = Typed(windSpeed);
    v.windUnit = windUnit;
    return v;
}

DialogResult KeepPlumeValues(CSpillDoc& doc, int slot, const PlumeSlotValues& values) {
    PageCheck check = CheckPlumeInputs(values);
    if (!check.accepted) return DialogResult::Refuse(check.message);
    if (!ValidSlot(slot))
        return DialogResult::Refuse("There is no burn " + std::to_string(slot + 1) + ".");
    doc.plume[slot] = values;
    return DialogResult::Accept();
}

}  // namespace ormix
