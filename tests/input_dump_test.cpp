#include "scenario/input_dump.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "scenario/calendar.h"
#include "scenario/scenario_json.h"
#include "scenario/spill_doc.h"
#include "scenario_fixture.h"
#include "temp_dir.h"

namespace ormix {
namespace {

namespace fs = std::filesystem;
const std::string kSource = ORMIX_SOURCE_DIR;

// The example scenario with every kind of response operation, run, gives
// exactly the listing kept beside the tests.
TEST(InputDump, GoldenListingOfTheResponseExample) {
    testing::TempDir dir;
    auto doc = std::make_unique<CSpillDoc>(MakeLocalTime(2026, 1, 5, 9), dir.Path(),
                                           kSource + "/data/OilLib");
    ScenarioLoadResult r = LoadScenarioJson(
        testing::ReadFile(kSource + "/examples/scenarios/response-operations.json"), *doc);
    ASSERT_TRUE(r.ok) << r.path << ": " << r.refusal.text;
    doc->runSeed = 1;
    ASSERT_TRUE(doc->Solve());
    const std::string golden =
        testing::ReadFile(kSource + "/tests/golden/response-operations-input.dmp");
    const std::string written = testing::ReadFile(dir.File("OrmixInput.dmp"));
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(written, golden);
    EXPECT_EQ(InputDumpText(*doc), golden);
}

TEST(InputDump, NewScenarioListsUnsetValues) {
    auto doc = testing::NewDoc(2026, 3, 14, 6);
    std::string text = InputDumpText(*doc);
    EXPECT_EQ(text.rfind("          INPUT DATA FILE\n          ===============\n"
                         "  Spill Time=Sat 14, 06:00\n",
                         0),
              0u);
    EXPECT_NE(text.find("emulsifiaction dialog variables\n  m_bEmulsDefault=true\n"),
              std::string::npos);
    for (int i : {0, 57, 119}) {
        std::string line = "\n  m_dVarWindSpeed[" + std::to_string(i) + "]=-999\n";
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    EXPECT_NE(text.find("  m_iBeachingUnits=0\nm_dBeachingAmount[0]=-999\n"), std::string::npos);
    EXPECT_NE(text.find("\nInput structures\nInput Water\n  temperature=-999\n  tempUnits=1\n"),
              std::string::npos);
    const std::string end =
        "  SkimmerTime[4]=Sat 14, 06:00\n\n  InputBeached.volUnits=1\n\n  OilIndex=0\n\n\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

TEST(InputDump, AFailedDumpIsReportedAndTheRunGoesOn) {
    testing::TempDir dir;
    fs::create_directories(dir.File("OrmixInput.dmp"));  // cannot be opened as a file
    auto doc = testing::NewDoc();
    CollectingSink messages;
    doc->sink = &messages;
    testing::EnterRunnableScenario(*doc, dir.Path());
    EXPECT_TRUE(doc->Solve());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Core: Cannot create dump file " +
                                             dir.File("OrmixInput.dmp") +
                                             ": it is a folder, not a file");
    EXPECT_TRUE(doc->dumpFailed);
    EXPECT_TRUE(doc->solved);
    EXPECT_FALSE(doc->needsSolving);
    EXPECT_TRUE(fs::exists(dir.File("OrmixCore.dmp")));
}

}  // namespace
}  // namespace ormix
