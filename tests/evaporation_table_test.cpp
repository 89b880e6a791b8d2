#include "oil/evaporation_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/setup.h"
#include "model_fixture.h"
#include "oil_samples.h"

namespace ormix {
namespace {

using testing::NewModel;

// The two steps of the table on a model's oil, water and wind.
bool Components(WeatheringModel& m) {
    return BuildPseudoComponents(m.inputs.oil, OilSurroundingsOf(m), m.Messages());
}
bool Table(WeatheringModel& m) {
    return BuildEvaporationTable(
        {m.inputs.oil, m.setup.InitialOil, m.setup.evap, m.setup.evapConst}, OilSurroundingsOf(m),
        m.Messages());
}

double BoilingPointOf(const WeatheringModel& m, int j) {
    // Invert the molar-volume line V = 7e-5 - 2.102e-7 TB + 1e-9 TB^2.
    double V = m.inputs.oil.compMolarVolume[j];
    return (2.102e-7 + std::sqrt(2.102e-7 * 2.102e-7 - 4e-9 * (7e-5 - V))) / 2e-9;
}

std::unique_ptr<WeatheringModel> WithCuts(std::vector<double> T, std::vector<double> F,
                                          int kind = 2) {
    auto m = NewModel();
    m->inputs.waterTemp = 288.15;
    std::strcpy(m->inputs.oil.productType, "crude");
    m->inputs.oil.distKind = kind;
    m->inputs.oil.cutCount = static_cast<int>(T.size());
    for (size_t i = 0; i < T.size(); ++i) {
        m->inputs.oil.dist_temp[i] = T[i];
        m->inputs.oil.dist_frac[i] = F[i];
    }
    return m;
}

TEST(PseudoComponents, CrudeWithoutCutsFollowsItsBoilingLine) {
    auto m = WithCuts({}, {}, 1);
    m->inputs.oil.T0 = 400;
    m->inputs.oil.TG = 600;
    ASSERT_TRUE(Components(*m));
    ASSERT_EQ(m->inputs.oil.componentCount, 5);
    double TB[] = {460, 580, 700, 820, 940};
    for (int j = 0; j < 5; ++j) {
        EXPECT_NEAR(BoilingPointOf(*m, j), TB[j], 1e-6);
        EXPECT_NEAR(m->inputs.oil.compFraction[j], 0.2, 1e-12);
    }
}

TEST(PseudoComponents, VeryLightFirstCutAndHeavyResidueAreHeld) {
    // Extrapolated back, the first boiling point falls below 273 K.
    auto m = WithCuts({280, 500}, {0.4, 0.5});
    ASSERT_TRUE(Components(*m));
    EXPECT_NEAR(BoilingPointOf(*m, 0), (280 + 273) / 2.0, 1e-6);
    // 500 + 0.5 x 0.5 x 220 / 0.1 = 1050 K: below the limit.
    EXPECT_NEAR(BoilingPointOf(*m, 2), 1050, 1e-6);

    auto heavy = WithCuts({400, 600}, {0.05, 0.1});
    ASSERT_TRUE(Components(*heavy));
    EXPECT_NEAR(BoilingPointOf(*heavy, 2), 1500, 1e-6);
}

// Cuts by volume give the fractions between them; by weight, fractions
// that favour the light components.
TEST(PseudoComponents, CutsByVolumeOrWeight) {
    auto byVolume = WithCuts({400, 450, 500}, {0.1, 0.3, 0.5}, 2);
    auto byWeight = WithCuts({400, 450, 500}, {0.1, 0.3, 0.5}, 3);
    ASSERT_TRUE(Components(*byVolume));
    ASSERT_TRUE(Components(*byWeight));
    ASSERT_EQ(byVolume->inputs.oil.componentCount, 4);
    const double TB[] = {387.5, 425, 475, 562.5}, f[] = {0.1, 0.2, 0.2, 0.5};
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(BoilingPointOf(*byVolume, j), TB[j], 1e-6) << j;
        EXPECT_NEAR(byVolume->inputs.oil.compFraction[j], f[j], 1e-12) << j;
    }
    double sum = 0;
    for (int j = 0; j < 4; ++j)
        sum += byWeight->inputs.oil.compFraction[j];
    EXPECT_NEAR(sum, 1, 1e-12);
    // Light components take more volume per kilogram.
    EXPECT_GT(byWeight->inputs.oil.compFraction[0], byVolume->inputs.oil.compFraction[0]);
    EXPECT_LT(byWeight->inputs.oil.compFraction[3], byVolume->inputs.oil.compFraction[3]);
}

TEST(PseudoComponents, UnknownDistillationKindIsAnError) {
    CollectingSink sink;
    auto m = WithCuts({400, 450}, {0.1, 0.3}, 7);
    m->run.sink = &sink;
    EXPECT_FALSE(Components(*m));
    EXPECT_TRUE(sink.Contains(" pseudo component calculation error "));
    EXPECT_EQ(m->inputs.oil.componentCount, NoDataInt);
}

// The benzene concentration over an oil holding the mole fraction `xb`
// of benzene, at 15 deg C.
double Benzene(double xb, const double* row) {
    const double Mb = 0.07811, Vb = Mb / 877;
    const double Cb = 133 * std::pow(10.0, 7.9622 - 1785 / 288.15) / (8.3144 * 288.15);
    return xb * (row[kEvMv] / Vb) * Mb * Cb;
}

class EvaporationTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        m = WithCuts({400, 450, 500}, {0.1, 0.3, 0.5});
        m->setup.InitialOil.rho0 = 870;
        m->inputs.oil.api = 31;
        m->inputs.oil.benzene = 0.004;
        for (int h = 0; h < 24; ++h)
            m->inputs.wind[h].speed = h == 5 ? 12 : 8;
        ASSERT_TRUE(Components(*m));
        ASSERT_TRUE(Table(*m));
    }
    std::unique_ptr<WeatheringModel> m;
};

