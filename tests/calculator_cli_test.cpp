#include <gtest/gtest.h>

#include "calculators/plume_json.h"
#include "calculators/tank_json.h"
#include "temp_dir.h"

namespace ormix {
namespace {

const std::string kExamples = ORMIX_SOURCE_DIR "/examples/";

TEST(TankJson, ReadsEveryPageIntoTheTankRecord) {
    TankCalculatorInput in;
    InputTank t;
    PageCheck c = LoadTankCalculator(
        testing::ReadFile(ORMIX_SOURCE_DIR "/tests/data/tank-water-level-empty.json"), in, t);
    // The empty water level is refused with the page's own text.
    EXPECT_EQ(c.message,
              "Problem with the Input.\n\nPlease enter the exterior water level above the bottom "
              "of the tank.\nYou left the field empty.");
    EXPECT_EQ(t.oUnits, 4);
    EXPECT_EQ(t.oVol, 3000);
    EXPECT_EQ(t.hArea, 12);
    EXPECT_EQ(t.hUnits, 4);
    EXPECT_EQ(t.zHeight, 1);
    EXPECT_EQ(t.zUnits, 2);
    EXPECT_EQ(in.entries.page.plotUnit, 4);
    EXPECT_EQ(in.entries.time.month, 12);
    EXPECT_FALSE(t.flag);  // Step 6 was not reached
}

TEST(TankJson, ABadFileNamesTheOffendingKey) {
    for (auto [text, message] :
         {std::pair{"{", "not valid JSON"},
          {R"({"step1": {"lenght": 3}})", "step1.lenght: unknown key"},
          {R"({"step1": {"unit": "yards"}})", "step1.unit: expected one of"},
          {R"({"step2": {"amount": "lots"}})", "step2.amount: expected a number"},
          {R"({"step1": {}})", "step6: the time of release is missing"},
          {R"([1, 2])", "expected a JSON object"}}) {
        TankCalculatorInput in;
        InputTank t;
        PageCheck c = LoadTankCalculator(text, in, t);
        EXPECT_FALSE(c.accepted) << text;
        EXPECT_NE(c.message.find(message), std::string::npos) << c.message;
    }
}

// The water the release is computed with is held to the water dialog's
// limits: outside them the densities mean nothing.
TEST(TankJson, WaterOutsideTheWaterDialogsLimitsIsRefused) {
    const std::string example = testing::ReadFile(kExamples + "tank.json");
    const std::string water = R"("water": {"temperature": 50, "unit": "F", "salinity": 32})";
    ASSERT_NE(example.find(water), std::string::npos);
    struct Case {
        const char* water;
        const char* message;  // empty when accepted
    };
    const Case cases[] = {
        {R"("water": {"temperature": 1e300})",
         "Sorry, ORMIX does not support water temperatures above 104 degrees F. Please enter a "
         "cooler water temperature."},
        {R"("water": {"temperature": 10, "unit": "C", "salinity": 50})",
         "Sorry, water salinity values must be between 0 and 42 ppt."},
        {R"("water": {"temperature": null})", ""},
        {R"("water": {"temperature": 104.9, "unit": "F", "salinity": 42})", ""},
    };
    for (const Case& c : cases) {
        std::string changed = example;
        changed.replace(changed.find(water), water.size(), c.water);
        TankCalculatorInput input;
        InputTank t;
        EXPECT_EQ(LoadTankCalculator(changed, input, t).message,
                  *c.message ? std::string("Problem with the Input.\n\n") + c.message : "")
            << c.water;
    }
    EXPECT_TRUE(TankWaterCheck(nullptr).accepted);  // no water: the wizard's defaults

    PlumeDialogInput plume;
    std::string hot = testing::ReadFile(kExamples + "burn.json");
    hot.replace(hot.find("\"temperature\": 60"), 17, "\"temperature\": 1e300");
    EXPECT_EQ(LoadSmokePlume(hot, plume).message,
              "Problem with the Input.\n\nSorry, ORMIX does not support water temperatures above "
              "104 degrees F. Please enter a cooler water temperature.");
}

TEST(PlumeJson, RefusalsComeInTheDialogsOrder) {
    const std::string burn =
        R"("burn": {"month": "July", "day": 4, "hour": 14, "area": 500, "areaUnit": "sq. meters",
                    "thickness": 10, "thicknessUnit": "mm"})";
    PlumeDialogInput in;
    PageCheck c = LoadSmokePlume(
        "{" + burn + R"(, "smokePlume": {"loc": -1, "airTemperature": 40, "airTemperatureUnit": "C",
                                         "windSpeed": 0, "windUnit": "m/s"}})",
        in);
    EXPECT_EQ(c.message,
              "Sorry, ORMIX does not support air temperatures above 38 degrees C. Please enter a "
              "cooler air temperature.");
    in = PlumeDialogInput{};
    c = LoadSmokePlume("{" + burn + R"(, "smokePlume": {"loc": 100, "airTemperature": 20,
                                         "airTemperatureUnit": "C", "windSpeed": 5}, "oil": {"name": "X", "api": 30}})",
                       in);
    EXPECT_TRUE(c.accepted) << c.message;
    EXPECT_TRUE(in.oilChosen);
    EXPECT_STREQ(in.oilName, "X");
    EXPECT_EQ(in.rhoRef, NoData);
    in = PlumeDialogInput{};
    c = LoadSmokePlume(R"({"burn": {"month": "July", "day": 4, "hour": 14, "thickness": 10},
                           "smokePlume": {}})",
                       in);
    EXPECT_EQ(c.message,
              "Problem with the Input.\n\nMissing Important Information.\nPlease enter the burn "
              "area. ORMIX needs this information and you left the field empty.\n");
}

}  // namespace
}  // namespace ormix
