#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "scenario_fixture.h"

namespace ormix {
namespace {

using testing::NewDoc;

TEST(SpillDoc, MissingInputsInOrder) {
    CollectingSink sink;
    auto doc = NewDoc();
    doc->sink = &sink;
    EXPECT_FALSE(doc->Solve());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text,
              " ERROR!  Please\n  - select an oil\n  - enter wind speed,\n  - enter a water "
              "temperature\n  - enter release information\n");

    testing::ChooseMediumCrude(*doc);
    testing::EnterConstantWind(*doc);
    doc->m_bReleaseInputPassed = true;
    EXPECT_EQ(doc->MissingInputs(), "  - enter a water temperature\n");
}

struct PourCase {
    const char* pourPoint;
    const char* temperature;
    int unit;             // 0 F, 1 C
    const char* warning;  // the part after the water temperature; empty: no warning
};

TEST(SpillDoc, PourPointWarning) {
    const PourCase cases[] = {
        {"5 deg C", "40", 0,
         "40 deg F,\nis below the selected oil's minimum pour point\ntemperature, 41 deg F (5 deg "
         "C)"},
        {"5 deg C", "4.9", 1,
         "5 deg C,\nis below the selected oil's minimum pour point\ntemperature, 5 deg C"},
        {"5 deg C", "5", 1, ""},
        {"5", "1", 1, ""},  // without a blank the pour point reads as 0
    };
    for (const PourCase& c : cases) {
        auto doc = NewDoc();
        doc->PourPoint = c.pourPoint;
        testing::EnterWater(*doc, c.temperature, c.unit);
        std::string w = doc->PourPointWarning();
        if (*c.warning == '\0') {
            EXPECT_EQ(w, "") << c.pourPoint << " " << c.temperature;
        } else {
            EXPECT_EQ(w, std::string("Temperature colder than pour point.\n\nThe water temperature "
                                     "that you entered, ") +
                             c.warning + ".\nORMIX calculations may be unreliable.");
        }
    }
}

// Values no dialog stores can still reach the warning from a file: every
// conversion saturates (a water of 1e300 degrees is warmer than any pour
// point, one of -1e300 colder), and none is undefined.
TEST(SpillDoc, PourPointWarningSaturates) {
    struct Case {
        double temperature;
        int units;
        const char* pourPoint;
        bool warned;
    };
    const Case cases[] = {{1e300, 2, "5 deg C", false},
                          {-1e300, 1, "-40 deg C", true},
                          {std::nan(""), 2, "5 deg C", true},
                          {10, 1, "-99999999999 x", false}};
    for (const Case& c : cases) {
        auto doc = NewDoc();
        doc->inputWater.temperature = c.temperature;
        doc->inputWater.tempUnits = c.units;
        doc->PourPoint = c.pourPoint;
        EXPECT_EQ(!doc->PourPointWarning().empty(), c.warned)
            << c.temperature << " " << c.pourPoint;
    }
}

TEST(SpillDoc, SolveRunsTheModelAndSetsTheBudgetUnit) {
    auto doc = NewDoc();
    testing::EnterRunnableScenario(*doc, ::testing::TempDir(), "20000", 1);  // gal
    const MessageSink* modelSink = doc->Model().run.sink;
    ASSERT_TRUE(doc->Solve());
    EXPECT_TRUE(doc->solved);
    // The scenario's sink, which may not outlive the run, is not left behind.
    EXPECT_EQ(doc->Model().run.sink, modelSink);
    EXPECT_FALSE(doc->needsSolving);
    EXPECT_EQ(doc->budgetGraphUnit, kGraphGallons);
    const WeatheringModel& m = doc->Model();
    EXPECT_NEAR(m.results.result[m.run.numSteps - 1].released.best, 20000 * 0.003785411784, 1e-9);
    // Burned, skimmed and beached carry one value in all three entries.
    const StepResult& last = m.results.result[m.run.numSteps - 1];
    EXPECT_EQ(last.burned.high, last.burned.best);
}

// Runs again from the same seed give the same results; a rerun that fails
// leaves no results shown.
TEST(SpillDoc, RerunsRepeatTheResultsOrLeaveNoneShown) {
    CollectingSink sink;
    auto doc = NewDoc();
    doc->sink = &sink;
    testing::EnterRunnableScenario(*doc, ::testing::TempDir());
    ASSERT_TRUE(doc->Solve());
    StepResult first = doc->Model().results.result[100];
    ASSERT_TRUE(doc->Solve());
    EXPECT_EQ(0, std::memcmp(&first, &doc->Model().results.result[100], sizeof first));

    doc->inputOil.rhoRef_fevap[0] = 0.2;  // a weathered first density: bad density data
    EXPECT_FALSE(doc->Solve());
    EXPECT_FALSE(doc->solved);
    EXPECT_TRUE(doc->needsSolving);
    EXPECT_TRUE(sink.Contains("bad density data"));
}

long PositionOf(CSpillDoc& doc, const std::string& name) {
    for (const OilSummary& s : doc.OilLib().Summaries())
        if (s.fullName == name) return s.position;
    return -1;
}

TEST(SpillDocOil, ChoosingALibraryOilFillsTheScenario) {
    auto doc = testing::NewLibraryDoc(MakeLocalTime(2026, 3, 14, 6));
    long pos = PositionOf(*doc, "Maya");
    ASSERT_GE(pos, 0);
    DialogResult r = doc->SelectLibraryOil(pos);
    ASSERT_TRUE(r.accepted) << r.Text();
    EXPECT_EQ(doc->OilName, "Maya");
    EXPECT_NEAR(doc->inputOil.api, 21.5, 1e-9);
    EXPECT_EQ(doc->oilPosition, pos);
    EXPECT_EQ(doc->OilLib().Summaries()[doc->OilIndex].position, pos);
}

}  // namespace
}  // namespace ormix
