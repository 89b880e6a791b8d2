#include <gtest/gtest.h>

#include "output/scenario_summary.h"
#include "output_fixture.h"
#include "scenario_fixture.h"

namespace ormix {
namespace {

using testing::NewDoc;

// The lines of a section, children indented.
std::string Lines(const SummaryNode& section) {
    return SummaryText({section});
}

// A current with its direction and the river/estuary load: see the golden
// summaries.
TEST(ScenarioSummary, WaterNotEnteredStillWaterAndTheUsualSedimentLoadsNamed) {
    auto doc = NewDoc();
    EXPECT_EQ(Lines(WaterSection(*doc)), "Water Properties\n  No water properties entered yet\n");
    EXPECT_TRUE(WaterSection(*doc).children[0].placeholder);
    testing::EnterWater(*doc, "59", 0);
    doc->inputWater.speedUnits = 2;
    EXPECT_EQ(Lines(WaterSection(*doc)),
              "Water Properties\n  Temperature = 59 deg F\n  Salinity = 32 ppt\n"
              "  Sediment Load = 5 g/m3 (ocean)\n  Current = 0 knots\n");
    for (auto [load, line] : {std::pair{51.0, "  Sediment Load = 51 g/m3\n"},
                              {500.0, "  Sediment Load = 500 g/m3 (muddy river)\n"}}) {
        doc->inputWater.sediment = load;
        EXPECT_NE(Lines(WaterSection(*doc)).find(line), std::string::npos) << load;
    }
}

// Every kind of line, each in the unit it was typed in.
TEST(ScenarioSummary, EverySection) {
    testing::ExampleRun run("summary-every-section", "/tests/data/");
    ASSERT_TRUE(run.Loaded());
    testing::ExpectGolden(SummaryText(BuildScenarioSummary(run.Doc())),
                          "summary-every-section.txt");
}

TEST(ScenarioSummary, BenzeneWarningForRefinedProductsOfFivePercentOrUnknown) {
    struct {
        const char* type;
        double benzene;
        bool warned;
    } cases[] = {{"refined", 0.04, false},
                 {"refined", 0.05, true},
                 {"Refined", NoData, true},
                 {"crude", 0.3, false}};
    for (const auto& c : cases) {
        auto doc = NewDoc();
        testing::ChooseMediumCrude(*doc);
        doc->ProductType = c.type;
        doc->inputOil.benzene = c.benzene;
        const std::string text = Lines(OilTypeSection(*doc));
        EXPECT_EQ(text.find("WARNING! Benzene graph for this product may be unreliable.") !=
                      std::string::npos,
                  c.warned)
            << c.type << " " << c.benzene;
    }
}

// The reference values and those at the water temperature are in the
// golden summaries; the adhesion is given by no example oil.
TEST(ScenarioSummary, OilAdhesion) {
    auto doc = NewDoc();
    testing::ChooseMediumCrude(*doc);
    doc->Adhesion = "12.00";
    const std::string text = Lines(OilTypeSection(*doc));
    EXPECT_NE(text.find("  Adhesion = 12.00g/m2\n"), std::string::npos) << text;
}

// Onsets estimated, given in hours or uncertain: see the golden summaries.
TEST(ScenarioSummary, EmulsificationOnsetDefaultOrGivenAsEvaporated) {
    auto doc = NewDoc();
    EXPECT_TRUE(EmulsificationSection(*doc, false, 0.2).text.empty());  // default, not run
    doc->m_bEmulsDefault = false;
    doc->m_dEmulsValue = 25;
    EXPECT_EQ(Lines(EmulsificationSection(*doc, false, NoData)),
              "Emulsification\n  Mousse begins to form when 25% of the oil has evaporated.\n");
}

// Solved examples: the oil's values at the water temperature, a leaking
// tank's release, an emulsification onset given with its uncertainty.
class SummaryGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(SummaryGolden, ExampleScenarioInOrder) {
    testing::ExampleRun run(GetParam());
    ASSERT_TRUE(run.Solve());
    testing::ExpectGolden(SummaryText(BuildScenarioSummary(run.Doc())),
                          std::string("summary-") + GetParam() + ".txt");
}

INSTANTIATE_TEST_SUITE_P(Examples, SummaryGolden,
                         ::testing::Values("warm-water-light-product", "leaking-tank",
                                           "uncertainty"));

}  // namespace
}  // namespace ormix
