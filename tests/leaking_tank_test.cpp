#include <gtest/gtest.h>

#include <cmath>

#include "calculators/leaking_tank.h"
#include "model_fixture.h"

namespace ormix {
namespace {

// A 10 m cube holding 800 m3 (8 m of oil), a 20 cm round hole 1 m above the
// bottom, the outside water at the tank bottom.
InputTank Cube() {
    return {.flag = true,
            .tHeight = 10,
            .tWidth = 10,
            .tLength = 10,
            .oVol = 800,
            .oUnits = 3,
            .hDiam = 0.2,
            .hArea = 0.2 * 0.2 * kPi / 4,
            .zHeight = 1,
            .wHeight = 0};
}

struct Outflow {
    TankModel tank;
    double hourly[kHours];
    int duration = 0;
    double total = 0;
    CollectingSink messages;
};

Outflow Drain(const InputTank& in, double rhoW = 1025, double rhoO = 870) {
    Outflow out;
    PrepareTankModel(out.tank, in);
    out.duration = ComputeTankRelease(out.tank, rhoW, rhoO, out.hourly, out.messages);
    for (double v : out.hourly)
        out.total += v;
    return out;
}

// What the drain curve holds: every segment's flow times its length.
double CurveVolume(const TankModel& t) {
    double sum = 0, previous = 0;
    for (int i = 0; i < t.pointCount; ++i) {
        sum += t.flow[i] * (t.time[i] - previous);
        previous = t.time[i];
    }
    return sum;
}

TEST(LeakingTank, VentedDrainReleasesTheOilAboveTheOpening) {
    const Outflow o = Drain(Cube());
    ASSERT_GT(o.tank.pointCount, 100);
    EXPECT_LE(o.tank.pointCount, kTankPoints);
    EXPECT_DOUBLE_EQ(o.tank.oilLevel[0], 8);
    // The oil above the opening leaves, within one explicit step.
    EXPECT_NEAR(o.total, 700, 700 * 0.01);
    EXPECT_EQ(o.duration, static_cast<int>(std::ceil(o.tank.time[o.tank.pointCount - 1])));
    EXPECT_EQ(o.tank.durationSeconds, o.duration);
    EXPECT_TRUE(o.messages.messages.empty());
}

TEST(LeakingTank, HoleAtTheWaterLevelCountsAsUnderwater) {
    InputTank in = Cube();
    in.wHeight = in.zHeight;
    const Outflow o = Drain(in);
    // The underwater drain's first point is the start itself.
    ASSERT_GE(o.tank.pointCount, 2);
    EXPECT_EQ(o.tank.time[0], 0);
    EXPECT_EQ(o.tank.flow[0], 0);
    const int last = o.tank.pointCount - 1;
    EXPECT_LE(o.tank.pointCount, kTankPoints);
    EXPECT_DOUBLE_EQ(o.tank.waterInside[last], 1.2);  // the top of the opening
    // The exchange of oil for water through the opening starts where the
    // drain's last point ends: the duration as recorded, in seconds.
    EXPECT_EQ(o.duration, 37048);
}

TEST(LeakingTank, UnderwaterDrainNeverReleasesMoreThanTheTankHolds) {
    double previous = 1e9;
    for (double water : {1.0, 1.19, 1.2, 2.0, 6.0}) {
        InputTank in = Cube();
        in.wHeight = water;
        const Outflow o = Drain(in);
        EXPECT_LE(o.total, 800 * (1 + 1e-9)) << "water at " << water << " m";
        const int last = o.tank.pointCount - 1;
        EXPECT_GE(o.tank.oilLevel[last], o.tank.waterInside[last]) << "water at " << water << " m";
        // Deeper water outside holds more oil in (1, 2 and 6 m).
        if (water == std::floor(water)) {
            EXPECT_LT(o.total, previous) << "water at " << water << " m";
            previous = o.total;
        }
    }
}

// An opening at or above the oil surface releases nothing, silently; a tank
// without an opening says it is incomplete.
TEST(LeakingTank, OpeningAtOrAboveTheOilSurfaceOrNoneReleasesNothing) {
    for (double hole : {8.0, 9.0, NoData}) {
        InputTank in = Cube();
        if (hole == NoData)
            in.hDiam = in.hArea = NoData;
        else
            in.zHeight = hole;
        const Outflow o = Drain(in);
        EXPECT_EQ(o.tank.pointCount, 0);
        EXPECT_EQ(o.duration, 0);
        EXPECT_EQ(o.total, 0);
        EXPECT_EQ(o.messages.Contains(kTankIncomplete), hole == NoData);
        EXPECT_EQ(o.messages.messages.size(), hole == NoData ? 1u : 0u);
    }
}

// Oil as heavy as the water sinks; an unvented tank holed above the water
// is not computed; negative densities take the defaults.
TEST(LeakingTank, SinkingOilAndUnventedTanksReleaseNothing) {
    InputTank in = Cube();
    in.wHeight = 5;
    const Outflow sinks = Drain(in, 1020, 1020);
    EXPECT_EQ(sinks.total, 0);
    ASSERT_EQ(sinks.messages.messages.size(), 1u);
    EXPECT_EQ(sinks.messages.messages[0].text, "Leaking Tank: Oil Sinks");
    in.wHeight = 3;
    EXPECT_EQ(Drain(in, 1024, 905.632).duration, Drain(in, -1, -1).duration);
    in = Cube();
    in.vent = 0;
    const Outflow unvented = Drain(in);
    EXPECT_EQ(unvented.total, 0);
    EXPECT_TRUE(unvented.messages.Contains("Leaking Tank: air ingestion not yet supported."));
}

TEST(LeakingTank, HourlyVolumesShareEachSegmentAcrossHourEnds) {
    // A small opening drains for several hours: the hours together hold
    // every segment's flow times its length.
    InputTank in = Cube();
    in.hDiam = 0.03;
    in.hArea = 0.03 * 0.03 * kPi / 4;
    const Outflow o = Drain(in);
    ASSERT_GT(o.duration, 3 * 3600);
    const double sum = CurveVolume(o.tank);
    EXPECT_NEAR(o.total, sum, sum * 1e-12);
    const int hours = static_cast<int>(std::ceil(o.duration / 3600.0));
    for (int h = 0; h < hours; ++h)
        EXPECT_GT(o.hourly[h], 0) << "hour " << h;
    EXPECT_EQ(o.hourly[hours], 0);
}

TEST(LeakingTank, ReleaseLongerThan120HoursIsCutButItsDurationIsNot) {
    InputTank in = Cube();
    in.tHeight = in.tWidth = in.tLength = 20;
    in.oVol = 7000;
    in.hDiam = 0.02;
    in.hArea = 0.02 * 0.02 * kPi / 4;
    const Outflow o = Drain(in);
    EXPECT_GT(o.duration, kHours * 3600);
    EXPECT_GT(o.hourly[kHours - 1], 0);
    EXPECT_LT(o.total, CurveVolume(o.tank) * 0.99);
}

// Unset sizes stay unset instead of becoming products of -999. (The units
// are converted in the tank wizard's feet, inches and barrels test.)
TEST(LeakingTank, PreparationLeavesUnsetSizesUnset) {
    TankModel t;
    InputTank empty;
    PrepareTankModel(t, empty);
    EXPECT_EQ(t.bottomArea, NoData);
    EXPECT_EQ(t.oilHeight, NoData);
    EXPECT_EQ(t.dischargeCoefficient, 0.65);
}

TEST(LeakingTank, ModelRunAddsTheOutflowFromItsStartHour) {
    testing::Records r(24);
    r.tank = Cube();
    r.tank.startHour = 3;
    r.tank.hDiam = 0.1;
    r.tank.hArea = 0.1 * 0.1 * kPi / 4;
    auto m = testing::SetUpNew(r);
    ASSERT_GT(m->inputs.tank.durationSeconds, 3600);
    double total = 0;
    for (int h = 1; h <= m->run.numHours; ++h)
        total += m->setup.hourlyVolume[h];
    EXPECT_EQ(m->setup.hourlyVolume[2], 0);
    EXPECT_GT(m->setup.hourlyVolume[3], 0);
    EXPECT_GT(total, 600);
    EXPECT_EQ(m->inputs.tank.lastHour, 3 + (m->inputs.tank.durationSeconds - 1) / 3600);
}

}  // namespace
}  // namespace ormix
