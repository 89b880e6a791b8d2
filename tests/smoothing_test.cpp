#include "model/smoothing.h"

#include <gtest/gtest.h>

#include "model_fixture.h"

namespace ormix {
namespace {

using testing::NewModel;

// Steps with the given oil remaining and densities (all four values alike).
std::unique_ptr<WeatheringModel> Steps(std::initializer_list<double> oil,
                                       std::initializer_list<double> rho) {
    auto m = NewModel();
    int s = 0;
    for (double v : oil)
        m->results.result[s++].remaining.best = v;
    s = 0;
    for (double v : rho) {
        m->results.result[s].density = {v + 1, v - 1, v, v};
        m->results.result[s].viscosity = m->results.result[s].water =
            m->results.result[s].benzene = {1, 1, 1, 1};
        ++s;
    }
    m->run.numSteps = s;
    return m;
}

TEST(Smoothing, ThreePointsWithPointThreeThreeThree) {
    auto m = Steps({1, 1, 1}, {900, 903, 906});
    SmoothResults(*m, 3, 1, 1, 1);
    EXPECT_NEAR(m->results.result[1].density.mean, 902.097, 1e-9);
    EXPECT_NEAR(m->results.result[1].density.high, 903.096, 1e-9);
    EXPECT_NEAR(m->results.result[0].density.mean, 901.5, 1e-12);
    EXPECT_NEAR(m->results.result[2].density.mean, 904.5, 1e-12);
    // Without uncertainty the second mean keeps the unsmoothed mean; with it,
    // the second mean follows.
    EXPECT_EQ(m->results.result[1].density.mean2, 903);
    auto u = Steps({1, 1, 1}, {900, 903, 906});
    SmoothResults(*u, 3, 2, 1, 1);
    EXPECT_EQ(u->results.result[1].density.mean2, u->results.result[1].density.mean);
    EXPECT_NEAR(u->results.result[1].density.mean2, 902.097, 1e-9);
}

TEST(Smoothing, TwoStepsWithOilBecomeOneValue) {
    auto m = Steps({1, 2}, {900, 910});
    SmoothResults(*m, 2, 1, 1, 1);
    EXPECT_EQ(m->results.result[0].density.mean, 905);
    EXPECT_EQ(m->results.result[1].density.mean, 905);
}

TEST(Smoothing, AStepWithoutOilIsNotSmoothedAcross) {
    auto m = Steps({1, 1, 0, 1, 1}, {900, 904, 950, 910, 920});
    SmoothResults(*m, 5, 1, 1, 1);
    EXPECT_EQ(m->results.result[2].density.mean, 950);
    EXPECT_EQ(m->results.result[1].density.mean, 902);  // with the side that has oil
    EXPECT_EQ(m->results.result[3].density.mean, 915);
}

// The presence mark of an absent water content (NoData in step 0) stays,
// and no neighbour is averaged with it.
TEST(Smoothing, AbsentEntriesKeepTheirMarkAndAreNotAveraged) {
    auto m = Steps({1, 1, 1, 1}, {900, 900, 900, 900});
    m->results.result[0].water = {NoData, NoData, NoData, NoData};
    m->results.result[1].water = {0.2, 0.1, 0.15, 0.15};
    m->results.result[2].water = {0.4, 0.3, 0.35, 0.35};
    SmoothResults(*m, 4, 1, 1, 1);
    EXPECT_EQ(m->results.result[0].water.mean2, NoData);
    EXPECT_NEAR(m->results.result[1].water.mean, 0.25, 1e-12);  // only with step 2
}

}  // namespace
}  // namespace ormix
