// The two calculators as the scenario's dialogs use them: the leaking tank
// wizard's Finish and the smoke plume dialog of a burn page; and the custom
// oil sheet's reading of one typed value.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "oil/custom_oil_entry.h"
#include "scenario/burn_plume.h"
#include "scenario/calendar.h"
#include "scenario/release_kinds.h"
#include "scenario/tank_release.h"
#include "scenario_fixture.h"

namespace ormix {
namespace {

using testing::NewDoc;

// A 10 m cube half full, holed 1 m above its bottom, dry outside.
TankWizardEntries HalfFullTank() {
    TankWizardEntries e;
    e.size = {10, 10, 10, 0};
    e.page.amountChoice = 1;
    e.page.percentFull = 50;
    e.page.diameter = 20;
    e.page.diameterUnit = 1;
    e.page.leakHeight = 1;
    e.page.waterChoice = 1;
    e.page.waterPercent = 0;
    e.page.plotUnit = 2;
    e.time = {3, 15, 8};
    return e;
}

TEST(TankWizardOK, StoresTheTankItsPagesAndItsTimeAndGivesUpTheContainedRelease) {
    auto doc = NewDoc(2026, 3, 14, 6);
    doc->inputBoomed.flag = true;
    DialogResult r = TankWizardOK(*doc, HalfFullTank());
    ASSERT_TRUE(r.accepted) << r.Text();
    EXPECT_TRUE(doc->inputTank.flag);
    EXPECT_EQ(doc->inputTank.oVol, 500);
    EXPECT_EQ(doc->TankTime, MakeLocalTime(2026, 3, 15, 8));
    EXPECT_FALSE(doc->inputBoomed.flag);
    EXPECT_GT(doc->tankPages.totalRelease, 0);

    // Opening the pages again shows what was typed.
    TankWizardEntries again = TankWizardEntriesOf(*doc);
    EXPECT_EQ(again.page, doc->tankPages);
    EXPECT_EQ(again.time.day * 100 + again.time.hour, 1508);
}

TEST(ReleaseKindEntered, OnlyOnceTheKindsDialogHasAcceptedIt) {
    auto doc = NewDoc(2026, 3, 14, 6);
    EXPECT_FALSE(ReleaseKindEntered(*doc, ReleaseKind::Contained));
    testing::EnterInstantaneous(*doc, {3, 14, 6});
    ASSERT_TRUE(TankWizardOK(*doc, HalfFullTank()).accepted);
    EXPECT_TRUE(ReleaseKindEntered(*doc, ReleaseKind::Instantaneous));
    EXPECT_TRUE(ReleaseKindEntered(*doc, ReleaseKind::Tank));
    EXPECT_FALSE(ReleaseKindEntered(*doc, ReleaseKind::Continuous));
    // A refused entry enters nothing.
    ContinuousEntries e;
    e.duration = "";
    e.amount = "100";
    EXPECT_FALSE(ContinuousDialogOK(*doc, e).accepted);
    EXPECT_FALSE(ReleaseKindEntered(*doc, ReleaseKind::Continuous));
}

TEST(ComputeScenarioTank, UsesTheWaterOnlyOnceEntered) {
    auto doc = NewDoc();
    TankWizardEntries e = HalfFullTank();
    InputTank tank;
    ASSERT_TRUE(RunTankSteps(e, tank).accepted);
    TankRelease before, after;
    SilentSink quiet;
    doc->inputWater.temperature = 30;  // typed but not accepted: not used
    ComputeScenarioTank(*doc, tank, e.page, before, quiet);
    testing::EnterWater(*doc, "30", 1);
    ComputeScenarioTank(*doc, tank, e.page, after, quiet);
    EXPECT_NE(before.waterDensity, after.waterDensity);
    EXPECT_EQ(e.page.totalRelease, after.total);
}

BurnPage TypedBurn() {
    BurnPage p;
    p.use = true;
    p.when = {3, 14, 9};
    p.area = "500";
    p.areaUnit = 2;
    p.thickness = "10";
    return p;
}

TEST(PlumeInputForBurn, TakesTheBurnAsTypedAndTheSharedRate) {
    auto doc = NewDoc();
    PlumeDialogInput in = PlumeInputForBurn(*doc, 0, TypedBurn());
    EXPECT_EQ(in.area, 500);
    EXPECT_EQ(in.thickness, 10);
    EXPECT_EQ(in.month * 10000 + in.day * 100 + in.hour, 31409);
    EXPECT_EQ(in.regressionRate, 0.04);
    EXPECT_FALSE(in.oilChosen);
    EXPECT_EQ(in.waterTemperature, NoData);

    BurnRateEntries other;
    other.choice = 1;
    other.rate = "0.002";
    other.unit = 1;
    ASSERT_TRUE(BurnRateDialogOK(*doc, other).accepted);
    testing::ChooseMediumCrude(*doc);
    testing::EnterWater(*doc, "12");
    BurnPage empty = TypedBurn();
    empty.area = "";
    in = PlumeInputForBurn(*doc, 0, empty);
    EXPECT_EQ(in.area, NoData);
    EXPECT_EQ(in.regressionRate, 0.002);
    EXPECT_TRUE(in.oilChosen);
    EXPECT_EQ(in.waterTemperature, 12);
}

TEST(KeepPlumeValues, KeepsCheckedValuesWithTheirBurnOnly) {
    auto doc = NewDoc();
    PlumeSlotValues v = TypedPlumeValues("150", "39", 1, "12", 1);
    DialogResult r = KeepPlumeValues(*doc, 2, v);
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.Text(), CheckPlumeInputs(v).message);
    EXPECT_EQ(doc->plume[2], PlumeSlotValues{});

    v = TypedPlumeValues("150", " ", 0, "12", 1);
    EXPECT_EQ(v.airTemperature, NoData);
    v = TypedPlumeValues("150", "70", 0, "12", 1);
    ASSERT_TRUE(KeepPlumeValues(*doc, 2, v).accepted);
    EXPECT_EQ(doc->plume[2], v);
}

// The custom oil sheet reads the whole text typed and checks its limit.
TEST(CustomOilEntry, ReadsTheWholeTextAndChecksItsLimit) {
    struct Case {
        const char* key;
        const char* typed;
        double value;         // NaN: no value
        const char* problem;  // nullptr: accepted
    };
    const Case cases[] = {{"api", "  ", NAN, nullptr},
                          {"api", " 31.5 ", 31.5, nullptr},
                          {"api", "31 deg", NAN, "must be a number"},
                          {"api", "nan", NAN, "must be a number"},
                          {"wax", "101", NAN, "must be between 0 and 100 %"},
                          {"density1", "0", NAN, "must be greater than 0"},
                          {"density1Temp", "-274", NAN, "must be above absolute zero"}};
    for (const Case& c : cases) {
        CustomOilEntry e = ReadCustomOilEntry(*FindCustomOilItem(c.key), "Label", c.typed,
                                              TemperatureUnit::Celsius);
        EXPECT_EQ(e.refusal, c.problem
                                 ? std::string("Problem with the Input\n\nLabel ") + c.problem + "."
                                 : "")
            << c.typed;
        EXPECT_EQ(e.value, std::isnan(c.value) ? std::nullopt : std::optional<double>(c.value))
            << c.typed;
    }
}

}  // namespace
}  // namespace ormix
