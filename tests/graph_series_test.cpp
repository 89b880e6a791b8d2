#include <gtest/gtest.h>

#include "output/budget_units.h"
#include "output/graph_series.h"
#include "output/graph_units.h"
#include "output_fixture.h"

namespace ormix {
namespace {

using testing::SyntheticRun;

// The kinds' fixed bounds are checked on the axes of a run (graph layout
// tests); here the values in each unit.
TEST(GraphSeries, ValuesInTheChosenUnit) {
    auto m = SyntheticRun(120, 2);
    for (int s = 0; s < m->run.numSteps; ++s)
        m->results.result[s].evaporated = {3, 1, 2};
    OutputSeries cc = BuildGraphSeries(*m, kDensityGraph, kDensityGramsPerCc);
    EXPECT_DOUBLE_EQ(cc.series[0][0], 0.87);  // low
    EXPECT_DOUBLE_EQ(cc.series[3][0], 0.9);   // high
    OutputSeries p = BuildGraphSeries(*m, kEvaporationGraph, kBudgetPercent);
    EXPECT_EQ(p.series[1][5], 2);
    EXPECT_EQ(p.series[2][5], NoData);  // budget graphs have no second mean
    // Volume units keep the data's own maximum.
    OutputSeries v = BuildGraphSeries(*m, kEvaporationGraph, kBudgetCubicMetres);
    EXPECT_EQ(v.maximum, 3);
    EXPECT_EQ(v.minimum, 0);
}

TEST(GraphSeries, BandsConvertAgainstTheReleasedAmountOfTheSameKind) {
    auto m = SyntheticRun(12, 8);
    for (int s = 0; s < m->run.numSteps; ++s) {
        m->results.result[s].released = {200, 50, 100};
        m->results.result[s].remaining = {100, 40, 100};
    }
    OutputSeries p = BuildGraphSeries(*m, kRemainGraph, kBudgetPercent);
    EXPECT_EQ(p.series[0][0], 80);   // low of low
    EXPECT_EQ(p.series[1][0], 100);  // best equals its released: exactly 100
    EXPECT_EQ(p.series[3][0], 50);   // high of high
}

TEST(GraphSeries, MissingAndNegativeValuesAreNeverDrawn) {
    auto m = SyntheticRun(12, 8);
    m->results.result[0].burned = {NoData, NoData, NoData};  // no burn in this run
    m->results.result[3].water = {-0.1, -0.1, -0.1, -0.1};
    OutputSeries burn = BuildGraphSeries(*m, kBurnGraph, kBudgetBarrels);
    EXPECT_EQ(burn.series[1][0], NoData);
    EXPECT_EQ(burn.series[1][1], 0);
    OutputSeries water = BuildGraphSeries(*m, kWaterGraph, kWaterPercent);
    EXPECT_EQ(water.series[1][3], NoData);
    EXPECT_DOUBLE_EQ(water.series[1][0], 30);
}

TEST(GraphSeries, ViscosityUnits) {
    // 20 cSt of an oil of 880 kg/m3 at 15 deg C (59 deg F).
    EXPECT_NEAR(ConvertViscosity(kViscosityCentistokes, 2e-5, 880, 288.15), 20, 1e-9);
    EXPECT_NEAR(ConvertViscosity(kViscosityCentipoise, 2e-5, 880, 288.15), 17.6, 1e-9);
    EXPECT_EQ(ConvertViscosity(kViscosityCentistokes, -1, 880, 288.15), NoData);
    EXPECT_EQ(ConvertViscosity(3, 2e-5, 880, 288.15), NoData);
    // Benzene and viscosity keep the data's range.
    auto m = SyntheticRun(12, 8);
    OutputSeries v = BuildGraphSeries(*m, kViscosityGraph, kViscosityCentistokes);
    EXPECT_NEAR(v.minimum, 10, 1e-9);
    EXPECT_NEAR(v.maximum, 30, 1e-9);
    OutputSeries b = BuildGraphSeries(*m, kBenzeneGraph, kBenzenePpm);
    EXPECT_EQ(b.minimum, 0.5);
    EXPECT_EQ(b.maximum, 2);
}

TEST(GraphSeries, UnknownKindsAndNoStepsGiveNoSeries) {
    auto m = SyntheticRun(24, 6);
    EXPECT_EQ(BuildGraphSeries(*m, 5, 0).stepCount, 0);
    EXPECT_EQ(BuildGraphSeries(*m, 12, 0).stepCount, 0);
    m->run.numSteps = 0;
    EXPECT_EQ(BuildGraphSeries(*m, kDensityGraph, 1).stepCount, 0);
}

// The names of the series and those left out: see the command tests.
TEST(BudgetGraph, ReachesUpToTheLargestRelease) {
    auto m = SyntheticRun(12, 8);
    for (int s = 0; s < m->run.numSteps; ++s) {
        m->results.result[s].released.best = 10.0 * (s + 1);
        m->results.result[s].evaporated.best = s;
        m->results.result[s].remaining.best = 9.0 * (s + 1) + 1;
    }
    OutputSeries b = BuildBudgetGraphSeries(*m, kBudgetCubicMetres);
    EXPECT_EQ(b.maximum, 960);
    EXPECT_EQ(b.minimum, 0);
}

TEST(GraphUnits, TheDocumentKeepsEachKindsUnitAndIgnoresTheSameChoice) {
    SpillDocData doc;
    EXPECT_EQ(GraphUnitOf(doc, kDensityGraph), kDensityKgPerCubicMetre);
    EXPECT_TRUE(ChooseGraphUnit(doc, kDensityGraph, kDensityGramsPerCc));
    EXPECT_FALSE(ChooseGraphUnit(doc, kDensityGraph, kDensityGramsPerCc));  // no redraw
    EXPECT_EQ(doc.graphUnit[kDensityGraph], kDensityGramsPerCc);
    EXPECT_FALSE(ChooseGraphUnit(doc, kDensityGraph, 0));  // not a density unit
    EXPECT_FALSE(ChooseGraphUnit(doc, kBenzeneGraph, 1));  // benzene is always ppm
    EXPECT_TRUE(ChooseGraphUnit(doc, kOilBudgetGraph, kBudgetGallons));
    EXPECT_EQ(doc.budgetGraphUnit, kBudgetGallons);
}

// With uncertainty the bands of remaining open around the best value.
TEST(GraphSeries, AnExampleRunWithUncertaintyOpensItsBands) {
    testing::ExampleRun run("uncertainty");
    ASSERT_TRUE(run.Solve());
    OutputSeries r = BuildGraphSeries(run.Doc().Model(), kRemainGraph, kBudgetBarrels);
    const int last = r.stepCount - 1;
    EXPECT_LT(r.series[0][last], r.series[1][last]);
    EXPECT_GT(r.series[3][last], r.series[1][last]);
}

}  // namespace
}  // namespace ormix
