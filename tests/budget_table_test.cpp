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

TEST(TextCells, AlignCutAndAlwaysEndWithATab) {
    std::string t;
    AppendCell(t, "ab", 6, Align::Centre);
    AppendCell(t, "abc", 6, Align::Centre);
    AppendCell(t, "Evaporated!", 10, Align::Centre);
    AppendCell(t, "7", 4, Align::Right);
    AppendCell(t, "toolong", 4, Align::Right);
    AppendCell(t, "x", 3, Align::Left);
    AppendCell(t, "", 2, Align::Left);
    EXPECT_EQ(t, "  ab  \t abc  \tEvaporated\t   7\ttool\tx  \t  \t");
}

TEST(TextCells, NumbersAreGroupedOnlyWithoutDecimals) {
    EXPECT_EQ(FormatNumber(5000, 0), "5,000");
    EXPECT_EQ(FormatNumber(1234567.4, 0), "1,234,567");
    EXPECT_EQ(FormatNumber(999.5, 0), "1,000");
    EXPECT_EQ(FormatNumber(999, 0), "999");
    EXPECT_EQ(FormatNumber(-1234, 0), "-1,234");
    EXPECT_EQ(FormatNumber(1234.56, 1), "1234.6");
    EXPECT_EQ(FormatNumber(0.5, 2), "0.50");
}

