// Custom oils: the fifteen checks, the conversion of entered values, the
// identifiers, the JSON record of the command line, and the actions with
// their messages.
#include "oil/custom_oil.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "cli/custom_oil_json.h"
#include "tests/temp_dir.h"

namespace ormix {
namespace {

using namespace oilfield;
using testing::TempDir;

// A valid crude: name, API, density and dynamic viscosity with temperatures.
void ValidCrude(TableFile& r) {
    r.ClearFields();
    r.SetFieldText(kOilName, "Test Crude, Lab");
    r.SetFieldText(kProductType, "crude");
    r.SetFieldText(kApi, "30");
    r.SetFieldText(Density(1), "876");
    r.SetFieldText(RefTemp(Density(1)), "288.15");
    r.SetFieldText(DynamicViscosity(1), "0.01");
    r.SetFieldText(RefTemp(DynamicViscosity(1)), "288.15");
}

// Distillation cuts as (temperature, fraction) pairs, of a product of the
// given type when one is named.
auto Cuts(std::vector<std::pair<const char*, const char*>> cuts, const char* type = nullptr) {
    return [=](TableFile& r) {
        if (type) r.SetFieldText(kProductType, type);
        for (size_t i = 0; i < cuts.size(); ++i) {
            r.SetFieldText(CutVaporTemp(static_cast<int>(i) + 1), cuts[i].first);
            r.SetFieldText(CutFraction(static_cast<int>(i) + 1), cuts[i].second);
        }
    };
}

struct RuleCase {
    const char* what;
    std::function<void(TableFile&)> change;
    int rule;
};

class Validation : public ::testing::TestWithParam<RuleCase> {};

TEST_P(Validation, FirstFailingRule) {
    TableFile r("unused", kColumnNames, kNamedFields, kFieldCount);
    ValidCrude(r);
    GetParam().change(r);
    EXPECT_EQ(ValidateCustomOil(r), GetParam().rule) << GetParam().what;
}

auto Set(int field, const char* text) {
    return [=](TableFile& r) { r.SetFieldText(field, text); };
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Validation,
    ::testing::Values(
        RuleCase{"valid crude", [](TableFile&) {}, 0},
        RuleCase{"blank name", Set(kOilName, "   "), 1},
        RuleCase{"blanks then a comma", Set(kOilName, "  , Lab"), 2},
        RuleCase{"comma after the name", Set(kOilName, "Oil, Lab"), 0},
        RuleCase{"no API nor density",
                 [](TableFile& r) {
                     r.SetFieldText(kApi, "");
                     r.SetFieldText(Density(1), "-999");
                 },
                 3},
        RuleCase{"API 5.99", Set(kApi, "5.99"), 4}, RuleCase{"API 100.01", Set(kApi, "100.01"), 4},
        RuleCase{"API 6", Set(kApi, "6"), 0}, RuleCase{"API 100", Set(kApi, "100"), 0},
        RuleCase{"density 0.61", Set(Density(1), "610"), 0},
        RuleCase{"density 1.03", Set(Density(1), "1030"), 0},
        RuleCase{"density 0.609", Set(Density(1), "609"), 5},
        RuleCase{"density 1.031", Set(Density(1), "1031"), 5},
        RuleCase{"density without temperature", Set(RefTemp(Density(1)), ""), 6},
        RuleCase{"no viscosity", Set(DynamicViscosity(1), ""), 7},
        RuleCase{"dynamic 0", Set(DynamicViscosity(1), "0"), 10},
        RuleCase{"dynamic above 1,000,000 cP", Set(DynamicViscosity(1), "1000.01"), 10},
        RuleCase{"dynamic without temperature", Set(RefTemp(DynamicViscosity(1)), ""), 11},
        RuleCase{"kinematic above 1,000,000 cSt", Set(KinematicViscosity(1), "1.0001"), 8},
        RuleCase{"kinematic without temperature", Set(KinematicViscosity(1), "0.00001"), 9},
        RuleCase{"both given: only the kinematic is checked",
                 [](TableFile& r) {
                     r.SetFieldText(KinematicViscosity(1), "0.00001");
                     r.SetFieldText(RefTemp(KinematicViscosity(1)), "288.15");
                     r.SetFieldText(DynamicViscosity(1), "0");
                 },
                 0},
        RuleCase{"refined with two cuts", Cuts({{"400", "0.3"}, {"600", "0.95"}}, "refined"), 12},
        RuleCase{"a cut without its fraction", Cuts({{"400", "0.3"}, {"600", ""}}), 13},
        RuleCase{"last cut 85% at 280 C", Cuts({{"400", "0.3"}, {"553.15", "0.85"}}), 0},
        RuleCase{"last cut 85% at 270 C", Cuts({{"400", "0.3"}, {"543.15", "0.85"}}), 14},
        RuleCase{"last cut 90% at 100 C", Cuts({{"300", "0.3"}, {"373.15", "0.9"}}), 0},
        RuleCase{"temperature not rising", Cuts({{"400", "0.3"}, {"400", "0.5"}, {"600", "0.9"}}),
                 15},
        RuleCase{"fraction not rising", Cuts({{"400", "0.5"}, {"450", "0.5"}, {"600", "0.9"}}), 15},
        RuleCase{"a missing cut before the last", Cuts({{"400", "0.3"}, {"", ""}, {"600", "0.9"}}),
                 15},
        RuleCase{"refined with three good cuts",
                 Cuts({{"400", "0.1"}, {"450", "0.5"}, {"520", "0.92"}}, "refined"), 0}),
    [](const ::testing::TestParamInfo<RuleCase>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(EnteredValues, AreStoredInTheLibrarysUnits) {
    using K = EntryKind;
    const auto C = TemperatureUnit::Celsius;
    EXPECT_EQ(StoredNumberText(K::Tension, 23, C), "0.023");
    EXPECT_EQ(StoredNumberText(K::Density, 0.8765, C), "876.5");
    EXPECT_EQ(StoredNumberText(K::Kinematic, 10, C), "1e-05");
    EXPECT_EQ(StoredNumberText(K::Dynamic, 25, C), "0.025");
    EXPECT_EQ(StoredNumberText(K::Temperature, 15, C), "288.150000");
    EXPECT_EQ(StoredNumberText(K::Density, std::nullopt, C), "");

    TableFile r("unused", kColumnNames, kNamedFields, kFieldCount);
    const CustomOilItem* pour = FindCustomOilItem("pourPoint");
    ASSERT_NE(pour, nullptr);
    SetEnteredNumber(r, *pour, -7, C);
    EXPECT_EQ(r.FieldText(kPourPointMin), "266.150000");
    EXPECT_EQ(r.FieldText(kPourPointMax), "266.150000");
    const CustomOilItem* kv = FindCustomOilItem("kinematicViscosity2");
    ASSERT_NE(kv, nullptr);
    SetEnteredNumber(r, *kv, 12.5, C);
    EXPECT_EQ(r.FieldText(KinematicViscosity(2)), "1.25e-05");
}

TEST(Identifiers, SixteenHexDigitsUniqueWithinOneSecond) {
    CustomOilIdState ids;
    EXPECT_EQ(MakeCustomOilId(ids, 0x5F000000, 0x1234), "C5F00000012340001");
    // The first clock value stays.
    EXPECT_EQ(MakeCustomOilId(ids, 0x5F000000, 0x9999), "C5F00000012340002");

    // An identifier already held by a library oil is not handed out again.
    TempDir dir;
    testing::WriteFile(dir.File("CustomLib"),
                       "1.0\t01/01/2024\tormix\nOil Name\tORMIX Oil ID\nOld\tC5F00000012340003\n");
    OilLibrary custom(dir.Path(), "CustomLib");
    ASSERT_EQ(custom.Load(), kTableOk);
    EXPECT_EQ(MakeUniqueCustomOilId(ids, {&custom}, 0x5F000000, 0), "C5F00000012340004");
}

TEST(CustomOilJson, WritesOnlyTheKeysGivenInTheLibrarysUnits) {
    TableFile r("unused", kColumnNames, kNamedFields, kFieldCount);
    ValidCrude(r);
    std::string error;
    ASSERT_TRUE(ApplyCustomOilJson(R"({"temperatureUnit": "F", "location": "Bay",
        "pourPoint": 32, "wax": 5, "density1": null, "oilClass": "group 3"})",
                                   r, error))
        << error;
    EXPECT_EQ(r.FieldText(kLocation), "Bay");
    EXPECT_EQ(r.FieldText(kPourPointMax), "273.150000");
    EXPECT_EQ(r.FieldText(kWax), "0.05");
    EXPECT_TRUE(r.IsFieldEmpty(Density(1)));
    EXPECT_EQ(r.FieldText(kApi), "30");  // untouched
}

TEST(CustomOilJson, RefusesBadRecordsNamingTheKey) {
    struct Bad {
        const char* json;
        const char* error;
    };
    for (Bad bad :
         {Bad{"[1]", "expected a JSON object"}, Bad{R"({"colour": "red"})", "colour: unknown key"},
          Bad{R"({"api": "30"})", "api: expected a number"},
          Bad{R"({"name": 3})", "name: expected a text"},
          Bad{R"({"name": "a\tb"})", "name: a text cannot hold a tab or a line break"},
          Bad{R"({"wax": 101})", "wax: must be between 0 and 100 %"},
          Bad{R"({"cut1Temp": -300})", "cut1Temp: must be above absolute zero"},
          Bad{R"({"density1": 0})", "density1: must be greater than 0"},
          Bad{R"({"temperatureUnit": "K"})", "temperatureUnit: expected one of \"C\", \"F\""},
          Bad{R"({"productType": "crude", "oilClass": "group 5"})",
              "oilClass: must be \"group 1\" to \"group 4\" for a crude"},
          Bad{R"({"cutUnits": "mass %"})", "cutUnits: must be \"volume %\" or \"weight %\""},
          // Beyond what the library's single-precision numbers keep (it
          // would read back as no value at all), in the unit entered.
          Bad{R"({"api": 1e39})", "api: is too large: the library keeps numbers up to 3.40282e+38"},
          Bad{R"({"nickel": -1e39})",
              "nickel: is too large: the library keeps numbers up to 3.40282e+38"},
          Bad{R"({"density1": 1e36})",
              "density1: is too large: the library keeps numbers up to 3.40282e+35"}}) {
        TableFile r("unused", kColumnNames, kNamedFields, kFieldCount);
        std::string error;
        EXPECT_FALSE(ApplyCustomOilJson(bad.json, r, error)) << bad.json;
        EXPECT_EQ(error.rfind(bad.error, 0), 0u) << bad.json << ": " << error;
    }
}

struct ActionTest : ::testing::Test {
    TempDir dir;
    OilLibrary custom{dir.Path(), "CustomLib"};
    CollectingSink messages;
};

// (A copy of a library oil is added by the command tests.)
TEST_F(ActionTest, NewOilsGetTheirIdentifierAndAreSavedAtTheEnd) {
    ValidCrude(custom);
    custom.SetFieldText(kOilId, "C1");
    custom.SetFieldText(kLocation, "Gulf");
    ASSERT_TRUE(SaveCustomOil(custom, -1, messages));
    ASSERT_TRUE(StartNewCustomOil(custom, NewCustomOil::CopyOfCustomOil, nullptr,
                                  custom.Summaries().at(0).position, "C2", messages));
    custom.SetFieldText(kOilName, "Second");
    ASSERT_TRUE(SaveCustomOil(custom, -1, messages));
    ASSERT_EQ(custom.Summaries().size(), 2u);
    EXPECT_EQ(custom.Summaries()[1].oilId, "C2");
    EXPECT_EQ(custom.Summaries()[1].location, "Gulf");

    ASSERT_TRUE(StartNewCustomOil(custom, NewCustomOil::Blank, nullptr, -1, "C3", messages));
    EXPECT_EQ(custom.JoinedLine(), "\tC3");
}

// Another program saved an oil under the ID this one was given: this one
// takes another ID, and both oils are kept. Then the other program removes
// this one's oil while it is edited: it is not saved, and the message says
// so rather than blaming the file.
TEST_F(ActionTest, OilsChangedByAnotherProgramMeanwhile) {
    OilLibrary theirs(dir.Path(), "CustomLib");
    ValidCrude(theirs);
    theirs.SetFieldText(kOilName, "Theirs");
    theirs.SetFieldText(kOilId, "C1");
    ASSERT_TRUE(SaveCustomOil(theirs, -1, messages));
    ValidCrude(custom);
    custom.SetFieldText(kOilId, "C1");
    CustomOilIdState ids;
    ASSERT_TRUE(SaveCustomOil(custom, -1, messages, &ids));
    OilLibrary check(dir.Path(), "CustomLib");
    ASSERT_EQ(check.Load(), kTableOk);
    ASSERT_EQ(check.Summaries().size(), 2u);
    EXPECT_EQ(check.Summaries()[0].oilId, "C1");
    EXPECT_NE(check.Summaries()[1].oilId, "C1");
    EXPECT_FALSE(check.Summaries()[1].oilId.empty());

    const long position = custom.Summaries().at(1).position;
    ASSERT_TRUE(StartEditCustomOil(custom, position, messages));
    ASSERT_EQ(check.DeleteRecord(check.Summaries().at(1).position), kTableOk);
    EXPECT_FALSE(SaveCustomOil(custom, position, messages));
    EXPECT_EQ(messages.messages.back().text, kOilGoneSaveMessage);
}

TEST_F(ActionTest, AnOilTooLongForALibraryLineIsRefusedNamingTheLimit) {
    ValidCrude(custom);
    custom.SetFieldText(kOilName, std::string(5000, 'n'));
    EXPECT_FALSE(SaveCustomOil(custom, -1, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Problem with the Input\n\nThe oil's entries are too long to be saved: a line of "
              "the Custom Oil Library holds at most 4095 characters, and this oil's would take "
              "5081. Please shorten the name, the comments or another text.");
    EXPECT_FALSE(std::filesystem::exists(dir.File("CustomLib")));
    // The other values take 80 characters with their tabs: a name of 4014
    // fills a line exactly.
    custom.SetFieldText(kOilName, std::string(4015, 'n'));
    EXPECT_FALSE(SaveCustomOil(custom, -1, messages));
    custom.SetFieldText(kOilName, std::string(4014, 'n'));
    EXPECT_TRUE(SaveCustomOil(custom, -1, messages)) << messages.messages.back().text;
}

TEST_F(ActionTest, NoSelectionAndFailedRemovalShowTheirMessages) {
    const char* select = "Please Select an Oil\n\nNo oil has been selected in the list.";
    EXPECT_FALSE(
        StartNewCustomOil(custom, NewCustomOil::CopyOfCustomOil, nullptr, -1, "C", messages));
    EXPECT_FALSE(StartEditCustomOil(custom, -1, messages));
    EXPECT_FALSE(RemoveCustomOil(custom, -1, messages));
    ASSERT_EQ(messages.messages.size(), 3u);
    for (const Message& m : messages.messages)
        EXPECT_EQ(m.text, select);

    EXPECT_FALSE(RemoveCustomOil(custom, 12345, messages));
    EXPECT_EQ(messages.messages.back().text,
              "Unable to Remove Oil\n\nAn error occurred while attempting to modify the Custom "
              "Oil Library. Cannot delete the oil.");
}

}  // namespace
}  // namespace ormix
