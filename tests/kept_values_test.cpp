// The values that the step loop keeps to avoid computing a function twice
// must never stand in for a different argument: a kept value is only as good
// as the test that decides it still holds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/processes.h"
#include "model_fixture.h"

namespace ormix {
namespace {

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

// An LE's dispersion memo follows it from sub-step to sub-step while its
// viscosity and water content change: each result is the one a fresh
// computation gives, bit for bit.
TEST(KeptValues, DispersionWithAKeptMemoMatchesAFreshComputation) {
    auto m = testing::NewModel();
    testing::Records r(24);
    r.Instant(100);
    ASSERT_TRUE(testing::SetUpFrom(*m, r));
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
