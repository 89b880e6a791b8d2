#include <gtest/gtest.h>

#include <sstream>

#include "cli/ics_command.h"
#include "cli/run_command.h"
#include "cli/series_command.h"
#include "cli/summary_command.h"
#include "output/budget_units.h"
#include "output/graph_series.h"
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

TEST(IcsCommand, RefusesAMalformedOrImpossibleBeginning) {
    testing::TempDir dir;
    IcsCommandOptions o;
    o.run = Example(dir, "open-sea-crude");
    o.begin = "14/03 06";
    std::ostringstream out;
    CollectingSink messages;
    EXPECT_EQ(RunIcsCommand(o, out, messages), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "--begin 14/03 06: expected \"MM/DD HH\" (month/day hour), e.g. \"03/14 06\"");
    o.begin = "02/29 06";  // 2026 has no 29 February
    messages.messages.clear();
    EXPECT_EQ(RunIcsCommand(o, out, messages), 1);
    EXPECT_TRUE(messages.Contains("--begin 02/29 06: there is no such day in 2026"));
    EXPECT_TRUE(out.str().empty());
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
                       "results, and every value of the table is 0"}},
        PeriodWarning{"03/19 01",
                      8,
                      {"the operational period runs past the end of the run (the run covers 120 "
                       "hours, to March 19, 0600 hours): it holds results for its first 5 of 8 "
                       "hours only"}}));

TEST(RunCommand, AccountIsInTheReleasedUnitAndGivesTheSeed) {
    testing::TempDir dir;
    RunOptions o = Example(dir, "open-sea-crude");  // 5000 bbl
    o.seed = 7;
    auto doc = std::make_unique<CSpillDoc>(0, o.workDir, o.library);
    CollectingSink messages;
    ASSERT_EQ(LoadAndRun(o, *doc, messages), 0);
    std::ostringstream bbl, cubic;
    PrintRunSummary(*doc, bbl, kBudgetBarrels);
    PrintRunSummary(*doc, cubic, kBudgetCubicMetres);
    EXPECT_NE(bbl.str().find("Seed: 7 (the same seed repeats the run: --seed 7)\n"),
              std::string::npos)
        << bbl.str();
    EXPECT_NE(bbl.str().find("  Released                  5000.00 bbl    100.0 %\n"),
              std::string::npos)
        << bbl.str();
    EXPECT_NE(cubic.str().find("  Released                   794.94 cu m    100.0 %\n"),
              std::string::npos)
        << cubic.str();
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
    for (int s = 0; s < a.run.numSteps; ++s) {
        EXPECT_EQ(a.results.result[s].remaining.low, b.results.result[s].remaining.low) << s;
        EXPECT_EQ(a.results.result[s].remaining.high, b.results.result[s].remaining.high) << s;
        EXPECT_EQ(a.results.result[s].evaporated.best, b.results.result[s].evaporated.best) << s;
    }
}

TEST(SeriesCommand, RefusesUnknownGraphsAndUnitsBeforeRunning) {
    testing::TempDir dir;
    SeriesCommandOptions o;
    o.run = Example(dir, "open-sea-crude");
    o.graph = "density";
    o.unit = "cSt";
    std::ostringstream out;
    CollectingSink messages;
    EXPECT_EQ(RunSeriesCommand(o, out, messages), 1);
    EXPECT_TRUE(messages.Contains("--unit cSt: the density graph's units are kg/cu-m, g/cc"));
    o.graph = "slick";
    EXPECT_EQ(RunSeriesCommand(o, out, messages), 1);
    EXPECT_TRUE(out.str().empty());
}

// The series command's output for the open-sea example.
std::string Series(const char* graph, const char* unit, const char* format) {
    testing::TempDir dir;
    SeriesCommandOptions o;
    o.run = Example(dir, "open-sea-crude");
    o.graph = graph;
    o.unit = unit;
    o.format = format;
    std::ostringstream out;
    CollectingSink messages;
    EXPECT_EQ(RunSeriesCommand(o, out, messages), 0);
    return out.str();
}

TEST(SeriesCommand, CsvHasHoursFirstAndEmptyFieldsForMissingValues) {
    std::istringstream lines(Series("burned", "bbl", "csv"));
    std::string header, first, second;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(header, "hours,low (bbl),best (bbl),high (bbl)");
    EXPECT_EQ(first, "0.5,,,");  // nothing burned: step 0 marks the series absent
    EXPECT_EQ(second, "1,0,0,0");
}

TEST(SeriesCommand, BudgetJsonListsTheSeriesThatOccur) {
    const std::string j = Series("budget", "", "json");
    EXPECT_EQ(j.rfind("{\"graph\":\"budget\",\"title\":\"Oil Budget\",\"unit\":\"bbl\","
                      "\"hours\":120,\"stepCount\":240,\"minimum\":0.0,",
                      0),
              0u)
        << j.substr(0, 200);
    EXPECT_NE(j.find("{\"name\":\"Evaporated\",\"values\":["), std::string::npos);
    EXPECT_EQ(j.find("\"Burned\""), std::string::npos);
    EXPECT_NE(j.find("{\"name\":\"Total\",\"values\":["), std::string::npos);
}

TEST(SummaryCommand, PrintsTheSections) {
    testing::TempDir dir;
    std::ostringstream out;
    CollectingSink messages;
    ASSERT_EQ(RunSummaryCommand(Example(dir, "boomed-spill"), out, messages), 0);
    const std::string s = out.str();
    EXPECT_EQ(s.rfind("Oil Type\n  Alaska North Slope\n", 0), 0u) << s;
    EXPECT_NE(s.find("Release Information\n  Contained Release\n"
                     "    Time of Release = September 21, 1000 hours\n"
                     "    Amount Spilled = 50 bbl\n"
                     "    Area of Contained Oil = 2000 sq. meters\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("Emulsification\n  Mousse begins to form when "), std::string::npos) << s;
}

}  // namespace
}  // namespace ormix
