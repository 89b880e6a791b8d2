#include <gtest/gtest.h>

#include "core/units.h"
#include "model_fixture.h"

namespace ormix {
namespace {

using testing::NewModel;
using testing::Records;

TEST(Fill, TonsBecomeVolumeThroughTheOilDensityOrTheApiGravity) {
    auto m = NewModel();
    Records r;
    r.Instant(10).instant.volUnits = kVolTons;
    r.oil.rhoRef_value[0] = 850;
    FillModel(*m, r.Set());
    EXPECT_NEAR(m->inputs.instVol, 10.673, 5e-4);  // 10 x 907.2 / 850

    r.Instant(1).instant.volUnits = kVolMetricTons;
    r.oil.rhoRef_value[0] = NoData;  // the oil fill then derives one from the API 30
    FillModel(*m, r.Set());
    EXPECT_NEAR(m->inputs.oil.rhoRef_value[0], 141500 / 161.5, 1e-9);
    EXPECT_NEAR(m->inputs.oil.rhoRef_temp[0], 288.7, 1e-12);
    EXPECT_NEAR(m->inputs.instVol, 1000 / (141500 / 161.5), 1e-9);

    // When even the derived density is not positive, the water density stands in.
    m->Reset();
    m->inputs.waterDensity = 1025;
    m->inputs.oil.rhoRef_value[0] = -1;
    m->inputs.oil.api = 30;
    InputInstant in = r.instant;
    FillInstant(*m, in);
    EXPECT_NEAR(m->inputs.instVol, 1000 / (141.5 * 1025 / 161.5), 1e-9);
}

TEST(Fill, BoomedReleaseReplacesInstantaneous) {
    auto m = NewModel();
    FillModel(*m, Records().Instant(50, 3).Boomed(10, 1000).Set());
    EXPECT_EQ(m->inputs.instStartHour, 1);
    EXPECT_EQ(m->inputs.instVol, 10);
    EXPECT_EQ(m->inputs.containedArea, 1000);
}

TEST(Fill, UnknownUnitCodeStopsTheFillAndLeavesItsFlag) {
    auto m = NewModel();
    m->run.envChanged = false;
    // Speed unit 9: no such unit.
    FillWater(*m,
              {.temperature = 15, .tempUnits = 2, .speed = 1, .speedUnits = 9, .direction = 90});
    EXPECT_NEAR(m->inputs.waterTemp, 288.15, 1e-12);  // written before the unknown code
    EXPECT_EQ(m->inputs.currentDirection, NoData);    // after it: untouched
    EXPECT_FALSE(m->run.envChanged);

    m->run.responseChanged = false;
    Records r;
    FillBurn(*m, r.Burn(1, 10, 7, NoData).burn);
    EXPECT_FALSE(m->run.responseChanged);
}

TEST(Fill, ResponseOperationsInSI) {
    auto m = NewModel();
    Records r;
    r.Burn(2, 10, 1, 100, 1).Skim(1, 10, NoData).Spray(3, 2, 50, 80);
    r.burn.burnRegRate = 0.004;
    r.burn.burnRegRateUnits = 2;
    r.skimmer.amount[0] = 100;
    r.skimmer.amountUnits[0] = kVolBarrels;
    r.beached.volUnits = kVolGallons;
    r.beached.vol[5] = 3600;
    FillModel(*m, r.Set());
    EXPECT_NEAR(m->inputs.burnArea[0], 9.29335225, 1e-9);
    EXPECT_NEAR(m->inputs.burnRate, 0.004 * 0.0254, 1e-15);
    EXPECT_NEAR(m->inputs.skimAmount[0], 15.8987294928, 1e-9);
    EXPECT_NEAR(m->inputs.dispDispersed[0], 0.5, 1e-15);
    EXPECT_NEAR(m->inputs.dispSprayed[0], 0.8, 1e-15);
    EXPECT_NEAR(m->setup.response[5].beach, 0.003785411784, 1e-15);
    EXPECT_EQ(m->setup.response[4].beach, 0);
}

}  // namespace
}  // namespace ormix