TEST_F(EvaporationTableTest, RowZeroIsTheFreshOil) {
    const double* row = m->setup.evap.row[0];
    EXPECT_EQ(row[kEvEx], 0);
    EXPECT_NEAR(row[kEvFevap], 0, 1e-15);
    EXPECT_NEAR(row[kEvBenz], Benzene(0.004 * 870 / 877, row), 1e-15);
    EXPECT_EQ(m->setup.evap.rows, kMaxEvapRows);
}

TEST_F(EvaporationTableTest, ExposuresRiseToTheLargestAndTheOilOnlyLoses) {
    const int R = m->setup.evap.rows;
    double EXmax = 4.32e9 * m->setup.evapConst * std::pow(12.0, 7.0 / 9.0);
    EXPECT_NEAR(m->setup.evap.row[R - 1][kEvEx], EXmax, 1e-9 * EXmax);
    for (int r = 1; r < R; ++r) {
        const double* a = m->setup.evap.row[r - 1];
        const double* b = m->setup.evap.row[r];
        ASSERT_GT(b[kEvEx], a[kEvEx]) << r;
        ASSERT_GE(b[kEvFevap], a[kEvFevap]) << r;
        ASSERT_LE(b[kEvRate], a[kEvRate] * (1 + 1e-12)) << r;  // the light components go first
        ASSERT_LE(b[kEvVp], a[kEvVp] * (1 + 1e-12)) << r;
        ASSERT_LE(b[kEvBenz], a[kEvBenz] * (1 + 1e-12)) << r;
    }
    // The light half of the oil is gone by the end of the table.
    EXPECT_GT(m->setup.evap.row[R - 1][kEvFevap], 0.3);
}

TEST_F(EvaporationTableTest, CalmWindCollapsesTheExposures) {
    for (int h = 0; h < kHours; ++h)
        m->inputs.wind[h].speed = h < 24 ? 0 : NoData;
    ASSERT_TRUE(Table(*m));
    for (int r = 0; r < m->setup.evap.rows; ++r)
        ASSERT_EQ(m->setup.evap.row[r][kEvEx], 0);
    EXPECT_NEAR(m->setup.evap.row[m->setup.evap.rows - 1][kEvFevap], 0, 1e-15);
}

TEST_F(EvaporationTableTest, WithoutABenzeneValueItIsEstimatedFromTheApi) {
    m->inputs.oil.benzene = NoData;
    ASSERT_TRUE(Table(*m));
    const double* row = m->setup.evap.row[0];
    EXPECT_NEAR(row[kEvBenz], Benzene((31 - 10) * 0.014 + 0.001, row), 1e-15);
    // A very heavy crude would be estimated below nothing: it has none.
    m->inputs.oil.api = 8;
    ASSERT_TRUE(Table(*m));
    EXPECT_EQ(m->setup.evap.row[0][kEvBenz], 0);
}

// Against laboratory data: pan experiments on many crudes fit %Ev = [0.165
// %D + 0.045 (T - 15)] ln t (t in minutes, %D the weight percent distilled at
// 180 deg C), about 41, 29 and 1 to 2 percent after 120 hours at 15 deg C for
// a light crude, a medium one and a heavy fuel oil. A pan's 1.5 mm film is,
// in the model, oil in a boom; the bands widen the figures by half each way.

// Fraction evaporated after 120 hours at 15 deg C and 10 knots, in a boom
// (1.5 mm) or on open water.
double EvaporatedAfterFiveDays(const InputOil& oil, bool inBoom) {
    testing::Records r(120);
    r.oil = oil;
    for (int h = 0; h < 120; ++h)
        r.wind.speed[h] = 10 * 1.852 / 3.6;
    const double volume = 1000 * 0.158987294928;
    inBoom ? r.Boomed(volume, volume / 0.0015) : r.Instant(volume);
    CollectingSink sink;
    auto m = testing::RunNew(r, &sink);
    EXPECT_TRUE(sink.messages.empty());
    const StepResult& last = testing::LastStep(*m);
    return last.evaporated.best / last.released.best;
}

TEST(EvaporationPlausibility, FiveDaysFallInTheLaboratoryBandsInTheOrderOfTheOils) {
    const double light = EvaporatedAfterFiveDays(testing::LightCrude(), true);
    const double medium = EvaporatedAfterFiveDays(testing::MediumCrude(), true);
    const double heavy = EvaporatedAfterFiveDays(testing::HeavyFuelOil(), true);
    EXPECT_TRUE(light >= 0.30 && light <= 0.60) << light;
    EXPECT_TRUE(medium >= 0.20 && medium <= 0.45) << medium;
    EXPECT_TRUE(heavy >= 0.005 && heavy <= 0.10) << heavy;
    EXPECT_GT(light, medium);
    EXPECT_GT(medium, heavy);
    EXPECT_GE(EvaporatedAfterFiveDays(testing::Diesel(), true), medium);
    // On open water the thickness follows the spreading; the order stays.
    const double openMedium = EvaporatedAfterFiveDays(testing::MediumCrude(), false);
    EXPECT_GT(EvaporatedAfterFiveDays(testing::LightCrude(), false), openMedium);
    EXPECT_GT(openMedium, EvaporatedAfterFiveDays(testing::HeavyFuelOil(), false));
    EXPECT_GT(EvaporatedAfterFiveDays(testing::HeavyFuelOil(), false), 0);
}

}  // namespace
}  // namespace ormix
