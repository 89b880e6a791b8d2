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

struct AxisCase {
    const char* name;
    int kind, unit;
    double low, best, high;  // the data
    bool ok, logarithmic;
    double axisLow, axisHigh;
};

class ValueAxis : public ::testing::TestWithParam<AxisCase> {};

TEST_P(ValueAxis, RunsBetweenTheKindsBounds) {
    const AxisCase& c = GetParam();
    const ValueAxisLayout a = LayOutValueAxis(Flat(c.kind, c.low, c.best, c.high), c.kind, c.unit);
    ASSERT_EQ(a.ok, c.ok);
    if (!c.ok) return;
    EXPECT_EQ(a.logarithmic, c.logarithmic);
    EXPECT_DOUBLE_EQ(a.low, c.axisLow);
    EXPECT_DOUBLE_EQ(a.high, c.axisHigh);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ValueAxis,
    ::testing::Values(
        // Viscosity spans decades: the axis runs between whole decades.
        AxisCase{"viscosity", kViscosityGraph, 0, 35, 300, 4200, true, true, 10, 10000},
        AxisCase{"viscosity_one_decade", kViscosityGraph, 0, 100, 100, 100, true, true, 100, 1000},
        // Benzene's lower bound is raised to 1 when the data reach above 1...
        AxisCase{"benzene_raised", kBenzeneGraph, 0, 0.002, 5, 40, true, true, 1, 100},
        // ...and kept when they do not, so that the data stay in sight.
        AxisCase{"benzene_below_one", kBenzeneGraph, 0, 0.002, 0.03, 0.4, true, true, 0.001, 1},
        // A value of 0 cannot be laid out on a logarithmic axis.
        AxisCase{"viscosity_zero", kViscosityGraph, 0, 0, 10, 100, false, true, 0, 0},
        // A quantity that stays at one value: an axis one unit high, or up
        // to 100 in percent.
        AxisCase{"budget_zero_percent", kBurnGraph, kBudgetPercent, 0, 0, 0, true, false, 0, 100},
        AxisCase{"budget_zero_volume", kBurnGraph, kBudgetBarrels, 0, 0, 0, true, false, 0, 1},
        AxisCase{"no_data", kSkimGraph, kBudgetBarrels, NoData, NoData, NoData, false, false, 0,
                 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The bounds that the engine sets for each kind reach the axis as they are.
TEST(ValueAxisOfARun, KeepsTheKindsFixedBounds) {
    auto m = SyntheticRun(24, 4);
    for (int s = 0; s < m->run.numSteps; ++s)
        m->results.result[s].evaporated = {3, 1, 2};
    struct {
        int kind, unit;
        double low, high;
        const char* title;
    } cases[] = {
        {kDensityGraph, kDensityKgPerCubicMetre, 500, 1100, "Oil Density (kg/cu m)"},
        {kDensityGraph, kDensityGramsPerCc, 0.5, 1.1, "Oil Density (g/cc)"},
        {kEvaporationGraph, kBudgetPercent, 0, 100, "Oil Evaporated (percent)"},
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

std::vector<std::pair<std::string, std::string>> Labels(const std::vector<TimeTick>& ticks) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const TimeTick& t : ticks)
        out.emplace_back(t.hour, t.date);
    return out;
}

TEST(TimeAxis, LabelsClockHoursAndDatesFromTheFirstRelease) {
    // 14:30 on March 20: the first release's clock hour is 1400.
    const std::time_t release = MakeLocalTime(2026, 3, 20, 14) + 1800;
    const std::vector<TimeTick> day = TimeAxisTicks(24, release);
    ASSERT_FALSE(day.empty());
    EXPECT_EQ(day.front().hours, 0);
    EXPECT_EQ(day.front().hour, "1400");
    EXPECT_EQ(day.front().date, "Mar 20");
    // Every third clock hour after it, across midnight onto the next date.
    using L = std::pair<std::string, std::string>;
    const auto labels = Labels(day);
    EXPECT_EQ(labels[1], L("1500", "Mar 20"));
    EXPECT_NE(std::find(labels.begin(), labels.end(), L("0000", "Mar 21")), labels.end());
    EXPECT_LE(day.size(), 9u);
    for (std::size_t i = 1; i < day.size(); ++i)
        EXPECT_EQ(std::stoi(day[i].hour) % 300, 0) << day[i].hour;

    // Ten days: midnights every second day counted from the first
    // release's date, so dates two days apart.
    const std::vector<TimeTick> long_run = TimeAxisTicks(240, release);
    EXPECT_LE(long_run.size(), 9u);
    for (std::size_t i = 1; i < long_run.size(); ++i) {
        EXPECT_EQ(long_run[i].hour, "0000");
        EXPECT_DOUBLE_EQ(long_run[i].hours - long_run[i - 1].hours, i == 1 ? 34 : 48);
    }
    EXPECT_EQ(long_run[1].date, "Mar 22");
    EXPECT_EQ(long_run.back().date, "Mar 30");

    // A release on a tick's clock hour is labelled once.
    const std::vector<TimeTick> onHour = TimeAxisTicks(24, MakeLocalTime(2026, 3, 20, 12));
    EXPECT_EQ(onHour.front().hour, "1200");
    EXPECT_EQ(onHour[1].hour, "1800");
    EXPECT_EQ(onHour.size(), 5u);
    EXPECT_TRUE(TimeAxisTicks(0, release).empty());
}

TEST(Readout, GivesTheTimeAndTheValuesUnderThePointer) {
    const std::time_t release = MakeLocalTime(2026, 3, 20, 14);
    OutputSeries band = Flat(kRemainGraph, 40, 45.5, 50);  // 12 hours, 2 steps an hour
    band.units = "percent";
    EXPECT_EQ(NearestStep(band, 0), 0);
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
    EXPECT_NE(text.find("Remaining 80"), std::string::npos) << text;
    EXPECT_EQ(text.find("Burned"), std::string::npos) << text;  // never burned: not listed
}

}  // namespace
}  // namespace ormix
