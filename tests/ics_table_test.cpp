#include <gtest/gtest.h>

#include "output/ics_table.h"
#include "output_fixture.h"
#include "scenario/calendar.h"

namespace ormix {
namespace {

using testing::SyntheticRun;

constexpr double kBbl = 0.158987294928;

// 24 hours at 6 steps an hour: 10 bbl released per hour, 4 bbl of it
// evaporated and 2 dispersed (1 of them chemically), the rest afloat.
std::unique_ptr<WeatheringModel> Hourly() {
    auto m = SyntheticRun(24, 6);
    for (int s = 0; s < m->run.numSteps; ++s) {
        const double hours = (s + 1) / 6.0;
        StepResult& r = m->results.result[s];
        r.released.best = 10 * hours * kBbl;
        r.evaporated.best = 4 * hours * kBbl;
        r.dispersed.best = 2 * hours * kBbl;
        r.chemDispersed.best = 1 * hours * kBbl;
        r.remaining.best = 4 * hours * kBbl;
    }
    return m;
}

// The volume spilled, and how much of the period the results cover (what
// the command warns about when it is not the whole period).
TEST(IcsPeriod, VolumeSpilledAndCoverageAtTheEdges) {
    struct {
        int opStart, duration;
        double volumePeriod, volumeTotal;
        IcsCoverage coverage;
        int coveredHours;
    } cases[] = {
        {0, 8, 0, 0, IcsCoverage::BeforeRelease, 0}, {3, 0, 0, 0, IcsCoverage::NoLength, 0},
        {25, 8, 0, 0, IcsCoverage::AfterRun, 0},     {1, 8, 80, 80, IcsCoverage::Whole, 8},
        {21, 8, 40, 240, IcsCoverage::Part, 4},  // past the end: cut
        {24, 1, 10, 240, IcsCoverage::Whole, 1}};
    auto m = Hourly();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opStart);
        IcsSlots slots = ComputeIcsSlots(BuildIcsSeries(*m), c.opStart, c.duration);
        EXPECT_NEAR(slots.period[0], c.volumePeriod, 1e-9);
        EXPECT_NEAR(slots.total[0], c.volumeTotal, 1e-9);
        const IcsPeriodCoverage coverage = CoverageOfIcsPeriod(24, c.opStart, c.duration);
        EXPECT_EQ(coverage.coverage, c.coverage);
        EXPECT_EQ(coverage.hours, c.coveredHours);
    }
}

// Natural dispersion is the dispersed less the chemically dispersed.
TEST(IcsPeriod, SlotsOfAPeriod) {
    auto m = Hourly();
    IcsSlots s = ComputeIcsSlots(BuildIcsSeries(*m), 5, 8);
    EXPECT_NEAR(s.period[2], 32, 1e-9);  // evaporation
    EXPECT_NEAR(s.total[2], 48, 1e-9);
    EXPECT_NEAR(s.period[3], 8, 1e-9);  // natural dispersion
    EXPECT_NEAR(s.period[4], 8, 1e-9);  // chemical dispersion
    // Floating, uncontained is the amount afloat at the end in both columns.
    EXPECT_NEAR(s.period[6], 48, 1e-9);
    EXPECT_NEAR(s.total[6], 48, 1e-9);
    EXPECT_EQ(s.period[5], 0);  // nothing burned
    EXPECT_NEAR(s.total[8], 48 + 12 + 12 + 48, 1e-9);
    EXPECT_NEAR(s.period[8], 32 + 8 + 8 + 48, 1e-9);
}

TEST(IcsPeriod, BeginningAndDuration) {
    const std::time_t release = MakeLocalTime(2026, 3, 14, 6);
    IcsPeriod p = InitialIcsPeriod(release);
    EXPECT_EQ(p.month, 3);
    EXPECT_EQ(p.day, 14);
    EXPECT_EQ(p.hour, 6);
    EXPECT_EQ(p.duration, 8);
    EXPECT_EQ(IcsOperationalStart(release, p), 1);
    p.hour = 5;
    EXPECT_EQ(IcsOperationalStart(release, p), 0);
    p.day = 15;
    EXPECT_EQ(IcsOperationalStart(release, p), 24);
    // A January beginning of a December spill is in the following year.
    const std::time_t newYear = MakeLocalTime(2026, 12, 31, 23);
    EXPECT_EQ(IcsOperationalStart(newYear, {1, 1, 2, 8}), 4);
}

TEST(IcsExport, TheValuesLineIsInTheYearOfTheSpill) {
    IcsSlots slots;
    for (int i = 0; i < kIcsSlots; ++i) {
        slots.period[i] = i + 0.25;
        slots.total[i] = 10 * i + 0.5;
    }
    // A spill on 29 February of a leap year: the period starts that day.
    const std::string x = IcsExportText(MakeLocalTime(2028, 2, 29, 6), 3, 8, slots, 1);
    // The heading line: see the golden export.
    EXPECT_EQ(x.substr(x.find('\r') + 1),
              "02/29 0800\t02/29 1600\t0.2\t1.2\t2.2\t3.2\t4.2\t5.2\t6.2\t7.2\t"
              "0.5\t10.5\t20.5\t30.5\t40.5\t50.5\t60.5\t70.5\t80.5\r");
}

TEST(IcsTableGolden, DieselContinuousEveningPeriod) {
    testing::ExampleRun run("diesel-continuous");
    ASSERT_TRUE(run.Solve());
    IcsTable t = BuildIcsTable(run.Doc(), {6, 2, 18, 30});  // 30 hours: kept to 24
    testing::ExpectGolden(t.text, "ics-diesel-continuous.txt");
    testing::ExpectGolden(t.exportText, "ics-diesel-continuous-export.txt");
}

}  // namespace
}  // namespace ormix
