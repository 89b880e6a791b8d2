// Set-up of a run: hours of the run, waves, oil preparation, hourly release
// volumes, release records and the time step, current displacement, removal
// schedules and the initial state of every LE.
#include <cmath>

#include "calculators/leaking_tank.h"
#include "core/formula_values.h"
#include "model/removal_schedule.h"
#include "model/run_length.h"
#include "model/setup.h"
#include "model/waves.h"

namespace ormix {

namespace {

// The least relative buoyancy that spreading works with.
constexpr double kMinBuoyancy = 0.001;

void AddVolume(WeatheringModel& m, int hourNumber, double volume) {
    if (hourNumber >= 1 && hourNumber <= m.run.numHours && volume > 0)
        m.setup.hourlyVolume[hourNumber] += volume;
}

void HourlyReleaseVolumes(WeatheringModel& m) {
    for (int h = 1; h <= m.run.numHours; ++h)
        m.setup.hourlyVolume[h] = 0.0;

    if (m.inputs.tank.flag) {
        double out[kHours];
        ComputeTankRelease(m.inputs.tank, m.inputs.waterDensity, m.setup.InitialOil.rho0, out,
                           m.Messages());
        int start = m.inputs.tank.startHour;
        m.inputs.tank.lastHour = start;
        for (int k = 0; k < kHours && start + k <= m.run.numHours; ++k) {
            if (start + k < 1) continue;
            AddVolume(m, start + k, out[k]);
            if (out[k] > 0) m.inputs.tank.lastHour = start + k;
        }
    }
    if (m.inputs.instFlag) AddVolume(m, m.inputs.instStartHour, m.inputs.instVol);
    if (m.inputs.contFlag) {
        int n = m.inputs.contEndHour - m.inputs.contStartHour + 1;
        if (n > 0 && m.inputs.contStartRate != NoData && m.inputs.contEndRate != NoData) {
            double slope = (m.inputs.contEndRate - m.inputs.contStartRate) / n;
            for (int i = 0; i < n; ++i)
                AddVolume(m, m.inputs.contStartHour + i,
                          ((i + 0.5) * slope + m.inputs.contStartRate) * 3600.0);
        }
    }
}

// Release records of every hour, the number of LEs and the time step.
void ReleaseRecords(WeatheringModel& m) {
    int releaseHours = 0;
    double total = 0;
    for (int h = 0; h < m.run.numHours; ++h) {
        total += m.setup.hourlyVolume[h + 1];
        if (m.setup.hourlyVolume[h + 1] > 0) ++releaseHours;
    }

    int n = m.les.baseLEs;
    if (releaseHours < 2 && total < 10)
        n = m.les.baseLEs / 2;
    else if (releaseHours < 6 && total < 1000)
        n = m.les.baseLEs * 3 / 4;

    double cumVol = 0;
    int cumLE = 0;
    for (int h = 0; h < m.run.numHours; ++h) {
        ReleaseHour& r = m.setup.release[h];
        double v = m.setup.hourlyVolume[h + 1];
        cumVol += v;
        r.vol = v;
        r.cumVol = cumVol;
        if (v <= 0) {
            r.area = r.radius = r.spreadCoeff = 0;
            r.nLE = 0;
            r.volLE = 0;
        } else {
            double f = 1.0;
            if (v >= 10) {
                double prev = h >= 2 ? m.setup.hourlyVolume[h] : 0.0;
                double prev2 = h >= 3 ? m.setup.hourlyVolume[h - 1] : 0.0;
                f = std::cbrt(10.0 / (0.5 * prev + v + 0.25 * prev2));
            }
            r.area = f * kPi * std::pow(m.setup.k2, 4) / (m.setup.k1 * m.setup.k1) *
                     std::pow(kGravity * m.setup.buoyancy * std::pow(v, 5) /
                                  (m.inputs.waterViscosity * m.inputs.waterViscosity),
                              1.0 / 6.0);
            r.radius = std::sqrt(r.area / kPi);
            r.spreadCoeff = std::pow(v, 2.0 / 3.0) * m.setup.spreadConst;
            // v / (total / n), truncated; the small allowance keeps an hour
            // that holds the whole release at exactly n LEs rather than
            // n - 1 by rounding.
            int count = static_cast<int>(v * n / total * (1 + 1e-12));
            if (count < 2) count = 2;
            // The LE store holds 500; the schedule never asks for more than
            // 480, but a count is never allowed to run past the store.
            if (cumLE + count > kMaxLEs) count = kMaxLEs - cumLE;
            r.nLE = count;
            r.volLE = count > 0 ? v / count : 0;
        }
        cumLE += r.nLE;
        r.cumLE = cumLE;
    }
    m.les.numLEs = cumLE;
    m.setup.releaseHours = releaseHours;

    if (m.inputs.containedArea > 0) {
        for (int h = 0; h < m.run.numHours; ++h) {
            ReleaseHour& r = m.setup.release[h];
            if (h == 0) {
                r.vol = r.cumVol = total;
                r.area = m.inputs.containedArea;
                r.radius = std::sqrt(r.area / kPi);
                r.spreadCoeff = std::pow(total, 2.0 / 3.0) * m.setup.spreadConst;
                r.nLE = 2;
                r.volLE = total / 2;
            } else {
                r.vol = 0;
                r.cumVol = total;
                r.area = r.radius = r.spreadCoeff = 0;
                r.nLE = 0;
                r.volLE = 0;
            }
            r.cumLE = 2;
        }
        m.les.numLEs = 2;
        m.setup.releaseHours = 1;
    }

    int h = m.run.numHours;
    m.run.stepsPerHour = h <= 12 ? 8 : h <= 24 ? 6 : h <= 48 ? 4 : 2;
    m.run.deltat = 3600 / m.run.stepsPerHour;
    m.run.numSteps = h * m.run.stepsPerHour;
}

double SpreadingFactor(ModelRandom& random) {
    double a = random.Fraction() * 1.254 - 0.071;
    return a < 0 ? 0 : (a > 1 ? 1 : a);
}

// Returns false when an LE could not be given a proper initial area.
bool InitialiseLEs(WeatheringModel& m) {
    m.run.random.ReseedFromClock();
    double alpha3[kMaxLEs];
    for (int i = 0; i < m.les.numLEs; ++i)
        alpha3[i] = SpreadingFactor(m.run.random);

    int index = 0;
    for (int h = 0; h < m.run.numHours; ++h) {
        const ReleaseHour& r = m.setup.release[h];
        for (int k = 0; k < r.nLE && index < m.les.numLEs; ++k, ++index) {
            LE& e = m.les.le[index];
            e.spreadCoeff = r.spreadCoeff;
            e.birth = h + 1;
            double area = r.area / r.nLE;
            if (!(area > 0)) {
                m.Messages().Error("Initial LE area not properly set");
                return false;
            }
            e.area[h] = area;
            e.initArea = area;
            e.initVol = e.Vol = r.volLE;
            e.Y = e.evex = e.S = e.f_evap = 0;
            e.visc = m.setup.InitialOil.visc0;
            e.rho = m.setup.InitialOil.rho0;
            e.alpha3 = alpha3[index];
        }
    }
    return true;
}

}  // namespace

OilSurroundings OilSurroundingsOf(const WeatheringModel& m) {
    OilSurroundings at;
    at.waterTemp = m.inputs.waterTemp;
    at.waterDensity = m.inputs.waterDensity;
    at.airPressure = m.inputs.airPressure;
    at.strongestWind = 0;
    for (int h = 0; h < kHours; ++h)
        if (m.inputs.wind[h].speed > at.strongestWind) at.strongestWind = m.inputs.wind[h].speed;
    at.emulFlag = m.inputs.emulFlag;
    at.emulPercent = m.inputs.emulPercent;
    at.emulHours = m.inputs.emulHours;
    return at;
}

bool PrepareModelOil(WeatheringModel& m) {
    return PrepareOil({m.inputs.oil, m.setup.InitialOil, m.setup.evap, m.setup.evapConst},
                      OilSurroundingsOf(m), m.Messages());
}

bool WeatheringModel::SetUp() {
    bool env = run.envChanged, oilc = run.oilChanged, rel = run.releaseChanged,
         resp = run.responseChanged;

    if (env) {
        run.numHours = RunLengthOf(*this).hours;
        for (int h = 0; h < run.numHours; ++h) {
            inputs.wind[h].sinDir = std::sin(inputs.wind[h].direction);
            inputs.wind[h].cosDir = std::cos(inputs.wind[h].direction);
        }
        ComputeWaves(*this);
    }
    if (env || oilc) {
        if (!PrepareModelOil(*this)) return false;
    }
    if (env || oilc || rel) {
        double& buoyancy = setup.buoyancy;
        buoyancy = (inputs.waterDensity - setup.InitialOil.rho0) / inputs.waterDensity;
        // Oil as dense as the water or denser (the preparation has warned
        // that it will sink) is still followed afloat, but has no buoyancy
        // to spread it: it spreads as oil only just lighter than the water,
        // 1 kg/m3 in 1000, rather than not at all (a zero or negative
        // buoyancy leaves the initial areas undefined).
        if (!(buoyancy > kMinBuoyancy)) buoyancy = kMinBuoyancy;
        setup.spreadConst = (setup.k2 * setup.k2 / 16.0) *
                            std::pow(kGravity * buoyancy / std::sqrt(inputs.waterViscosity), 0.33);
        HourlyReleaseVolumes(*this);
        ReleaseRecords(*this);
        if (inputs.currentSpeed > 0) {
            setup.currentDx = std::sin(inputs.currentDirection) * inputs.currentSpeed * run.deltat;
            setup.currentDy = std::cos(inputs.currentDirection) * inputs.currentSpeed * run.deltat;
        } else {
            setup.currentDx = setup.currentDy = 0;
        }
    }
    if (env || oilc || rel || resp) {
        BuildRemovalSchedules(*this);
        // A run whose LEs could not all be given an area would sum unset
        // volumes into its budget: it has no results instead.
        if (!InitialiseLEs(*this)) return false;
    }
    run.envChanged = run.oilChanged = run.releaseChanged = run.responseChanged = false;
    return true;
}

}  // namespace ormix
