#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "scenario/calendar.h"
#include "scenario/scenario_json.h"
#include "scenario/wind_dialogs.h"
#include "scenario_fixture.h"
#include "temp_dir.h"

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

// The documented blocks below check each section as loaded and run; here
// what none of them gives: a known wave height and the emulsification hours.
TEST(ScenarioJson, LoadsEveryDialog) {
    auto doc = testing::NewLibraryDoc();
    ScenarioLoadResult r = LoadScenarioJson(kComplete, *doc);
    ASSERT_TRUE(r.ok) << r.path << ": " << r.refusal.text;
    EXPECT_EQ(doc->inputWindWave.waveHt[0], 1);
    EXPECT_EQ(doc->inputOil.bulltime, 6);
}

struct Refusal {
    const char* json;
    const char* path;
    const char* text;  // the start of the message
};

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
        Refusal{R"({"oil": {"name": "No Such Crude"}})", "oil.name",
                "no oil \"No Such Crude\" in the oil library"},
        Refusal{R"({"wind": {"speed": 10, "unit": "kph", "direction": 1}})", "wind.unit",
                "expected one of"},
        Refusal{R"({"releases": {"instantaneous": {"time": "2026-03-14 06:30", "amount": 10}}})",
                "releases.instantaneous.time", "times are whole hours"},
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
        // The water dialog's first unit is degrees F.
        Refusal{R"({"water": {"temperature": 31}})", "water",
                "Problem with the Input\n\nSorry, ORMIX does not support freezing water "
                "conditions."},
        // Times that do not exist, and times a scenario file cannot hold.
        Refusal{R"({"releases": {"instantaneous": {"time": "2026-02-30 06:00", "amount": 10}}})",
                "releases.instantaneous.time",
                "\"2026-02-30 06:00\": there is no such day in 2026"},
        Refusal{R"({"wind": {"records": [{"time": "2026-03-08 02:00", "speed": 5,
                                          "direction": 0}]}})",
                "wind.records[0].time",
                "\"2026-03-08 02:00\": there is no 02:00 on March 08, 2026: the clocks go "
                "forward then"},
        Refusal{R"({"releases": {"instantaneous": {"time": "1969-12-31 06:00", "amount": 10}}})",
                "releases.instantaneous.time",
                "the time 1969-12-31 06:00 lies outside 1970 to 2106, the years a scenario file "
                "can hold"},
        Refusal{R"({"releases": {"instantaneous": {"time": "2026-03-14 06:00", "amount": 10}},
                    "wind": {"records": [{"time": "2026-03-14 06:00", "speed": 5, "direction": 0},
                                         {"time": "2027-03-14 09:00", "speed": 5, "direction": 0}]}})",
                "wind.records[1].time", "this time lies in another year"},
        // A key given twice keeps neither value.
        Refusal{R"({"wind": {"speed": 10, "direction": 90, "speed": 12}})", "wind.speed",
                "this key is given twice in the same object"}));

TEST(Calendar, TimesThatDoNotExist) {
    EXPECT_EQ(NoSuchLocalTime(2026, 2, 28, 6), "");
    EXPECT_EQ(NoSuchLocalTime(2028, 2, 29, 6), "");
    // The times refused: see the scenario JSON refusals.
    EXPECT_EQ(NoSuchLocalTime(2026, 11, 1, 1), "");  // the hour that comes twice exists
}

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

// The blocks of docs/scenario-format.md: each loads, joined with the whole
// scenario it is a part of, runs, and means what the text says of it.
std::vector<std::string> DocumentedBlocks() {
    const std::string text =
        testing::ReadFile(std::string(ORMIX_SOURCE_DIR) + "/docs/scenario-format.md");
    static const std::regex kBlock("\n```json\n([^`]*)```\n");
    std::vector<std::string> blocks;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kBlock);
         it != std::sregex_iterator(); ++it)
        blocks.push_back((*it)[1]);
    return blocks;
}

// What a block is: "scenario" for a whole one, else its section, with the
// kind of wind or release it shows.
std::string KindOf(const nlohmann::json& block) {
    if (block.size() > 1) return "scenario";
    const std::string key = block.begin().key();
    const nlohmann::json& v = block.begin().value();
    if (key == "wind") return v.contains("records") ? "wind records" : "constant wind";
    if (key == "releases") return v.contains("contained") ? "contained release" : "releases";
    return key;
}

using DocCheck = std::function<void(const CSpillDoc&)>;

// The values of a record, listed to be compared at once.
using Values = std::vector<double>;

