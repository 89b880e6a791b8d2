#include <gtest/gtest.h>

#include <vector>

#include "scenario_fixture.h"

namespace ormix {
namespace {

using testing::NewDoc;

struct AmountCase {
    int unit;
    const char* amount;
    bool accepted;
    std::string message;  // the line after the heading, when refused
};

// The refusal of an amount outside the range of the unit.
std::string Outside(const char* side, const char* range) {
    return std::string("Sorry, the amount spilled is too ") + side +
           ". ORMIX can only model instantaneous releases between " + range + ".";
}

class InstantaneousLimits : public ::testing::TestWithParam<AmountCase> {};

TEST_P(InstantaneousLimits, BothSidesOfEveryBound) {
    auto doc = NewDoc();
    SpillDocData before = *doc;
    InstantaneousEntries e;
    e.amount = GetParam().amount;
    e.unit = GetParam().unit;
    DialogResult r = InstantaneousDialogOK(*doc, e);
    EXPECT_EQ(r.accepted, GetParam().accepted);
    if (!GetParam().accepted) {
        EXPECT_EQ(r.Text(), "Problem with the Input\n\n" + GetParam().message);
        EXPECT_TRUE(static_cast<SpillDocData&>(*doc) == before);
    } else {
        EXPECT_TRUE(doc->inputInstant.flag);
        EXPECT_EQ(doc->inputInstant.volUnits, GetParam().unit + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Releases, InstantaneousLimits,
    ::testing::Values(
        AmountCase{0, "2", true, ""}, AmountCase{0, "500000", true, ""},
        AmountCase{0, "1.99", false, Outside("small", "2 and 500,000 barrels")},
        AmountCase{0, "500001", false, Outside("large", "2 and 500,000 barrels")},
        AmountCase{1, "84", true, ""}, AmountCase{1, "21000000", true, ""},
        AmountCase{1, "83", false, Outside("small", "84 and 21,000,000 gallons")},
        AmountCase{2, "0.32", true, ""}, AmountCase{2, "79494", true, ""},
        AmountCase{2, "79495", false, Outside("large", "0.32 and 79,494 cubic meters")},
        AmountCase{3, "0.35", true, ""},
        AmountCase{3, "0.34", false, Outside("small", "0.35 and 87,540 tons")},
        AmountCase{4, "79415", true, ""},
        AmountCase{4, "79416", false, Outside("large", "0.32 and 79,415 metric tons")},
        AmountCase{0, "", false, "Please enter an amount spilled. ORMIX needs this information."}));

TEST(ContainedDialog, ThicknessAndAreaLimits) {
    const char* kThick =
        "Sorry, ORMIX cannot model slicks thicker than 20 cm. Please increase\nthe contained area "
        "or reduce the amount spilled.";
    struct Case {
        const char* amount;
        int unit;
        const char* area;
        int areaUnit;
        const char* line;  // empty when accepted
    };
    const Case cases[] = {
        {"1000", 0, "5", 2, kThick},
        {"10", 0, "10000", 2, ""},  // 0.16 mm
        {"0.1", 2, "10000", 2,
         "Sorry, ORMIX cannot model slicks thinner than 0.1 mm. Please reduce\nthe contained area "
         "or increase the amount spilled."},
        {"10", 2, "10001", 2, "Sorry, the spill area must be between 1 and 10,000 square meters."},
        {"10", 2, "11961", 1, "Sorry, the spill area must be between 1 and 11,960 square yards."},
        {"10", 2, "100001", 0, "Sorry, the spill area must be between 1 and 100,000 square feet."},
        {"", 2, "100", 2, "Please enter an amount spilled. ORMIX needs this information."},
        {"10", 2, "", 2, "Please enter a spill area. ORMIX needs this information."},
    };
    for (const Case& c : cases) {
        auto doc = NewDoc();
        doc->inputInstant.flag = true;
        ContainedEntries e;
        e.amount = c.amount;
        e.unit = c.unit;
        e.area = c.area;
        e.areaUnit = c.areaUnit;
        DialogResult r = ContainedDialogOK(*doc, e);
        if (*c.line == '\0') {
            EXPECT_TRUE(r.accepted) << c.amount;
            EXPECT_TRUE(doc->inputBoomed.flag);
            EXPECT_FALSE(doc->inputInstant.flag);  // a contained release excludes the others
        } else {
            EXPECT_EQ(r.Text(), std::string("Problem with the Input.\n\n") + c.line);
        }
    }
}

DialogResult Continuous(CSpillDoc& doc, const char* duration, int durationUnit, int mode,
                        const char* a, const char* b = "", int unit = 0) {
    ContinuousEntries e;
    e.duration = duration;
    e.durationUnit = durationUnit;
    e.mode = mode;
    if (mode == 0) {
        e.amount = a;
        e.amountUnit = unit;
    } else if (mode == 1) {
        e.rate = a;
        e.rateUnit1 = unit;
    } else {
        e.startRate = a;
        e.endRate = b;
        e.rateUnit2 = unit;
    }
    return ContinuousDialogOK(doc, e);
}

TEST(ContinuousDialog, Refusals) {
    auto doc = NewDoc();
    SpillDocData before = *doc;
    EXPECT_EQ(Continuous(*doc, "", 0, 0, "100").Text(),
              "Please enter the duration of the release. ORMIX needs this information to do a "
              "continuous release and you either left the field empty or entered zero.");
    EXPECT_EQ(Continuous(*doc, "10", 0, 0, "-5").Text(),
              "Please enter information about how much oil was released. ORMIX needs this "
              "information to do a continuous release.");
    EXPECT_EQ(Continuous(*doc, "10", 0, 1, "1", "", 5).Text(),
              "The rate of release is below the minimum of 84 gal/hr.\nPlease change the input to "
              "fit within this limit.");
    EXPECT_EQ(Continuous(*doc, "100", 0, 1, "5001").Text(),
              "The amount released exceeds the limit of 500,000 bbl.\nPlease change the input to "
              "fit within this limit.");
    EXPECT_EQ(Continuous(*doc, "10", 0, 0, "").Text(),
              "The rate of release is below the minimum of 2 bbl/hr.\nPlease change the input to "
              "fit within this limit.");
    EXPECT_TRUE(static_cast<SpillDocData&>(*doc) == before);
    EXPECT_TRUE(Continuous(*doc, "24", 0, 1, "2", "", 5).accepted);  // 2880 gal in all
}

// A continuous release of `amount` bbl over `hours` hours from the given time.
DialogResult ContinuousAt(CSpillDoc& doc, DayAndHour when, const char* hours, const char* amount) {
    ContinuousEntries e;
    e.when = when;
    e.duration = hours;
    e.amount = amount;
    return ContinuousDialogOK(doc, e);
}

// The release dialog's OK on a document whose continuous release was entered.
CSpillDoc& CloseRelease(CSpillDoc& doc, ReleaseChecks checks, DialogResult* out = nullptr) {
    DialogResult r = ReleaseDialogOK(doc, checks);
    if (out) *out = r;
    EXPECT_TRUE(r.accepted) << r.Text();
    return doc;
}

// Hours and days alike: a release from the spill time longer than the 120
// hours of the run is cut at the limit after the dialog has closed, and one
// of exactly 120 hours or 5 days is taken whole.
TEST(ContinuousRelease, CutAtTheLimit) {
    auto days = NewDoc(), falling = NewDoc();
    ASSERT_TRUE(Continuous(*days, "10", 1, 0, "12000").accepted);
    ASSERT_TRUE(Continuous(*falling, "200", 0, 2, "100", "20").accepted);
    for (CSpillDoc* doc : {days.get(), falling.get()}) {
        DialogResult r;
        CloseRelease(*doc, {false, false, true, false}, &r);
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0].text.rfind("Continuous release will be truncated\n\n", 0), 0u);
        EXPECT_EQ(doc->inputContinuous.endHour, 120);
    }
    EXPECT_EQ(days->duration, 5);
    EXPECT_DOUBLE_EQ(days->amount, 6000);
    EXPECT_DOUBLE_EQ(days->inputContinuous.startRate, 50);
    EXPECT_EQ(falling->duration, 120);
    EXPECT_NEAR(falling->endRate, (20 - 100) / (199.0 / 119) + 100, 1e-9);  // about 52.16
}

TEST(ContinuousRelease, FiveDaysAndHundredTwentyHoursAgree) {
    for (int unit : {0, 1}) {
        auto doc = NewDoc();
        ASSERT_TRUE(Continuous(*doc, unit == 0 ? "120" : "5", unit, 0, "1200").accepted);
        DialogResult r;
        CloseRelease(*doc, {false, false, true, false}, &r);
        EXPECT_TRUE(r.messages.empty()) << unit;
        EXPECT_DOUBLE_EQ(doc->inputContinuous.startRate, 10) << unit;
    }
    // An hour later than the spill time, either runs past the 120 hours.
    for (int unit : {0, 1}) {
        auto doc = NewDoc();
        testing::EnterInstantaneous(*doc, {3, 14, 5});
        ASSERT_TRUE(ContinuousAt(*doc, {3, 14, 6}, "1", "100").accepted);
        doc->duration = unit == 0 ? 120 : 5;
        doc->durationUnits = unit;
        DialogResult r = ReleaseDialogOK(*doc, {false, true, true, false});
        EXPECT_FALSE(r.accepted) << unit;
        EXPECT_EQ(r.Text().rfind("Continuous release will be truncated\n\n", 0), 0u) << unit;
    }
}

// A contained release is the only release of a scenario: checked with
// others it is refused, naming them, rather than run alone.
TEST(ReleaseDialog, ContainedWithOthersIsRefused) {
    auto doc = NewDoc();
    SpillDocData before = *doc;
    DialogResult r = ReleaseDialogOK(*doc, {true, true, true, false});
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.Text(),
              "Contained release excludes the others\n\nA release into a contained area is the "
              "only release of a scenario, but the instantaneous and continuous releases are "
              "given as well. Please keep either the contained release or the others.");
    EXPECT_TRUE(static_cast<SpillDocData&>(*doc) == before);
}

TEST(ContinuousRelease, EndHourCountsFromItsOwnStart) {
    auto doc = NewDoc();
    // Nine hours after the instantaneous release.
    ASSERT_TRUE(ContinuousAt(*doc, {3, 14, 15}, "24", "2400").accepted);
    testing::EnterInstantaneous(*doc, {3, 14, 6});
    CloseRelease(*doc, {false, true, true, false});
    const InputContinuous& c = doc->inputContinuous;  // 24 hours: 10..33 at 100 bbl/hr
    EXPECT_EQ((std::vector<double>{double(c.startHour), double(c.endHour), c.startRate, c.endRate,
                                   double(c.rateUnits)}),
              (std::vector<double>{10, 33, 100, 100, 1}));
}

TEST(ReleaseDialog, NothingCheckedIsRefused) {
    EXPECT_EQ(ReleaseDialogOK(*NewDoc(), {}).Text(),
              "Please select a release type. ORMIX cannot build a scenario without this "
              "information.");
}

// Across the year end: see the scenario JSON test of January with December.
TEST(ReleaseDialog, StartHoursCountFromTheEarliestRelease) {
    auto next = NewDoc();
    testing::EnterInstantaneous(*next, {3, 15, 6});
    ASSERT_TRUE(ContinuousAt(*next, {3, 14, 6}, "5", "500").accepted);
    CloseRelease(*next, {false, true, true, false});
    EXPECT_EQ(next->inputContinuous.startHour, 1);
    EXPECT_EQ(next->inputInstant.startHour, 25);
}

// January releases follow December ones into the next year.
TEST(ReleaseDialog, JanuaryReleasesFollowDecemberOnes) {
    struct Case {
        int inst, cont, tank;  // months, 0 when not checked
        bool moveInst, moveCont, moveTank;
    };
    for (const Case& c : {Case{1, 12, 1, true, false, true}, Case{12, 1, 1, false, true, true},
                          Case{12, 12, 12, false, false, false}}) {
        auto doc = NewDoc(2025, 12, 20, 0);
        // December releases on the 31st, January ones on the 1st.
        auto at = [](int month, int hour) {
            return MakeLocalTime(2025, month ? month : 6, month == 12 ? 31 : 1, hour);
        };
        std::time_t inst = at(c.inst, 5), cont = at(c.cont, 6), tank = at(c.tank, 7);
        doc->InstantaneousTime = inst;
        doc->ContinuousTime = cont;
        doc->TankTime = tank;
        doc->duration = 2;
        DialogResult r = ReleaseDialogOK(*doc, {false, c.inst != 0, c.cont != 0, c.tank != 0});
        EXPECT_TRUE(r.accepted) << r.Text();
        auto moved = [](std::time_t t) { return AddDays(t, 365); };  // 2025 is not divisible by 4
        EXPECT_EQ(doc->InstantaneousTime, c.moveInst ? moved(inst) : inst) << c.inst;
        EXPECT_EQ(doc->ContinuousTime, c.moveCont ? moved(cont) : cont) << c.cont;
        EXPECT_EQ(doc->TankTime, c.moveTank ? moved(tank) : tank) << c.tank;
    }
}

// The model runs 120 hours whatever the winds: timed winds that reach
// further do not let a release beyond them pass unannounced.
TEST(ReleaseDialog, FiveDayLimitWithConstantOrLongTimedWinds) {
    for (bool timed : {false, true}) {
        auto doc = NewDoc();
        doc->m_bVarWind = timed;
        doc->m_iVarWindNumber = 2;
        doc->m_tVarWindTime[0] = MakeLocalTime(2026, 3, 14, 0);
        doc->m_tVarWindTime[1] = MakeLocalTime(2026, 3, 25, 0);
        testing::EnterInstantaneous(*doc, {3, 14, 6});
        doc->TankTime = MakeLocalTime(2026, 3, 19, 6);  // 120 hours later: start hour 121
        DialogResult r = ReleaseDialogOK(*doc, {false, true, false, true});
        EXPECT_FALSE(r.accepted) << timed;
        EXPECT_EQ(r.Text().rfind("Leaking Tank release will be ignored\n\n", 0), 0u);
        doc->TankTime = MakeLocalTime(2026, 3, 19, 5);  // start hour 120
        EXPECT_TRUE(ReleaseDialogOK(*doc, {false, true, false, true}).accepted) << timed;
        EXPECT_EQ(doc->inputTank.startHour, 120);
    }
}

TEST(ReleaseDialog, TimedWindsMustCoverTheReleases) {
    auto doc = NewDoc();
    doc->m_bVarWind = true;
    doc->m_iVarWindNumber = 2;
    doc->m_tVarWindTime[0] = MakeLocalTime(2026, 3, 14, 6);
    doc->m_tVarWindTime[1] = MakeLocalTime(2026, 3, 14, 16);
    doc->m_dVarWindSpeed[0] = doc->m_dVarWindSpeed[1] = 10;
    doc->m_dVarWindDirection[0] = doc->m_dVarWindDirection[1] = 90;
    testing::EnterInstantaneous(*doc, {3, 14, 6});
    doc->TankTime = MakeLocalTime(2026, 3, 14, 18);
    DialogResult r = ReleaseDialogOK(*doc, {false, true, false, true});
    EXPECT_EQ(r.Text(),
              "Leaking Tank release will be ignored\n\nThe leaking tank release is scheduled to "
              "occur after the wind data ends. It will not be included in the calculations.");

    testing::EnterInstantaneous(*doc, {3, 14, 5});  // before the first wind
    r = ReleaseDialogOK(*doc, {false, true, false, false});
    EXPECT_EQ(r.Text().rfind("Winds do not cover release time\n\nThe first release of oil is "
                             "scheduled to occur before the first inputed wind.",
                             0),
              0u);

    testing::EnterInstantaneous(*doc, {3, 14, 8});
    r = ReleaseDialogOK(*doc, {false, true, false, false});
    EXPECT_TRUE(r.accepted);
    // The hourly winds are rebuilt from the spill time just set.
    EXPECT_TRUE(doc->m_bWindAndWaveInputPassed);
    EXPECT_EQ(doc->inputWindWave.num, 9);
}

TEST(AmountUncertainty, UpToAHundredPercent) {
    auto doc = NewDoc();
    EXPECT_TRUE(AmountUncertaintyDialogOK(*doc, "100").accepted);
    EXPECT_EQ(doc->inputUncertainty.volFlag, 1);
    EXPECT_EQ(
        AmountUncertaintyDialogOK(*doc, "100.5").Text(),
        "Problem with the Input\n\nSorry, but the uncertainty cannot exceed 100% of the total "
        "amount spilled.");
    EXPECT_TRUE(AmountUncertaintyDialogOK(*doc, "").accepted);
    EXPECT_EQ(doc->inputUncertainty.volFlag, 0);
    EXPECT_EQ(doc->inputUncertainty.vol, NoData);
}

}  // namespace
}  // namespace ormix
