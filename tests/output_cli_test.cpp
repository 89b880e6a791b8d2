#include <gtest/gtest.h>

#include <sstream>

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

struct PeriodWarning {
    const char* begin;
    long duration;
    std::vector<std::string> warnings;
};

void PrintTo(const PeriodWarning& c, std::ostream* os) {
    *os << "--begin \"" << c.begin << "\" --duration " << c.duration;
}

class IcsPeriodWarnings : public ::testing::TestWithParam<PeriodWarning> {};

// The table is printed as it is (zeros where the period holds no results),
// and standard error says why.
TEST_P(IcsPeriodWarnings, SayWhatTheTableCannotShow) {
    testing::TempDir dir;
    IcsCommandOptions o;
    o.run = Example(dir, "open-sea-crude");  // 03/14 0600, 120 hours
    o.begin = GetParam().begin;
    o.duration = GetParam().duration;
    std::ostringstream out;
    CollectingSink messages;
    ASSERT_EQ(RunIcsCommand(o, out, messages), 0);
    EXPECT_NE(out.str().find("3. Spill Status (Estimated, in Barrels)"), std::string::npos);
    std::vector<std::string> warnings;
    for (const Message& m : messages.messages)
        if (m.kind == MessageKind::Warning) warnings.push_back(m.text);
    EXPECT_EQ(warnings, GetParam().warnings);
}

INSTANTIATE_TEST_SUITE_P(
    IcsCommand, IcsPeriodWarnings,
    ::testing::Values(
        PeriodWarning{"03/14 06", 8, {}}, PeriodWarning{"03/19 00", 6, {}},
        PeriodWarning{"03/14 06",
                      30,
                      {"--duration 30: an operational period lasts 0 to 24 hours; the table is "
                       "for 24 hours"}},
        PeriodWarning{"03/14 10",
                      -2,
                      {"--duration -2: an operational period lasts 0 to 24 hours; the table is "
                       "for 0 hours",
                       "the operational period lasts 0 hours: it holds no results, and every "
                       "value of the table is 0"}},
        PeriodWarning{"03/14 02",
                      8,
                      {"the operational period begins at 03/14 0200, before the initial release "
                       "(March 14, 0600 hours): it holds no results, and every value of the "
                       "table is 0"}},
        PeriodWarning{"03/19 06",
                      8,
                      {"the operational period begins at 03/19 0600, after the end of the run "
                       "(the run covers 120 hours, to March 19, 0600 hours): it holds no "
                       "results, and every value of the table is 0"}}));

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
    for (int s = 0; s < a.run.numSteps; ++s) {
        EXPECT_EQ(a.results.result[s].remaining.low, b.results.result[s].remaining.low) << s;
        EXPECT_EQ(a.results.result[s].remaining.high, b.results.result[s].remaining.high) << s;
        EXPECT_EQ(a.results.result[s].evaporated.best, b.results.result[s].evaporated.best) << s;
    }
}

}  // namespace
}  // namespace ormix