const std::map<std::string, DocCheck>& DocumentedMeanings() {
    static const std::map<std::string, DocCheck> kMeanings = {
        {"scenario",
         [](const CSpillDoc& d) {
             EXPECT_EQ(d.OilName, "Arabian Light");
             EXPECT_EQ(d.SpillTime, MakeLocalTime(2026, 7, 10, 6));
             // Degrees F, knots and barrels when no unit is given.
             EXPECT_EQ((Values{d.inputWater.temperature, double(d.inputWater.tempUnits),
                               d.m_dWindSpeed, double(d.m_iWindSpeedUnit), d.inputInstant.vol,
                               double(d.inputInstant.volUnits)}),
                       (Values{59, 1, 10, 1, 1000, kVolBarrels}));
             const StepResult& last = d.Model().results.result[d.Model().run.numSteps - 1];
             EXPECT_NEAR(last.released.best, 1000 * 0.158987294928, 1e-6);
         }},
        {"water",
         [](const CSpillDoc& d) {
             const InputWater& w = d.inputWater;
             EXPECT_EQ((Values{w.temperature, double(w.tempUnits), w.salinity, w.sediment, w.speed,
                               double(w.speedUnits), w.direction}),
                       (Values{12, 2, 35, 50, 1, 2, 90}));
         }},
        {"constant wind",
         [](const CSpillDoc& d) {
             const InputWindWave& w = d.inputWindWave;
             const InputUncertainty& u = d.inputUncertainty;
             EXPECT_EQ((Values{w.speed[0], double(w.speedUnits), w.direction[119], w.waveHt[0],
                               double(u.windFlag), u.wind, double(u.windUnits)}),
                       (Values{10, 2, 270, NoData, 1, 3, 2}));
         }},
        {"wind records",
         [](const CSpillDoc& d) {
             // Interpolated hour by hour across north; the one wave height
             // given holds for every hour.
             const InputWindWave& w = d.inputWindWave;
             ASSERT_EQ(w.num, 4);
             EXPECT_EQ(Values(w.speed, w.speed + 4), (Values{10, 12, 14, 16}));
             EXPECT_EQ(Values(w.direction, w.direction + 4), (Values{350, 0, 10, 20}));
             EXPECT_EQ(Values(w.waveHt, w.waveHt + 4), (Values{1, 1, 1, 1}));
             EXPECT_EQ((Values{w.fetchN, w.fetchE, w.fetchS, double(w.fetchUnits)}),
                       (Values{10, 0, 25, 2}));
             EXPECT_EQ(d.Model().run.numHours, 4);
         }},
        {"releases",
         [](const CSpillDoc& d) {
             const InputContinuous& c = d.inputContinuous;
             EXPECT_EQ((Values{double(c.startHour), double(c.endHour), double(c.rateUnits),
                               d.inputUncertainty.vol}),
                       (Values{1, 24, 1, 20}));
             EXPECT_DOUBLE_EQ(c.startRate, 500.0 / 24);
             EXPECT_DOUBLE_EQ(c.endRate, 500.0 / 24);
         }},
        {"contained release",
         [](const CSpillDoc& d) {
             EXPECT_FALSE(d.inputInstant.flag || d.inputContinuous.flag || d.inputTank.flag);
             const InputBoomed& b = d.inputBoomed;  // cu m in sq. meters
             EXPECT_EQ(
                 (Values{double(b.flag), b.vol / b.area, double(b.volUnits), double(b.areaUnits)}),
                 (Values{1, 0.01, kVolCubicMetres, 3}));
         }},
        {"tank",
         [](const CSpillDoc& d) {
             const InputTank& t = d.inputTank;
             EXPECT_TRUE(t.flag);
             EXPECT_EQ(d.TankTime, MakeLocalTime(2026, 7, 10, 6));
             // 80 % of 15 x 10 x 12 cu m; a hole of 30 cm 2 m up, water to 1 m.
             EXPECT_EQ((Values{double(t.startHour), t.oVol, double(t.oUnits), t.hDiam,
                               double(t.hUnits), t.zHeight, t.wHeight}),
                       (Values{1, 1440, 3, 30, 2, 2, 1}));
         }},
        {"response",
         [](const CSpillDoc& d) {
             const InputDispersant& s = d.inputDispersant;
             ASSERT_EQ(s.num, 2);  // sprays 1 and 3
             EXPECT_EQ((Values{double(s.startHour[0]), double(s.startHour[1])}), (Values{13, 27}));
             EXPECT_EQ(s.dispersed[0], 50);  // percent of the area sprayed
             EXPECT_EQ(s.sprayed[0], 80);    // percent of that dispersed
             const InputBurn& b = d.inputBurn;
             EXPECT_EQ((Values{double(b.num), b.burnRegRate, double(b.burnRegRateUnits)}),
                       (Values{1, 0.05, 1}));
             EXPECT_EQ((Values{double(d.inputSkimmer.num), d.inputSkimmer.amount[0],
                               d.inputSkimmer.rate[1]}),
                       (Values{2, 100, 50}));
             const double* beached = d.inputBeached.vol;
             EXPECT_EQ(beached[0], 0);                   // day 1: nothing
             EXPECT_DOUBLE_EQ(beached[18], 200.0 / 24);  // day 2 from midnight
             EXPECT_EQ(beached[18 + 48], NoData);        // day 4: null
         }},
    };
    return kMeanings;
}

TEST(ScenarioFormatDoc, EveryBlockLoadsRunsAndMeansWhatTheTextSays) {
    const std::vector<std::string> blocks = DocumentedBlocks();
    nlohmann::json whole;
    std::set<std::string> seen;
    for (const std::string& text : blocks) {
        // A part of a scenario is written as its member: it stands in for its
        // part of the whole scenario, which comes first.
        nlohmann::json block = nlohmann::json::parse(text[0] == '{' ? text : "{" + text + "}");
        const std::string kind = KindOf(block);
        SCOPED_TRACE(kind);
        if (kind == "scenario") whole = block;
        ASSERT_TRUE(whole.is_object()) << "the whole scenario comes first";
        nlohmann::json scenario = whole;
        if (kind == "tank")
            scenario["releases"] = block;
        else if (kind != "scenario")
            scenario[block.begin().key()] = block.begin().value();

        auto doc = testing::NewLibraryDoc();
        ScenarioLoadResult r = LoadScenarioJson(scenario.dump(), *doc);
        ASSERT_TRUE(r.ok) << r.path << ": " << r.refusal.text;
        EXPECT_TRUE(MissingInputsOf(*doc).empty());
        doc->runSeed = 11;
        ASSERT_TRUE(doc->Solve());
        auto meaning = DocumentedMeanings().find(kind);
        ASSERT_NE(meaning, DocumentedMeanings().end()) << "say what the block means";
        meaning->second(*doc);
        seen.insert(kind);
    }
    EXPECT_EQ(seen.size(), DocumentedMeanings().size());
}

}  // namespace
}  // namespace ormix
