#include <gtest/gtest.h>

#include <sstream>

#include "cli/ics_command.h"
#include "cli/series_command.h"
#include "cli/summary_command.h"
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

TEST(IcsCommand, PrintsThePeriodAndTheTableAndExports) {
    testing::TempDir dir;
    IcsCommandOptions o;
    o.run = Example(dir, "open-sea-crude");
    o.duration = 30;
    o.exportFile = dir.File("ICS209.txt");
    std::ostringstream out;
    CollectingSink messages;
    ASSERT_EQ(RunIcsCommand(o, out, messages), 0);
    EXPECT_EQ(out.str().rfind("Operational Period Beginning = 03/14 0600, Duration = 24 hours\n\n"
                              "Oil Name = Arabian Light\n",
                              0),
              0u);
    const std::string x = testing::ReadFile(o.exportFile);
    EXPECT_NE(x.find("\r03/14 0600\t03/15 0600\t5000\t"), std::string::npos) << x;
}

TEST(SeriesCommand, UnitsMayBeWrittenWithDashes) {
    EXPECT_EQ(GraphUnitNamed(kDensityGraph, "kg/cu-m"), 1);
    EXPECT_EQ(GraphUnitNamed(kDensityGraph, "kg/cu m"), 1);
    EXPECT_EQ(GraphUnitNamed(kRemainGraph, "metric-tonnes"), 6);
    EXPECT_EQ(GraphUnitNamed(kRemainGraph, "metric tons"), 6);
    EXPECT_EQ(GraphUnitNamed(kWaterGraph, "bbl"), -1);
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
