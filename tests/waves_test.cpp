#include "model/waves.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model_fixture.h"

namespace ormix {
namespace {

using testing::NewModel;

// Hourly wind speeds (m/s) from a direction (rad), 1025 kg/m3 water, no fetch.
std::unique_ptr<WeatheringModel> Windy(std::initializer_list<double> speeds, double dir = 4.71) {
    auto m = NewModel();
    m->inputs.waterDensity = 1025;
    int h = 0;
    for (double s : speeds) {
        m->inputs.wind[h].speed = s;
        m->inputs.wind[h].direction = dir;
        ++h;
    }
    m->run.numHours = h;
    return m;
}

// The best case of hour 0 under a single wind.
WaveCase Sea(double speed) {
    auto m = Windy({speed});
    ComputeWaves(*m);
    // Without wind uncertainty the high and low cases stay unset.
    EXPECT_EQ(m->inputs.wave[0].high.Hrms, NoData);
    EXPECT_EQ(m->inputs.wave[0].low.De, NoData);
    return m->inputs.wave[0].best;
}

TEST(Waves, HeightAndBreakingFollowTheWind) {
    // A fully developed sea at 10 m/s.
    const WaveCase w = Sea(10);
    EXPECT_NEAR(w.Hrms, 1.753, 5e-4);
    // A light wind acts through its stress speed 0.71 x 2^1.23 m/s; no breaking.
    EXPECT_NEAR(Sea(2).Hrms / 0.707, 0.069, 5e-4);
    EXPECT_EQ(Sea(2).f_bw, 0);
    // Beyond 20 m/s a storm sees a thousand kilometres.
    EXPECT_NEAR(Sea(25).Hrms, 0.707 * 0.0016 * 25 * std::sqrt(1e6 / 9.8), 1e-12);
    // Breaking is continuous at 4 m/s.
    EXPECT_NEAR(Sea(3.999999).f_bw * 3.85, 0.025, 1e-6);
    EXPECT_NEAR(Sea(4).f_bw * 3.85, 0.025, 1e-15);
}

TEST(Waves, EnteredWaveHeightStandsForEveryCase) {
    auto m = Windy({3});
    m->inputs.windFlag = 1;
    m->inputs.windUnc = 2;
    m->inputs.wave[0].inputHeight = 1;
    ComputeWaves(*m);
    for (const WaveCase* w :
         {&m->inputs.wave[0].best, &m->inputs.wave[0].high, &m->inputs.wave[0].low}) {
        EXPECT_NEAR(w->Hrms, 0.707, 1e-15);
        EXPECT_NEAR(w->f_bw * 3.85, 0.03675, 1e-5);  // breaking speed 6.35 m/s
    }
}

TEST(Waves, WindOfTheHourIsSmoothedOverThreeHoursWithPointThreeThreeThree) {
    auto m = Windy({10, 10, 10, 10});
    m->inputs.fetchN = m->inputs.fetchE = m->inputs.fetchS = m->inputs.fetchW = 5000;
    ComputeWaves(*m);
    // Fetch-limited: 5 km is shorter than 2268 x UA^2.
    EXPECT_NEAR(m->inputs.wave[1].best.Hrms, 0.707 * 0.0016 * std::sqrt(5000 / 9.8) * 10, 1e-12);
    EXPECT_NEAR(m->inputs.wave[2].best.Hrms, 0.707 * 0.0016 * std::sqrt(5000 / 9.8) * 9.99, 1e-12);
}

TEST(Waves, WindUncertaintyStaysWithinTheWindLimits) {
    auto m = Windy({29, 2});
    m->inputs.windFlag = 1;
    m->inputs.windUnc = 5;
    ComputeWaves(*m);
    EXPECT_NEAR(m->inputs.wave[0].high.Hrms, 0.707 * 0.0016 * 30 * std::sqrt(1e6 / 9.8), 1e-12);
    auto calm = Windy({2});
    calm->inputs.windFlag = 1;
    calm->inputs.windUnc = 5;
    ComputeWaves(*calm);
    double UA = 0.71 * std::pow(1.0, 1.23);  // raised to the 1 m/s minimum
    EXPECT_NEAR(calm->inputs.wave[0].low.Hrms, 0.707 * 0.243 * UA * UA / 9.8, 1e-15);
}

TEST(Waves, FetchOfTheWindsQuadrant) {
    auto m = Windy({10, 10}, 0);
    m->inputs.fetchN = 1000;
    m->inputs.fetchE = 2000;
    m->inputs.fetchS = 3000;
    m->inputs.fetchW = 4000;
    m->inputs.wind[1].direction = 1.57;
    ComputeWaves(*m);
    EXPECT_NEAR(m->inputs.wind[0].fetch, 1000, 1e-9);  // from due north
    // Due east, by the second quadrant's formula: almost exactly the east fetch.
    EXPECT_NEAR(m->inputs.wind[1].fetch, 2000, 0.01);
}

// A bad wind direction stops the waves with its message; the run then
// disperses nothing in the hours without waves, and every result is a number.
TEST(Waves, RunWithBadDirectionStaysFinite) {
    CollectingSink sink;
    testing::Records r(24);
    r.Instant(100).wind.direction[5] = 400;  // degrees
    auto m = testing::RunNew(r, &sink);
    EXPECT_TRUE(sink.Contains("Wave_Energy: angle must be between 0 and pi"));
    for (int s = 0; s < m->run.numSteps; ++s) {
        ASSERT_TRUE(std::isfinite(m->results.result[s].dispersed.best)) << s;
        ASSERT_TRUE(std::isfinite(m->results.result[s].viscosity.mean)) << s;
    }
    EXPECT_EQ(testing::LastStep(*m).dispersed.best,
              m->results.result[5 * m->run.stepsPerHour - 1].dispersed.best);
}

}  // namespace
}  // namespace ormix