TEST(TextCells, DecimalsFollowTheTotalReleased) {
    for (auto [total, decimals] :
         {std::pair{5.0, 2}, {9.99, 2}, {10.0, 1}, {50.0, 1}, {100.0, 0}, {5000.0, 0}, {0.0, 2}})
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
// the hour-1 step first.
TEST(BudgetRows, ATwelveHourSpillGetsHourlyRows) {
    auto m = SyntheticRun(12, 8);
    OutputSeries s = BuildBudgetTableSeries(*m, kBudgetBarrels);
    EXPECT_EQ(Hours(s, SelectBudgetRows(s, 30)),
              (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    auto four = SyntheticRun(4, 8);
    s = BuildBudgetTableSeries(*four, kBudgetBarrels);
    EXPECT_EQ(Hours(s, SelectBudgetRows(s, 30)), (std::vector<int>{2, 3, 4}));
    auto longer = SyntheticRun(13, 6);
    s = BuildBudgetTableSeries(*longer, kBudgetBarrels);
    EXPECT_EQ(Hours(s, SelectBudgetRows(s, 30)), (std::vector<int>{1, 2, 4, 6, 8, 10, 12}));
}

TEST(BudgetRows, AnOngoingReleaseShowsEvenHoursOnly) {
    auto m = SyntheticRun(12, 8);
    Ongoing(*m);
    OutputSeries s = BuildBudgetTableSeries(*m, kBudgetBarrels);
    EXPECT_EQ(Hours(s, SelectBudgetRows(s, 30)), (std::vector<int>{2, 4, 6, 8, 10, 12}));
}

TEST(BudgetRows, ALongRunIsThinnedToThirtyRowsStartingOneHourIn) {
    auto m = SyntheticRun(120, 2);
    Ongoing(*m);
    OutputSeries s = BuildBudgetTableSeries(*m, kBudgetBarrels);
    const std::vector<int> rows = SelectBudgetRows(s, 30);
    ASSERT_FALSE(rows.empty());
    EXPECT_LE(rows.size(), 30u);
    EXPECT_EQ(rows.front(), 1);  // the step one hour into the spill
    EXPECT_EQ(Hours(s, rows).back(), 120);
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
    const std::vector<int> rows = SelectBudgetRows(s, 30);
    std::vector<int> rising;
    for (int r : rows)
        if (r >= 84) rising.push_back(r);
    ASSERT_GE(rising.size(), 3u);
    for (size_t i = 1; i < rising.size(); ++i)
        EXPECT_EQ(rising[i] - rising[i - 1], 12);
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

// Columns left out, separators and the rollover of dates at the year end:
// see the golden tables.
TEST(BudgetTable, RowTimesCountFromTheReleaseHour) {
    auto m = SyntheticRun(24, 6);
    OutputSeries s = BuildBudgetTableSeries(*m, kBudgetBarrels);
    s.units = "bbl";
    BudgetTableChoices c;
    c.time = BudgetTimeColumn::Dates;
    const std::time_t release = MakeLocalTime(2026, 12, 31, 23) + 30 * 60;
    const std::string t = BudgetTableRows(s, release, c);
    EXPECT_NE(t.find("\nDec 31\t2300\t   629    \t-"), std::string::npos) << t;
    EXPECT_EQ(FormatTime(ModelHourStart(release, 25), "%b %d %H%M"), "Jan 01 2300");
}

TEST(BudgetTable, RowTimesKeepLeapDaysAndDaylightSaving) {
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
    EXPECT_EQ(InitialReleasedUnit(doc), kBudgetBarrels);
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

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.golden;
}

class BudgetTableGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(BudgetTableGolden, MatchesTheStoredTable) {
    const GoldenCase& c = GetParam();
    testing::ExampleRun run(c.scenario);
    ASSERT_TRUE(run.Loaded());
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
                                 "budget-variable-winds-midnight.txt"}));

// Burned, skimmed and beached columns make the table wide.
TEST(BudgetTableGoldenWide, ResponseOperationsAddTheirColumns) {
    testing::ExampleRun run("open-sea-crude");
    ASSERT_TRUE(run.Loaded());
    CSpillDoc& doc = run.Doc();
    doc.inputBurn.num = 1;
    doc.inputBurn.startHour[0] = 4;
    doc.inputBurn.area[0] = 5000;
    doc.inputBurn.areaUnits[0] = 3;
    doc.inputBurn.thick[0] = 10;
    doc.inputBurn.thickUnits[0] = 1;
    doc.inputBurn.burnRegRate = 0.04;
    doc.inputSkimmer.num = 1;
    doc.inputSkimmer.startHour[0] = 6;
    doc.inputSkimmer.duration[0] = 12;
    doc.inputSkimmer.rate[0] = 40;
    doc.inputSkimmer.rateUnits[0] = 1;
    doc.inputBeached.volUnits = 1;
    for (int h = 24; h < 48; ++h)
        doc.inputBeached.vol[h] = 10;
    ASSERT_TRUE(doc.Solve());
    BudgetTableChoices choices{BudgetTimeColumn::Hours, kBudgetCubicMetres,
                               BudgetOtherColumns::Percent};
    testing::ExpectGolden(BuildOilBudgetTable(doc, choices).Text(), "budget-wide.txt");
}

TEST(BudgetUnits, ConversionRules) {
    EXPECT_EQ(ConvertBudgetValue(kBudgetCubicMetres, 5, 0, 0), 5);
    EXPECT_EQ(ConvertBudgetValue(kBudgetFraction, 3, 3, 0), 1.0);
    EXPECT_EQ(ConvertBudgetValue(kBudgetFraction, 0, 0, 0), 1.0);
    EXPECT_EQ(ConvertBudgetValue(kBudgetFraction, 1, 0, 0), NoData);
    EXPECT_EQ(ConvertBudgetValue(kBudgetPercent, 1, 4, 0), 25.0);
    EXPECT_EQ(ConvertBudgetValue(kBudgetPercent, 2, 2, 0), 100.0);
    EXPECT_NEAR(ConvertBudgetValue(kBudgetBarrels, 0.158987294928, 0, 0), 1, 1e-12);
    EXPECT_NEAR(ConvertBudgetValue(kBudgetGallons, 0.003785411784, 0, 0), 1, 1e-12);
    EXPECT_NEAR(ConvertBudgetValue(kBudgetTons, 1, 0, 907.2), 1, 1e-12);
    EXPECT_NEAR(ConvertBudgetValue(kBudgetMetricTons, 2, 0, 850), 1.7, 1e-12);
    EXPECT_EQ(ConvertBudgetValue(kBudgetCubicMetres, -1, 0, 0), NoData);
    EXPECT_EQ(ConvertBudgetValue(7, 1, 1, 1), NoData);
    EXPECT_EQ(ConvertBudgetValue(-1, 1, 1, 1), NoData);
    EXPECT_STREQ(BudgetUnitTableLabel(kBudgetMetricTons), "metric tons");
    EXPECT_STREQ(BudgetUnitGraphLabel(kBudgetMetricTons), "metric tonnes");
}

}  // namespace
}  // namespace ormix
