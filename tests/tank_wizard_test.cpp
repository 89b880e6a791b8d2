#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "calculators/tank_wizard.h"

namespace ormix {
namespace {

const std::string kHead = "Problem with the Input.\n\n";

// A 12 x 10 x 8 m tank, accepted by Step 1.
InputTank SizedTank(int unit = 0) {
    InputTank t;
    TankSizeEntries s{12, 10, 8, unit};
    EXPECT_TRUE(TankStep1(s, t).accepted);
    return t;
}

// A page's message after the common head (empty when accepted).
std::string Says(const PageCheck& c) {
    EXPECT_EQ(c.accepted ? 0 : c.message.rfind(kHead, 0), 0u) << c.message;
    return c.accepted ? "" : c.message.substr(kHead.size());
}

TEST(TankStep1, RefusesSizesOutsideTheLimitsInTheUnitTyped) {
    const std::pair<TankSizeEntries, std::string> cases[] = {
        {{NoData, 1, 1, 0}, "Please provide estimates for tank length, width and height."},
        {{0.3, 0.3, 0.6, 0}, ""},
        {{20, 20, 20, 0}, ""},
        {{0.29, 1, 1, 0}, "The length of the tank must be between 0.3 and 20 meters."},
        {{1, 20.1, 1, 0}, "The width of the tank must be between 0.3 and 20 meters."},
        {{1, 1, 0.5, 0}, "The height of the tank must be between 0.6 and 20 meters."},
        {{1, 1, 2, 1}, ""},
        {{66, 66, 66, 1}, ""},
        {{67, 1, 2, 1}, "The length of the tank must be between 1 and 66 feet."},
        {{1, 0.9, 2, 1}, "The width of the tank must be between 1 and 66 feet."},
        {{1, 1, 1.9, 1}, "The height of the tank must be between 2 and 66 feet."}};
    for (const auto& [size, says] : cases) {
        InputTank t;
        EXPECT_EQ(Says(TankStep1(size, t)), says);
        // Nothing is stored from a refused page.
        EXPECT_EQ(t.tLength, says.empty() ? size.length : NoData) << says;
        EXPECT_EQ(t.tUnits, says.empty() ? size.unit + 1 : 1) << says;
    }
}

TEST(TankStep2, AmountMustBePositiveAndFitTheTank) {
    InputTank t = SizedTank();  // 960 m3
    TankPageValues p;
    EXPECT_FALSE(TankStep2(p, t).accepted);
    p.amount = 0;
    EXPECT_EQ(Says(TankStep2(p, t)), "The amount of liquid in the tank must be greater than zero.");
    p.amount = 960 / 0.158987294928 * 1.001;
    p.amountUnit = 0;
    EXPECT_EQ(Says(TankStep2(p, t)),
              "The tank exceeds 100% full based on the dimensions provided in Step 1.");
    p.amount = 960 / 0.158987294928 * 0.999;
    ASSERT_TRUE(TankStep2(p, t).accepted);
    EXPECT_EQ(t.oVol, p.amount);
    EXPECT_EQ(t.oUnits, 1);
}

TEST(TankStep2, PercentFullOfAFeetTankIsStoredInCubicFeet) {
    InputTank t = SizedTank(1);
    TankPageValues p;
    p.amountChoice = 1;
    p.percentFull = 50;
    ASSERT_TRUE(TankStep2(p, t).accepted);
    EXPECT_EQ(t.oUnits, 4);
    EXPECT_DOUBLE_EQ(t.oVol, 12 * 10 * 8 * 0.5);
    for (double bad : {0.0, 100.5, 50.5}) {
        p.percentFull = bad;
        EXPECT_EQ(Says(TankStep2(p, t)), "The tank must be between 1 and 100% full.") << bad;
    }
}

TEST(TankStep3, CircularOpeningLimitsAndWhatIsStored) {
    InputTank t = SizedTank();  // bottom 120 m2
    TankPageValues p;
    p.diameterUnit = 1;  // cm
    p.diameter = 0;
    EXPECT_EQ(Says(TankStep3(p, t)),
              "Please enter the diameter of the hole. You either left\nthe field empty or "
              "entered zero.");
    p.diameter = 1.9;
    EXPECT_EQ(Says(TankStep3(p, t)), "The hole diameter must be greater than 2 centimeters.");
    p.diameterUnit = 3;  // inches
    p.diameter = 0.78;
    EXPECT_EQ(Says(TankStep3(p, t)), "The hole diameter must be greater than 0.79 inches.");
    p.diameterUnit = 0;
    p.diameter = 4;  // 12.56 m2 > 12 m2
    EXPECT_EQ(
        TankStep3(p, t).message,
        kHead + "The area of the hole cannot exceed 10% of the area of the bottom of the tank.");
    p.diameter = 0.3;
    ASSERT_TRUE(TankStep3(p, t).accepted);
    EXPECT_DOUBLE_EQ(t.hArea, 0.3 * 0.3 * 3.14 / 4);
}

TEST(TankStep3, RectangularOpeningLimitsAndWhatIsStored) {
    InputTank t = SizedTank();
    TankPageValues p;
    p.openingChoice = 1;
    p.rectUnit = 2;  // feet
    p.rectLength = 0.1;
    EXPECT_EQ(Says(TankStep3(p, t)),
              "Please enter the height of the hole. You either left\nthe field empty or "
              "entered zero.");
    p.rectHeight = 0.1;  // 0.01 ft2
    EXPECT_EQ(Says(TankStep3(p, t)),
              "The area of the hole must be greater than 0.0135 square feet.");
    p.rectLength = -1;
    p.rectHeight = -1;  // a positive product of two negative sides
    EXPECT_FALSE(TankStep3(p, t).accepted);
    p.rectLength = 13;
    p.rectHeight = 10;  // 130 ft2 = 12.08 m2
    EXPECT_EQ(
        TankStep3(p, t).message,
        kHead + "The area of the hole cannot exceed 10% of the area\nof the bottom of the tank.");
    p.rectLength = 2;
    p.rectHeight = 0.5;
    ASSERT_TRUE(TankStep3(p, t).accepted);
    EXPECT_EQ(t.hArea, 1.0);
    EXPECT_EQ(t.hDiam, 0.5);
}

TEST(TankStep4, OpeningMustFitBelowTheTopAndNotBelowTheBottom) {
    InputTank t = SizedTank();  // 8 m high
    TankPageValues p;
    p.diameter = 50;
    p.diameterUnit = 1;  // 0.5 m
    ASSERT_TRUE(TankStep3(p, t).accepted);
    EXPECT_EQ(Says(TankStep4(p, t)),
              "Please enter the height of the hole above the bottom of the tank.\nYou left the "
              "field empty.");
    p.leakHeight = 7.6;
    EXPECT_EQ(Says(TankStep4(p, t)),
              "The hole (height up to bottom of hole plus hole diameter/height)\ncannot exceed "
              "the height of the tank.");
    p.leakHeight = -0.5;
    EXPECT_FALSE(TankStep4(p, t).accepted);
    p.leakHeight = 7.5;
    ASSERT_TRUE(TankStep4(p, t).accepted);
    EXPECT_EQ(t.zHeight, 7.5);
    p.leakChoice = 1;
    p.leakPercent = 0;
    EXPECT_EQ(Says(TankStep4(p, t)),
              "The hole must be between 1 and 100%\nof the way to the top of the tank.");
    p.leakPercent = 25;
    ASSERT_TRUE(TankStep4(p, t).accepted);
    EXPECT_EQ(t.zHeight, 2);
}

TEST(TankStep5, WaterLevelIsComparedWithTheTankHeightInTheLevelsUnit) {
    InputTank t = SizedTank();  // 8 m = 26.25 ft
    TankPageValues p;
    EXPECT_FALSE(TankStep5(p, t).accepted);
    p.waterHeightUnit = 1;
    p.waterHeight = 26.2;
    EXPECT_TRUE(TankStep5(p, t).accepted);
    EXPECT_EQ(t.wUnits, 2);
    p.waterHeight = 26.3;
    EXPECT_EQ(Says(TankStep5(p, t)),
              "The exterior water level cannot exceed the height of the tank.");
    p.waterChoice = 1;
    p.waterPercent = 0;
    ASSERT_TRUE(TankStep5(p, t).accepted);
    EXPECT_EQ(t.wHeight, 0);
    p.waterPercent = 101;
    EXPECT_EQ(Says(TankStep5(p, t)),
              "The exterior water level (measured from the bottom of the tank) must be "
              "between 0 and 100%.");
}

TEST(TankStep6, SetsTheWizardsFixedValues) {
    InputTank t;
    t.vent = 0;
    t.Cd = 0.8;
    ASSERT_TRUE(TankStep6({2, 29, 23}, t).accepted);
    EXPECT_EQ(t.vent, 1);
    EXPECT_EQ(t.Cd, NoData);
    EXPECT_TRUE(t.flag);
    EXPECT_FALSE(TankStep6({4, 31, 0}, t).accepted);
    EXPECT_FALSE(TankStep6({13, 1, 0}, t).accepted);
    EXPECT_FALSE(TankStep6({1, 1, 24}, t).accepted);
}

TEST(TankStep7, DurationTextUnits) {
    EXPECT_EQ(TankDurationText(7199), "Duration of release = 120 minutes (approx.)");
    EXPECT_EQ(TankDurationText(7200), "Duration of release = 2 hours (approx.)");
    EXPECT_EQ(TankDurationText(119), "Duration of release = 119 seconds (approx.)");
    EXPECT_EQ(TankDurationText(120), "Duration of release = 2 minutes (approx.)");
    EXPECT_EQ(TankDurationText(9000), "Duration of release = 3 hours (approx.)");
}

TEST(TankStep7, OilDensityRule) {
    InputOil oil;
    oil.rhoRef_value[0] = 876;
    oil.rhoRef_temp[0] = 288.7;
    oil.api = 30;
    EXPECT_NEAR(TankOilDensity(&oil, 283.15), (1 - 0.0008 * (283.15 - 288.7)) * 876, 1e-9);
    EXPECT_NEAR(TankOilDensity(&oil, NoData), (1 - 0.0008 * (289 - 288.7)) * 876, 1e-9);
    oil.rhoRef_value[0] = NoData;
    EXPECT_NEAR(TankOilDensity(&oil, 289), 141.5 / 161.5 * 1000, 1e-9);
    oil.api = NoData;
    EXPECT_NEAR(TankOilDensity(&oil, 289), 905.632, 1e-9);
    EXPECT_NEAR(TankOilDensity(nullptr, NoData), 905.632, 1e-9);
}

TEST(TankStep7, ComputesTheReleaseAndCurvesInThePlotUnit) {
    TankWizardEntries e;
    e.size = {10, 10, 20, 1};  // feet
    e.page.amountChoice = 1;
    e.page.percentFull = 80;
    e.page.diameter = 4;
    e.page.diameterUnit = 3;  // inches
    e.page.leakChoice = 1;
    e.page.leakPercent = 10;
    e.page.waterChoice = 1;
    e.page.waterPercent = 0;
    e.page.plotUnit = 0;  // bbl
    e.time = {6, 1, 12};
    InputTank t;
    ASSERT_TRUE(RunTankSteps(e, t).accepted);
    TankRelease r;
    CollectingSink sink;
    ComputeTankStep7(t, nullptr, nullptr, e.page, r, sink);
    // 70% of the tank lies above the opening.
    const double above = 10 * 10 * 20 * 0.7 * 0.028316846592;
    EXPECT_NEAR(r.total, above, above * 0.01);
    EXPECT_EQ(e.page.totalRelease, r.total);

    // The curves in feet and barrels (the command's curves file is in metres).
    TankCurves c = BuildTankCurves(r.tank, e.page.plotUnit, r.oilDensity, t.tUnits);
    ASSERT_EQ(static_cast<int>(c.points.size()), r.tank.pointCount);
    EXPECT_NEAR(c.points.front().oilLevel, 16, 1e-9);
    EXPECT_NEAR(c.points.back().released, r.total / 0.158987294928, 1e-6);
    EXPECT_NEAR(c.points.back().minutes * 60, r.tank.time[r.tank.pointCount - 1], 1e-9);
}

}  // namespace
}  // namespace ormix
