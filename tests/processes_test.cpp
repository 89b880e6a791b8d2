#include "model/processes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model_fixture.h"

namespace ormix {
namespace {

using testing::NewModel;

// A prepared medium crude on 15 deg C water with a 10 m/s wind for a day.
std::unique_ptr<WeatheringModel> Prepared() {
    auto m = NewModel();
    testing::Records r(24);
    r.Instant(100);
    EXPECT_TRUE(testing::SetUpFrom(*m, r));
    return m;
}

LE FreshLE(const WeatheringModel& m) {
    LE e{};
    e.Vol = e.initVol = 1;
    e.rho = m.setup.InitialOil.rho0;
    e.visc = m.setup.InitialOil.visc0;
    e.stabilityTime = NoDataInt;
    e.birth = 1;
    return e;
}

TEST(Processes, EmulsificationRateConstantFromWavesOrWind) {
    auto m = Prepared();
    // A 1 m wave acts like a 6.35 m/s wind: stronger than 5 m/s, weaker than 9.
    const double at6 = EmulsificationRateConstant(m->inputs, NoData, 6.35);
    EXPECT_NEAR(EmulsificationRateConstant(m->inputs, 1, 5), at6, 1e-3 * at6);
    EXPECT_EQ(EmulsificationRateConstant(m->inputs, 1, 9),
              EmulsificationRateConstant(m->inputs, NoData, 9));
    // A small wave is lifted by the light-wind form.
    EXPECT_GT(EmulsificationRateConstant(m->inputs, 0.2, 1),
              EmulsificationRateConstant(m->inputs, NoData, 1));
    m->inputs.containedArea = 1000;
    EXPECT_EQ(EmulsificationRateConstant(m->inputs, 1, 9), 0);
}

// Emulsion starting after `hours` or at the fraction evaporated (NoData: none).
std::unique_ptr<WeatheringModel> WithOnset(double hours, double fraction) {
    auto m = Prepared();
    m->inputs.oil.bulltimeHigh = hours;
    m->inputs.oil.bullwinkleHigh = fraction;
    return m;
}

TEST(Processes, OnsetByTimeStartsEveryLEAtTheSameMoment) {
    auto m = WithOnset(2, NoData);
    double Kem = EmulsificationRateConstant(m->inputs, NoData, 10);
    LE e = FreshLE(*m);
    Emulsify(m->inputs, 7199, 22, Kem, e, 0, 0);
    EXPECT_EQ(e.Y, 0);
    EXPECT_EQ(e.S, 0);
    double d = Emulsify(m->inputs, 7200, 22, Kem, e, 0, 0);
    EXPECT_NEAR(e.S, 22 * Kem, 1e-9);  // t0 = 7200 s: exp(0)
    EXPECT_EQ(d, m->inputs.oil.dropletMax);
    EXPECT_GT(e.Y, 0);
    EXPECT_EQ(e.stabilityTime, NoDataInt);  // not needed: the onset time is known
}

TEST(Processes, OnsetByEvaporationRemembersItsMoment) {
    auto m = WithOnset(NoData, 0.1);
    double Kem = EmulsificationRateConstant(m->inputs, NoData, 10);
    LE e = FreshLE(*m);
    e.f_evap = 0.05;
    Emulsify(m->inputs, 1000, 22, Kem, e, 0, 0);
    EXPECT_EQ(e.S, 0);
    e.f_evap = 0.1;
    Emulsify(m->inputs, 3000, 22, Kem, e, 0, 0);
    EXPECT_EQ(e.stabilityTime, 3000);
    double S1 = e.S;
    Emulsify(m->inputs, 5000, 22, Kem, e, 0, 0);
    EXPECT_EQ(e.stabilityTime, 3000);
    EXPECT_GT(e.S, S1);
}

TEST(Processes, WaterContentReachesItsMaximumAndDropletsShrink) {
    auto m = Prepared();
    m->inputs.oil.bulltimeHigh = 0.5;  // truncated to hour 0: under way at once
    double Ymax = m->inputs.oil.waterContent;
    double Smax = m->inputs.oil.emulsionAreaFactor;
    LE e = FreshLE(*m);
    double d = 0;
    for (int t = 0; t < 400000; t += 1800)
        d = Emulsify(m->inputs, t, 1800, 1e4, e, 0, 0);
    EXPECT_EQ(e.S, Smax);
    EXPECT_EQ(e.Y, Ymax);
    EXPECT_NEAR(d, m->inputs.oil.dropletMin, 1e-18);
    // At full emulsification the Mooney constant makes the emulsion exactly
    // viscMultiplier times as viscous as the oil.
    m->inputs.oil.viscMultiplier = 200;
    double c = MooneyConstant(m->inputs, m->setup, m->inputs.oil.dropletMin);
    EXPECT_NEAR(std::exp(2.5 * Ymax / (1 - c * Ymax)), 200, 1e-9);
}

TEST(Processes, NoOnsetValuesMeansNoWaterEver) {
    auto m = WithOnset(NoData, NoData);
    LE e = FreshLE(*m);
    e.f_evap = 0.9;
    for (int t = 0; t < 100000; t += 900)
        Emulsify(m->inputs, t, 900, 1e3, e, 0, 0);
    EXPECT_EQ(e.Y, 0);
}

TEST(Processes, MiddleOnsetInThePassWithoutUncertainty) {
    auto m = Prepared();
    m->inputs.emulFlag = 1;
    m->inputs.oil.bulltimeLow = 2;
    m->inputs.oil.bulltimeHigh = 5;
    m->inputs.oil.bullwinkleLow = 0.1;
    m->inputs.oil.bullwinkleHigh = 0.3;
    EmulsionOnsetValues mid = OnsetValues(m->inputs, 0, 0);
    EXPECT_EQ(mid.time, std::floor(3.5 * 3600 + 0.5));
    EXPECT_NEAR(mid.fraction, 0.2, 1e-15);
    EXPECT_EQ(OnsetValues(m->inputs, 1, 1).time, 7200);
    EXPECT_EQ(OnsetValues(m->inputs, 0, 1).time, 18000);
    // An unset low value: the high one stands for it.
    m->inputs.oil.bulltimeLow = NoData;
    EXPECT_EQ(OnsetValues(m->inputs, 1, 1).time, 18000);
    EXPECT_EQ(OnsetValues(m->inputs, 0, 0).time, 18000);
}

TEST(Processes, NaturalDispersion) {
    auto m = Prepared();
    m->inputs.sediment = 0;
    LE e = FreshLE(*m);
    auto D = [&](double A, double Vr) {
        return NaturalDispersion(m->inputs, m->run, 3, 90, e, 0, 1, 0, A, Vr);
    };
    const double direct = D(100, 50);
    EXPECT_GT(direct, 0);
    // A large viscous release breaks fewer waves.
    e.visc = 5e-5;
    EXPECT_GT(D(100, 3200), 0);
    EXPECT_LT(D(100, 3200), D(100, 100));
    e.visc = m->setup.InitialOil.visc0;
    // With sediment in the water the oil-sediment term adds to it.
    m->inputs.sediment = 0.05;
    EXPECT_GT(D(100, 50), direct);
    // Never more than the LE holds; nothing inside a boom.
    EXPECT_EQ(D(1e12, 50), e.Vol);
    m->inputs.containedArea = 1000;
    EXPECT_EQ(D(100, 50), 0);
}

// The values the step loop keeps to avoid computing a function twice must
// never stand in for a different argument.

TEST(KeptValues, AnArgumentIsTheSameOnlyWithItsSignAndNeverWhenNotANumber) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(SameArgument(0.25, 0.25));
    EXPECT_FALSE(SameArgument(0.0, -0.0));  // sqrt, 1/x and the like tell them apart
    EXPECT_FALSE(SameArgument(nan, nan));

