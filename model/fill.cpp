// Fill operations: each input record, in the person's units, becomes the
// model's SI values. A unit code outside the listed ones makes the fill
// return at once: what it wrote stays, the rest and its change flag do not.
#include <cmath>
#include <cstring>

#include "core/units.h"
#include "model/weathering_model.h"

namespace ormix {

namespace {

constexpr double kDegToRad = kPi / 180.0;

// Unit conversions that keep the unset value as it is.
bool Convert(UnitCategory c, int code, double v, double& out) {
    if (v == NoData) {
        out = NoData;
        return true;
    }
    out = ConvertToSI(c, code, v);
    return true;
}

// A release or recovered amount (volume unit codes 1..5) into m3.
bool AmountToSI(const WeatheringModel& m, int code, double v, double& out) {
    if (v == NoData) {
        out = NoData;
        return code >= kVolBarrels && code <= kVolMetricTons;
    }
    double rho =
        MassToVolumeDensity(m.inputs.oil.rhoRef_value[0], m.inputs.oil.api, m.inputs.waterDensity);
    switch (code) {
        case kVolBarrels:
            out = ConvertToSI(UnitCategory::Volume, si::kBarrel, v);
            return true;
        case kVolGallons:
            out = ConvertToSI(UnitCategory::Volume, si::kGallon, v);
            return true;
        case kVolCubicMetres:
            out = v;
            return true;
        case kVolTons:
            out = ConvertToSI(UnitCategory::Mass, si::kShortTon, v) / rho;
            return true;
        case kVolMetricTons:
            out = ConvertToSI(UnitCategory::Mass, si::kMetricTon, v) / rho;
            return true;
    }
    return false;
}

// A rate (codes 1..5 per hour, 6 gallons per minute) into m3/s.
bool RateToSI(const WeatheringModel& m, int code, double v, double& out) {
    if (code == 6) {
        if (v == NoData) {
            out = NoData;
            return true;
        }
        out = ConvertToSI(UnitCategory::Volume, si::kGallon, v) / 60.0;
        return true;
    }
    if (!AmountToSI(m, code, v, out)) return false;
    if (out != NoData) out /= 3600.0;
    return true;
}

// Square feet, square yards, square metres.
bool AreaToSI(int code, double v, double& out) {
    switch (code) {
        case 1:
            return Convert(UnitCategory::Area, si::kSquareFoot, v, out);
        case 2:
            return Convert(UnitCategory::Area, si::kSquareYard, v, out);
        case 3:
            out = v;
            return true;
    }
    return false;
}

// Miles per hour, knots, metres per second.
bool SpeedToSI(int code, double v, double& out) {
    switch (code) {
        case 1:
            return Convert(UnitCategory::Speed, si::kMph, v, out);
        case 2:
            return Convert(UnitCategory::Speed, si::kKnot, v, out);
        case 3:
            out = v;
            return true;
    }
    return false;
}

double Radians(double degrees) {
    return degrees == NoData ? NoData : degrees * kDegToRad;
}

}  // namespace

void FillOil(WeatheringModel& m, const InputOil& in) {
    OilState& o = m.inputs.oil;
    std::memcpy(o.productType, in.productType, sizeof o.productType);
    o.productType[sizeof o.productType - 1] = '\0';
    o.api = in.api;
    o.asphalt = in.asphalt;
    o.benzene = in.benzene;
    o.nickel = in.nickel;
    o.vanadium = in.vanadium;
    o.viscMultiplier = in.viscMultiplier;
    o.waterContent = in.waterContent;
    o.waterUptakeRate = in.waterUptakeRate;
    o.bullwinkleHigh = in.bullwinkle;
    o.bulltimeHigh = in.bulltime;
    for (int i = 0; i < kDensityPoints; ++i) {
        o.rhoRef_value[i] = in.rhoRef_value[i];
        o.rhoRef_temp[i] = in.rhoRef_temp[i];
        o.rhoRef_fevap[i] = in.rhoRef_fevap[i];
    }
    for (int i = 0; i < kRefSlots; ++i) {
        o.viscRef_value[i] = in.viscRef_value[i];
        o.viscRef_temp[i] = in.viscRef_temp[i];
        o.viscRef_fevap[i] = in.viscRef_fevap[i];
        o.dyViscRef_value[i] = in.dyViscRef_value[i];
        o.dyViscRef_temp[i] = in.dyViscRef_temp[i];
        o.dyViscRef_fevap[i] = in.dyViscRef_fevap[i];
    }
    if (o.rhoRef_value[0] < 0) {
        o.rhoRef_value[0] = 141500.0 / (in.api + 131.5);
        o.rhoRef_temp[0] = 288.7;
        o.rhoRef_fevap[0] = 0;
    }
    int cuts = 0;
    while (cuts < kCuts && in.dist_frac[cuts] >= 0) {
        o.dist_temp[cuts] = in.dist_temp[cuts];
        o.dist_frac[cuts] = in.dist_frac[cuts];
        ++cuts;
    }
    o.cutCount = cuts;
    o.distKind = cuts == 0 ? 1 : (in.dist_volumeFrac ? 2 : 3);
    m.run.oilChanged = true;
}

void FillWindWave(WeatheringModel& m, const InputWindWave& in) {
    int num = in.num < 0 ? 0 : (in.num > kHours ? kHours : in.num);
    for (int i = 0; i < num; ++i) {
        double speed = 0;
        if (!SpeedToSI(in.speedUnits, in.speed[i], speed)) return;
        m.inputs.wind[i].speed = speed;
        m.inputs.wind[i].direction = Radians(in.direction[i]);
        double height = 0;
        if (!MetresOrFeetToSI(in.waveHtUnits, in.waveHt[i], height)) return;
        m.inputs.wave[i].inputHeight = height;
    }
    for (int i = num; i < kHours; ++i) {
        m.inputs.wind[i].speed = m.inputs.wind[i].direction = NoData;
        m.inputs.wave[i].inputHeight = NoData;
    }
    int fetchCode = in.fetchUnits == 1 ? si::kMile : in.fetchUnits == 2 ? si::kKilometre : -1;
    if (fetchCode < 0) return;
    m.inputs.fetchN = ConvertToSI(UnitCategory::Length, fetchCode, in.fetchN);
    m.inputs.fetchE = ConvertToSI(UnitCategory::Length, fetchCode, in.fetchE);
    m.inputs.fetchS = ConvertToSI(UnitCategory::Length, fetchCode, in.fetchS);
    m.inputs.fetchW = ConvertToSI(UnitCategory::Length, fetchCode, in.fetchW);
    m.run.envChanged = true;
}

void FillWater(WeatheringModel& m, const InputWater& in) {
    double celsius = 0;
    if (in.tempUnits == 1) {
        m.inputs.waterTemp =
            ConvertToSI(UnitCategory::Temperature, si::kFahrenheit, in.temperature);
        celsius = (in.temperature - 32.0) * 5.0 / 9.0;
    } else if (in.tempUnits == 2) {
        m.inputs.waterTemp = ConvertToSI(UnitCategory::Temperature, si::kCelsius, in.temperature);
        celsius = in.temperature;
    } else {
        return;
    }
    m.inputs.waterDensity = SeawaterDensity(celsius, in.salinity);
    m.inputs.sediment = in.sediment == NoData ? NoData : in.sediment / 1000.0;
    double speed = 0;
    if (!SpeedToSI(in.speedUnits, in.speed, speed)) return;
    m.inputs.currentSpeed = speed;
    m.inputs.currentDirection = Radians(in.direction);
    m.run.envChanged = true;
}

namespace {
void ClearSharedRelease(WeatheringModel& m) {
    m.inputs.instFlag = 0;
    m.inputs.instStartHour = NoDataInt;
    m.inputs.instVol = NoData;
    m.inputs.containedArea = NoData;
}
}  // namespace

void FillInstant(WeatheringModel& m, const InputInstant& in) {
    ClearSharedRelease(m);
    if (in.flag) {
        m.inputs.instFlag = 1;
        m.inputs.instStartHour = in.startHour;
        if (!AmountToSI(m, in.volUnits, in.vol, m.inputs.instVol)) return;
    }
    m.run.releaseChanged = true;
}

void FillBoomed(WeatheringModel& m, const InputBoomed& in) {
    ClearSharedRelease(m);
    if (in.flag) {
        m.inputs.instFlag = 1;
        m.inputs.instStartHour = in.startHour;
        if (!AmountToSI(m, in.volUnits, in.vol, m.inputs.instVol)) return;
        if (!AreaToSI(in.areaUnits, in.area, m.inputs.containedArea)) return;
    }
    m.run.releaseChanged = true;
}

void FillContinuous(WeatheringModel& m, const InputContinuous& in) {
    m.inputs.contFlag = in.flag ? 1 : 0;
    m.inputs.contStartHour = in.startHour;
    m.inputs.contEndHour = in.endHour;
    if (!RateToSI(m, in.rateUnits, in.startRate, m.inputs.contStartRate)) return;
    if (!RateToSI(m, in.rateUnits, in.endRate, m.inputs.contEndRate)) return;
    m.run.releaseChanged = true;
}

void PrepareTank(WeatheringModel& m, const InputTank& in) {
    PrepareTankModel(m.inputs.tank, in);
    m.run.releaseChanged = true;
}

void FillUncertainty(WeatheringModel& m, const InputUncertainty& in) {
    m.inputs.windFlag = in.windFlag ? 1 : 0;
    m.inputs.windUnc = NoData;
    if (m.inputs.windFlag && !SpeedToSI(in.windUnits, in.wind, m.inputs.windUnc)) return;
    m.inputs.emulFlag = in.emulFlag ? 1 : 0;
    m.inputs.emulPercent = NoData;
    m.inputs.emulHours = NoDataInt;
    if (m.inputs.emulFlag) {
        if (in.emulUnits == 1)
            m.inputs.emulPercent = in.emul;
        else if (in.emulUnits == 2)
            m.inputs.emulHours = in.emul == NoData ? NoDataInt : static_cast<int>(in.emul);
        else
            return;
    }
    m.inputs.volFlag = in.volFlag ? 1 : 0;
    m.inputs.volUnc = m.inputs.volFlag ? in.vol : NoData;
    m.run.envChanged = true;
}

namespace {
int Operations(int num) {
    return num < 0 ? 0 : (num > kMaxOperations ? kMaxOperations : num);
}
double Percent(double v) {
    return v == NoData ? NoData : v / 100.0;
}
}  // namespace

void FillDispersant(WeatheringModel& m, const InputDispersant& in) {
    for (int i = 0; i < Operations(in.num); ++i) {
        m.inputs.dispStartHour[i] = in.startHour[i];
        m.inputs.dispDuration[i] = in.duration[i];
        m.inputs.dispDispersed[i] = Percent(in.dispersed[i]);
        m.inputs.dispSprayed[i] = Percent(in.sprayed[i]);
    }
    m.run.responseChanged = true;
}

void FillBurn(WeatheringModel& m, const InputBurn& in) {
    for (int i = 0; i < Operations(in.num); ++i) {
        m.inputs.burnStartHour[i] = in.startHour[i];
        m.inputs.burnThick[i] = NoData;
        m.inputs.burnArea[i] = NoData;
        if (in.thick[i] > 0) {
            switch (in.thickUnits[i]) {
                case 1:
                    m.inputs.burnThick[i] = in.thick[i] * 0.001;
                    break;
                case 2:
                    m.inputs.burnThick[i] = in.thick[i] * 0.01;
                    break;
                case 3:
                    m.inputs.burnThick[i] = in.thick[i] * 0.0254;
                    break;
                default:
                    return;
            }
        }
        if (in.area[i] > 0 && !AreaToSI(in.areaUnits[i], in.area[i], m.inputs.burnArea[i])) return;
    }
    m.inputs.burnRate = NoData;
    if (in.burnRegRate != NoData && in.burnRegRate >= 0) {
        if (in.burnRegRateUnits == 1)
            m.inputs.burnRate = in.burnRegRate * 0.001;
        else if (in.burnRegRateUnits == 2)
            m.inputs.burnRate = in.burnRegRate * 0.0254;
        else
            return;
    }
    m.run.responseChanged = true;
}

void FillSkimmer(WeatheringModel& m, const InputSkimmer& in) {
    for (int i = 0; i < Operations(in.num); ++i) {
        m.inputs.skimStartHour[i] = in.startHour[i];
        m.inputs.skimDuration[i] = in.duration[i];
        m.inputs.skimRate[i] = NoData;
        m.inputs.skimAmount[i] = NoData;
        if (in.rate[i] > 0 && !RateToSI(m, in.rateUnits[i], in.rate[i], m.inputs.skimRate[i]))
            return;
        if (in.amount[i] > 0 &&
            !AmountToSI(m, in.amountUnits[i], in.amount[i], m.inputs.skimAmount[i]))
            return;
    }
    m.run.responseChanged = true;
}

void FillBeached(WeatheringModel& m, const InputBeached& in) {
    for (int h = 0; h < kHours; ++h) {
        double v = 0;
        if (!AmountToSI(m, in.volUnits, in.vol[h], v)) return;
        // An unset amount means nothing beached in that hour.
        m.setup.response[h].beach = v == NoData ? 0.0 : v / 3600.0;
    }
    m.run.responseChanged = true;
}

void FillModel(WeatheringModel& m, const InputRecordSet& in) {
    if (in.oil) FillOil(m, *in.oil);
    if (in.windWave) FillWindWave(m, *in.windWave);
    if (in.water) FillWater(m, *in.water);
    if (in.instant && in.instant->flag) FillInstant(m, *in.instant);
    if (in.continuous && in.continuous->flag) FillContinuous(m, *in.continuous);
    if (in.tank && in.tank->flag) PrepareTank(m, *in.tank);
    if (in.boomed && in.boomed->flag) FillBoomed(m, *in.boomed);
    if (in.uncertainty) FillUncertainty(m, *in.uncertainty);
    if (in.dispersant && in.dispersant->num != 0) FillDispersant(m, *in.dispersant);
    if (in.burn && in.burn->num != 0) FillBurn(m, *in.burn);
    if (in.skimmer && in.skimmer->num != 0) FillSkimmer(m, *in.skimmer);
    if (in.beached) FillBeached(m, *in.beached);
}

}  // namespace ormix
