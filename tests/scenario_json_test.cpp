#include <gtest/gtest.h>

#include <memory>

#include "scenario/calendar.h"
#include "scenario/scenario_json.h"
#include "scenario_fixture.h"

namespace ormix {
namespace {

const char* kComplete = R"({
  "oil": {"name": "Arabian Light"},
  "water": {"temperature": 15, "unit": "C"},
  "wind": {"speed": 15, "unit": "knots", "direction": 270, "waves": {"height": 1, "unit": "meters"}},
  "releases": {
    "instantaneous": {"time": "2026-03-14 06:00", "amount": 5000, "unit": "bbl"},
    "continuous": {"time": "2026-03-14 16:00", "duration": 10, "rate": 20, "rateUnit": "bbl/hr"},
    "uncertainty": 10
  },
  "emulsification": {"hours": 6}
})";

TEST(ScenarioJson, LoadsEveryDialogAndRuns) {
    auto doc = testing::NewLibraryDoc();
    ScenarioLoadResult r = LoadScenarioJson(kComplete, *doc);
    ASSERT_TRUE(r.ok) << r.path << ": " << r.refusal.text;
    EXPECT_EQ(doc->OilName, "Arabian Light");
    EXPECT_TRUE(doc->m_bOilInputPassed && doc->m_bWaterInputPassed &&
                doc->m_bWindAndWaveInputPassed && doc->m_bReleaseInputPassed);
    EXPECT_EQ(doc->SpillTime, MakeLocalTime(2026, 3, 14, 6));
    EXPECT_EQ(doc->inputContinuous.startHour, 11);
    EXPECT_EQ(doc->inputContinuous.endHour, 20);
    EXPECT_EQ(doc->inputWindWave.waveHt[0], 1);
    EXPECT_EQ(doc->inputOil.bulltime, 6);
    EXPECT_EQ(doc->inputUncertainty.vol, 10);
    EXPECT_TRUE(doc->needsSolving);
    doc->runSeed = 3;
    EXPECT_TRUE(doc->Solve());
}

struct Refusal {
    const char* json;
    const char* path;
    const char* text;  // the start of the message
};

std::ostream& operator<<(std::ostream& os, const Refusal& r) {
    return os << r.path;
}

class ScenarioJsonRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(ScenarioJsonRefusal, ReportsPathAndMessageAndKeepsTheDocument) {
    auto doc = testing::NewLibraryDoc();
    ASSERT_TRUE(LoadScenarioJson(kComplete, *doc).ok);
    SpillDocData before = *doc;
    ScenarioLoadResult r = LoadScenarioJson(GetParam().json, *doc);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.path, GetParam().path);
    EXPECT_EQ(r.refusal.text.rfind(GetParam().text, 0), 0u) << r.refusal.text;
    EXPECT_TRUE(static_cast<SpillDocData&>(*doc) == before);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ScenarioJsonRefusal,
    ::testing::Values(
        Refusal{R"({"water": {"temperature": 45, "unit": "C"}})", "water",
                "Problem with the Input\n\nSorry, ORMIX does not support water temperatures above "
                "40 degrees C."},
        Refusal{R"({"oil": {"name": "No Such Crude"}})", "oil.name",
                "no oil \"No Such Crude\" in the oil library"},
        Refusal{R"({"water": {"temprature": 10}})", "water.temprature", "unknown key"},
        Refusal{R"({"wind": {"speed": 10, "unit": "kph", "direction": 1}})", "wind.unit",
                "expected one of"},
        Refusal{R"({"releases": {"instantaneous": {"time": "2026-03-14 06:30", "amount": 10}}})",
                "releases.instantaneous.time", "times are whole hours"},
        Refusal{R"({"releases": {"instantaneous": {"time": "2026-03-14 06:00", "amount": 1}}})",
                "releases.instantaneous",
                "Problem with the Input\n\nSorry, the amount spilled is too small."},
        Refusal{R"({"releases": {"instantaneous": {"time": "2026-03-14 06:00", "amount": 10},
                                 "continuous": {"time": "2026-03-20 06:00", "duration": 5, "amount": 50}}})",
                "releases", "Continuous release will be ignored\n\n"},
        Refusal{R"({"wind": {"unit": "knots", "records": [
                      {"time": "2026-03-14 06:00", "speed": 10, "direction": 90},
                      {"time": "2026-03-14 06:00", "speed": 12, "direction": 90}]}})",
                "wind.records[1]", "Wind record already exists for March 14, 06:00 hours"},
        Refusal{R"({"releases": {"instantaneous": {"time": "2026-01-02 06:00", "amount": 10},
                                 "continuous": {"time": "2026-12-31 06:00", "duration": 5, "amount": 50}}})",
                "releases.instantaneous.time", "this time lies in another year"},
        Refusal{R"({"emulsification": {"evaporated": 120}})", "emulsification",
                "Problem with the Input\n\nYou entered a percent value greater that 100."},
        Refusal{R"({"releases": {"tank": {"time": "2026-03-14 06:00",
                      "step1": {"length": 50, "width": 10, "height": 10, "unit": "meters"}}}})",
                "releases.tank",
                "Problem with the Input.\n\nThe length of the tank must be between"},
        Refusal{R"({"water": {"temperature": "abc", "unit": "C"}})", "water.temperature",
                "expected a number, not \"abc\""},
        Refusal{R"({"water": {"temperature": "5e2", "unit": "C"}})", "water",
                "Problem with the Input\n\nSorry, ORMIX does not support water temperatures above "
                "40 degrees C."},
        Refusal{R"({"wind": {"speed": 1e17, "unit": "knots", "direction": 90}})", "wind",
                "Problem with the Input.\n\nSorry, ORMIX does not support wind speeds greater "
                "than 68 knots."},
        Refusal{R"({"water": )", "", "not valid JSON"},
        Refusal{R"({"water": {"sediment": 1e400}})", "", "not valid JSON"}));

TEST(ScenarioJson, JanuaryWithDecemberIsTheFollowingYear) {
    auto doc = testing::NewLibraryDoc();
    ScenarioLoadResult r = LoadScenarioJson(R"({
      "releases": {"instantaneous": {"time": "2026-12-31 23:00", "amount": 100},
                   "continuous": {"time": "2027-01-01 01:00", "duration": 5, "amount": 50}}})",
                                            *doc);
    ASSERT_TRUE(r.ok) << r.path << ": " << r.refusal.text;
    EXPECT_EQ(doc->ContinuousTime, MakeLocalTime(2027, 1, 1, 1));
    EXPECT_EQ(doc->inputContinuous.startHour, 3);
}

TEST(ScenarioJson, TankReleaseFromItsPages) {
    auto doc = testing::NewLibraryDoc();
    ScenarioLoadResult r = LoadScenarioJson(R"({
      "releases": {"tank": {"time": "2026-03-14 06:00",
        "step1": {"length": 10, "width": 10, "height": 10, "unit": "meters"},
        "step2": {"choice": "percent", "percent": 50},
        "step3": {"choice": "circular", "diameter": 20, "unit": "cm"},
        "step4": {"choice": "height", "height": 1, "unit": "meters"},
        "step5": {"choice": "percent", "percent": 0},
        "step7": {"unit": "bbl"}}}})",
                                            *doc);
    ASSERT_TRUE(r.ok) << r.path << ": " << r.refusal.text;
    EXPECT_TRUE(doc->inputTank.flag);
    EXPECT_EQ(doc->inputTank.startHour, 1);
    EXPECT_EQ(doc->inputTank.oVol, 500);
    EXPECT_EQ(doc->TankTime, MakeLocalTime(2026, 3, 14, 6));
    EXPECT_GT(doc->tankPages.totalRelease, 0);
}

}  // namespace
}  // namespace ormix
