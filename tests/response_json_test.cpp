// The response operations of the JSON scenario format.
#include <gtest/gtest.h>

#include <memory>

#include "scenario/calendar.h"
#include "scenario/scenario_json.h"
#include "scenario_fixture.h"
#include "temp_dir.h"

namespace ormix {
namespace {

const std::string kSource = ORMIX_SOURCE_DIR;

// A complete scenario with the given "response" section.
std::string WithResponse(const std::string& response) {
    return R"({
  "oil": {"name": "Arabian Light"},
  "water": {"temperature": 15, "unit": "C"},
  "wind": {"speed": 15, "unit": "knots", "direction": 270},
  "releases": {"instantaneous": {"time": "2026-12-31 20:00", "amount": 5000, "unit": "bbl"}},
  "response": )" +
           response + "}";
}

TEST(ResponseJson, WarningsAndTheYearOfJanuaryOperations) {
    auto doc = testing::NewLibraryDoc();
    ScenarioLoadResult r = LoadScenarioJson(WithResponse(R"({
    "dispersant": [null, {"time": "2026-12-31 19:00", "duration": 3, "percentSprayed": 40,
                          "percentDispersed": 70}],
    "cleanup": [{"time": "2027-01-01 02:00", "duration": 5, "rate": 10}]})"),
                                            *doc);
    ASSERT_TRUE(r.ok) << r.path << ": " << r.refusal.text;
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(r.messages[0].text.rfind("Dispersant operation will be ignored\n\nSpray 2 is", 0),
              0u);
    EXPECT_EQ(doc->inputDispersant.startHour[0], 0);
    EXPECT_EQ(doc->inputSkimmer.startHour[0], 7);
}

struct Refusal {
    const char* response;
    const char* path;
    const char* text;  // the start of the message
};

class ResponseJsonRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(ResponseJsonRefusal, NamesThePageAndKeepsTheDocument) {
    auto doc = testing::NewLibraryDoc();
    const SpillDocData before = *doc;
    ScenarioLoadResult r = LoadScenarioJson(WithResponse(GetParam().response), *doc);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.path, GetParam().path);
    EXPECT_EQ(r.refusal.text.rfind(GetParam().text, 0), 0u) << r.refusal.text;
    EXPECT_TRUE(static_cast<SpillDocData&>(*doc) == before);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ResponseJsonRefusal,
    ::testing::Values(
        Refusal{R"({"burns": [null, {"time": "2026-12-31 22:00", "area": 500,
                    "areaUnit": "sq. meters", "thickness": 250}]})",
                "response.burns[1]",
                "Problem with the Input.\n\nThe oil thickness is limited to between 2 and 200 "
                "milimeters.\n"},
        Refusal{R"({"cleanup": [{"time": "2026-12-31 22:00", "duration": 5, "rate": 1,
                    "amount": 2}]})",
                "response.cleanup[0]", "give either a recovery rate"},
        Refusal{R"({"cleanup": [{"time": "2027-02-01 01:00", "duration": 5, "rate": 1}]})",
                "response.cleanup[0].time", "this time lies in another year"},
        Refusal{R"({"burns": [{"time": "2026-12-31 22:00", "area": 500, "thickness": 10,
                    "smokePlume": {"loc": 150, "airTemperature": 120, "windSpeed": 5}}]})",
                "response.burns[0].smokePlume",
                "Sorry, ORMIX does not support air temperatures above 100 degrees F."},
        Refusal{R"({"burnRate": {"rate": 0.2, "unit": "mm/sec"}})", "response.burnRate",
                "Problem with the Input.\n\nThe burn regression rate is limited"},
        Refusal{R"({"beaching": {"unit": "bbl", "days": [1, 2, 3, 4, 5, 6, 7]}})",
                "response.beaching.days", "expected an array of at most 6"},
        Refusal{R"({"dispersant": [{"time": "2026-12-31 22:00", "duration": 2,
                    "percentSprayed": 50, "percentDispersd": 50}]})",
                "response.dispersant[0].percentDispersd", "unknown key"}));

}  // namespace
}  // namespace ormix
