// Waves from wind and fetch: the wave height of every hour from an entered
// height, or from the wind over the fetch of its quadrant (fully developed
// sea when there is no fetch), and from it the breaking-wave value and the
// dissipated energy that drive natural dispersion.
#include "model/waves.h"

#include "core/formula_values.h"
#include "core/math_calls.h"

namespace ormix {

namespace {

constexpr double kG = kGravity;

// Wind speed (m/s) that breaks waves the way an entered wave height H (m)
// does.
double BreakingSpeedOfHeight(double H) {
    double U = 2.0286 * math::Sqrt(kG * H);
    if (U < 4.429) U = math::Pow(U / 0.71, 0.813);
    return U;
}

// Wave height (m) raised by wind speed U with stress speed UA over fetch F.
double WaveHeight(double U, double UA, double F) {
    if (!(F > 0) || F > 2268 * UA * UA) {
        // Fully developed sea.
        if (U < 4.429) return 0.243 * UA * UA / kG;
        if (U <= 20.65) return 0.243 * U * U / kG;
        return 0.0016 * U * math::Sqrt(1000 * 1000 / kG);  // a fetch of 1000 km
    }
    return 0.0016 * math::Sqrt(F / kG) * (U < 4.429 ? UA : U);
}

double StressSpeed(double U) {
    return 0.71 * math::Pow(U, 1.23);
}

// The fetch that a wind from direction theta (rad) blows over, from the two
// fetches of its quadrant.
double Fetch(const WeatheringModel& m, double theta) {
    auto mix = [](double a, double ca, double b, double sb) {
        return math::Sqrt(a * a * ca * ca + b * b * sb * sb);
    };
    if (theta < 1.57)
        return mix(m.inputs.fetchN, std::cos(theta), m.inputs.fetchE, std::sin(theta));
    if (theta < kPi)
        return mix(m.inputs.fetchS, std::cos(kPi - theta), m.inputs.fetchE, std::sin(kPi - theta));
    if (theta < 4.71)
        return mix(m.inputs.fetchS, std::cos(theta - kPi), m.inputs.fetchW, std::sin(theta - kPi));
    return mix(m.inputs.fetchN, std::cos(6.28 - theta), m.inputs.fetchW, std::sin(6.28 - theta));
}

WaveCase Wave(double rhoW, double H, double Ub) {
    double b = 0;
    if (Ub >= 4)
        b = (0.01 * Ub + 0.01) * 0.5;
    else if (Ub >= 3)
        b = (Ub - 3) * 0.025;
    if (b < 0) b = 0;
    if (b > 1) b = 1;
    double Hrms = 0.707 * H;
    return {Hrms, b / 3.85, rhoW * 0.0034 * kG * Hrms * Hrms};
}

}  // namespace

void ComputeWaves(WeatheringModel& m) {
    const bool cases = m.inputs.windFlag != 0;
    const double uw = m.inputs.windUnc == NoData ? 0.0 : m.inputs.windUnc;
    for (int h = 0; h < m.run.numHours && h < kHours; ++h) {
        WaveHour& w = m.inputs.wave[h];
        const double Hin = w.inputHeight;
        if (Hin >= 0) {
            // An entered wave height stands for every wind case.
            WaveCase c = Wave(m.inputs.waterDensity, Hin, BreakingSpeedOfHeight(Hin));
            w.best = c;
            if (cases) w.high = w.low = c;
            continue;
        }

        // The wind of the hour, smoothed over the two hours before it.
        double U;
        if (h == 0)
            U = m.inputs.wind[0].speed;
        else if (h == 1)
            U = (m.inputs.wind[0].speed + m.inputs.wind[1].speed) * 0.5;
        else
            U = (m.inputs.wind[h - 2].speed + m.inputs.wind[h - 1].speed + m.inputs.wind[h].speed) *
                kThird;
        double Uhi = U + uw, Ulo = U - uw;
        if (Uhi > m.setup.maxWind) Uhi = m.setup.maxWind;
        if (Ulo < m.setup.minWind) Ulo = m.setup.minWind;

        const double theta = m.inputs.wind[h].direction;
        if (!(theta >= 0 && theta <= 2.01 * kPi)) {
            m.Messages().Error("Wave_Energy: angle must be between 0 and pi");
            return;
        }
        const double F = Fetch(m, theta);
        m.inputs.wind[h].fetch = F;

        w.best = Wave(m.inputs.waterDensity, WaveHeight(U, StressSpeed(U), F), U);
        if (cases) {
            w.high = Wave(m.inputs.waterDensity, WaveHeight(Uhi, StressSpeed(Uhi), F), Uhi);
            w.low = Wave(m.inputs.waterDensity, WaveHeight(Ulo, StressSpeed(Ulo), F), Ulo);
        }
    }
}

}  // namespace ormix
