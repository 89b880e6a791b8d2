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

}  // namespace

WeatheringModel::WeatheringModel() : sink(&DiscardMessages()), workDir(".") {
    Reset();
}

std::string WeatheringModel::DumpPath(const char* name) const {
    if (workDir.empty()) return name;
    return workDir + "/" + name;
}

void WeatheringModel::Reset() {
    Fill(hourlyVolume, 0.0);

    instFlag = 0;
    instStartHour = NoDataInt;
    instVol = NoData;
    contFlag = 0;
    contStartHour = contEndHour = NoDataInt;
    contStartRate = contEndRate = NoData;
    ResetTank(tank);

    for (WindHour& w : wind)
        w = {NoData, NoData, 0.0, 0.0, NoData};
    WaveCase none{NoData, NoData, NoData};
    for (WaveHour& w : wave)
        w = {NoData, none, none, none};

    waterTemp = NoData;
    waterDensity = NoData;
    waterViscosity = 1e-6;
    sediment = NoData;
    currentSpeed = currentDirection = NoData;
    currentDx = currentDy = 0;
    airPressure = 101300;
    fetchN = fetchE = fetchS = fetchW = 0;
    k1 = 1.53;
    k2 = 1.21;
    buoyancy = spreadConst = NoData;

    for (LE& e : le)
        ResetLE(e);

    Fill(dispStartHour, NoDataInt);
    Fill(dispDuration, NoDataInt);
    Fill(dispDispersed, NoData);
    Fill(dispSprayed, NoData);
    Fill(skimStartHour, NoDataInt);
    Fill(skimDuration, NoDataInt);
    Fill(skimRate, NoData);
    Fill(skimAmount, NoData);
    Fill(burnStartHour, NoDataInt);
    Fill(burnThick, NoData);
    Fill(burnArea, NoData);
    defaultBurnRate = 4e-5;
    burnRate = NoData;

    for (ReleaseHour& r : release)
        r = {0, 0, 0, 0, 0, 0, 0, 0};

    ResetOil(oil);
    InitialOil = InitialOilValues{};

    for (StepResult& r : result)
        ResetResult(r);
    for (ResponseHour& r : response)
        r = {0, 0, 0, 0, 0};

    numLEs = 0;
    baseLEs = 240;
    numHours = 0;
    containedArea = NoData;
    maxWind = 30;
    minWind = 1;
    releaseHours = 0;
    deltat = 0;
    numSteps = 0;
    stepsPerHour = 0;
    spreadParam = 2;
    MinBenzene = 0.011;
    windFlag = 0;
    windUnc = NoData;
    volFlag = 0;
    volUnc = NoData;
    emulFlag = 0;
    emulPercent = NoData;
    emulHours = NoDataInt;
    gasConstant = 8.3144;
    gasConstantCal = 1.987;
    evapConst = NoData;
    evap.rows = kMaxEvapRows;
    std::memset(evap.row, 0, sizeof evap.row);

    envChanged = oilChanged = releaseChanged = responseChanged = true;
    total = RunTotals{0, 0, 0, 0, 0, 0, 0, 0};
}

void WeatheringModel::CopyRemovalsToEnvelope() {
    for (int s = 0; s < numSteps && s < kMaxSteps; ++s) {
        StepResult& r = result[s];
        r.burned.high = r.burned.low = r.burned.best;
        r.skimmed.high = r.skimmed.low = r.skimmed.best;
        r.beached.high = r.beached.low = r.beached.best;
    }
}

}  // namespace ormix
