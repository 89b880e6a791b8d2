#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "model/run.h"
#include "model_fixture.h"
#include "temp_dir.h"

namespace ormix {
namespace {

using testing::NewModel;
using testing::Records;
using testing::RunFrom;

TEST(StepLoop, InstantaneousReleaseEntersInEqualPartsOverItsHour) {
    auto m = NewModel();
    Records r(12);
    r.Instant(5);  // below 10 m3: 120 LEs; 12 hours: 8 steps an hour
    ASSERT_TRUE(RunFrom(*m, r));
    ASSERT_EQ(m->run.stepsPerHour, 8);
    ASSERT_EQ(m->les.numLEs, 120);
    for (int s = 0; s < 8; ++s)
        EXPECT_NEAR(m->results.result[s].released.best, 5.0 * 15 * (s + 1) / 120, 1e-12)
            << "step " << s;
    EXPECT_NEAR(m->results.result[8].released.best, 5.0, 1e-12);
}

TEST(StepLoop, WithoutUncertaintyTheEnvelopeIsTheBestRun) {
    auto m = NewModel();
    Records r(24);
    r.Instant(200);
    ASSERT_TRUE(RunFrom(*m, r));
    for (int s = 0; s < m->run.numSteps; ++s) {
        const StepResult& x = m->results.result[s];
        EXPECT_EQ(x.remaining.high, x.remaining.best);
        EXPECT_EQ(x.remaining.low, x.remaining.best);
        EXPECT_EQ(x.released.high, x.released.low);
        EXPECT_EQ(x.evaporated.high, x.evaporated.best);
        EXPECT_EQ(x.dispersed.low, x.dispersed.best);
    }
}

TEST(StepLoop, ContainedReleaseHasBothLEsAndTheBoomedAreaFromTheFirstStep) {
    auto m = NewModel();
    Records r(12);
    r.boomed = {true, 1, 10, kVolCubicMetres, 1000, 3};
    ASSERT_TRUE(RunFrom(*m, r));
    EXPECT_EQ(m->results.result[0].released.best, 10);
    EXPECT_EQ(m->results.result[0].slickArea, 1000);
    EXPECT_EQ(m->results.result[m->run.numSteps - 1].slickArea, 1000);
}

// Every uncertainty case of the volume scales the released amount with its
// LE volumes, so no case ever has more oil afloat than it released.
TEST(StepLoop, VolumeUncertaintyBandsTheReleasedAmount) {
    auto m = NewModel();
    Records r(24);
    r.Instant(200);
    r.uncertainty.volFlag = 1;
    r.uncertainty.vol = 10;
    ASSERT_TRUE(RunFrom(*m, r));
    const StepResult& last = m->results.result[m->run.numSteps - 1];
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
    auto m = NewModel();
    Records r(12);
    r.Instant(5);
    r.beached.volUnits = kVolCubicMetres;
    for (int h = 0; h < 12; ++h)
        r.beached.vol[h] = 1000;  // far more than was spilled
    ASSERT_TRUE(RunFrom(*m, r));
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
    auto m = NewModel();
    Records r(12);
    r.Instant(100);
    r.dispersant.num = 1;
    r.dispersant.startHour[0] = 2;
    r.dispersant.duration[0] = 1;
    r.dispersant.dispersed[0] = 100;
    r.dispersant.sprayed[0] = 50;
    ASSERT_TRUE(RunFrom(*m, r));
    const StepResult& last = m->results.result[m->run.numSteps - 1];
    // Half the oil afloat at the start of the spray (the end of step 7),
    // dispersed over its hour.
    EXPECT_NEAR(last.chemDispersed.best, 0.5 * m->results.result[7].remaining.best, 1e-9);
    EXPECT_GT(last.dispersed.best, last.chemDispersed.best);  // and the waves disperse some
    EXPECT_NEAR(last.remaining.best + last.dispersed.best + last.evaporated.best, 100, 1e-9);
}

// The waves do not disperse the part of the slick being sprayed: with all of
// it sprayed, natural dispersion stops for the spray's hour and resumes after.
TEST(StepLoop, ASprayOverTheWholeSlickStopsNaturalDispersionForItsHour) {
    auto m = NewModel();
    Records r(12);
    r.Instant(100);
    r.dispersant.num = 1;
    r.dispersant.startHour[0] = 2;
    r.dispersant.duration[0] = 1;
    r.dispersant.dispersed[0] = 50;
    r.dispersant.sprayed[0] = 100;
    ASSERT_TRUE(RunFrom(*m, r));
    auto natural = [&](int hour) {
        const StepResult& s = m->results.result[hour * m->run.stepsPerHour - 1];
        return s.dispersed.best - s.chemDispersed.best;
    };
    EXPECT_GT(natural(1), 0);
    EXPECT_NEAR(natural(2), natural(1), 1e-9);
    EXPECT_GT(natural(3), natural(2));
}

TEST(StepLoop, AbsentQuantitiesAreMarkedInTheFirstStep) {
    auto m = NewModel();
    Records r(12);
    // Inside a boom nothing disperses and no water is taken up.
    r.boomed = {true, 1, 100, kVolCubicMetres, 10000, 3};
    r.skimmer.num = 1;
    r.skimmer.startHour[0] = 2;
    r.skimmer.duration[0] = 2;
    r.skimmer.rate[0] = 10;
    r.skimmer.rateUnits[0] = 3;
    ASSERT_TRUE(RunFrom(*m, r));
    const StepResult& first = m->results.result[0];
    EXPECT_EQ(first.burned.best, NoData);
    EXPECT_EQ(first.burned.high, NoData);
    EXPECT_EQ(first.beached.low, NoData);
    EXPECT_EQ(first.dispersed.best, NoData);
    EXPECT_EQ(first.water.mean, NoData);
    EXPECT_EQ(first.skimmed.best, 0);  // skimming happens later: present
    EXPECT_GT(m->results.result[m->run.numSteps - 1].skimmed.best, 0);
    EXPECT_EQ(m->results.result[m->run.numSteps - 1].skimmed.high,
              m->results.result[m->run.numSteps - 1].skimmed.best);
}

TEST(StepLoop, WindUncertaintyStaysWithinTheWindLimits) {
    auto m = NewModel();
    Records r(12);
    r.Instant(100);
    r.wind.speed[0] = 29;
    r.uncertainty.windFlag = 1;
    r.uncertainty.wind = 5;
    r.uncertainty.windUnits = 3;
    ASSERT_TRUE(RunFrom(*m, r));
    EXPECT_NEAR(m->inputs.windUnc, 5, 1e-12);
    EXPECT_EQ(m->setup.maxWind, 30);
    EXPECT_EQ(m->setup.minWind, 1);
}

// An oil that holds no benzene at all puts none into the air: the results
// stay at the floor value, never a division by the zero fraction.
TEST(StepLoop, BenzeneStaysAtItsFloorWithoutAnyBenzene) {
    auto m = NewModel();
    Records r(12);
    r.oil.benzene = 0;
    r.Instant(100);
    ASSERT_TRUE(RunFrom(*m, r));
    // (The three-point smoothing weighs by 0.333, a shade below one third.)
    for (int s = 0; s < m->run.numSteps; ++s) {
        EXPECT_NEAR(m->results.result[s].benzene.mean, m->setup.MinBenzene,
                    0.002 * m->setup.MinBenzene);
        EXPECT_NEAR(m->results.result[s].benzene.high, m->setup.MinBenzene,
                    0.002 * m->setup.MinBenzene);
    }
    for (int r = 0; r < m->setup.evap.rows; ++r)
        ASSERT_EQ(m->setup.evap.row[r][kEvBenz], 0.0);
}

TEST(StepLoop, RunWithoutHoursHasNoResults) {
    auto m = NewModel();
    Records r(0);
    r.Instant(100);
    m->Reset();
    FillModel(*m, r.Set());
    ASSERT_TRUE(m->SetUp());
    EXPECT_EQ(m->run.numSteps, 0);
    EXPECT_FALSE(RunModel(*m));
}

// The core dump.

// Where two dumps first differ (npos: nowhere); a failure then names a
// place rather than printing megabytes.
size_t FirstDifference(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
        if (a[i] != b[i]) return i;
    return a.size() == b.size() ? std::string::npos : n;
}

class CoreDumpTest : public ::testing::Test {
protected:
    std::string ReadDump() { return testing::ReadFile(dir.File("OrmixCore.dmp")); }

