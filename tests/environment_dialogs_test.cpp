#include <gtest/gtest.h>

#include <vector>

#include "scenario_fixture.h"

namespace ormix {
namespace {

using testing::NewDoc;

DialogResult Water(CSpillDoc& doc, const char* temperature, int unit,
                   void (*adjust)(WaterEntries&) = nullptr) {
    WaterEntries e;
    e.temperature = temperature;
    e.temperatureUnit = unit;
    if (adjust) adjust(e);
    return WaterDialogOK(doc, e);
}

const std::string kTooWarm =
    "Problem with the Input\n\nSorry, ORMIX does not support water temperatures above 40 "
    "degrees C. Please enter a cooler water temperature.";

TEST(WaterDialog, TemperatureBounds) {
    auto doc = NewDoc();
    const std::string p = "Problem with the Input\n\n";
    const std::string freezing =
        p +
        "Sorry, ORMIX does not support freezing water conditions. Please enter a warmer "
        "water temperature.";
    EXPECT_EQ(Water(*doc, "31", 0).Text(), freezing);
    EXPECT_TRUE(Water(*doc, "32", 0).accepted);
    EXPECT_TRUE(Water(*doc, "104", 0).accepted);
    EXPECT_EQ(Water(*doc, "105", 0).Text(),
              p + "Sorry, ORMIX does not support water temperatures above 104 degrees F. Please "
                  "enter a cooler water temperature.");
    EXPECT_TRUE(Water(*doc, "40", 1).accepted);
    EXPECT_EQ(Water(*doc, "41", 1).Text(), kTooWarm);
    EXPECT_EQ(Water(*doc, "-1", 1).Text(), freezing);
    EXPECT_EQ(Water(*doc, "", 1).Text(),
              p + "Please enter the water temperature. ORMIX needs this information and you left "
                  "the field empty.");
    // Checked as a whole number, stored as typed.
    EXPECT_TRUE(Water(*doc, "40.7", 1).accepted);
    EXPECT_EQ(doc->inputWater.temperature, 40.7);
    EXPECT_EQ(doc->inputWater.tempUnits, 2);
    EXPECT_TRUE(doc->m_bWaterInputPassed);
}

// The whole number a check reads and the decimal kept come from the same
// number in the text: an exponent cannot slip a value past its limit.
TEST(WaterDialog, ChecksTheNumberItKeeps) {
    auto doc = NewDoc();
    EXPECT_EQ(Water(*doc, "5e2", 1).Text(), kTooWarm);
    EXPECT_EQ(Water(*doc, "1e400", 1).Text(), kTooWarm);
    EXPECT_EQ(Water(*doc, "0x30", 1).Text(), kTooWarm);
    for (const char* noNumber : {"nan", "-inf", "abc"}) {
        ASSERT_TRUE(Water(*doc, noNumber, 1).accepted) << noNumber;
        EXPECT_EQ(doc->inputWater.temperature, 0.0) << noNumber;
    }
    ASSERT_TRUE(Water(*doc, "2.5e1", 1).accepted);
    EXPECT_EQ(doc->inputWater.temperature, 25.0);
    ASSERT_TRUE(Water(*doc, " 15 C", 1).accepted);
    EXPECT_EQ(doc->inputWater.temperature, 15.0);
}

TEST(WaterDialog, SalinitySedimentAndCurrent) {
    auto doc = NewDoc();
    WaterEntries e;
    e.temperature = "15";
    e.salinityChoice = kOtherSalinity;
    e.salinity = "42";
    EXPECT_TRUE(WaterDialogOK(*doc, e).accepted);
    e.salinity = "43";
    EXPECT_EQ(
        WaterDialogOK(*doc, e).Text(),
        "Problem with the Input\n\nSorry, water salinity values must be between 0 and 42 ppt.");
    e.salinity = "";
    EXPECT_EQ(WaterDialogOK(*doc, e).Text(),
              "Problem with the Input\n\nPlease enter the water salinity or choose one of the "
              "default values. You chose to use a non-default value and then left the field "
              "empty.");
    e.salinityChoice = kEstuary;
    e.sedimentChoice = kOtherSediment;
    e.sediment = "1000";
    EXPECT_TRUE(WaterDialogOK(*doc, e).accepted);
    EXPECT_EQ(doc->inputWater.salinity, 15);
    EXPECT_EQ(doc->inputWater.sediment, 1000);
    e.sediment = "1001";
    EXPECT_EQ(WaterDialogOK(*doc, e).Text(),
              "Problem with the Input\n\nSorry, water sediment load values must be between 0 and "
              "1,000 gm/cu m.");
    e.sedimentChoice = kMuddyRiver;
    e.currentUnit = 1;
    e.currentSpeed = "5";
    e.currentDirection = "90";
    EXPECT_TRUE(WaterDialogOK(*doc, e).accepted);
    EXPECT_EQ(doc->inputWater.sediment, 500);
    e.currentSpeed = "6";
    EXPECT_EQ(WaterDialogOK(*doc, e).Text(),
              "Problem with the Input\n\nSorry, ORMIX does not support water currents greater than "
              "5 knots. Please enter a smaller value.");
    e.currentSpeed = "1";
    e.currentDirection = "361";
    EXPECT_EQ(WaterDialogOK(*doc, e).Text(),
              "Problem with the Input\n\nORMIX does not understand the value you entered for the "
              "direction of the current. Please review the value.");
    // An empty current is no current.
    e.currentSpeed = "";
    e.currentDirection = "";
    EXPECT_TRUE(WaterDialogOK(*doc, e).accepted);
    EXPECT_EQ(doc->inputWater.speed, 0);
    EXPECT_EQ(doc->inputWater.direction, 0);
}

TEST(EmulsificationDialog, OnsetAsPercentOrHours) {
    auto doc = NewDoc();
    EmulsificationEntries e;
    e.useDefault = false;
    e.value = "25";
    const InputOil& oil = doc->inputOil;
    ASSERT_TRUE(EmulsificationDialogOK(*doc, e).accepted);
    EXPECT_EQ((std::vector<double>{oil.bullwinkle, oil.bulltime}),
              (std::vector<double>{0.25, NoData}));
    e.unit = 1;
    e.value = "12";
    e.uncertainty = "2";
    ASSERT_TRUE(EmulsificationDialogOK(*doc, e).accepted);
    EXPECT_EQ(
        (std::vector<double>{oil.bulltime, oil.bullwinkle, double(doc->inputUncertainty.emulFlag),
                             double(doc->inputUncertainty.emulUnits)}),
        (std::vector<double>{12, NoData, 1, 2}));

    const std::string p = "Problem with the Input\n\n";
    e.unit = 0;
    e.value = "101";
    EXPECT_EQ(EmulsificationDialogOK(*doc, e).Text(),
              p + "You entered a percent value greater that 100. Please use a value between 0 and "
                  "100.");
    e.value = "-1";
    EXPECT_EQ(EmulsificationDialogOK(*doc, e).Text(), p + "Please use a value greater than 0.");
    e.value = "";
    EXPECT_EQ(EmulsificationDialogOK(*doc, e).Text(),
              p + "Please enter an emulsification value or select the default. You chose to use "
                  "a non-default value and then left the field empty.");

    EmulsificationEntries def;
    ASSERT_TRUE(EmulsificationDialogOK(*doc, def).accepted);
    EXPECT_EQ(doc->inputOil.bullwinkle, NoData);
    EXPECT_EQ(doc->inputOil.bulltime, NoData);
    EXPECT_TRUE(doc->m_bEmulsDefault);
}

}  // namespace
}  // namespace ormix
