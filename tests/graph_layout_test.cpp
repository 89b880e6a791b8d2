#include <gtest/gtest.h>

#include <algorithm>

#include "output/budget_units.h"
#include "output/graph_layout.h"
#include "output/graph_series.h"
#include "output/graph_units.h"
#include "output_fixture.h"
#include "scenario/calendar.h"

namespace ormix {
namespace {

using testing::SyntheticRun;

// A series of `kind` whose four values at every step are `low` and `high`
// (the band) around `best`.
OutputSeries Flat(int kind, double low, double best, double high) {
    auto m = SyntheticRun(12, 2);
    OutputSeries s = EmptySeries(*m, 4);
    s.title = GraphTitle(kind);
    s.units = "u";
    s.minimum = std::min({low, best, high});
    s.maximum = std::max({low, best, high});
    for (int i = 0; i < s.stepCount; ++i) {
        s.series[0][i] = low;
        s.series[1][i] = best;
        s.series[3][i] = high;
    }
    return s;
}

TEST(ValueAxis, RunsBetweenTheKindsBounds) {
    struct {
        int kind, unit;
        double low, best, high;  // the data
        bool ok, logarithmic;
        double axisLow, axisHigh;
    } cases[] = {
        // Viscosity spans decades: the axis runs between whole decades.
        {kViscosityGraph, 0, 35, 300, 4200, true, true, 10, 10000},
        // Benzene's lower bound is raised to 1 when the data reach above 1...
        {kBenzeneGraph, 0, 0.002, 5, 40, true, true, 1, 100},
        // ...and kept when they do not, so that the data stay in sight.
        {kBenzeneGraph, 0, 0.002, 0.03, 0.4, true, true, 0.001, 1},
        // A value of 0 cannot be laid out on a logarithmic axis.
        {kViscosityGraph, 0, 0, 10, 100, false, true, 0, 0},
        // A quantity that stays at one value: an axis one unit high, or up
        // to 100 in percent.
        {kBurnGraph, kBudgetPercent, 0, 0, 0, true, false, 0, 100},
        {kBurnGraph, kBudgetBarrels, 0, 0, 0, true, false, 0, 1},
        {kSkimGraph, kBudgetBarrels, NoData, NoData, NoData, false, false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << ", best " << c.best);
        const ValueAxisLayout a =
            LayOutValueAxis(Flat(c.kind, c.low, c.best, c.high), c.kind, c.unit);
        EXPECT_EQ(a.ok, c.ok);
        if (!c.ok || !a.ok) continue;
        EXPECT_EQ(a.logarithmic, c.logarithmic);
        EXPECT_DOUBLE_EQ(a.low, c.axisLow);
        EXPECT_DOUBLE_EQ(a.high, c.axisHigh);
    }
}

// The bounds that the engine sets for each kind reach the axis as they are,
// in the unit chosen.
TEST(ValueAxisOfARun, KeepsTheKindsFixedBounds) {
    auto m = SyntheticRun(24, 4);
    for (int s = 0; s < m->run.numSteps; ++s)
        m->results.result[s].evaporated = {3, 1, 2};
    struct {
        int kind, unit;
        double low, high;
        const char* title;
    } cases[] = {
        {kDensityGraph, kDensityGramsPerCc, 0.5, 1.1, "Oil Density (g/cc)"},
        {kEvaporationGraph, kBudgetFraction, 0, 1, "Oil Evaporated (fraction)"},
        {kWaterGraph, kWaterPercent, 0, 100, "Water Content in Oil (percent)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const ValueAxisLayout a =
            LayOutValueAxis(BuildGraphSeries(*m, c.kind, c.unit), c.kind, c.unit);
        ASSERT_TRUE(a.ok);
        EXPECT_FALSE(a.logarithmic);
        EXPECT_DOUBLE_EQ(a.low, c.low);
        EXPECT_DOUBLE_EQ(a.high, c.high);
        EXPECT_EQ(a.title, c.title);
    }
}

std::string Labels(const std::vector<TimeTick>& ticks) {
    std::string out;
    for (const TimeTick& t : ticks)
        out += t.hour + " " + t.date + ", ";
    return out;
}

TEST(TimeAxis, LabelsClockHoursAndDatesFromTheFirstRelease) {
    // 14:30 on March 20: the first release's clock hour is 1400; then every
    // third clock hour, across midnight onto the next date.
    const std::time_t release = MakeLocalTime(2026, 3, 20, 14) + 1800;
    EXPECT_EQ(Labels(TimeAxisTicks(24, release)),
              "1400 Mar 20, 1500 Mar 20, 1800 Mar 20, 2100 Mar 20, 0000 Mar 21, 0300 Mar 21, "
              "0600 Mar 21, 0900 Mar 21, 1200 Mar 21, ");
    // Ten days: midnights every second day counted from the first release's
    // date.
    const std::vector<TimeTick> tenDays = TimeAxisTicks(240, release);
    EXPECT_EQ(Labels(tenDays),
              "1400 Mar 20, 0000 Mar 22, 0000 Mar 24, 0000 Mar 26, 0000 Mar 28, 0000 Mar 30, ");
    EXPECT_DOUBLE_EQ(tenDays[2].hours, 34 + 48);
    // A release on a tick's clock hour is labelled once.
    EXPECT_EQ(Labels(TimeAxisTicks(24, MakeLocalTime(2026, 3, 20, 12))),
              "1200 Mar 20, 1800 Mar 20, 0000 Mar 21, 0600 Mar 21, 1200 Mar 21, ");
    EXPECT_TRUE(TimeAxisTicks(0, release).empty());
}

TEST(Readout, GivesTheTimeAndTheValuesUnderThePointer) {
    const std::time_t release = MakeLocalTime(2026, 3, 20, 14);
    OutputSeries band = Flat(kRemainGraph, 40, 45.5, 50);  // 12 hours, 2 steps an hour
    band.units = "percent";
    EXPECT_EQ(NearestStep(band, 3.1), 5);  // 3.0 h is step 5
    EXPECT_EQ(NearestStep(band, 99), band.stepCount - 1);
    EXPECT_EQ(GraphReadout(band, kRemainGraph, 5, release),
              "Mar 20 1700 (3 h): 45.5 percent (low 40, high 50)");
    band.series[1][5] = NoData;
    band.series[0][5] = band.series[3][5] = NoData;
    EXPECT_EQ(GraphReadout(band, kRemainGraph, 5, release), "Mar 20 1700 (3 h): no data percent");
    EXPECT_EQ(GraphReadout(band, kRemainGraph, band.stepCount, release), "");

    auto m = SyntheticRun(12, 2);
    for (int s = 0; s < m->run.numSteps; ++s) {
        m->results.result[s].evaporated = {20, 20, 20};
        m->results.result[s].remaining = {80, 80, 80};
    }
    const OutputSeries budget = BuildBudgetGraphSeries(*m, kBudgetPercent);
    const std::string text = GraphReadout(budget, kOilBudgetGraph, 0, release);
    EXPECT_NE(text.find("Evaporated 20"), std::string::npos) << text;
    EXPECT_EQ(text.find("Burned"), std::string::npos) << text;  // never burned: not listed
}

}  // namespace
}  // namespace ormix
