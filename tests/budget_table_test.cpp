#include <gtest/gtest.h>

#include <algorithm>

#include "output/budget_table.h"
#include "output/budget_units.h"
#include "output/output_time.h"
#include "output/text_cells.h"
#include "output_fixture.h"
#include "scenario/calendar.h"

namespace ormix {
namespace {

using testing::SyntheticRun;

// Cell alignment and plain grouping: see the golden tables.
TEST(TextCells, GroupingRoundsFirstAndDecimalsFollowTheTotal) {
    EXPECT_EQ(FormatNumber(999.5, 0), "1,000");
    EXPECT_EQ(FormatNumber(-1234, 0), "-1,234");
    EXPECT_EQ(FormatNumber(1234.56, 1), "1234.6");
    for (auto [total, decimals] : {std::pair{0.0, 2}, {9.99, 2}, {10.0, 1}, {99.9, 1}, {100.0, 0}})
        EXPECT_EQ(VolumeDecimals(total), decimals) << total;
}

std::vector<int> Hours(const OutputSeries& s, const std::vector<int>& steps) {
    std::vector<int> h;
    for (int step : steps)
        h.push_back((step + 1) / s.StepsPerHour());
    return h;
}

// A release that goes on: more released (and afloat) at every step.
void Ongoing(WeatheringModel& m) {
    for (int s = 0; s < m.run.numSteps; ++s)
        m.results.result[s].released.best = m.results.result[s].remaining.best = s + 1.0;
}

// Until the first row the release counts as going on (nothing shown yet),
// so hourly rows begin at hour 2, however short the run; longer runs show
// the hour-1 step first; an ongoing release shows even hours only. A long
// run thinned to thirty rows: see the golden tables.
TEST(BudgetRows, TwelveHoursOrLessGetHourlyRowsOrEvenHoursWhileReleasing) {
    auto m = SyntheticRun(12, 8);
    OutputSeries s = BuildBudgetTableSeries(*m, kBudgetBarrels);
    EXPECT_EQ(Hours(s, SelectBudgetRows(s, 30)),
              (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    auto longer = SyntheticRun(13, 6);
    s = BuildBudgetTableSeries(*longer, kBudgetBarrels);
    EXPECT_EQ(Hours(s, SelectBudgetRows(s, 30)), (std::vector<int>{1, 2, 4, 6, 8, 10, 12}));
    Ongoing(*m);
    s = BuildBudgetTableSeries(*m, kBudgetBarrels);
    EXPECT_EQ(Hours(s, SelectBudgetRows(s, 30)), (std::vector<int>{2, 4, 6, 8, 10, 12}));
    EXPECT_TRUE(SelectBudgetRows(s, 0).empty());
}

// With six steps an hour the hours are not exact in floating point; rows of
// a release that starts again after a steady spell must still come every
// two hours.
TEST(BudgetRows, SixStepsAnHourStillFindEvenHours) {
    auto m = SyntheticRun(24, 6);
    for (int s = 0; s < m->run.numSteps; ++s) {
        double v = s < 84 ? 100 : 100 + (s - 83);
        m->results.result[s].released.best = m->results.result[s].remaining.best = v;
    }
    OutputSeries s = BuildBudgetTableSeries(*m, kBudgetBarrels);
    // The steps that end hours 1, 2, 4, ... 12, 16, 18, ... 24.
    EXPECT_EQ(SelectBudgetRows(s, 30),
              (std::vector<int>{5, 11, 23, 35, 47, 59, 71, 95, 107, 119, 131, 143}));
}

TEST(BudgetRows, TheTableEndsOnceATenthOrLessIsAfloat) {
    auto m = SyntheticRun(48, 4);
    for (int s = 0; s < m->run.numSteps; ++s)
        m->results.result[s].remaining.best = std::max(0.0, 100.0 - s * 100.0 / 96);
    OutputSeries s = BuildBudgetTableSeries(*m, kBudgetBarrels);
    const std::vector<int> hours = Hours(s, SelectBudgetRows(s, 30));
    ASSERT_FALSE(hours.empty());
    EXPECT_LE(hours.back(), 22);
}

// Columns left out, separators and the dates column: see the golden tables.
TEST(BudgetTable, RowTimesCountFromTheReleaseHourInElapsedHours) {
    const std::time_t late = MakeLocalTime(2026, 12, 31, 23) + 30 * 60;
    EXPECT_EQ(FormatTime(ModelHourStart(late, 25), "%b %d %H%M"), "Jan 01 2300");
    // A spill on 29 February stays on 29 February.
    EXPECT_EQ(FormatTime(ModelHourStart(MakeLocalTime(2028, 2, 29, 10), 1), "%m/%d %H%M"),
              "02/29 1000");
    // Hours are elapsed hours: the spring change skips 02:00 (New York).
    const std::time_t release = MakeLocalTime(2026, 3, 7, 12);
    EXPECT_EQ(FormatTime(ModelHourStart(release, 14), "%m/%d %H%M"), "03/08 0100");
    EXPECT_EQ(FormatTime(ModelHourStart(release, 15), "%m/%d %H%M"), "03/08 0300");
}

TEST(BudgetTable, TheReleasedColumnStartsInTheReleasesUnit) {
    SpillDocData doc;
    doc.inputContinuous.flag = true;
    doc.inputContinuous.rateUnits = 6;  // gal/min
    EXPECT_EQ(InitialReleasedUnit(doc), kBudgetGallons);
    doc.inputInstant.flag = true;
    doc.inputInstant.volUnits = kVolMetricTons;
    EXPECT_EQ(InitialReleasedUnit(doc), kBudgetMetricTons);
}

TEST(BudgetTable, WithoutResultsOnlyNA) {
    testing::TempDir dir;
    CSpillDoc doc(MakeLocalTime(2026, 3, 14, 6), dir.Path());
    OilBudgetTable t = BuildOilBudgetTable(doc, {});
    EXPECT_FALSE(t.hasResults);
    EXPECT_EQ(t.Text(), "N/A");
}

struct GoldenCase {
    const char* scenario;
    BudgetTimeColumn time;
    int released;
    BudgetOtherColumns other;
    const char* golden;
};

class BudgetTableGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(BudgetTableGolden, MatchesTheStoredTable) {
    const GoldenCase& c = GetParam();
    testing::ExampleRun run(c.scenario);
    ASSERT_TRUE(run.Solve());
    BudgetTableChoices choices{c.time, c.released, c.other};
    testing::ExpectGolden(BuildOilBudgetTable(run.Doc(), choices).Text(), c.golden);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BudgetTableGolden,
    ::testing::Values(GoldenCase{"open-sea-crude", BudgetTimeColumn::Hours, kBudgetBarrels,
                                 BudgetOtherColumns::Percent, "budget-open-sea-crude.txt"},
                      GoldenCase{"diesel-continuous", BudgetTimeColumn::Dates, kBudgetBarrels,
                                 BudgetOtherColumns::Same, "budget-diesel-continuous.txt"},
                      GoldenCase{"variable-winds-midnight", BudgetTimeColumn::Dates,
                                 kBudgetMetricTons, BudgetOtherColumns::Fraction,
                                 "budget-variable-winds-midnight.txt"},
                      // Burned, skimmed and beached columns make the table wide.
                      GoldenCase{"response-operations", BudgetTimeColumn::Hours, kBudgetCubicMetres,
                                 BudgetOtherColumns::Same, "budget-response-operations.txt"}));

// Barrels, gallons, cubic metres and metric tons: see the golden tables.
TEST(BudgetUnits, ConversionRules) {
    EXPECT_EQ(ConvertBudgetValue(kBudgetFraction, 0, 0, 0), 1.0);
    EXPECT_EQ(ConvertBudgetValue(kBudgetFraction, 1, 0, 0), NoData);
    EXPECT_EQ(ConvertBudgetValue(kBudgetPercent, 1, 4, 0), 25.0);
    EXPECT_NEAR(ConvertBudgetValue(kBudgetTons, 1, 0, 907.2), 1, 1e-12);
    for (auto [unit, value] : {std::pair{int(kBudgetCubicMetres), -1}, {7, 1}, {-1, 1}})
        EXPECT_EQ(ConvertBudgetValue(unit, value, 1, 1), NoData) << unit;
    EXPECT_STREQ(BudgetUnitGraphLabel(kBudgetMetricTons), "metric tonnes");
}

}  // namespace
}  // namespace ormix
