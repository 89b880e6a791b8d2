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
    if (hourNumber >= 1 && hourNumber <= m.numHours && volume > 0)
        m.hourlyVolume[hourNumber] += volume;
}

void HourlyReleaseVolumes(WeatheringModel& m) {
    for (int h = 1; h <= m.numHours; ++h)
        m.hourlyVolume[h] = 0.0;

    if (m.tank.flag) {
        double out[kHours];
        ComputeTankRelease(m.tank, m.waterDensity, m.InitialOil.rho0, out, m.Messages());
        int start = m.tank.startHour;
        m.tank.lastHour = start;
        for (int k = 0; k < kHours && start + k <= m.numHours; ++k) {
            if (start + k < 1) continue;
            AddVolume(m, start + k, out[k]);
            if (out[k] > 0) m.tank.lastHour = start + k;
        }
    }
    if (m.instFlag) AddVolume(m, m.instStartHour, m.instVol);
    if (m.contFlag) {
        int n = m.contEndHour - m.contStartHour + 1;
        if (n > 0 && m.contStartRate != NoData && m.contEndRate != NoData) {
            double slope = (m.contEndRate - m.contStartRate) / n;
            for (int i = 0; i < n; ++i)
                AddVolume(m, m.contStartHour + i, ((i + 0.5) * slope + m.contStartRate) * 3600.0);
        }
    }
}

// Release records of every hour, the number of LEs and the time step.
void ReleaseRecords(WeatheringModel& m) {
    int releaseHours = 0;
    double total = 0;
    for (int h = 0; h < m.numHours; ++h) {
        total += m.hourlyVolume[h + 1];
        if (m.hourlyVolume[h + 1] > 0) ++releaseHours;
    }

    int n = m.baseLEs;
    if (releaseHours < 2 && total < 10)
        n = m.baseLEs / 2;
    else if (releaseHours < 6 && total < 1000)
        n = m.baseLEs * 3 / 4;

    double cumVol = 0;
    int cumLE = 0;
    for (int h = 0; h < m.numHours; ++h) {
        ReleaseHour& r = m.release[h];
        double v = m.hourlyVolume[h + 1];
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
                double prev = h >= 2 ? m.hourlyVolume[h] : 0.0;
                double prev2 = h >= 3 ? m.hourlyVolume[h - 1] : 0.0;
                f = std::cbrt(10.0 / (0.5 * prev + v + 0.25 * prev2));
            }
            r.area = f * kPi * std::pow(m.k2, 4) / (m.k1 * m.k1) *
                     std::pow(kGravity * m.buoyancy * std::pow(v, 5) /
                                  (m.waterViscosity * m.waterViscosity),
                              1.0 / 6.0);
            r.radius = std::sqrt(r.area / kPi);
            r.spreadCoeff = std::pow(v, 2.0 / 3.0) * m.spreadConst;
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
    m.numLEs = cumLE;
    m.releaseHours = releaseHours;

    if (m.containedArea > 0) {
        for (int h = 0; h < m.numHours; ++h) {
            ReleaseHour& r = m.release[h];
            if (h == 0) {
                r.vol = r.cumVol = total;
                r.area = m.containedArea;
                r.radius = std::sqrt(r.area / kPi);
                r.spreadCoeff = std::pow(total, 2.0 / 3.0) * m.spreadConst;
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
        m.numLEs = 2;
        m.releaseHours = 1;
    }

    int h = m.numHours;
    m.stepsPerHour = h <= 12 ? 8 : h <= 24 ? 6 : h <= 48 ? 4 : 2;
    m.deltat = 3600 / m.stepsPerHour;
    m.numSteps = h * m.stepsPerHour;
}

double SpreadingFactor(ModelRandom& random) {
    double a = random.Fraction() * 1.254 - 0.071;
    return a < 0 ? 0 : (a > 1 ? 1 : a);
}

// Returns false when an LE could not be given a proper initial area.
bool InitialiseLEs(WeatheringModel& m) {
    m.random.ReseedFromClock();
    double alpha3[kMaxLEs];
    for (int i = 0; i < m.numLEs; ++i)
        alpha3[i] = SpreadingFactor(m.random);

    int index = 0;
    for (int h = 0; h < m.numHours; ++h) {
        const ReleaseHour& r = m.release[h];
        for (int k = 0; k < r.nLE && index < m.numLEs; ++k, ++index) {
            LE& e = m.le[index];
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
            e.visc = m.InitialOil.visc0;
            e.rho = m.InitialOil.rho0;
            e.alpha3 = alpha3[index];
        }
    }
    return true;
}

}  // namespace

OilSurroundings OilSurroundingsOf(const WeatheringModel& m) {
    OilSurroundings at;
    at.waterTemp = m.waterTemp;
    at.waterDensity = m.waterDensity;
    at.airPressure = m.airPressure;
    at.strongestWind = 0;
    for (int h = 0; h < kHours; ++h)
        if (m.wind[h].speed > at.strongestWind) at.strongestWind = m.wind[h].speed;
    at.emulFlag = m.emulFlag;
    at.emulPercent = m.emulPercent;
    at.emulHours = m.emulHours;
    return at;
}

bool PrepareModelOil(WeatheringModel& m) {
    return PrepareOil({m.oil, m.InitialOil, m.evap, m.evapConst}, OilSurroundingsOf(m),
                      m.Messages());
}

bool WeatheringModel::SetUp() {
    bool env = envChanged, oilc = oilChanged, rel = releaseChanged, resp = responseChanged;

    if (env) {
        numHours = RunLengthOf(*this).hours;
        for (int h = 0; h < numHours; ++h) {
            wind[h].sinDir = std::sin(wind[h].direction);
            wind[h].cosDir = std::cos(wind[h].direction);
        }
        ComputeWaves(*this);
    }
    if (env || oilc) {
        if (!PrepareModelOil(*this)) return false;
    }
    if (env || oilc || rel) {
        buoyancy = (waterDensity - InitialOil.rho0) / waterDensity;
        // Oil as dense as the water or denser (the preparation has warned
        // that it will sink) is still followed afloat, but has no buoyancy
        // to spread it: it spreads as oil only just lighter than the water,
        // 1 kg/m3 in 1000, rather than not at all (a zero or negative
        // buoyancy leaves the initial areas undefined).
        if (!(buoyancy > kMinBuoyancy)) buoyancy = kMinBuoyancy;
        spreadConst =
            (k2 * k2 / 16.0) * std::pow(kGravity * buoyancy / std::sqrt(waterViscosity), 0.33);
        HourlyReleaseVolumes(*this);
        ReleaseRecords(*this);
        if (currentSpeed > 0) {
            currentDx = std::sin(currentDirection) * currentSpeed * deltat;
            currentDy = std::cos(currentDirection) * currentSpeed * deltat;
        } else {
            currentDx = currentDy = 0;
        }
    }
    if (env || oilc || rel || resp) {
        BuildRemovalSchedules(*this);
        // A run whose LEs could not all be given an area would sum unset
        // volumes into its budget: it has no results instead.
        if (!InitialiseLEs(*this)) return false;
    }
    envChanged = oilChanged = releaseChanged = responseChanged = false;
    return true;
}

}  // namespace ormix