    int calls = 0;
    Remembered r;
    auto root = [&](double x) {
        ++calls;
        return std::sqrt(x);
    };
    EXPECT_EQ(r.Of(4.0, root), 2.0);
    EXPECT_EQ(r.Of(4.0, root), 2.0);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(std::signbit(r.Of(-0.0, root)));
    EXPECT_FALSE(std::signbit(r.Of(0.0, root)));
    EXPECT_EQ(r.Of(9.0, root), 3.0);
    EXPECT_EQ(calls, 4);
}

// An LE's dispersion memo, kept while its viscosity and water content change,
// gives what a fresh computation gives, bit for bit.
TEST(KeptValues, DispersionWithAKeptMemoMatchesAFreshComputation) {
    auto m = Prepared();
    m->inputs.sediment = 0.05;
    LE e{};
    e.Vol = 0.5;
    e.rho = m->setup.InitialOil.rho0;
    const double A = 200, Vr = 500;
    const DispersionWaves at = DispersionWavesAt(m->inputs, m->run, 3, 0, 1, 900);
    ASSERT_GT(at.DeFactor, 0);  // the waves break

    DispersionMemo memo;
    const double viscosities[] = {1e-5, 1e-5, 5e-5, 5e-5, 2e-4, 1e-5};
    const double waters[] = {0, 0.1, 0.1, 0.4, 0.4, 0.6};
    for (int k = 0; k < 6; ++k) {
        e.visc = viscosities[k];
        e.Y = waters[k];
        const double kept = NaturalDispersionIn(m->inputs, at, 90, e, A, Vr, memo);
        const double fresh = NaturalDispersion(m->inputs, m->run, 3, 90, e, 0, 1, 900, A, Vr);
        EXPECT_EQ(kept, fresh) << "sub-step " << k;
        EXPECT_GT(fresh, 0);
    }
}

}  // namespace
}  // namespace ormix
