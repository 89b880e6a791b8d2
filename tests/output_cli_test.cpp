#include <gtest/gtest.h>

#include <cstring>

#include "cli/ics_command.h"
#include "cli/run_command.h"
#include "temp_dir.h"

namespace ormix {
namespace {

RunOptions Example(const testing::TempDir& dir, const std::string& name) {
    RunOptions o;
    o.file = std::string(ORMIX_SOURCE_DIR) + "/examples/scenarios/" + name + ".json";
    o.seed = 1;
    o.workDir = dir.Path();
    o.library = std::string(ORMIX_SOURCE_DIR) + "/data/OilLib";
    return o;
}

TEST(IcsCommand, ReadsTheBeginningAsMonthDayHour) {
    int m = 0, d = 0, h = 0;
    EXPECT_TRUE(ParseIcsBeginning("03/14 06", m, d, h));
    EXPECT_EQ(m * 10000 + d * 100 + h, 31406);
    EXPECT_TRUE(ParseIcsBeginning("12/31 23", m, d, h));
    for (const char* bad :
         {"", "3/14", "03-14 06", "13/01 00", "01/32 00", "01/01 24", "01/01 06 extra", "02/03 -1"})
        EXPECT_FALSE(ParseIcsBeginning(bad, m, d, h)) << bad;
}

// A run without --seed draws one, hands it to the model and keeps it: the
// same seed repeats the run exactly.
TEST(RunCommand, ADrawnSeedRepeatsTheRun) {
    testing::TempDir dir;
    RunOptions o = Example(dir, "uncertainty");
    o.seed.reset();
    auto first = std::make_unique<CSpillDoc>(0, o.workDir, o.library);
    CollectingSink messages;
    ASSERT_EQ(LoadAndRun(o, *first, messages), 0);
    ASSERT_TRUE(first->runSeed.has_value());
    o.seed = first->runSeed;
    auto again = std::make_unique<CSpillDoc>(0, o.workDir, o.library);
    ASSERT_EQ(LoadAndRun(o, *again, messages), 0);
    const WeatheringModel &a = first->Model(), &b = again->Model();
    ASSERT_EQ(a.run.numSteps, b.run.numSteps);
    EXPECT_EQ(std::memcmp(&a.results.result[0], &b.results.result[0],
                          sizeof(StepResult) * a.run.numSteps),
              0);
}

}  // namespace
}  // namespace ormix
