#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>

#include "model/run_length.h"
#include "model_fixture.h"

namespace ormix {
namespace {

using testing::NewModel;
using testing::Records;
using testing::SetUpFrom;
using testing::SetUpNew;

TEST(SetUp, StepsPerHourFollowTheLengthOfTheRun) {
    // Hours, steps an hour, seconds a step.
    for (auto [hours, perHour, deltat] : {std::array{12, 8, 450},
                                          {13, 6, 600},
                                          {24, 6, 600},
                                          {25, 4, 900},
                                          {48, 4, 900},
                                          {49, 2, 1800}}) {
        auto m = SetUpNew(Records(hours).Instant(100));
        EXPECT_EQ(m->run.numHours, hours);
        EXPECT_EQ(m->run.stepsPerHour, perHour) << hours << " hours";
        EXPECT_EQ(m->run.deltat, deltat) << hours << " hours";
        EXPECT_EQ(m->run.numSteps, hours * perHour);
    }
}

// The run says what ended it: the last wind, or the 5 day limit.
TEST(SetUp, HoursOfTheRunEndAtTheLastGivenWind) {
    Records r(120);
    auto m = SetUpNew(r.Instant(100));
    EXPECT_EQ(RunLengthOf(*m).hours, 120);
    EXPECT_EQ(RunLengthOf(*m).end, RunEnd::FiveDayLimit);

    r.wind.speed[119] = NoData;
    r.wind.speed[50] = NoData;  // a gap inside still counts
    ASSERT_TRUE(SetUpFrom(*m, r));
    EXPECT_EQ(RunLengthOf(*m).hours, 119);
    EXPECT_EQ(RunLengthOf(*m).end, RunEnd::LastWind);

    for (WindHour& w : m->inputs.wind)
        w.speed = NoData;
    EXPECT_EQ(RunLengthOf(*m).hours, 0);
    EXPECT_EQ(RunLengthOf(*m).end, RunEnd::NoWind);
}

TEST(SetUp, LEsOfASingleInstantaneousReleaseFollowItsVolume) {
    for (auto [volume, count] : {std::pair{9.99, 120}, {10.0, 180}, {999.0, 180}, {1000.0, 240}}) {
        auto m = SetUpNew(Records().Instant(volume));
        EXPECT_EQ(m->les.numLEs, count) << volume << " m3";
        EXPECT_EQ(m->setup.releaseHours, 1);
        EXPECT_EQ(m->setup.release[0].nLE, count);
        EXPECT_DOUBLE_EQ(m->setup.release[0].volLE * m->setup.release[0].nLE, volume);
    }
}

TEST(SetUp, ContinuousReleaseHourlyVolumes) {
    Records r;
    r.continuous = {true, 3, 6, 100, 20, 3};  // 100 m3/h falling to 20 m3/h over hours 3..6
    auto m = SetUpNew(r);
    EXPECT_EQ(m->setup.hourlyVolume[2], 0);
    double slope = (20.0 - 100.0) / 4 / 3600;
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(m->setup.hourlyVolume[3 + i], ((i + 0.5) * slope + 100.0 / 3600) * 3600, 1e-9);
    EXPECT_EQ(m->setup.hourlyVolume[7], 0);
    EXPECT_EQ(m->setup.releaseHours, 4);
    // Fewer than 6 release hours and under 1000 m3: 180 LEs in all, at least 2 an hour.
    int total = 0;
    for (int h = 0; h < m->run.numHours; ++h) {
        if (m->setup.release[h].vol > 0) {
            EXPECT_GE(m->setup.release[h].nLE, 2);
        }
        total += m->setup.release[h].nLE;
    }
    EXPECT_EQ(total, m->les.numLEs);
    EXPECT_LE(m->les.numLEs, 180 + 2 * 4);
}

// Every LE starts with an area and a spreading factor held within 0..1.
TEST(SetUp, LEsStartWithAnAreaAndASpreadingFactor) {
    auto m = SetUpNew(Records().Instant(100));
    for (int i = 0; i < m->les.numLEs; ++i) {
        const LE& e = m->les.le[i];
        ASSERT_GT(e.initArea, 0);
        ASSERT_TRUE(e.alpha3 >= 0 && e.alpha3 <= 1) << e.alpha3;
    }
}

TEST(SetUp, CurrentDisplacementPerStep) {
    Records r(12);
    r.Instant(100).water.speed = 1;
    r.water.direction = 90;  // flowing east
    auto m = SetUpNew(r);
    EXPECT_NEAR(m->setup.currentDx, std::sin(1.57) * 450, 1e-9);
    EXPECT_NEAR(m->setup.currentDy, std::cos(1.57) * 450, 1e-9);
}

TEST(SetUp, LEWithoutAnAreaStopsTheSetUp) {
    CollectingSink sink;
    auto m = NewModel(&sink);
    m->Reset();
    FillModel(*m, Records().Instant(100).Set());
    m->setup.k2 = 0;  // no spreading at all: every initial area is 0
    EXPECT_FALSE(m->SetUp());
    EXPECT_TRUE(sink.Contains("Initial LE area not properly set"));
}

// Hourly removal schedules.

// A scenario file carries the operations' hours as they stand: the largest
// whole numbers must neither overflow nor reach past the run.
TEST(RemovalSchedule, HoursAsLargeAsAWholeNumberGoes) {
    constexpr int kLargest = 2147483647;
    // From hours 117 and 118 to the end, from a start that never comes, before
    // the release or beyond the run.
    auto m = SetUpNew(Records()
                          .Instant(100)
                          .Spray(0, 5, 100, 100)
                          .Spray(125, 5, 100, 100)
                          .Skim(117, kLargest, 36)
                          .Skim(kLargest, kLargest, 36)
                          .Spray(118, kLargest, 50, 80)
                          .Spray(kLargest, kLargest, 100, 100));
    for (int h = 0; h < kHours; ++h) {
        EXPECT_EQ(m->setup.response[h].skim, h >= 116 ? 0.01 : 0.0) << "hour " << h;
        // The spray shortened to the run's last three hours.
        EXPECT_NEAR(m->setup.response[h].chemDisp, h >= 117 ? 0.4 / (3 * 3600.0) : 0.0, 1e-15);
    }
}

TEST(RemovalSchedule, Burns) {
    Records r;
    r.Instant(1000);
    // 500 m2 of 10 mm at the default 0.04 mm/s: 250 s at 0.02 m3/s, twice.
    r.Burn(4, 10, 1, 500).Burn(4, 10, 1, 500);
    // 2.5 hours from start hour 1: 360 mm at 0.04 mm/s is 9000 s.
    r.Burn(1, 360, 1, 100);
    auto m = SetUpNew(r);
    EXPECT_NEAR(m->setup.response[3].burn, 2 * 250 * 0.02 / 3600, 1e-12);
    double q = 4e-5 * 100;
    EXPECT_NEAR(m->setup.response[0].burn, q, 1e-15);
    EXPECT_NEAR(m->setup.response[1].burn, q, 1e-15);
    EXPECT_NEAR(m->setup.response[2].burn, q / 2, 1e-12);
    EXPECT_EQ(m->setup.response[4].burn, 0);

    // A regression rate given replaces the default: 1 cm at 0.1 mm/s is 100 s.
    r.burn.num = 0;
    r.Burn(1, 1, 2, 100);
    r.burn.burnRegRate = 0.1;
    r.burn.burnRegRateUnits = 1;
    ASSERT_TRUE(SetUpFrom(*m, r));
    EXPECT_NEAR(m->setup.response[0].burn, 100 * (1e-4 * 100) / 3600, 1e-12);
}

}  // namespace
}  // namespace ormix
