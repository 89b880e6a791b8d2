// The shipped oil library data/OilLib: every oil passes the custom oil
// checks and runs a 24-hour spill at 5 and 25 deg C without any message
// about bad data (the preparation checks its density, viscosity and cuts).
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "oil/custom_oil.h"
#include "oil/oil_selection.h"
#include "tests/model_fixture.h"

namespace ormix {
namespace {

using namespace oilfield;

struct StarterLibrary : ::testing::Test {
    OilLibrary lib{ORMIX_SOURCE_DIR "/data", "OilLib"};
    void SetUp() override { ASSERT_EQ(lib.Load(), kTableOk); }
};

TEST_F(StarterLibrary, HoldsTheOilsRespondersMeet) {
    EXPECT_GE(lib.Summaries().size(), 40u);
    std::set<std::string> names, ids;
    for (const OilSummary& s : lib.Summaries()) {
        EXPECT_TRUE(names.insert(s.fullName).second) << "two oils named " << s.fullName;
        EXPECT_TRUE(ids.insert(s.oilId).second) << "two oils with ID " << s.oilId;
        EXPECT_EQ(s.fullName.find(','), std::string::npos) << s.fullName;
    }
    for (const char* oil :
         {"Gasoline", "Jet Fuel", "Kerosene", "Diesel Fuel", "IFO 180", "IFO 380", "Bunker C",
          "Lube Oil", "Natural Gas Condensate", "Boscan", "Minas", "Alaska North Slope"})
        EXPECT_TRUE(names.count(oil)) << oil;
}

TEST_F(StarterLibrary, EveryOilPassesTheChecksAndRunsADayAt5And25Degrees) {
    const std::regex pourPoint("unknown|-?[0-9]+ .*");
    for (const OilSummary& s : lib.Summaries()) {
        SCOPED_TRACE(s.fullName);
        ASSERT_EQ(lib.ReadRecordAt(s.position), kTableOk);
        EXPECT_EQ(ValidateCustomOil(lib), 0);
        EXPECT_FALSE(lib.IsFieldEmpty(kReference));
        CollectingSink messages;
        OilChoice choice;
        ASSERT_TRUE(ChooseLibraryOil(lib, s.position, choice, messages));
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_TRUE(std::regex_match(choice.texts.PourPoint, pourPoint)) << choice.texts.PourPoint;
        for (double temperature : {5.0, 25.0}) {
            SCOPED_TRACE(std::to_string(temperature) + " deg C");
            testing::Records r(24);
            r.oil = choice.oil;
            r.water.temperature = temperature;
            auto m = testing::NewModel(&messages);
            ASSERT_TRUE(testing::RunFrom(*m, r.Instant(100.0)));
            EXPECT_GT(m->run.numSteps, 0);
        }
        for (const Message& msg : messages.messages)
            if (msg.kind != MessageKind::Information) {
                EXPECT_EQ(msg.text, "Oil is denser than surrounding water. Will sink");
            }
    }
}

}  // namespace
}  // namespace ormix
