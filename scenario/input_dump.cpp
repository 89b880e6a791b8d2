// The input dump "OrmixInput.dmp": every dialog value of the document and
// every input record as the model was given it, one value to a line.
#include "scenario/input_dump.h"

#include <cstdio>
#include <string>

#include "core/file_replace.h"
#include "model/core_dump.h"
#include "scenario/calendar.h"
#include "scenario/spill_doc.h"

namespace ormix {

namespace {

class DumpWriter {
public:
    explicit DumpWriter(std::string& out) : out_(out) {}

    void Header(const char* text) { out_ += text; }

    void Int(const char* name, int v) { Line(name, std::to_string(v)); }
    void Real(const char* name, double v) { Line(name, RealText(v)); }
    void Flag(const char* name, bool v) { Line(name, v ? "true" : "false"); }
    void Time(const char* name, std::time_t t) { Line(name, FormatTime(t, "%a %d, %H:00")); }
    void Text(const char* name, const std::string& v) { Line(name, v); }

    // Array elements: the name with its index.
    void Int(const char* name, int i, int v) { Int(Indexed(name, i).c_str(), v); }
    void Real(const char* name, int i, double v) { Real(Indexed(name, i).c_str(), v); }
    void Flag(const char* name, int i, bool v) { Flag(Indexed(name, i).c_str(), v); }
    void Time(const char* name, int i, std::time_t t) { Time(Indexed(name, i).c_str(), t); }

    // A line without the two leading blanks.
    void BareReal(const char* name, int i, double v) {
        out_ += Indexed(name, i) + "=" + RealText(v) + "\n";
    }

private:
    static std::string RealText(double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%g", v);
        return buf;
    }
    static std::string Indexed(const char* name, int i) {
        return std::string(name) + "[" + std::to_string(i) + "]";
    }
    void Line(const char* name, const std::string& value) {
        out_ += "  ";
        out_ += name;
        out_ += "=";
        out_ += value;
        out_ += "\n";
    }

