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

// Ocean and river loads: see the water section and the golden summaries.
class SedimentSuffix : public ::testing::TestWithParam<std::pair<double, const char*>> {};

TEST_P(SedimentSuffix, NamesOnlyTheThreeUsualLoads) {
    auto doc = NewDoc();
    testing::EnterWater(*doc, "15", 1);
    doc->inputWater.sediment = GetParam().first;
    const std::string text = Lines(WaterSection(*doc));
    EXPECT_NE(text.find(GetParam().second), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Loads, SedimentSuffix,
    ::testing::Values(std::make_pair(51.0, "  Sediment Load = 51 g/m3\n"),
                      std::make_pair(500.0, "  Sediment Load = 500 g/m3 (muddy river)\n")));

TEST(ScenarioSummary, WaterWithAndWithoutCurrent) {
    auto doc = NewDoc();
    EXPECT_EQ(Lines(WaterSection(*doc)), "Water Properties\n  No water properties entered yet\n");
    EXPECT_TRUE(WaterSection(*doc).children[0].placeholder);
    testing::EnterWater(*doc, "59", 0);
    doc->inputWater.speedUnits = 2;
    EXPECT_EQ(Lines(WaterSection(*doc)),
              "Water Properties\n  Temperature = 59 deg F\n  Salinity = 32 ppt\n"
              "  Sediment Load = 5 g/m3 (ocean)\n  Current = 0 knots\n");
    doc->inputWater.speed = 1.25;
    doc->inputWater.direction = 135;
    EXPECT_NE(Lines(WaterSection(*doc)).find("  Current = 1.2 knots towards 135 degrees\n"),
              std::string::npos);
}

TEST(ScenarioSummary, ALeakingTankAloneListsItsTime) {
    auto doc = NewDoc();
    doc->inputTank.flag = true;
    doc->TankTime = MakeLocalTime(2026, 2, 11, 3);
    SummaryNode s = ReleaseSection(*doc);
    EXPECT_TRUE(s.expanded);
    EXPECT_EQ(Lines(s),
              "Release Information\n  Leaking Tank Release\n"
              "    Time of Release = February 11, 0300 hours\n");
}

// Every kind of line, each in the unit it was typed in.
TEST(ScenarioSummary, EverySection) {
    auto doc = NewDoc();
    testing::ChooseMediumCrude(*doc);
    testing::EnterConstantWind(*doc, "15", 1);
    doc->m_iWaveHeightChooser = 1;
    doc->m_dFetch = 20;
    doc->m_iFetchUnit = 1;
    doc->inputUncertainty.windFlag = 1;
    doc->inputUncertainty.wind = 3;
    doc->inputUncertainty.windUnits = 3;
    doc->inputContinuous.flag = true;
    doc->ContinuousTime = MakeLocalTime(2026, 6, 2, 14);
    doc->spilledType = 2;
    doc->startRate = 100;
    doc->endRate = 20;
    doc->rateUnits2 = 5;
    doc->duration = 3;
    doc->durationUnits = 1;
    doc->inputUncertainty.volFlag = 1;
    doc->inputUncertainty.vol = 20;
    doc->mDispersantPageUse[1] = 1;
    doc->DispersantTime[1] = MakeLocalTime(2026, 3, 14, 9);
    doc->m_nDispersantDuration[1] = 2;
    doc->m_dDispersantDispersed[1] = 50;
    doc->m_dDispersantSprayed[1] = 80;
    doc->mInSituBurnPageUse[0] = 1;
    doc->m_dBurnArea[0] = 500;
    doc->m_iAreaUnits[0] = 2;
    doc->m_dBurnThickness[0] = 0.2;
    doc->m_iThicknessUnits[0] = 1;
    doc->mMechanicalPageUse[3] = doc->mMechanicalPageUse[4] = 1;
    doc->m_dRecoveryRate[3] = 30;
    doc->m_iRecoveryUnits[3] = 5;
    doc->m_bMechanicalRateUse[4] = 0;
    doc->m_dRecoveredAmount[4] = 100;
    doc->m_dBeachingAmount[2] = 24;
    doc->m_iBeachingUnits = 2;
    doc->m_bEmulsDefault = false;
    doc->m_bEmulsBullwinkleDefined = false;
    doc->m_dEmulsValue = 12;
    testing::ExpectGolden(SummaryText(BuildScenarioSummary(*doc)), "summary-every-section.txt");
}

struct BenzeneCase {
    const char* type;
    double benzene;
    bool warned;
};

void PrintTo(const BenzeneCase& c, std::ostream* os) {
    *os << c.type << " with benzene " << c.benzene;
}

class BenzeneWarning : public ::testing::TestWithParam<BenzeneCase> {};

TEST_P(BenzeneWarning, RefinedProductsOfFivePercentOrUnknown) {
    auto doc = NewDoc();
    testing::ChooseMediumCrude(*doc);
    doc->ProductType = GetParam().type;
    doc->inputOil.benzene = GetParam().benzene;
    const std::string text = Lines(OilTypeSection(*doc));
    EXPECT_EQ(text.find("WARNING! Benzene graph for this product may be unreliable.") !=
                  std::string::npos,
              GetParam().warned)
        << text;
}

INSTANTIATE_TEST_SUITE_P(Products, BenzeneWarning,
                         ::testing::Values(BenzeneCase{"refined", 0.04, false},
                                           BenzeneCase{"refined", 0.05, true},
                                           BenzeneCase{"Refined", NoData, true},
                                           BenzeneCase{"crude", 0.3, false}));

// The reference values and those at the water temperature are in the
// golden summaries; the adhesion is given by no example oil.
TEST(ScenarioSummary, OilAdhesion) {
    auto doc = NewDoc();
    testing::ChooseMediumCrude(*doc);
    doc->Adhesion = "12.00";
    const std::string text = Lines(OilTypeSection(*doc));
    EXPECT_NE(text.find("  Adhesion = 12.00g/m2\n"), std::string::npos) << text;
}

TEST(ScenarioSummary, OperationSectionsWithoutLinesAreLeftOut) {
    auto doc = NewDoc();
    doc->m_dBeachingAmount.fill(0);
    const std::vector<SummaryNode> sections = BuildScenarioSummary(*doc);
    ASSERT_EQ(sections.size(), 4u);
    EXPECT_EQ(sections[3].text, "Release Information");
    EXPECT_FALSE(sections[3].expanded);
}

TEST(ScenarioSummary, Emulsification) {
    auto doc = NewDoc();
    EXPECT_TRUE(EmulsificationSection(*doc, false, 0.2).text.empty());  // default, not run
    EXPECT_EQ(Lines(EmulsificationSection(*doc, true, 0.234)),
              "Emulsification\n  Mousse begins to form when 23% of the oil has evaporated.\n");
    doc->m_bEmulsDefault = false;
    doc->m_dEmulsValue = 25;
    EXPECT_EQ(Lines(EmulsificationSection(*doc, false, NoData)),
              "Emulsification\n  Mousse begins to form when 25% of the oil has evaporated.\n");
    doc->inputUncertainty.emulFlag = 1;
    EXPECT_EQ(Lines(EmulsificationSection(*doc, false, NoData)),
              "Emulsification\n  Emulsification onset varies\n");
}

TEST(ScenarioSummary, ExampleScenarioInOrder) {
    testing::ExampleRun run("warm-water-light-product");
    ASSERT_TRUE(run.Loaded());
    ASSERT_TRUE(run.Solve());
    testing::ExpectGolden(SummaryText(BuildScenarioSummary(run.Doc())),
                          "summary-warm-water-light-product.txt");
}

}  // namespace
}  // namespace ormix