    testing::TempDir dir;
};

TEST_F(CoreDumpTest, HeaderAndFirstStepOfAContainedRelease) {
    auto m = NewModel();
    m->run.workDir = dir.Path();
    Records r(12);
    r.boomed = {true, 1, 10, kVolCubicMetres, 1000, 3};
    ASSERT_TRUE(RunFrom(*m, r, true));
    std::string dump = ReadDump();
    const char* expected =
        "                 CORE DUMP FILE\n"
        "                 ==============\n"
        "\n IV = 0\n"
        "  IW = 0\n"
        "   IB = 0\n"
        "\n\t step = 0\n"
        "\t\t LEsum = 2\n"
        "\t\t area = 1000.00\n"
        "\t\t OilRatio = 1.00\n"
        "\t\t deltat = 450\n"
        "\t\t total.vol = 10.00\n"
        "\n\t\t oilSum    = 9.";  // the first step evaporates a little
    EXPECT_EQ(dump.substr(0, std::strlen(expected)), expected);
    EXPECT_NE(dump.find("\t\t Slick.Area = 1000.0000\n\t\t Wave.Hrms  = "), std::string::npos);
    EXPECT_NE(dump.find("\n\t *************** end of step ***************\n\n"), std::string::npos);
    // Two LEs only: the dump lists the LE with index 9 nowhere.
    EXPECT_EQ(dump.find("LE[9]"), std::string::npos);
    const std::string end = "\n*************** end of dump file ***************\n\n";
    ASSERT_GE(dump.size(), end.size());
    EXPECT_EQ(dump.substr(dump.size() - end.size()), end);
}

TEST_F(CoreDumpTest, ListsLE9AndEveryRunAndStep) {
    auto m = NewModel();
    m->run.workDir = dir.Path();
    Records r(12);
    r.Instant(100);
    r.uncertainty.volFlag = 1;
    r.uncertainty.vol = 10;
    ASSERT_TRUE(RunFrom(*m, r, true));
    std::string dump = ReadDump();
    auto count = [&](const std::string& what) {
        size_t n = 0;
        for (size_t p = dump.find(what); p != std::string::npos; p = dump.find(what, p + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("\n IV = "), 3u);  // pass 0 and the two volume cases
    EXPECT_EQ(count("\n\t step = "), 3u * 96);
    EXPECT_NE(dump.find("\n\t\t\t LE_area\t= "), std::string::npos);
    EXPECT_NE(dump.find("\t\t\t LE[9].vol_disp\t= -999.0000\n"), std::string::npos);
    EXPECT_NE(dump.find("\t\t\t LE[9].Y\t= 0.000000e+00\n"), std::string::npos);
}

// The spreading runs beside pass 0, the uncertainty cases side by side and
// the LEs of a step on several threads; the results, the messages and the
// dump must not depend on how many.
TEST_F(CoreDumpTest, ThreadsChangeNoBitOfTheResultsOrTheDump) {
    Records r(49);
    r.Instant(3000);
    r.continuous = {true, 2, 40, 30, 5, 3};
    r.AllUncertainties(10);
    constexpr int kWays = 4;  // 1 thread (spread first), 2..4 (spread beside)
    std::string dumps[kWays];
    CollectingSink sinks[kWays];
    std::unique_ptr<WeatheringModel> models[kWays];
    for (int t = 0; t < kWays; ++t) {
        models[t] = NewModel(&sinks[t]);
        WeatheringModel& m = *models[t];
        m.run.workDir = dir.Path();
        ASSERT_TRUE(testing::SetUpFrom(m, r));
        ASSERT_TRUE(RunModel(m, {.coreDump = true, .threads = t + 1}));
        dumps[t] = ReadDump();
    }
    ASSERT_GT(models[0]->les.numLEs, 100);
    for (int t = 1; t < kWays; ++t) {
        EXPECT_EQ(FirstDifference(dumps[t], dumps[0]), std::string::npos) << t << " threads";
        EXPECT_EQ(0, std::memcmp(models[t]->results.result, models[0]->results.result,
                                 sizeof models[0]->results.result));
        ASSERT_EQ(sinks[t].messages.size(), sinks[0].messages.size());
        for (size_t k = 0; k < sinks[0].messages.size(); ++k)
            EXPECT_EQ(sinks[t].messages[k].text, sinks[0].messages[k].text);
        for (int i = 0; i < models[0]->les.numLEs; ++i) {
            const LE& a = models[0]->les.le[i];
            const LE& b = models[t]->les.le[i];
            // Bit for bit, field by field (the record has padding).
            auto same = [](const auto& x, const auto& y) {
                return std::memcmp(&x, &y, sizeof x) == 0;
            };
            ASSERT_TRUE(same(a.Vol, b.Vol) && same(a.Y, b.Y) && same(a.S, b.S) &&
                        same(a.f_evap, b.f_evap) && same(a.visc, b.visc) && same(a.rho, b.rho) &&
                        same(a.evex, b.evex) && same(a.benz, b.benz) && same(a.birth, b.birth) &&
                        a.stabilityTime == b.stabilityTime && same(a.area, b.area) &&
                        same(a.thick, b.thick))
                << "LE " << i << ", " << t << " threads";
        }
    }
}

// Cases run side by side cannot know what the cases before them leave; the
// dump fills it in. Here the low-volume cases beach all the oil of the first
// step, so LE 9 holds no oil in them and still shows the fraction
// evaporated that pass 0 left it with.
TEST_F(CoreDumpTest, ACaseWhereLE9HoldsNoOilShowsWhatTheCaseBeforeLeft) {
    Records r(12);
    r.Instant(100);
    r.beached.volUnits = kVolCubicMetres;
    r.beached.vol[0] = 90;  // more than 80 m3 (low case), less than 100 (pass 0)
    r.uncertainty.volFlag = 1;
    r.uncertainty.vol = 20;
    r.uncertainty.emulFlag = 1;
    r.uncertainty.emul = 10;
    std::string dumps[2];
    for (int t = 0; t < 2; ++t) {
        auto m = NewModel();
        m->run.workDir = dir.Path();
        ASSERT_TRUE(testing::SetUpFrom(*m, r));
        ASSERT_TRUE(RunModel(*m, {.coreDump = true, .threads = t + 1}));
        dumps[t] = ReadDump();
    }
    EXPECT_EQ(FirstDifference(dumps[1], dumps[0]), std::string::npos);
    const std::string& dump = dumps[0];
    EXPECT_EQ(dump.find_first_of(std::string("\x01\x02", 2)), std::string::npos);
    // The f_evap lines of LE 9, run by run.
    std::vector<std::vector<std::string>> runs;
    std::istringstream in(dump);
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

// An LE's emulsion onset time, once set, carries from case to case. Cases
// run side by side start from the times the cases ended so far have set; a
// case that read a time an earlier case, still running, then set otherwise
// must be run again. Eight threads start all eight cases at once, so the
// low-onset cases after the first cannot know its times.
TEST_F(CoreDumpTest, OnsetTimesCarryFromCaseToCaseHoweverTheCasesAreShared) {
    Records r(24);
    r.Instant(500);
    r.continuous = {true, 2, 40, 30, 5, 3};
    r.oil.bullwinkle = 0.2;  // onset by evaporation: 0.05 in the low cases
    r.AllUncertainties(15);
    std::string dumps[2];
    std::unique_ptr<WeatheringModel> models[2];
    const int threads[2] = {1, 8};
    for (int k = 0; k < 2; ++k) {
        models[k] = NewModel();
        WeatheringModel& m = *models[k];
        m.run.workDir = dir.Path();
        ASSERT_TRUE(testing::SetUpFrom(m, r));
        ASSERT_TRUE(RunModel(m, {.coreDump = true, .threads = threads[k]}));
        dumps[k] = ReadDump();
    }
    EXPECT_EQ(FirstDifference(dumps[1], dumps[0]), std::string::npos);
    EXPECT_EQ(0, std::memcmp(models[1]->results.result, models[0]->results.result,
                             sizeof models[0]->results.result));
    for (int i = 0; i < models[0]->les.numLEs; ++i)
        EXPECT_EQ(models[1]->les.le[i].stabilityTime, models[0]->les.le[i].stabilityTime)
            << "LE " << i;
}

TEST_F(CoreDumpTest, UnwritableDumpEndsTheRunWithoutResults) {
    CollectingSink sink;
    auto m = NewModel(&sink);
    m->run.workDir = dir.File("no-such-directory");
    Records r(12);
    r.Instant(100);
    EXPECT_FALSE(RunFrom(*m, r, true));
    // The message names the file and the reason.
    ASSERT_FALSE(sink.messages.empty());
    EXPECT_EQ(sink.messages.back().text,
              "Core: Cannot create dump file " + dir.File("no-such-directory/OrmixCore.dmp") +
                  ": no new file can be created in its folder (No such file or directory)");
    EXPECT_EQ(m->results.result[0].released.best, NoData);
}

}  // namespace
}  // namespace ormix