    std::string& out_;
};

void DocumentValues(const CSpillDoc& d, DumpWriter& w) {
    w.Header("          INPUT DATA FILE\n");
    w.Header("          ===============\n");
    w.Time("Spill Time", d.SpillTime);
    w.Time("InstantaneousTime", d.InstantaneousTime);
    w.Time("ContinuousTime", d.ContinuousTime);
    w.Time("TankTime", d.TankTime);
    w.Time("ContainedTime", d.ContainedTime);

    w.Header("passed dialog flags\n");
    w.Flag("m_bWaterInputPassed", d.m_bWaterInputPassed);
    w.Flag("m_bWindAndWaveInputPassed", d.m_bWindAndWaveInputPassed);
    w.Flag("m_bOilInputPassed", d.m_bOilInputPassed);
    w.Flag("m_bReleaseInputPassed", d.m_bReleaseInputPassed);

    w.Header("emulsifiaction dialog variables\n");
    w.Flag("m_bEmulsDefault", d.m_bEmulsDefault);
    w.Flag("m_bEmulsBullwinkleDefined", d.m_bEmulsBullwinkleDefined);
    w.Real("m_dEmulsValue", d.m_dEmulsValue);

    w.Header("wind and wave dialog variables\n");
    w.Flag("m_bVarWind", d.m_bVarWind);
    w.Real("m_dWindSpeed", d.m_dWindSpeed);
    w.Real("m_dWindDirection", d.m_dWindDirection);
    w.Real("m_dFetch", d.m_dFetch);
    w.Real("m_dFetchN", d.m_dFetchN);
    w.Real("m_dFetchE", d.m_dFetchE);
    w.Real("m_dFetchS", d.m_dFetchS);
    w.Real("m_dFetchW", d.m_dFetchW);
    w.Real("m_dWaveHeight", d.m_dWaveHeight);

    w.Header("variable wind\n");
    for (int i = 0; i < kHours; ++i) {
        w.Real("m_dVarWindSpeed", i, d.m_dVarWindSpeed[i]);
        w.Real("m_dVarWindDirection", i, d.m_dVarWindDirection[i]);
        w.Real("m_dVarWaveHeight", i, d.m_dVarWaveHeight[i]);
        w.Time("m_tVarWindTime", i, d.m_tVarWindTime[i]);
    }
    w.Int("m_iVarWindNumber", d.m_iVarWindNumber);
    w.Int("m_iWindSpeedUnit", d.m_iWindSpeedUnit);
    w.Int("m_iFetchUnit", d.m_iFetchUnit);
    w.Int("m_iWaveHeightUnit", d.m_iWaveHeightUnit);
    w.Int("m_iVarSpeedUnit", d.m_iVarSpeedUnit);
    w.Int("m_iVarWaveHeightUnit", d.m_iVarWaveHeightUnit);
    w.Int("m_iVarFetchUnit", d.m_iVarFetchUnit);
    w.Int("m_iWaveHeightChooser", d.m_iWaveHeightChooser);

    w.Header("continuous dialog variables\n");
    w.Int("duration", d.duration);
    w.Int("durationUnits", d.durationUnits);
    w.Int("spilledType", d.spilledType);
    w.Real("amount", d.amount);
    w.Int("amountUnits", d.amountUnits);
    w.Real("rate", d.rate);
    w.Int("rateUnits1", d.rateUnits1);
    w.Real("startRate", d.startRate);
    w.Real("endRate", d.endRate);
    w.Int("rateUnits2", d.rateUnits2);

    w.Header("cleanup dialogs variables\n");
    for (int i = 0; i < kOperationSlots; ++i) {
        w.Int("m_nDispersantDuration", i, d.m_nDispersantDuration[i]);
        w.Real("m_dDispersantDispersed", i, d.m_dDispersantDispersed[i]);
        w.Real("m_dDispersantSprayed", i, d.m_dDispersantSprayed[i]);
        w.Flag("m_bMechanicalRateUse", i, d.m_bMechanicalRateUse[i] != 0);
        w.Int("m_iRecoveryUnits", i, d.m_iRecoveryUnits[i]);
        w.Int("m_iAmountUnits", i, d.m_iAmountUnits[i]);
        w.Int("m_iAreaUnits", i, d.m_iAreaUnits[i]);
        w.Int("m_iThicknessUnits", i, d.m_iThicknessUnits[i]);
        w.Flag("mDispersantPageUse", i, d.mDispersantPageUse[i] != 0);
        w.Flag("mInSituBurnPageUse", i, d.mInSituBurnPageUse[i] != 0);
        w.Flag("mMechanicalPageUse", i, d.mMechanicalPageUse[i] != 0);
    }
    w.Int("m_iBurnRegRateCombo", d.m_iBurnRegRateCombo);
    w.Real("m_dBurnRegRate", d.m_dBurnRegRate);
    w.Int("m_iBurnRegRateUnit", d.m_iBurnRegRateUnit);
    w.Int("m_iBeachingUnits", d.m_iBeachingUnits);
    for (int i = 0; i < kBeachingDays; ++i)
        w.BareReal("m_dBeachingAmount", i, d.m_dBeachingAmount[i]);

    w.Header("...\n");
    w.Flag("selF", d.selF);

    w.Header("Oil\n");
    w.Text("OilLibDate", d.OilLibDate);
    w.Text("OilOrmixID", d.OilOrmixID);
    w.Header("Oil Tree Output Fields\n");
    w.Text("OilName", d.OilName);
    w.Text("Location", d.Location);
    w.Text("Synonyms", d.Synonyms);
    w.Text("ProductType", d.ProductType);
    w.Text("API", d.API);
    w.Text("PourPoint", d.PourPoint);
    w.Text("FlashPoint", d.FlashPoint);
    w.Text("Adhesion", d.Adhesion);
    w.Text("Aromatics", d.Aromatics);
}

void InputRecords(const CSpillDoc& d, DumpWriter& w) {
    w.Header("\nInput structures\n");
    w.Header("Input Water\n");
    const InputWater& water = d.inputWater;
    w.Real("temperature", water.temperature);
    w.Int("tempUnits", water.tempUnits);
    w.Real("salinity", water.salinity);
    w.Real("sediment", water.sediment);
    w.Real("speed", water.speed);
    w.Int("speedUnits", water.speedUnits);
    w.Real("direction", water.direction);

    w.Header("Input Wind and Wave\n");
    const InputWindWave& wind = d.inputWindWave;
    w.Int("num", wind.num);
    w.Int("speedUnits", wind.speedUnits);
    w.Int("waveHtUnits", wind.waveHtUnits);
    w.Int("fetchUnits", wind.fetchUnits);
    for (int i = 0; i < kHours; ++i) {
        w.Real("speed", i, wind.speed[i]);
        w.Real("direction", i, wind.direction[i]);
        w.Real("waveHt", i, wind.waveHt[i]);
        w.Real("vol", i, d.inputBeached.vol[i]);
    }
    w.Real("fetchN", wind.fetchN);
    w.Real("fetchE", wind.fetchE);
    w.Real("fetchS", wind.fetchS);
    w.Real("fetchW", wind.fetchW);

    w.Header("Input Instant\n");
    w.Flag("flag", d.inputInstant.flag);
    w.Int("startHour", d.inputInstant.startHour);
    w.Real("vol", d.inputInstant.vol);
    w.Int("volUnits", d.inputInstant.volUnits);

    w.Header("Input Boomed\n");
    const InputBoomed& boomed = d.inputBoomed;
    w.Flag("flag", boomed.flag);
    w.Int("startHour", boomed.startHour);
    w.Real("vol", boomed.vol);
    w.Int("volUnits", boomed.volUnits);
    w.Real("area", boomed.area);
    w.Int("areaUnits", boomed.areaUnits);

    w.Header("Input Continuous\n");
    const InputContinuous& cont = d.inputContinuous;
    w.Flag("flag", cont.flag);
    w.Int("startHour", cont.startHour);
    w.Int("endHour", cont.endHour);
    w.Real("startRate", cont.startRate);
    w.Real("endRate", cont.endRate);
    w.Int("rateUnits", cont.rateUnits);

    w.Header("Input Tank\n");
    const InputTank& tank = d.inputTank;
    w.Flag("flag", tank.flag);
    w.Int("vent", tank.vent);
    w.Int("aground", tank.aground);
    w.Int("startHour", tank.startHour);
    w.Real("tHeight", tank.tHeight);
    w.Real("tWidth", tank.tWidth);
    w.Real("tLength", tank.tLength);
    w.Int("tUnits", tank.tUnits);
    w.Real("oVol", tank.oVol);
    w.Int("oUnits", tank.oUnits);
    w.Real("hDiam", tank.hDiam);
    w.Real("hArea", tank.hArea);
    w.Int("hUnits", tank.hUnits);
    w.Real("zHeight", tank.zHeight);
    w.Int("zUnits", tank.zUnits);
    w.Real("wHeight", tank.wHeight);
    w.Int("wUnits", tank.wUnits);
    w.Real("Cd", tank.Cd);
}

void OilAndResponse(const CSpillDoc& d, DumpWriter& w) {
    w.Header("Input Oil\n");
    const InputOil& oil = d.inputOil;
    w.Real("api", oil.api);
    w.Real("asphalt", oil.asphalt);
    w.Real("benzene", oil.benzene);
    w.Real("nickel", oil.nickel);
    w.Real("vanadium", oil.vanadium);
    w.Real("viscMultiplier", oil.viscMultiplier);
    w.Real("waterContent", oil.waterContent);
    w.Real("waterUptakeRate", oil.waterUptakeRate);
    w.Real("bullwinkle", oil.bullwinkle);
    w.Real("bulltime", oil.bulltime);
    for (int i = 0; i < kDensityPoints; ++i) {
        w.Real("rhoRef_value", i, oil.rhoRef_value[i]);
        w.Real("rhoRef_temp", i, oil.rhoRef_temp[i]);
        w.Real("rhoRef_fevap", i, oil.rhoRef_fevap[i]);
    }
    for (int i = 0; i < kRefSlots; ++i) {
        w.Real("viscRef_value", i, oil.viscRef_value[i]);
        w.Real("viscRef_temp", i, oil.viscRef_temp[i]);
        w.Real("viscRef_fevap", i, oil.viscRef_fevap[i]);
    }
    for (int i = 0; i < kRefSlots; ++i) {
        w.Real("dyViscRef_value", i, oil.dyViscRef_value[i]);
        w.Real("dyViscRef_temp", i, oil.dyViscRef_temp[i]);
        w.Real("dyViscRef_fevap", i, oil.dyViscRef_fevap[i]);
    }
    for (int i = 0; i < kCuts; ++i) {
        w.Real("dist_temp", i, oil.dist_temp[i]);
        w.Real("dist_frac", i, oil.dist_frac[i]);
    }
    // The initial density and viscosity the model derived at set-up.
    w.Real("InitialOil.rho0", d.Model().setup.InitialOil.rho0);
    w.Real("InitialOil.visc0", d.Model().setup.InitialOil.visc0);
    w.Int("dist_volumeFrac", oil.dist_volumeFrac);

    w.Header("Input Uncertainty\n");
    const InputUncertainty& u = d.inputUncertainty;
    w.Flag("windFlag", u.windFlag != 0);
    w.Real("wind", u.wind);
    w.Int("windUnits", u.windUnits);
    w.Flag("emulFlag", u.emulFlag != 0);
    w.Real("emul", u.emul);
    w.Int("emulUnits", u.emulUnits);
    w.Flag("volFlag", u.volFlag != 0);
    w.Real("vol", u.vol);

    w.Header("Input ...removal\n");
    const InputDispersant& disp = d.inputDispersant;
    const InputBurn& burn = d.inputBurn;
    const InputSkimmer& skim = d.inputSkimmer;
    w.Int("InputDispersant.num", disp.num);
    w.Int("InputBurn.num", burn.num);
    w.Int("InputSkimmer.num", skim.num);
    for (int i = 0; i < kOperationSlots; ++i) {
        w.Int("InputDispersant.startHour", i, disp.startHour[i]);
        w.Int("InputDispersant.duration", i, disp.duration[i]);
        w.Real("InputDispersant.dispersed", i, disp.dispersed[i]);
        w.Real("InputDispersant.sprayed", i, disp.sprayed[i]);
        w.Int("InputBurn.startHour", i, burn.startHour[i]);
        w.Int("InputBurn.thickUnits", i, burn.thickUnits[i]);
        w.Int("InputBurn.areaUnits", i, burn.areaUnits[i]);
        w.Real("InputBurn.thick", i, burn.thick[i]);
        w.Real("InputBurn.area", i, burn.area[i]);
        w.Int("InputSkimmer.startHour", i, skim.startHour[i]);
        w.Int("InputSkimmer.duration", i, skim.duration[i]);
        w.Int("InputSkimmer.rateUnits", i, skim.rateUnits[i]);
        w.Int("InputSkimmer.amountUnits", i, skim.amountUnits[i]);
        w.Real("InputSkimmer.rate", i, skim.rate[i]);
        w.Real("InputSkimmer.amount", i, skim.amount[i]);
        w.Time("DispersantTime", i, d.DispersantTime[i]);
        w.Time("InSituBurnTime", i, d.InSituBurnTime[i]);
        w.Time("SkimmerTime", i, d.SkimmerTime[i]);
    }
    w.Header("\n");
    w.Int("InputBeached.volUnits", d.inputBeached.volUnits);
    w.Header("\n");
    w.Int("OilIndex", d.OilIndex);
    w.Header("\n\n");
}

}  // namespace

std::string InputDumpText(const CSpillDoc& doc) {
    std::string text;
    text.reserve(65536);
    DumpWriter w(text);
    DocumentValues(doc, w);
    InputRecords(doc, w);
    OilAndResponse(doc, w);
    return text;
}

bool WriteInputDump(const CSpillDoc& doc) {
    const std::string path =
        doc.workDir.empty() ? "OrmixInput.dmp" : doc.workDir + "/OrmixInput.dmp";
    const std::string text = InputDumpText(doc);
    // A dump that cannot be written is reported; the run goes on. Like the
    // core dump, it never stands half written, nor does an earlier one stay
    // in its place.
    FileReplacement out;
    std::string reason;
    if (!out.Begin(path, reason)) {
        RemoveEarlierDump(path);
        doc.sink->Error("Core: Cannot create dump file " + path + ": " + reason);
        return false;
    }
    out.Write(text);
    if (!out.Commit(reason)) {
        RemoveEarlierDump(path);
        doc.sink->Error(DumpWriteMessage(path, reason));
        return false;
    }
    return true;
}

}  // namespace ormix
