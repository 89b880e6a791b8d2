#include "core/json_parse.h"

#include <gtest/gtest.h>

#include <functional>

#include "calculators/tank_json.h"
#include "cli/custom_oil_json.h"
#include "cli/records_json.h"
#include "oil/custom_oil.h"

namespace ormix {
namespace {

struct Duplicate {
    const char* json;
    const char* path;
};

class JsonDuplicateKey : public ::testing::TestWithParam<Duplicate> {};

TEST_P(JsonDuplicateKey, IsRefusedAtItsPath) {
    nlohmann::json out = 7;
    std::string path, error;
    EXPECT_FALSE(ParseJsonStrictly(GetParam().json, out, path, error));
    EXPECT_EQ(path, GetParam().path);
    EXPECT_EQ(error, "this key is given twice in the same object; only one value can count");
    EXPECT_EQ(out, 7);  // untouched
}

INSTANTIATE_TEST_SUITE_P(
    Json, JsonDuplicateKey,
    ::testing::Values(Duplicate{R"({"a": {"b": 1, "c": {}, "b": 2}})", "a.b"},
                      Duplicate{R"([{"k": 1}, {"k": 1, "k": 2}])", "[1].k"},
                      Duplicate{R"({"a": [], "b": [{}, {}, {"c": [{"d": 1, "d": 1}]}]})",
                                "b[2].c[0].d"}));

TEST(JsonParse, TakesWhatIsStrictlyJson) {
    nlohmann::json out;
    std::string path, error;
    // The same key in different objects is no duplicate.
    ASSERT_TRUE(ParseJsonStrictly(R"({"a": {"k": 1}, "b": [{"k": 2}, {"k": 3}], "k": 4})", out,
                                  path, error))
        << error;
    EXPECT_EQ(out["b"][1]["k"], 3);
    EXPECT_FALSE(ParseJsonStrictly(R"({"a": 1,})", out, path, error));
    EXPECT_EQ(path, "");
    EXPECT_EQ(error.rfind("not valid JSON: ", 0), 0u) << error;
    EXPECT_FALSE(ParseJsonStrictly(R"({"a": 1e400})", out, path, error));
    EXPECT_EQ(error.rfind("not valid JSON: ", 0), 0u) << error;
}

// Every JSON file the program reads refuses a key given twice, naming it.
TEST(JsonParse, EveryReaderRefusesAKeyGivenTwice) {
    // The scenario's own sections: see the scenario JSON refusals.
    const std::string twice = "this key is given twice";
    TankCalculatorInput tank;
    InputTank record;
    PageCheck tankCheck = LoadTankCalculator(
        R"({"step2": {"choice": "amount", "amount": 5, "amount": 50}})", tank, record);
    EXPECT_EQ(tankCheck.message.rfind("step2.amount: " + twice, 0), 0u) << tankCheck.message;

    TableFile oil("unused", oilfield::kColumnNames, oilfield::kNamedFields, oilfield::kFieldCount);
    std::string error;
    EXPECT_FALSE(ApplyCustomOilJson(R"({"api": 30, "api": 31})", oil, error));
    EXPECT_EQ(error.rfind("api: " + twice, 0), 0u) << error;

    ModelRecords records;
    EXPECT_FALSE(
        ParseModelRecords(R"({"InputWater": {"salinity": 1, "salinity": 2}})", records, error));
    EXPECT_EQ(error.rfind("InputWater.salinity: " + twice, 0), 0u) << error;
}

}  // namespace
}  // namespace ormix
