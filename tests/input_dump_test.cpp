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

// A new scenario lists every value unset, as the listing kept beside the
// tests shows.
TEST(InputDump, GoldenListingOfANewScenario) {
    const std::string text = InputDumpText(*testing::NewDoc(2026, 3, 14, 6));
    EXPECT_EQ(text, testing::ReadFile(kSource + "/tests/golden/new-scenario-input.dmp"));
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
    EXPECT_TRUE(fs::exists(dir.File("OrmixCore.dmp")));
}

}  // namespace
}  // namespace ormix
