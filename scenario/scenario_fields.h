// The ordered field list of a saved scenario: every value the scenario file
// holds, in the file's order, with the names the document and the input
// records use. The scenario file (scenario_file.cpp) writes and reads it
// field by field; the JSON form of a saved scenario (document_json.cpp)
// names the same fields, grouped as the file groups them.
//
// A visitor offers:
//   Group(name, body)          items written together (a JSON object)
//   Repeat(name, n, body(i))   a group repeated n times, element 0 first,
//                              the fields of one element together
//   Int, Double, Time, Text    one value
//   Flag                       an int that is 0 or 1 (bool or int member)
//   Count(name, v, max)        an int that says how many of `max` slots are
//                              in use
//   Doubles(name, p, n)        n doubles in a row
//   FixedText(name, buf, n)    a zero-filled text field of n bytes
#pragma once

#include "scenario/spill_doc.h"

namespace ormix {

template <class V, class D>
void VisitScenarioFields(V& v, D& d) {
    // 1. The scenario's reference time (the first release).
    v.Time("Spill Time", d.SpillTime);
    // 2. Completion of the required inputs.
    v.Group("passed", [&] {
        v.Flag("m_bWaterInputPassed", d.m_bWaterInputPassed);
        v.Flag("m_bWindAndWaveInputPassed", d.m_bWindAndWaveInputPassed);
        v.Flag("m_bOilInputPassed", d.m_bOilInputPassed);
        v.Flag("m_bReleaseInputPassed", d.m_bReleaseInputPassed);
    });
    // 3. Emulsification dialog.
    v.Group("emulsification", [&] {
        v.Flag("m_bEmulsDefault", d.m_bEmulsDefault);
        v.Flag("m_bEmulsBullwinkleDefined", d.m_bEmulsBullwinkleDefined);
        v.Double("m_dEmulsValue", d.m_dEmulsValue);
    });
    // 4. Wind and wave dialog.
    v.Group("wind", [&] {
        v.Flag("m_bVarWind", d.m_bVarWind);
        v.Double("m_dWindSpeed", d.m_dWindSpeed);
        v.Double("m_dWindDirection", d.m_dWindDirection);
        v.Double("m_dFetch", d.m_dFetch);
        v.Double("m_dFetchN", d.m_dFetchN);
        v.Double("m_dFetchE", d.m_dFetchE);
        v.Double("m_dFetchS", d.m_dFetchS);
        v.Double("m_dFetchW", d.m_dFetchW);
        v.Double("m_dWaveHeight", d.m_dWaveHeight);
    });
    // 5. The wind records, all 120 slots.
    v.Repeat("windRecords", kHours, [&](int i) {
        v.Double("m_dVarWindSpeed", d.m_dVarWindSpeed[i]);
        v.Double("m_dVarWindDirection", d.m_dVarWindDirection[i]);
        v.Double("m_dVarWaveHeight", d.m_dVarWaveHeight[i]);
        v.Time("m_tVarWindTime", d.m_tVarWindTime[i]);
    });
    // 6. Wind and wave units.
    v.Group("windUnits", [&] {
        v.Count("m_iVarWindNumber", d.m_iVarWindNumber, kHours);
        v.Int("m_iWindSpeedUnit", d.m_iWindSpeedUnit);
        v.Int("m_iFetchUnit", d.m_iFetchUnit);
        v.Int("m_iWaveHeightUnit", d.m_iWaveHeightUnit);
        v.Int("m_iVarSpeedUnit", d.m_iVarSpeedUnit);
        v.Int("m_iVarWaveHeightUnit", d.m_iVarWaveHeightUnit);
        v.Int("m_iVarFetchUnit", d.m_iVarFetchUnit);
        v.Int("m_iWaveHeightChooser", d.m_iWaveHeightChooser);
    });
    // 7. The leaking tank's pages as typed, each choice before its values.
    v.Group("tankPages", [&] {
        auto& t = d.tankPages;
        v.Int("amountChoice", t.amountChoice);
        v.Double("amount", t.amount);
        v.Int("amountUnit", t.amountUnit);
        v.Double("percentFull", t.percentFull);
        v.Int("openingChoice", t.openingChoice);
        v.Double("diameter", t.diameter);
        v.Int("diameterUnit", t.diameterUnit);
        v.Double("rectLength", t.rectLength);
        v.Double("rectHeight", t.rectHeight);
        v.Int("rectUnit", t.rectUnit);
        v.Int("leakChoice", t.leakChoice);
        v.Double("leakHeight", t.leakHeight);
        v.Int("leakHeightUnit", t.leakHeightUnit);
        v.Double("leakPercent", t.leakPercent);
        v.Int("waterChoice", t.waterChoice);
        v.Double("waterHeight", t.waterHeight);
        v.Int("waterHeightUnit", t.waterHeightUnit);
        v.Double("waterPercent", t.waterPercent);
        v.Double("totalRelease", t.totalRelease);
        v.Double("duration", t.duration);
        v.Int("plotUnit", t.plotUnit);
    });
    // 8. The response pages as typed, one element per operation slot.
    v.Repeat("operationPages", kOperationSlots, [&](int s) {
        v.Int("m_nDispersantDuration", d.m_nDispersantDuration[s]);
        v.Double("m_dDispersantDispersed", d.m_dDispersantDispersed[s]);
        v.Double("m_dDispersantSprayed", d.m_dDispersantSprayed[s]);
        v.Flag("m_bMechanicalRateUse", d.m_bMechanicalRateUse[s]);
        v.Double("m_dRecoveryRate", d.m_dRecoveryRate[s]);
        v.Int("m_iRecoveryUnits", d.m_iRecoveryUnits[s]);
        v.Int("m_nCleanupDuration", d.m_nCleanupDuration[s]);
        v.Double("m_dRecoveredAmount", d.m_dRecoveredAmount[s]);
        v.Int("m_iAmountUnits", d.m_iAmountUnits[s]);
        v.Double("m_dBurnArea", d.m_dBurnArea[s]);
        v.Int("m_iAreaUnits", d.m_iAreaUnits[s]);
        v.Double("m_dBurnThickness", d.m_dBurnThickness[s]);
        v.Int("m_iThicknessUnits", d.m_iThicknessUnits[s]);
        auto& p = d.plume[s];
        v.Double("plume.loc", p.loc);
        v.Double("plume.airTemperature", p.airTemperature);
        v.Int("plume.airTemperatureUnit", p.airTemperatureUnit);
        v.Double("plume.windSpeed", p.windSpeed);
        v.Int("plume.windUnit", p.windUnit);
        v.Flag("mDispersantPageUse", d.mDispersantPageUse[s]);
        v.Flag("mInSituBurnPageUse", d.mInSituBurnPageUse[s]);
        v.Flag("mMechanicalPageUse", d.mMechanicalPageUse[s]);
    });
    // 9. Burn and beaching settings.
    v.Group("burnAndBeaching", [&] {
        v.Int("m_iBurnRegRateCombo", d.m_iBurnRegRateCombo);
        v.Double("m_dBurnRegRate", d.m_dBurnRegRate);
        v.Int("m_iBurnRegRateUnit", d.m_iBurnRegRateUnit);
        v.Int("m_iBeachingUnits", d.m_iBeachingUnits);
        v.Doubles("m_dBeachingAmount", d.m_dBeachingAmount.data(), kBeachingDays);
    });
    // 10.
    v.Flag("selF", d.selF);
    // 11. The chosen oil's texts.
    v.Group("oilTexts", [&] {
        v.Text("OilLibDate", d.OilLibDate);
        v.Text("OilOrmixID", d.OilOrmixID);
        v.Text("OilName", d.OilName);
        v.Text("Location", d.Location);
        v.Text("Synonyms", d.Synonyms);
        v.Text("ProductType", d.ProductType);
        v.Text("API", d.API);
        v.Text("PourPoint", d.PourPoint);
        v.Text("FlashPoint", d.FlashPoint);
        v.Text("Adhesion", d.Adhesion);
        v.Text("Aromatics", d.Aromatics);
    });
    // 12.
    v.Group("InputWater", [&] {
        auto& w = d.inputWater;
        v.Double("temperature", w.temperature);
        v.Int("tempUnits", w.tempUnits);
        v.Double("salinity", w.salinity);
        v.Double("sediment", w.sediment);
        v.Double("speed", w.speed);
        v.Int("speedUnits", w.speedUnits);
        v.Double("direction", w.direction);
    });
    // 13. The hourly winds, with the hourly beached amounts beside them.
    v.Group("InputWindWave", [&] {
        auto& w = d.inputWindWave;
        v.Count("num", w.num, kHours);
        v.Int("speedUnits", w.speedUnits);
        v.Int("waveHtUnits", w.waveHtUnits);
        v.Int("fetchUnits", w.fetchUnits);
        v.Repeat("hours", kHours, [&](int i) {
            v.Double("speed", w.speed[i]);
            v.Double("direction", w.direction[i]);
            v.Double("waveHt", w.waveHt[i]);
            v.Double("InputBeached.vol", d.inputBeached.vol[i]);
        });
        v.Double("fetchN", w.fetchN);
        v.Double("fetchE", w.fetchE);
        v.Double("fetchS", w.fetchS);
        v.Double("fetchW", w.fetchW);
    });
    // 14 to 17. The releases.
    v.Group("InputInstant", [&] {
        auto& r = d.inputInstant;
        v.Flag("flag", r.flag);
        v.Int("startHour", r.startHour);
        v.Double("vol", r.vol);
        v.Int("volUnits", r.volUnits);
    });
    v.Group("InputBoomed", [&] {
        auto& r = d.inputBoomed;
        v.Flag("flag", r.flag);
        v.Int("startHour", r.startHour);
        v.Double("vol", r.vol);
        v.Int("volUnits", r.volUnits);
        v.Double("area", r.area);
        v.Int("areaUnits", r.areaUnits);
    });
    v.Group("InputContinuous", [&] {
        auto& r = d.inputContinuous;
        v.Flag("flag", r.flag);
        v.Int("startHour", r.startHour);
        v.Int("endHour", r.endHour);
        v.Double("startRate", r.startRate);
        v.Double("endRate", r.endRate);
        v.Int("rateUnits", r.rateUnits);
    });
    v.Group("InputTank", [&] {
        auto& r = d.inputTank;
        v.Flag("flag", r.flag);
        v.Int("vent", r.vent);
        v.Int("aground", r.aground);
        v.Int("startHour", r.startHour);
        v.Double("tHeight", r.tHeight);
        v.Double("tWidth", r.tWidth);
        v.Double("tLength", r.tLength);
        v.Int("tUnits", r.tUnits);
        v.Double("oVol", r.oVol);
        v.Int("oUnits", r.oUnits);
        v.Double("hDiam", r.hDiam);
        v.Double("hArea", r.hArea);
        v.Int("hUnits", r.hUnits);
        v.Double("zHeight", r.zHeight);
        v.Int("zUnits", r.zUnits);
        v.Double("wHeight", r.wHeight);
        v.Int("wUnits", r.wUnits);
        v.Double("Cd", r.Cd);
    });
    // 18 and 19. The oil record: its name and product type in fixed-width
    // fields, then its properties.
    v.Group("InputOil", [&] {
        auto& o = d.inputOil;
        v.FixedText("name", o.name, sizeof o.name);
        v.FixedText("productType", o.productType, sizeof o.productType);
        v.Double("api", o.api);
        v.Double("asphalt", o.asphalt);
        v.Double("benzene", o.benzene);
        v.Double("nickel", o.nickel);
        v.Double("vanadium", o.vanadium);
        v.Double("viscMultiplier", o.viscMultiplier);
        v.Double("waterContent", o.waterContent);
        v.Double("waterUptakeRate", o.waterUptakeRate);
        v.Double("bullwinkle", o.bullwinkle);
        v.Double("bulltime", o.bulltime);
        v.Repeat("rhoRef", kDensityPoints, [&](int i) {
            v.Double("rhoRef_value", o.rhoRef_value[i]);
            v.Double("rhoRef_temp", o.rhoRef_temp[i]);
            v.Double("rhoRef_fevap", o.rhoRef_fevap[i]);
        });
        v.Repeat("viscRef", kRefSlots, [&](int i) {
            v.Double("viscRef_value", o.viscRef_value[i]);
            v.Double("viscRef_temp", o.viscRef_temp[i]);
            v.Double("viscRef_fevap", o.viscRef_fevap[i]);
            v.Double("dyViscRef_value", o.dyViscRef_value[i]);
            v.Double("dyViscRef_temp", o.dyViscRef_temp[i]);
            v.Double("dyViscRef_fevap", o.dyViscRef_fevap[i]);
        });
        v.Repeat("dist", kCuts, [&](int i) {
            v.Double("dist_temp", o.dist_temp[i]);
            v.Double("dist_frac", o.dist_frac[i]);
        });
        v.Int("dist_volumeFrac", o.dist_volumeFrac);
    });
    // 20.
    v.Group("InputUncertainty", [&] {
        auto& u = d.inputUncertainty;
        v.Flag("windFlag", u.windFlag);
        v.Double("wind", u.wind);
        v.Int("windUnits", u.windUnits);
        v.Flag("emulFlag", u.emulFlag);
        v.Double("emul", u.emul);
        v.Int("emulUnits", u.emulUnits);
        v.Flag("volFlag", u.volFlag);
        v.Double("vol", u.vol);
    });
    // 21. Continuous release dialog.
    v.Group("continuousDialog", [&] {
        v.Int("duration", d.duration);
        v.Int("durationUnits", d.durationUnits);
        v.Int("spilledType", d.spilledType);
        v.Double("amount", d.amount);
        v.Int("amountUnits", d.amountUnits);
        v.Double("rate", d.rate);
        v.Int("rateUnits1", d.rateUnits1);
        v.Double("startRate", d.startRate);
        v.Double("endRate", d.endRate);
        v.Int("rateUnits2", d.rateUnits2);
    });
    // 22. Release times.
    v.Group("releaseTimes", [&] {
        v.Time("InstantaneousTime", d.InstantaneousTime);
        v.Time("ContinuousTime", d.ContinuousTime);
        v.Time("TankTime", d.TankTime);
        v.Time("ContainedTime", d.ContainedTime);
    });
    // 23 and 24. The operation records, all five slots, with the times of
    // the pages.
    v.Group("operationCounts", [&] {
        v.Count("InputDispersant.num", d.inputDispersant.num, kMaxOperations);
        v.Count("InputBurn.num", d.inputBurn.num, kMaxOperations);
        v.Count("InputSkimmer.num", d.inputSkimmer.num, kMaxOperations);
    });
    v.Repeat("operations", kOperationSlots, [&](int s) {
        auto& ds = d.inputDispersant;
        auto& b = d.inputBurn;
        auto& k = d.inputSkimmer;
        v.Int("InputDispersant.startHour", ds.startHour[s]);
        v.Int("InputDispersant.duration", ds.duration[s]);
        v.Double("InputDispersant.dispersed", ds.dispersed[s]);
        v.Double("InputDispersant.sprayed", ds.sprayed[s]);
        v.Int("InputBurn.startHour", b.startHour[s]);
        v.Int("InputBurn.thickUnits", b.thickUnits[s]);
        v.Int("InputBurn.areaUnits", b.areaUnits[s]);
        v.Double("InputBurn.thick", b.thick[s]);
        v.Double("InputBurn.area", b.area[s]);
        v.Int("InputSkimmer.startHour", k.startHour[s]);
        v.Int("InputSkimmer.duration", k.duration[s]);
        v.Int("InputSkimmer.rateUnits", k.rateUnits[s]);
        v.Int("InputSkimmer.amountUnits", k.amountUnits[s]);
        v.Double("InputSkimmer.rate", k.rate[s]);
        v.Double("InputSkimmer.amount", k.amount[s]);
        v.Time("DispersantTime", d.DispersantTime[s]);
        v.Time("InSituBurnTime", d.InSituBurnTime[s]);
        v.Time("SkimmerTime", d.SkimmerTime[s]);
    });
    // 25. The regression rate the model is given.
    v.Group("burnRate", [&] {
        v.Double("burnRegRate", d.inputBurn.burnRegRate);
        v.Int("burnRegRateUnits", d.inputBurn.burnRegRateUnits);
    });
    // 26 and 27.
    v.Int("InputBeached.volUnits", d.inputBeached.volUnits);
    v.Int("OilIndex", d.OilIndex);
}

}  // namespace ormix
