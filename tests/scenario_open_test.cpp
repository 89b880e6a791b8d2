#include "scenario/scenario_open.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scenario/scenario_file.h"
#include "scenario_fixture.h"
#include "temp_dir.h"

namespace ormix {
namespace {

const std::string kExamples = std::string(ORMIX_SOURCE_DIR) + "/examples/scenarios/";

std::vector<unsigned char> Bytes(const SpillDocData& d) {
    std::vector<unsigned char> b;
    std::string error;
    EXPECT_TRUE(EncodeScenario(d, b, error)) << error;
    return b;
}

// A person's JSON scenario, its saved JSON form and its scenario file all
// open to the same scenario, which needs a run.
TEST(OpenScenario, EveryFormOfAScenarioOpensToTheSameValues) {
    testing::TempDir dir;
    auto fromJson = testing::NewLibraryDoc();
    ScenarioOpenResult r = OpenScenario(*fromJson, kExamples + "open-sea-crude.json");
    ASSERT_TRUE(r.ok) << r.message;

    ASSERT_TRUE(SaveScenarioFile(*fromJson, dir.File("s.qsx")).ok);
    std::string why;
    ASSERT_TRUE(ExportScenarioJson(*fromJson, dir.File("s.json"), why)) << why;

    for (const char* name : {"s.qsx", "s.json"}) {
        auto doc = testing::NewLibraryDoc();
        r = OpenScenario(*doc, dir.File(name));
        ASSERT_TRUE(r.ok) << name << ": " << r.message;
        EXPECT_TRUE(r.shown.empty()) << name << ": " << r.shown.front().text;
        EXPECT_EQ(Bytes(*doc), Bytes(*fromJson)) << name;
        EXPECT_TRUE(doc->needsSolving) << name;
    }
}

// A file that cannot be a scenario is refused with a message naming it, and
// the open scenario keeps every value.
TEST(OpenScenario, RefusedFilesLeaveTheDocumentAsItWas) {
    testing::TempDir dir;
    testing::WriteFile(dir.File("broken.json"), "{\"water\": ");
    testing::WriteFile(dir.File("cold.json"),
                       "{\"water\": {\"temperature\": -5, \"unit\": \"C\"}}");
    std::filesystem::create_directory(dir.File("folder.json"));

    auto doc = testing::NewLibraryDoc();
    ASSERT_TRUE(OpenScenario(*doc, kExamples + "open-sea-crude.json").ok);
    const auto before = Bytes(*doc);
    for (const char* name : {"broken.json", "cold.json", "folder.json", "none.json"}) {
        ScenarioOpenResult r = OpenScenario(*doc, dir.File(name));
        EXPECT_FALSE(r.ok) << name;
        EXPECT_NE(r.message.find(name), std::string::npos) << r.message;
        EXPECT_EQ(Bytes(*doc), before) << name;
    }
    // The dialogs' own refusal is kept whole, with where it was found.
    ScenarioOpenResult cold = OpenScenario(*doc, dir.File("cold.json"));
    EXPECT_NE(cold.message.find(" at water"), std::string::npos) << cold.message;
    EXPECT_NE(cold.message.find("Sorry, ORMIX does not support freezing water conditions"),
              std::string::npos)
        << cold.message;
}

TEST(OpenScenario, ExportIntoAMissingFolderSaysSoAndWritesNothing) {
    testing::TempDir dir;
    auto doc = testing::NewLibraryDoc();
    std::string why;
    EXPECT_FALSE(ExportScenarioJson(*doc, dir.File("no/such/folder/s.json"), why));
    EXPECT_NE(why.find("cannot be exported"), std::string::npos) << why;
    EXPECT_FALSE(std::filesystem::exists(dir.File("no")));
}

}  // namespace
}  // namespace ormix
