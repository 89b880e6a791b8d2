#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "model/particle_drift.h"
#include "model/spreading.h"
#include "model_fixture.h"
#include "temp_dir.h"

namespace ormix {
namespace {

using testing::NewModel;
using testing::Records;
using testing::SetUpFrom;

// 10 m3 inside a boom, set up and not yet spread; null if set-up failed.
std::unique_ptr<WeatheringModel> BoomedModel(int hours, double contained, MessageSink& sink) {
    auto m = NewModel(&sink);
    if (!SetUpFrom(*m, Records(hours).Boomed(10, contained))) return nullptr;
    return m;
}

// Minimum thickness 0.1 mm: 10 m3 may cover at most 100,000 m2.
TEST(Spreading, BoomedReleaseSharesTheContainedAreaInEveryHour) {
    // Area contained (m2), hours; area (m2) and thickness (m) of each LE.
    for (auto [contained, hours, perLE, thick] : {std::array{1000.0, 12.0, 500.0, 0.01},
                                                  {200000.0, 12.0, 50000.0, 1e-4},
                                                  {1000.0, 1.0, 500.0, 0.01}}) {
        CollectingSink sink;
        auto m = BoomedModel(static_cast<int>(hours), contained, sink);
        ASSERT_TRUE(m);
        Spread(*m);
        EXPECT_TRUE(sink.messages.empty());
        for (int i = 0; i < 2; ++i) {
            for (int h = 0; h < hours; ++h) {
                EXPECT_DOUBLE_EQ(m->les.le[i].area[h], perLE) << contained << " m2, hour " << h;
                EXPECT_DOUBLE_EQ(m->les.le[i].thick[h], thick) << contained << " m2, hour " << h;
            }
        }
        EXPECT_EQ(m->les.le[2].area[0], NoData);
    }
}

// On open water, with a current and a turning wind: hours, m3 at hour 1 and
// m3/h from hour 1 to 24 (0: none).
TEST(Spreading, OpenWaterAreasAreLimitedAndThicknessFollowsThem) {
    for (auto [hours, instant, continuous] :
         {std::array{120.0, 1.0, 0.0}, {48.0, 20000.0, 0.0}, {36.0, 500.0, 40.0}}) {
        SCOPED_TRACE(::testing::Message() << hours << " h, " << instant << " m3");
        Records r(static_cast<int>(hours));
        r.Instant(instant).water.speed = 0.3;
        r.water.direction = 45;
        if (continuous > 0) r.continuous = {true, 1, 24, continuous, continuous, 3};
        for (int h = 0; h < hours; ++h)
            r.wind.direction[h] = 200 + (h % 7) * 15;
        CollectingSink sink;
        auto m = NewModel(&sink);
        ASSERT_TRUE(SetUpFrom(*m, r));
        Spread(*m);
        EXPECT_TRUE(sink.messages.empty());
        const double hmin = m->inputs.oil.minThickness;
        bool capped = false;
        for (int h = 0; h < m->run.numHours; ++h) {
            const int released = m->setup.release[h].cumLE;
            double sum = 0;
            for (int i = 0; i < m->les.numLEs; ++i) {
                const LE& e = m->les.le[i];
                if (i >= released) {
                    EXPECT_EQ(e.area[h], NoData) << "LE " << i << " before its release, hour " << h;
                    continue;
                }
                ASSERT_TRUE(std::isfinite(e.area[h]) && e.area[h] > 0)
                    << "LE " << i << " hour " << h;
                EXPECT_NEAR(e.thick[h], e.Vol / e.area[h], 1e-12 * e.thick[h]);
                // Never thinner than a quarter of the minimum thickness.
                EXPECT_LE(e.area[h], 4 * e.Vol / hmin * (1 + 1e-12));
                sum += e.area[h];
            }
            const double maxArea = m->setup.release[h].cumVol / hmin;
            EXPECT_LE(sum, maxArea * (1 + 1e-12)) << "hour " << h;
            capped |= sum > 0.99 * maxArea;
        }
        EXPECT_TRUE(capped || hours < 120);  // the thin, long case reaches the limit
    }
}

// Once released, the slick never covers more than the oil at the minimum
// thickness, and LE 9 is never given less than its area at release (dump).
TEST(Spreading, WholeRunKeepsSlickAndLEAreasWithinTheirLimits) {
    testing::TempDir dir;
    auto m = NewModel();
    m->run.workDir = dir.Path();
    ASSERT_TRUE(testing::RunFrom(*m, Records(120).Instant(1), true));
    const double hmin = m->inputs.oil.minThickness;
    // From the last step of the release hour on, every LE is out.
    for (int s = m->run.stepsPerHour - 1; s < m->run.numSteps; ++s)
        EXPECT_LE(m->results.result[s].slickArea,
                  m->results.result[s].released.best / hmin * (1 + 1e-12))
            << "step " << s;

    const std::string dump = testing::ReadFile(dir.File("OrmixCore.dmp"));
    int seen = 0;
    for (size_t at = dump.find("LE_area\t= "); at != std::string::npos;
         at = dump.find("LE_area\t= ", at + 1), ++seen)
        EXPECT_GE(std::strtod(dump.c_str() + at + 10, nullptr), m->les.le[9].initArea - 1e-4);
    EXPECT_GT(seen, 200);
}

// An LE whose two particles form no triangle covers the most its volume may:
// each particle at a quarter of the minimum thickness.
TEST(Spreading, ParticlesInNoTriangleTakeTheLargestAreaTheirVolumeAllows) {
    auto m = NewModel();
    ASSERT_TRUE(SetUpFrom(*m, Records(12).Instant(5)));
    m->les.numLEs = 1;
    for (int h = 0; h < 12; ++h)
        m->setup.release[h].cumLE = 1;
    m->setup.release[0].nLE = 1;
    Spread(*m);
    const LE& e = m->les.le[0];
    for (int h = 0; h < 12; ++h)
        EXPECT_DOUBLE_EQ(e.area[h], 4 * e.Vol / m->inputs.oil.minThickness) << "hour " << h;
    EXPECT_EQ(m->les.le[1].area[1], NoData);
}

// Threads waiting for the spreading beside the run triangulate hours
// meanwhile, changing no area, thickness or message.
TEST(Spreading, ThreadsWaitingForTheSpreadingTakeHoursAndChangeNoBit) {
    Records r(49);
    r.Instant(3000).continuous = {true, 2, 40, 30, 5, 3};
    CollectingSink aloneSink, besideSink;
    auto alone = NewModel(&aloneSink);
    auto beside = NewModel(&besideSink);
    ASSERT_TRUE(SetUpFrom(*alone, r));
    ASSERT_TRUE(SetUpFrom(*beside, r));
    Spread(*alone);

    BackgroundSpread spread(*beside);
    std::vector<std::thread> waiters;
    for (int t = 0; t < 3; ++t)
        waiters.emplace_back([&spread, t] {
            for (int h = t; h <= 49; h += 7)
                spread.WaitForHours(h);
            spread.WaitForHours(kHours + 1);
        });
    for (std::thread& w : waiters)
        w.join();
    spread.Finish(besideSink);

    EXPECT_GT(spread.HoursTriangulatedByWaiters(), 0);
    ASSERT_GT(alone->les.numLEs, 100);
    EXPECT_TRUE(testing::SameSpread(*alone, *beside));
    EXPECT_EQ(testing::Texts(aloneSink), testing::Texts(besideSink));
}

// In the first half of an hour's steps only the LEs released before its
// middle move (of an odd number, the larger half); then all that are out.
TEST(Spreading, TheLEsReleasedLateInTheHourStartMovingAtItsMiddle) {
    // Hour, steps an hour, LEs out by its end, LEs released in it; LEs moving
    // in each step of each half.
    for (auto [h, sph, c, n, firstHalf, secondHalf] :
         {std::array{2, 8, 30, 10, 25, 30},  // 20 out before
          std::array{0, 2, 5, 5, 3, 5},      // odd: 3 of 5 first
          std::array{4, 2, 12, 0, 12, 12},   // no release
          std::array{0, 8, 1, 1, 1, 1}})     // a lone LE moves
        for (int k = 0; k < sph; ++k)
            EXPECT_EQ(MovingLEs(h * sph + k, h, sph, c, n), 2 * k < sph ? firstHalf : secondHalf)
                << "hour " << h << " of " << c << " LEs, step " << k;
}

}  // namespace
}  // namespace ormix
