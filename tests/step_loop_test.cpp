#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "model/run.h"
#include "model/smoothing.h"
#include "model_fixture.h"
#include "temp_dir.h"

namespace ormix {
namespace {

using testing::NewModel;
using testing::Records;
using testing::RunFrom;
using testing::RunNew;

using testing::LastStep;

TEST(StepLoop, InstantaneousReleaseEntersInEqualPartsOverItsHour) {
    auto m = RunNew(Records(12).Instant(5));  // below 10 m3: 120 LEs; 12 hours: 8 steps an hour
    ASSERT_EQ(m->run.stepsPerHour, 8);
    ASSERT_EQ(m->les.numLEs, 120);
    for (int s = 0; s < 8; ++s)
        EXPECT_NEAR(m->results.result[s].released.best, 5.0 * 15 * (s + 1) / 120, 1e-12)
            << "step " << s;
    EXPECT_NEAR(m->results.result[8].released.best, 5.0, 1e-12);
}

// Each volume case scales the amount released with its LE volumes.
TEST(StepLoop, VolumeUncertaintyBandsTheReleasedAmount) {
    Records r(24);
    r.Instant(200).uncertainty.volFlag = 1;
    r.uncertainty.vol = 10;
    auto m = RunNew(r);
    const StepResult& last = LastStep(*m);
    EXPECT_NEAR(last.released.best, 200, 1e-9);
    EXPECT_NEAR(last.released.high, 220, 1e-9);
    EXPECT_NEAR(last.released.low, 180, 1e-9);
    for (int s = 0; s < m->run.numSteps; ++s) {
        const StepResult& x = m->results.result[s];
        EXPECT_LE(x.remaining.high, x.released.high + 1e-9);
        EXPECT_LE(x.remaining.low, x.released.low + 1e-9);
        EXPECT_LE(x.remaining.best, x.released.best + 1e-9);
    }
    // The last case run is the larger volume: 1.1 of the volume (less what
    // weathered away), 1.1^0.833 of the area.
    const LE& e = m->les.le[0];
    EXPECT_LT(e.Vol, e.initVol * 1.1);
    EXPECT_NEAR(e.area[3], e.areaBase[3] * std::pow(1.1, 0.833), 1e-9);
}

TEST(StepLoop, RemovalsBeyondTheOilAfloatTakeExactlyTheOilAfloat) {
    Records r(12);
    r.Instant(5).beached.volUnits = kVolCubicMetres;
    for (int h = 0; h < 12; ++h)
        r.beached.vol[h] = 1000;  // far more than was spilled
    auto m = RunNew(r);
    for (int s = 0; s < m->run.numSteps; ++s) {
        const StepResult& x = m->results.result[s];
        EXPECT_NEAR(x.beached.best, x.released.best, 1e-12) << "step " << s;
        EXPECT_EQ(x.remaining.best, 0);
    }
    for (int i = 0; i < m->les.numLEs; ++i)
        EXPECT_EQ(m->les.le[i].Vol, 0);
    // With no oil left, the properties repeat the last described ones.
    EXPECT_EQ(m->results.result[5].density.mean, m->results.result[0].density.mean);
}

TEST(StepLoop, ChemicalDispersionCountsAsDispersed) {
    auto m = RunNew(Records(12).Instant(100).Spray(2, 1, 100, 50));
    const StepResult& last = LastStep(*m);
    // Half the oil afloat at the start of the spray (the end of step 7),
    // dispersed over its hour.
    EXPECT_NEAR(last.chemDispersed.best, 0.5 * m->results.result[7].remaining.best, 1e-9);
    EXPECT_GT(last.dispersed.best, last.chemDispersed.best);  // and the waves disperse some
}

// The waves do not disperse the part of the slick being sprayed: with all of
// it sprayed, natural dispersion stops for the spray's hour and resumes after.
TEST(StepLoop, ASprayOverTheWholeSlickStopsNaturalDispersionForItsHour) {
    auto m = RunNew(Records(12).Instant(100).Spray(2, 1, 50, 100));
    auto natural = [&](int hour) {
        const StepResult& s = m->results.result[hour * m->run.stepsPerHour - 1];
        return s.dispersed.best - s.chemDispersed.best;
    };
    EXPECT_GT(natural(1), 0);
    EXPECT_NEAR(natural(2), natural(1), 1e-9);
    EXPECT_GT(natural(3), natural(2));
}

TEST(StepLoop, AbsentQuantitiesAreMarkedInTheFirstStep) {
    // Inside a boom nothing disperses and no water is taken up.
    auto m = RunNew(Records(12).Boomed(100, 10000).Skim(2, 2, 10));
    const StepResult& first = m->results.result[0];
    EXPECT_EQ(first.burned.high, NoData);
    EXPECT_EQ(first.beached.low, NoData);
    EXPECT_EQ(first.dispersed.best, NoData);
    // The smoothing keeps the mark of the absent water content.
    EXPECT_EQ(first.water.mean, NoData);
    EXPECT_EQ(m->results.result[1].water.mean, 0);
    EXPECT_EQ(first.skimmed.best, 0);  // skimming happens later: present
    EXPECT_GT(LastStep(*m).skimmed.best, 0);
}

// An oil that holds no benzene at all puts none into the air: the results
// stay at the floor value, never a division by the zero fraction.
TEST(StepLoop, BenzeneStaysAtItsFloorWithoutAnyBenzene) {
    Records r(12);
    r.Instant(100).oil.benzene = 0;
    auto m = RunNew(r);
    // (The three-point smoothing weighs by 0.333, a shade below one third.)
    const double floor = m->setup.MinBenzene;
    for (int s = 0; s < m->run.numSteps; ++s) {
        EXPECT_NEAR(m->results.result[s].benzene.mean, floor, 0.002 * floor);
        EXPECT_NEAR(m->results.result[s].benzene.high, floor, 0.002 * floor);
    }
    for (int r = 0; r < m->setup.evap.rows; ++r)
        ASSERT_EQ(m->setup.evap.row[r][kEvBenz], 0.0);
}

TEST(StepLoop, RunWithoutHoursHasNoResults) {
    auto m = NewModel();
    ASSERT_TRUE(testing::SetUpFrom(*m, Records(0).Instant(100)));
    EXPECT_EQ(m->run.numSteps, 0);
    EXPECT_FALSE(RunModel(*m));
}

// The core dump.

struct DumpedRun {
    std::unique_ptr<WeatheringModel> model;
    CollectingSink sink;
    std::string dump;
};

class CoreDumpTest : public ::testing::Test {
protected:
    // The run with its core dump on the given number of threads.
    void Run(const Records& r, int threads, DumpedRun& out) {
        out.model = NewModel(&out.sink);
        out.model->run.workDir = dir.Path();
        ASSERT_TRUE(testing::SetUpFrom(*out.model, r));
        ASSERT_TRUE(RunModel(*out.model, {.coreDump = true, .threads = threads}));
        out.dump = testing::ReadFile(dir.File("OrmixCore.dmp"));
    }

