#include "model/removal_schedule.h"

#include <algorithm>
#include <cmath>

namespace ormix {

namespace {

// Only the slots up to the highest one whose start hour is set are looked at.
int SlotsLookedAt(const int (&startHour)[kMaxOperations]) {
    for (int k = kMaxOperations; k >= 1; --k)
        if (startHour[k - 1] >= 0) return k;
    return 0;
}

void Skimming(WeatheringModel& m, int n, double* skim) {
    for (int i = 0; i < SlotsLookedAt(m.inputs.skimStartHour); ++i) {
        int start = m.inputs.skimStartHour[i];
        int duration = m.inputs.skimDuration[i];
        if (start < 1) continue;
        // The hours are counted wide: a scenario file may hold any start
        // hour and duration, and their sum must not overflow.
        const long long end = std::min(static_cast<long long>(start) + duration - 1, 0LL + n);
        double r = 0;
        if (m.inputs.skimRate[i] > 0) {
            r = m.inputs.skimRate[i];
        } else if (m.inputs.skimAmount[i] > 0 && duration > 0) {
            r = m.inputs.skimAmount[i] / (duration * 3600.0);
        } else {
            m.Messages().Information("No skim rate or amount");
            continue;
        }
        for (int h = start - 1; h <= end - 1; ++h)
            skim[h] += r;
    }
}

void Dispersant(WeatheringModel& m, int n, double* rate, double* reduction) {
    for (int i = 0; i < SlotsLookedAt(m.inputs.dispStartHour); ++i) {
        int start = m.inputs.dispStartHour[i];
        int duration = m.inputs.dispDuration[i];
        if (start < 1 || !(m.inputs.dispDispersed[i] >= 0) || !(m.inputs.dispSprayed[i] >= 0))
            continue;
        long long end = static_cast<long long>(start) - 1 + duration;
        if (end > n) {
            end = n;
            duration = n - start + 1;
        }
        for (int h = start - 1; h <= end - 1; ++h) {
            rate[h] += m.inputs.dispSprayed[i] * m.inputs.dispDispersed[i] / (duration * 3600.0);
            reduction[h] += m.inputs.dispSprayed[i];
        }
    }
}

void Burning(WeatheringModel& m, int n, double* burn) {
    double regression = m.inputs.burnRate > 0 ? m.inputs.burnRate : m.inputs.defaultBurnRate;
    for (int i = 0; i < SlotsLookedAt(m.inputs.burnStartHour); ++i) {
        int start = m.inputs.burnStartHour[i];
        // A burn needs an hour of the run, an area and an oil thickness.
        if (start < 1 || start > n || !(m.inputs.burnArea[i] > 0) || !(m.inputs.burnThick[i] > 0))
            continue;
        double q = regression * m.inputs.burnArea[i];
        // Whole seconds; the small allowance keeps a burn of exactly 250 s
        // from losing a second to rounding (0.01 / 4e-5 is 249.999...).
        double t = std::trunc(m.inputs.burnThick[i] / regression * (1 + 1e-12));
        if (t < 3600) {
            burn[start - 1] += t * q / 3600.0;
            continue;
        }
        double e = start + t / 3600.0;
        if (e > n) e = n;
        int E = static_cast<int>(std::floor(e));
        for (int h = start - 1; h <= E - 2; ++h)
            burn[h] += q;
        burn[E - 1] += (e - E) * q;
    }
}

}  // namespace

void BuildRemovalSchedules(WeatheringModel& m) {
    int n = m.run.numHours < kHours ? m.run.numHours : kHours;
    double burn[kHours] = {}, skim[kHours] = {}, rate[kHours] = {}, reduction[kHours] = {};
    Skimming(m, n, skim);
    Dispersant(m, n, rate, reduction);
    Burning(m, n, burn);
    for (int h = 0; h < kHours; ++h) {
        m.setup.response[h].burn = burn[h];
        m.setup.response[h].skim = skim[h];
        m.setup.response[h].chemDisp = rate[h];
        m.setup.response[h].natDispReduction = reduction[h];
    }
}

}  // namespace ormix
