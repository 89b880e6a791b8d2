// Properties of a whole run that hold for any oil, water and wind: the oil
// budget balances, evaporation only grows, the emulsion never sinks below
// the water nor holds more water than it can, and no result is not a number.
// The scenarios are drawn from a grid by a seeded generator.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "model/run.h"
#include "model_fixture.h"
#include "oil_samples.h"

namespace ormix {
namespace {

using testing::NewModel;
using testing::Records;
using testing::RunFrom;

InputOil OilOfKind(int k) {
    switch (k) {
        case 0:
            return testing::LightCrude();
        case 1:
            return testing::MediumCrude();
        case 2:
            return testing::HeavyFuelOil();
        case 3:
            return testing::Diesel();
        case 4: {
            // A crude without cuts, by its API alone, with metals and a
            // weathered viscosity point.
            InputOil o = testing::BasicOil("crude", 22, 921, 300, 15);
            o.viscRef_value[1] = 2000e-6;
            o.viscRef_temp[1] = 288.15;
            o.viscRef_fevap[1] = 0.2;
            o.nickel = 20;
            o.vanadium = 40;
            o.benzene = 0;
            return o;
        }
        default: {
            // Cuts by weight, a given emulsion and a viscosity multiplier.
            InputOil o = testing::MediumCrude();
            o.dist_volumeFrac = 0;
            o.waterContent = 0.7;
            o.viscMultiplier = 300;
            o.asphalt = 0.04;
            return o;
        }
    }
}

struct Scenario {
    int oil, hours, release, uncertainty;
    double celsius, wind, waves;
    std::string Describe() const {
        std::ostringstream os;
        os << "oil " << oil << ", " << hours << " h, release " << release << ", " << celsius
           << " deg C, wind " << wind << " m/s, waves " << waves << ", uncertainty " << uncertainty;
        return os.str();
    }
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
    switch (c.release) {
        case 0:
            r.Instant(5);
            break;
        case 1:
            r.Instant(2000);
            break;
        case 2:
            r.continuous = {true, 1, c.hours / 2, 40, 10, 3};
            break;
        default:
            r.boomed = {true, 1, 50, kVolCubicMetres, 20000, 3};
            break;
    }
    if (c.uncertainty & 1) {
        r.uncertainty.volFlag = 1;
        r.uncertainty.vol = 25;
    }
    if (c.uncertainty & 2) {
        r.uncertainty.windFlag = 1;
        r.uncertainty.wind = 4;
        r.uncertainty.windUnits = 3;
    }
    if (c.uncertainty & 4) {
        r.uncertainty.emulFlag = 1;
        r.uncertainty.emul = 10;
        r.uncertainty.emulUnits = 1;
    }
    // Some response now and then.
    if (c.release == 1) {
        r.skimmer.num = 1;
        r.skimmer.startHour[0] = 3;
        r.skimmer.duration[0] = 5;
        r.skimmer.rate[0] = 20;
        r.skimmer.rateUnits[0] = 3;
        r.dispersant.num = 1;
        r.dispersant.startHour[0] = 6;
        r.dispersant.duration[0] = 2;
        r.dispersant.dispersed[0] = 50;
        r.dispersant.sprayed[0] = 40;
    }
    return r;
}

double Amount(double v) {
    return v == NoData ? 0.0 : v;
}

bool Finite(const StepResult& x) {
    const double* v = reinterpret_cast<const double*>(&x);
    for (size_t i = 0; i < sizeof x / sizeof(double); ++i)
        if (!std::isfinite(v[i])) return false;
    return true;
}

void CheckRun(const Scenario& c) {
    SCOPED_TRACE(c.Describe());
    CollectingSink sink;
    auto m = NewModel(&sink);
    m->run.random.Seed(1000 + c.oil);
    Records r = Build(c);
    ASSERT_TRUE(RunFrom(*m, r));
    for (const Message& msg : sink.messages)
        ADD_FAILURE() << "unexpected message: " << msg.text;

    const double rhoW = m->inputs.waterDensity, Ymax = m->inputs.oil.waterContent;
    ASSERT_LT(m->setup.InitialOil.rho0, rhoW);
    double prevEvap = 0, prevFraction = 0;
    for (int s = 0; s < m->run.numSteps; ++s) {
        SCOPED_TRACE("step " + std::to_string(s));
        const StepResult& x = m->results.result[s];
        ASSERT_TRUE(Finite(x));
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
        for (const Quad* q : {&x.density}) {
            ASSERT_LE(q->high, rhoW * (1 + 1e-12));
            ASSERT_LE(q->mean, rhoW * (1 + 1e-12));
            ASSERT_GT(q->low, 0);
        }
        if (x.water.mean != NoData) {
            ASSERT_LE(x.water.high, Ymax * (1 + 1e-12));
            ASSERT_LE(x.water.mean, Ymax * (1 + 1e-12));
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
        Scenario c;
        c.oil = n % 6;  // every oil several times
        c.hours = hours[pick() % 4];
        c.release = pick() % 4;
        c.celsius = celsius[pick() % 4];
        c.wind = winds[pick() % 5];
        c.waves = pick() % 4 == 0 ? 1.5 : NoData;
        c.uncertainty = pick() % 8;
        CheckRun(c);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// A scenario file carries the oil's values as they stand: one far outside
// what any oil has drives the water uptake to infinity. The run must say so
// and end without results rather than show results that are not numbers.
TEST(RunProperties, ResultsThatAreNotNumbersEndTheRunWithAMessage) {
    CollectingSink sink;
    auto m = NewModel(&sink);
    Records r(24);
    r.Instant(1000);
    r.oil.waterUptakeRate = 1e308;
    EXPECT_FALSE(RunFrom(*m, r));
    EXPECT_TRUE(sink.Contains(kResultsNotNumbers));

    // The same oil with a water uptake rate an oil can have runs.
    CollectingSink fine;
    auto n = NewModel(&fine);
    r.oil.waterUptakeRate = 2e-6;
    EXPECT_TRUE(RunFrom(*n, r));
    EXPECT_FALSE(fine.Contains(kResultsNotNumbers));
}

}  // namespace
}  // namespace ormix
