// Construction and reset of the weathering model.
#include <cstring>
#include <string>

#include "model/weathering_model.h"

namespace ormix {

namespace {

template <typename T, int N>
void Fill(T (&a)[N], T v) {
    for (T& x : a)
        x = v;
}

void ResetLE(LE& e) {
    e.birth = NoData;
    Fill(e.reserved1, NoData);
    Fill(e.area, NoData);
    Fill(e.areaBase, NoData);
    e.initVol = e.Vol = NoData;
    Fill(e.thick, NoData);
    e.Y = e.S = NoData;
    e.stabilityTime = NoDataInt;
    e.f_evap = e.visc = e.rho = e.vp = e.benz = e.mv = NoData;
    e.vol_disp = e.reserved2 = NoData;
    e.spreadCoeff = e.alpha3 = e.evex = e.initArea = e.reserved3 = NoData;
}

void ResetTank(TankModel& t) {
    t.flag = 0;
    t.startHour = t.lastHour = NoDataInt;
    t.vent = 0;
    t.aground = 0;
    t.holeDiameter = t.holeArea = NoData;
    t.dischargeCoefficient = 0.65;
    t.waterLevel = t.bottomArea = t.tankHeight = t.oilHeight = NoData;
    t.tankVolume = t.oilVolume = t.holeHeight = NoData;
    t.pointCount = 0;
    Fill(t.time, NoData);
    Fill(t.flow, NoData);
    Fill(t.oilLevel, NoData);
    Fill(t.waterInside, NoData);
    t.durationSeconds = 0;
}

void ResetOil(OilState& o) {
    std::memset(o.productType, 0, sizeof o.productType);
    o.api = NoData;
    Fill(o.rhoRef_value, NoData);
    Fill(o.rhoRef_temp, NoData);
    Fill(o.rhoRef_fevap, 0.0);
    Fill(o.viscRef_value, NoData);
    Fill(o.viscRef_temp, NoData);
    Fill(o.viscRef_fevap, 0.0);
    Fill(o.dyViscRef_value, NoData);
    Fill(o.dyViscRef_temp, NoData);
    Fill(o.dyViscRef_fevap, 0.0);
    o.refSlots = kRefSlots;
    o.waterContent = o.emulsionAreaFactor = o.waterUptakeRate = o.viscMultiplier = NoData;
    o.bullwinkleLow = o.bullwinkleHigh = o.bulltimeLow = o.bulltimeHigh = NoData;
    o.asphalt = o.benzene = o.nickel = o.vanadium = NoData;
    o.dropletMax = 1e-5;
    o.dropletMin = 1e-6;
    o.viscEvapConst = 0.18;
    o.distKind = 1;
    o.cutCount = 0;
    Fill(o.dist_temp, NoData);
    Fill(o.dist_frac, NoData);
    o.T0 = o.TG = NoData;
    o.dispConst = 3.9e-8;
    o.sedimentConst = 0.0001;
    o.minThickness = NoData;
    o.componentCount = NoDataInt;
    Fill(o.compMolarVolume, NoData);
    Fill(o.compMolecularWeight, NoData);
    Fill(o.compVapourPressure, NoData);
    Fill(o.compFraction, NoData);
}

void ResetResult(StepResult& r) {
    Triple t{NoData, NoData, NoData};
    Quad q{NoData, NoData, NoData, NoData};
    r.remaining = r.released = r.emulsified = r.evaporated = r.dispersed = t;
    r.chemDispersed = r.burned = r.skimmed = r.beached = t;
    r.benzene = r.density = r.viscosity = r.water = q;
    Fill(r.reserved, NoData);
    r.slickArea = NoData;
}

void ResetInputs(ModelInputs& in) {
    in.instFlag = 0;
    in.instStartHour = NoDataInt;
    in.instVol = NoData;
    in.contFlag = 0;
    in.contStartHour = in.contEndHour = NoDataInt;
    in.contStartRate = in.contEndRate = NoData;
    ResetTank(in.tank);
    in.containedArea = NoData;

    for (WindHour& w : in.wind)
        w = {NoData, NoData, 0.0, 0.0, NoData};
    WaveCase none{NoData, NoData, NoData};
    for (WaveHour& w : in.wave)
        w = {NoData, none, none, none};

    in.waterTemp = NoData;
    in.waterDensity = NoData;
    in.waterViscosity = 1e-6;
    in.sediment = NoData;
    in.currentSpeed = in.currentDirection = NoData;
    in.airPressure = 101300;
    in.fetchN = in.fetchE = in.fetchS = in.fetchW = 0;

    Fill(in.dispStartHour, NoDataInt);
    Fill(in.dispDuration, NoDataInt);
    Fill(in.dispDispersed, NoData);
    Fill(in.dispSprayed, NoData);
    Fill(in.skimStartHour, NoDataInt);
    Fill(in.skimDuration, NoDataInt);
    Fill(in.skimRate, NoData);
    Fill(in.skimAmount, NoData);
    Fill(in.burnStartHour, NoDataInt);
    Fill(in.burnThick, NoData);
    Fill(in.burnArea, NoData);
    in.defaultBurnRate = 4e-5;
    in.burnRate = NoData;

    ResetOil(in.oil);

    in.windFlag = 0;
    in.windUnc = NoData;
    in.volFlag = 0;
    in.volUnc = NoData;
    in.emulFlag = 0;
    in.emulPercent = NoData;
    in.emulHours = NoDataInt;
}

void ResetSetUp(SetUpTables& t) {
    Fill(t.hourlyVolume, 0.0);
    for (ReleaseHour& r : t.release)
        r = {0, 0, 0, 0, 0, 0, 0, 0};
    for (ResponseHour& r : t.response)
        r = {0, 0, 0, 0, 0};
    t.InitialOil = InitialOilValues{};
    t.evap.rows = kMaxEvapRows;
    std::memset(t.evap.row, 0, sizeof t.evap.row);
    t.evapConst = NoData;
    t.k1 = 1.53;
    t.k2 = 1.21;
    t.buoyancy = t.spreadConst = NoData;
    t.currentDx = t.currentDy = 0;
    t.releaseHours = 0;
    t.maxWind = 30;
    t.minWind = 1;
    t.MinBenzene = 0.011;
    t.gasConstant = 8.3144;
    t.gasConstantCal = 1.987;
}

}  // namespace

WeatheringModel::WeatheringModel() {
    run.sink = &DiscardMessages();
    run.workDir = std::string(1, '.');
    Reset();
}

std::string WeatheringModel::DumpPath(const char* name) const {
    if (run.workDir.empty()) return name;
    return run.workDir + "/" + name;
}

void WeatheringModel::Reset() {
    ResetInputs(inputs);
    ResetSetUp(setup);

    for (LE& e : les.le)
        ResetLE(e);
    les.numLEs = 0;
    les.baseLEs = 240;

    for (StepResult& r : results.result)
        ResetResult(r);
    results.total = RunTotals{0, 0, 0, 0, 0, 0, 0, 0};

    run.numHours = 0;
    run.deltat = 0;
    run.numSteps = 0;
    run.stepsPerHour = 0;
    run.spreadParam = 2;
    run.envChanged = run.oilChanged = run.releaseChanged = run.responseChanged = true;
}

void WeatheringModel::CopyRemovalsToEnvelope() {
    for (int s = 0; s < run.numSteps && s < kMaxSteps; ++s) {
        StepResult& r = results.result[s];
        r.burned.high = r.burned.low = r.burned.best;
        r.skimmed.high = r.skimmed.low = r.skimmed.best;
        r.beached.high = r.beached.low = r.beached.best;
    }
}

}  // namespace ormix
