// Properties of any run, over a seeded draw from a grid of oils, waters and
// winds: the budget balances, evaporation only grows, the emulsion neither
// sinks nor holds more water than it can, and every result is a number.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "model/run.h"
#include "model_fixture.h"
#include "oil_samples.h"

namespace ormix {
namespace {

using testing::NewModel;
using testing::Records;
using testing::RunFrom;

InputOil OilOfKind(int k) {
    if (k < 4)
        return std::array{testing::LightCrude(), testing::MediumCrude(), testing::HeavyFuelOil(),
                          testing::Diesel()}[k];
    if (k == 4) {
        // A crude without cuts, with metals and a weathered viscosity point.
        InputOil o = testing::BasicOil("crude", 22, 921, 300, 15);
        o.viscRef_value[1] = 2000e-6;
        o.viscRef_temp[1] = 288.15;
        o.viscRef_fevap[1] = 0.2;
        o.nickel = 20;
        o.vanadium = 40;
        o.benzene = 0;
        return o;
    }
    // Cuts by weight, a given emulsion and a viscosity multiplier.
    InputOil o = testing::MediumCrude();
    o.dist_volumeFrac = 0;
    o.waterContent = 0.7;
    o.viscMultiplier = 300;
    o.asphalt = 0.04;
    return o;
}

struct Scenario {
    int oil, hours, release;
    double celsius, wind, waves;
    int uncertainty;
};

Records Build(const Scenario& c) {
    Records r(c.hours);
    r.oil = OilOfKind(c.oil);
    r.water.temperature = c.celsius;
    for (int h = 0; h < c.hours; ++h) {
        // A wind that turns and freshens through the day.
        r.wind.speed[h] = c.wind * (0.6 + 0.4 * ((h * 7) % 12) / 11.0);
        r.wind.direction[h] = (h * 15) % 360;
        r.wind.waveHt[h] = c.waves;
    }
    r.wind.fetchN = r.wind.fetchE = 20;  // miles
    if (c.release == 0) r.Instant(5);
    if (c.release == 1) r.Instant(2000).Skim(3, 5, 20).Spray(6, 2, 50, 40);  // and some response
    if (c.release == 2) r.continuous = {true, 1, c.hours / 2, 40, 10, 3};
    if (c.release == 3) r.Boomed(50, 20000);
    // Volume (25 %), wind (4 m/s) and emulsion (10 %) uncertainty by bits.
    r.AllUncertainties(10);
    r.uncertainty.vol = 25;
    r.uncertainty.wind = 4;
    r.uncertainty.volFlag = c.uncertainty & 1;
    r.uncertainty.windFlag = (c.uncertainty & 2) != 0;
    r.uncertainty.emulFlag = (c.uncertainty & 4) != 0;
    return r;
}

double Amount(double v) {
    return v == NoData ? 0.0 : v;
}

void CheckRun(const Scenario& c) {
    SCOPED_TRACE(::testing::Message()
                 << "oil " << c.oil << ", " << c.hours << " h, release " << c.release << ", "
                 << c.celsius << " deg C, wind " << c.wind << " m/s, waves " << c.waves
                 << ", uncertainty " << c.uncertainty);
    CollectingSink sink;
    auto m = NewModel(&sink);
    m->run.random.Seed(1000 + c.oil);
    ASSERT_TRUE(RunFrom(*m, Build(c)));
    for (const Message& msg : sink.messages)
        ADD_FAILURE() << "unexpected message: " << msg.text;

    const double rhoW = m->inputs.waterDensity, Ymax = m->inputs.oil.waterContent;
    ASSERT_LT(m->setup.InitialOil.rho0, rhoW);
    double prevEvap = 0, prevFraction = 0;
    for (int s = 0; s < m->run.numSteps; ++s) {
        SCOPED_TRACE("step " + std::to_string(s));
        const StepResult& x = m->results.result[s];
        const double* v = reinterpret_cast<const double*>(&x);
        ASSERT_TRUE(
            std::all_of(v, v + sizeof x / sizeof *v, [](double d) { return std::isfinite(d); }));
        double released = x.released.best;
        double accounted = x.remaining.best + x.evaporated.best + Amount(x.dispersed.best) +
                           Amount(x.burned.best) + Amount(x.skimmed.best) + Amount(x.beached.best);
        ASSERT_NEAR(accounted, released, 1e-9 * released);
        ASSERT_GE(x.remaining.best, 0);
        ASSERT_GE(x.evaporated.best, prevEvap);
        prevEvap = x.evaporated.best;
        // With the whole release in the water, the evaporated fraction only grows.
        if (c.release != 2 && s >= m->run.stepsPerHour) {
            double fraction = x.evaporated.best / released;
            ASSERT_GE(fraction, prevFraction);
            prevFraction = fraction;
        }
        ASSERT_LE(x.density.high, rhoW * (1 + 1e-12));
        ASSERT_GT(x.density.low, 0);
        if (x.water.mean != NoData) {
            ASSERT_LE(x.water.high, Ymax * (1 + 1e-12));
            ASSERT_GE(x.water.low, 0);
        }
        ASSERT_GT(x.viscosity.low, 0);
        ASSERT_GT(x.benzene.low, 0);
        // The envelope holds the best run.
        ASSERT_GE(x.remaining.high, x.remaining.best);
        ASSERT_LE(x.remaining.low, x.remaining.best);
    }
    for (int i = 0; i < m->les.numLEs; ++i) {
        const LE& e = m->les.le[i];
        ASSERT_GE(e.f_evap, 0);
        ASSERT_LE(e.f_evap, 1);
        ASSERT_LE(e.Y, Ymax * (1 + 1e-12));
        ASSERT_GE(e.Vol, 0);
    }
}

TEST(RunProperties, HoldOverAGridOfOilsWatersAndWinds) {
    std::mt19937 pick(20240611);
    const int hours[] = {12, 24, 49, 120};
    const double celsius[] = {0, 10, 20, 30};
    const double winds[] = {1, 4, 8, 15, 25};
    for (int n = 0; n < 36; ++n) {
        // Every oil often; the braces draw in order, left to right.
        const Scenario c{n % 6,
                         hours[pick() % 4],
                         static_cast<int>(pick() % 4),
                         celsius[pick() % 4],
                         winds[pick() % 5],
                         pick() % 4 == 0 ? 1.5 : NoData,
                         static_cast<int>(pick() % 8)};
        CheckRun(c);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// An oil value far outside what any oil has (a scenario file carries it as
// it stands) drives the water uptake to infinity: the run must say so and
// end without results rather than show results that are not numbers.
TEST(RunProperties, ResultsThatAreNotNumbersEndTheRunWithAMessage) {
    CollectingSink sink;
    Records r(24);
    r.Instant(1000).oil.waterUptakeRate = 1e308;
    EXPECT_FALSE(RunFrom(*NewModel(&sink), r));
    EXPECT_TRUE(sink.Contains(kResultsNotNumbers));

    // The same oil with a water uptake rate an oil can have runs.
    r.oil.waterUptakeRate = 2e-6;
    EXPECT_TRUE(RunFrom(*NewModel(), r));
}

}  // namespace
}  // namespace ormix