    // Runs on one thread and on `threads`: the dumps, the results and the
    // messages must agree bit for bit.
    void ExpectSameOnThreads(const Records& r, int threads, DumpedRun& one, DumpedRun& many) {
        if (!one.model) {
            ASSERT_NO_FATAL_FAILURE(Run(r, 1, one));
        }
        ASSERT_NO_FATAL_FAILURE(Run(r, threads, many));
        SCOPED_TRACE(std::to_string(threads) + " threads");
        EXPECT_TRUE(many.dump == one.dump);  // not printed: megabytes
        EXPECT_EQ(0, std::memcmp(many.model->results.result, one.model->results.result,
                                 sizeof one.model->results.result));
        EXPECT_EQ(testing::Texts(many.sink), testing::Texts(one.sink));
    }

    testing::TempDir dir;
};

TEST_F(CoreDumpTest, ListsLE9AndEveryRunAndStep) {
    Records r(12);
    r.Instant(100).uncertainty.volFlag = 1;
    r.uncertainty.vol = 10;
    DumpedRun run;
    ASSERT_NO_FATAL_FAILURE(Run(r, 1, run));
    auto count = [&](const std::string& what) {
        size_t n = 0;
        for (size_t p = run.dump.find(what); p != std::string::npos; p = run.dump.find(what, p + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("\n IV = "), 3u);  // pass 0 and the two volume cases
    EXPECT_EQ(count("\n\t step = "), 3u * 96);
    EXPECT_NE(run.dump.find("\t\t\t LE[9].Y\t= 0.000000e+00\n"), std::string::npos);
    const std::string end = "\n*************** end of dump file ***************\n\n";
    EXPECT_TRUE(run.dump.ends_with(end));
}

// The spreading beside pass 0, the cases side by side and the LEs of a step
// on 1 to 4 threads give the same results, messages, areas and dump.
TEST_F(CoreDumpTest, ThreadsChangeNoBitOfTheResultsOrTheDump) {
    Records r(49);
    r.Instant(3000).AllUncertainties(10).continuous = {true, 2, 40, 30, 5, 3};
    DumpedRun one;
    for (int t = 2; t <= 4; ++t) {
        DumpedRun many;
        ASSERT_NO_FATAL_FAILURE(ExpectSameOnThreads(r, t, one, many));
        ASSERT_GT(one.model->les.numLEs, 100);
        EXPECT_TRUE(testing::SameSpread(*one.model, *many.model));
    }
}

// Cases run side by side cannot know what the cases before them leave; the
// dump fills it in. Here the low-volume cases beach all the oil of the first
// step, and LE 9 shows the fraction evaporated that pass 0 left it with.
TEST_F(CoreDumpTest, ACaseWhereLE9HoldsNoOilShowsWhatTheCaseBeforeLeft) {
    Records r(12);
    r.Instant(100).AllUncertainties(10).beached.volUnits = kVolCubicMetres;
    r.beached.vol[0] = 90;  // more than 80 m3 (low case), less than 100 (pass 0)
    r.uncertainty.windFlag = 0;
    DumpedRun one, two;
    ASSERT_NO_FATAL_FAILURE(ExpectSameOnThreads(r, 2, one, two));
    EXPECT_EQ(one.dump.find_first_of(std::string("\x01\x02", 2)), std::string::npos);
    // The f_evap lines of LE 9, run by run.
    std::vector<std::vector<std::string>> runs;
    std::istringstream in(one.dump);
    for (std::string line; std::getline(in, line);) {
        if (line.find(" IV = ") == 0) runs.emplace_back();
        if (line.find("LE[9].f_evap") != std::string::npos) runs.back().push_back(line);
        if (line.find("LE[9].Vol") != std::string::npos && runs.size() == 2) {
            EXPECT_EQ(line, "\t\t\t LE[9].Vol\t= 0.0000");
        }
    }
    ASSERT_EQ(runs.size(), 5u);
    const std::string passZeroEnd = runs[0].back();
    ASSERT_NE(passZeroEnd, runs[0].front());  // pass 0 evaporates
    for (int c : {1, 2}) {                    // the two low-volume cases
        ASSERT_FALSE(runs[c].empty());
        for (const std::string& line : runs[c])
            EXPECT_EQ(line, passZeroEnd) << "case " << c;
    }
}

// An LE's emulsion onset time carries from case to case; a case that read a
// time an earlier, still running case then set otherwise is run again. Eight
// threads start all eight cases at once.
TEST_F(CoreDumpTest, OnsetTimesCarryFromCaseToCaseHoweverTheCasesAreShared) {
    Records r(24);
    r.Instant(500).AllUncertainties(15).continuous = {true, 2, 40, 30, 5, 3};
    r.oil.bullwinkle = 0.2;  // onset by evaporation: 0.05 in the low cases
    DumpedRun one, eight;
    ASSERT_NO_FATAL_FAILURE(ExpectSameOnThreads(r, 8, one, eight));
    for (int i = 0; i < one.model->les.numLEs; ++i)
        EXPECT_EQ(eight.model->les.le[i].stabilityTime, one.model->les.le[i].stabilityTime)
            << "LE " << i;
}

TEST_F(CoreDumpTest, UnwritableDumpEndsTheRunWithoutResults) {
    CollectingSink sink;
    auto m = NewModel(&sink);
    m->run.workDir = dir.File("no-such-directory");
    EXPECT_FALSE(RunFrom(*m, Records(12).Instant(100), true));
    // The message names the file and the reason.
    ASSERT_FALSE(sink.messages.empty());
    EXPECT_EQ(sink.messages.back().text,
              "Core: Cannot create dump file " + dir.File("no-such-directory/OrmixCore.dmp") +
                  ": no new file can be created in its folder (No such file or directory)");
    EXPECT_EQ(m->results.result[0].released.best, NoData);
}

// Smoothing of the step results.

// Steps with the given oil remaining and densities (all four values alike).
std::unique_ptr<WeatheringModel> Steps(std::initializer_list<double> oil,
                                       std::initializer_list<double> rho) {
    auto m = NewModel();
    int s = 0;
    for (double v : oil)
        m->results.result[s++].remaining.best = v;
    s = 0;
    for (double v : rho) {
        m->results.result[s].density = {v + 1, v - 1, v, v};
        m->results.result[s].viscosity = m->results.result[s].water =
            m->results.result[s].benzene = {1, 1, 1, 1};
        ++s;
    }
    m->run.numSteps = s;
    return m;
}

TEST(Smoothing, ThreePointsWithPointThreeThreeThree) {
    auto m = Steps({1, 1, 1}, {900, 903, 906});
    SmoothResults(*m, 3, 1, 1, 1);
    EXPECT_NEAR(m->results.result[1].density.mean, 902.097, 1e-9);
    EXPECT_NEAR(m->results.result[1].density.high, 903.096, 1e-9);
    EXPECT_NEAR(m->results.result[0].density.mean, 901.5, 1e-12);
    EXPECT_NEAR(m->results.result[2].density.mean, 904.5, 1e-12);
    // Without uncertainty the second mean keeps the unsmoothed mean; with it,
    // the second mean follows.
    EXPECT_EQ(m->results.result[1].density.mean2, 903);
    auto u = Steps({1, 1, 1}, {900, 903, 906});
    SmoothResults(*u, 3, 2, 1, 1);
    EXPECT_EQ(u->results.result[1].density.mean2, u->results.result[1].density.mean);
    EXPECT_NEAR(u->results.result[1].density.mean2, 902.097, 1e-9);
}

TEST(Smoothing, AStepWithoutOilIsNotSmoothedAcross) {
    auto m = Steps({1, 1, 0, 1, 1}, {900, 904, 950, 910, 920});
    SmoothResults(*m, 5, 1, 1, 1);
    EXPECT_EQ(m->results.result[2].density.mean, 950);
    EXPECT_EQ(m->results.result[1].density.mean, 902);  // with the side that has oil
    EXPECT_EQ(m->results.result[3].density.mean, 915);
}

// The presence mark of an absent water content (NoData in step 0) stays,
// and no neighbour is averaged with it.
TEST(Smoothing, AbsentEntriesKeepTheirMarkAndAreNotAveraged) {
    auto m = Steps({1, 1, 1, 1}, {900, 900, 900, 900});
    m->results.result[0].water = {NoData, NoData, NoData, NoData};
    m->results.result[1].water = {0.2, 0.1, 0.15, 0.15};
    m->results.result[2].water = {0.4, 0.3, 0.35, 0.35};
    SmoothResults(*m, 4, 1, 1, 1);
    EXPECT_EQ(m->results.result[0].water.mean2, NoData);
    EXPECT_NEAR(m->results.result[1].water.mean, 0.25, 1e-12);  // only with step 2
}

}  // namespace
}  // namespace ormix
