// Plausibility of the evaporation against laboratory data. Pan experiments
// on many crudes fit %Ev = [0.165 %D + 0.045 (T - 15)] ln t (t in minutes,
// %D the weight percent distilled at 180 deg C): after 120 hours at 15 deg C
// about 41 percent for a light crude, 29 for a medium one and 1 to 2 for a
// heavy fuel oil. A pan's film of about 1.5 mm that cannot spread is, in the
// model, oil held in a boom at that thickness. The bands are these figures
// widened by half on either side, as the fit scatters that much between oils.
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "oil_samples.h"

namespace ormix {
namespace {

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
