#include <gtest/gtest.h>

#include "cli/records_json.h"

namespace ormix {
namespace {

std::string Refusal(const std::string& json) {
    ModelRecords records;
    std::string error;
    EXPECT_FALSE(ParseModelRecords(json, records, error)) << json;
    return error;
}

TEST(RecordsJson, ReadsFieldsAndKeepsDefaultsForTheRest) {
    ModelRecords r;
    std::string error;
    ASSERT_TRUE(ParseModelRecords(R"({
        "InputWater": {"temperature": 12.5, "tempUnits": 2},
        "InputInstant": {"flag": true, "startHour": 3, "vol": 50, "volUnits": 3},
        "InputOil": {"name": "Test oil", "productType": "crude", "api": 31.2,
                     "rhoRef_value": [870, -999, -999, -999], "InitialOil.rho0": -999,
                     "dist_volumeFrac": false},
        "InputUncertainty": {"volFlag": 1, "vol": 10}
    })",
                                  r, error))
        << error;
    ASSERT_TRUE(r.water && r.instant && r.oil && r.uncertainty);
    // The last listed code of a field is taken.
    ModelRecords gallonsPerMinute;
    EXPECT_TRUE(
        ParseModelRecords(R"({"InputContinuous": {"rateUnits": 6}})", gallonsPerMinute, error))
        << error;
    EXPECT_EQ(r.water->temperature, 12.5);
    EXPECT_EQ(r.water->salinity, 32.0);  // default
    EXPECT_EQ(r.instant->startHour, 3);
    EXPECT_STREQ(r.oil->name, "Test oil");
    EXPECT_EQ(r.oil->dist_volumeFrac, 0);
    InputRecordSet set = r.RecordSet();
    EXPECT_EQ(set.water, &*r.water);
    EXPECT_EQ(set.tank, nullptr);
}

struct Bad {
    const char* json;
    const char* message;
};

class RecordsJsonRefusal : public ::testing::TestWithParam<Bad> {};

TEST_P(RecordsJsonRefusal, NamesTheKey) {
    EXPECT_EQ(Refusal(GetParam().json), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RecordsJsonRefusal,
    ::testing::Values(
        Bad{R"({"InputWaves": {}})", "InputWaves: unknown record"},
        Bad{R"({"InputWater": {"temperature": "warm"}})",
            "InputWater.temperature: expected a number"},
        Bad{R"({"InputWater": {"tempUnits": 1.5}})",
            "InputWater.tempUnits: expected a whole number"},
        // Read as a signed number it would wrap round to -1.
        Bad{R"({"InputInstant": {"startHour": 18446744073709551615}})",
            "InputInstant.startHour: expected a whole number from -2147483648 to 2147483647"},
        Bad{R"({"InputInstant": {"flag": "yes"}})",
            "InputInstant.flag: expected true or false (or 0 or 1)"},
        Bad{R"({"InputOil": {"rhoRef_value": [870]}})",
            "InputOil.rhoRef_value: expected an array of 4 numbers"},
        Bad{R"({"InputOil": {"productType": "unrefined"}})",
            "InputOil.productType: expected a text of at most 7 characters"},
        Bad{R"({"InputBurn": {"num": 6}})", "InputBurn.num: expected a count of 0 to 5"},
        // A unit code outside the listed ones would stop the model's fill
        // half-way and run a half-filled model.
        Bad{R"({"InputContinuous": {"rateUnits": 7}})",
            "InputContinuous.rateUnits: the unit code 7 is none of 1 to 6"},
        Bad{R"({"InputBurn": {"areaUnits": [3, 3, 0, 3, 3]}})",
            "InputBurn.areaUnits[2]: the unit code 0 is none of 1 to 3"},
        Bad{R"([1, 2])", "expected a JSON object of input records"}));

}  // namespace
}  // namespace ormix
