#include "scenario/response_dialogs.h"

#include <gtest/gtest.h>

#include <vector>

#include "scenario_fixture.h"

namespace ormix {
namespace {

using testing::NewDoc;

const std::string kProblem = "Problem with the Input.\n\n";
// The values of a record, listed to be compared at once.
using Values = std::vector<double>;

// A spill at 06:00 on 14 March: a page at hour h of that day has start hour
// h - 5.
DispersantPage Spray(int hour, const char* duration, const char* sprayed, const char* dispersed,
                     int day = 14) {
    DispersantPage p;
    p.use = true;
    p.when = {3, day, hour};
    p.duration = duration;
    p.percentSprayed = sprayed;
    p.percentDispersed = dispersed;
    return p;
}

struct PageRefusal {
    DispersantPage page;
    const char* text;
};

class DispersantRefusal : public ::testing::TestWithParam<PageRefusal> {};

TEST_P(DispersantRefusal, RefusesTheSheetAndKeepsTheDocument) {
    auto doc = NewDoc();
    SpillDocData before = *doc;
    DispersantPages pages = DispersantPagesOf(*doc);
    pages[1] = GetParam().page;
    int refused = -1;
    DialogResult r = DispersantSheetOK(*doc, pages, &refused);
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(r.Text(), kProblem + GetParam().text);
    EXPECT_TRUE(static_cast<SpillDocData&>(*doc) == before);
}

const char* kDuration =
    "Dispersant applications are limited to a duration of between 1 hour\nand 120 hours. Please "
    "enter a duration within these limits.";
const char* kSprayedTooMuch =
    "The percentage of the spill area which was sprayed\nwith dispersant cannot exceed 100%.";
const char* kSprayedNone =
    "Please enter the percent of the spill area which was\nsprayed with dispersant. The minimum "
    "is 1%.";

INSTANTIATE_TEST_SUITE_P(
    Pages, DispersantRefusal,
    ::testing::Values(PageRefusal{Spray(8, "0", "50", "80"), kDuration},
                      PageRefusal{Spray(8, "121", "50", "80"), kDuration},
                      PageRefusal{Spray(8, "2", "101", "80"), kSprayedTooMuch},
                      PageRefusal{Spray(8, "2", "0.9", "80"), kSprayedNone},
                      PageRefusal{Spray(8, "2", "50", "101"),
                                  "The percent dispersed cannot exceed 100%."},
                      PageRefusal{Spray(8, "2", "50", "0"),
                                  "Please enter the percent dispersed. The minimum is 1%."}));

// The page's fields are whole numbers: "100.5" is 100 and accepted.
TEST(DispersantPageCheck, ReadsWholeNumbers) {
    auto doc = NewDoc();
    EXPECT_TRUE(CheckDispersantPage(*doc, 0, Spray(8, "2.9", "100.5", "1.7")).accepted);
}

TEST(DispersantPageCheck, TimingWarningsNameTheSpray) {
    auto doc = NewDoc();
    DialogResult before = CheckDispersantPage(*doc, 0, Spray(5, "2", "50", "80"));
    ASSERT_TRUE(before.accepted);
    ASSERT_EQ(before.messages.size(), 1u);
    EXPECT_EQ(before.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(before.messages[0].text,
              "Dispersant operation will be ignored\n\nSpray 1 is scheduled to occur before the "
              "first release of oil and therefore will not be included in the calculations.");
    // 120 hours after the spill time is start hour 121.
    DialogResult late = CheckDispersantPage(*doc, 2, Spray(6, "2", "50", "80", 19));
    ASSERT_EQ(late.messages.size(), 1u);
    EXPECT_EQ(late.messages[0].text,
              "Dispersant operation will be ignored\n\nSpray 3 is scheduled to occur greater than "
              "120 hours after the first release of oil, exceeding ORMIX's 5 day limit. Any "
              "removal operation planned 120 hours or more after the first release will not be "
              "included in the calculations.");
    EXPECT_TRUE(CheckDispersantPage(*doc, 2, Spray(5, "2", "50", "80", 19)).messages.empty());
    EXPECT_TRUE(CheckDispersantPage(*doc, 0, Spray(6, "2", "50", "80")).messages.empty());
}

TEST(DispersantSheet, PacksTheSlotsInUseAndKeepsEveryPage) {
    auto doc = NewDoc();
    DispersantPages pages = DispersantPagesOf(*doc);
    pages[1] = Spray(8, "2", "50", "80");
    pages[3] = Spray(5, "4", "30", "60");  // before the spill: kept, with its warning
    pages[4] = Spray(9, "999", "", "");    // not in use: not checked, entries kept
    pages[4].use = false;
    DialogResult r = DispersantSheetOK(*doc, pages);
    ASSERT_TRUE(r.accepted) << r.Text();
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_NE(r.messages[0].text.find("Spray 4 is scheduled"), std::string::npos);

    // The record holds the area sprayed as "dispersed" and the part of it
    // dispersed as "sprayed".
    const InputDispersant& rec = doc->inputDispersant;
    EXPECT_EQ((Values{double(rec.num), double(rec.startHour[0]), double(rec.duration[0]),
                      rec.dispersed[0], rec.sprayed[0], double(rec.startHour[1]),
                      double(rec.startHour[2])}),
              (Values{2, 3, 2, 50, 80, 0, NoDataInt}));
    EXPECT_EQ((Values{double(doc->mDispersantPageUse[1]), double(doc->mDispersantPageUse[4]),
                      double(doc->m_nDispersantDuration[4]), doc->m_dDispersantDispersed[4]}),
              (Values{1, 0, 999, NoData}));
    EXPECT_EQ(doc->DispersantTime[4], MakeLocalTime(2026, 3, 14, 9));

    // Opening the sheet again and closing it with OK changes nothing.
    SpillDocData after = *doc;
    ASSERT_TRUE(DispersantSheetOK(*doc, DispersantPagesOf(*doc)).accepted);
    EXPECT_TRUE(static_cast<SpillDocData&>(*doc) == after);
}

BurnPage Burn(const char* area, int areaUnit, const char* thickness, int thicknessUnit) {
    BurnPage p;
    p.use = true;
    p.when = {3, 14, 6};
    p.area = area;
    p.areaUnit = areaUnit;
    p.thickness = thickness;
    p.thicknessUnit = thicknessUnit;
    return p;
}

TEST(BurnPageCheck, MessagesAndLimits) {
    const std::string missing = kProblem + "Missing Important Information.\n";
    auto Limited = [](const char* what, const char* range) {
        return kProblem + "The " + what + " is limited to between " + range +
               ".\nPlease enter a value within these limits.";
    };
    struct Case {
        BurnPage page;
        std::string text;  // empty: accepted
    };
    const Case cases[] = {
        {Burn("", 2, "10", 0),
         missing + "Please enter the burn area. ORMIX needs this information and you left the "
                   "field empty.\n"},
        {Burn("500", 2, "0", 0),  // 0 is no thickness
         missing + "Please enter the oil thickness. ORMIX needs this information and you left the "
                   "field empty."},
        {Burn("1", 2, "2", 0), ""},
        {Burn("10000", 2, "200", 0), ""},
        {Burn("0.9", 2, "10", 0), Limited("burn area", "1 and 10,000 square meters")},
        {Burn("10001", 2, "10", 0), Limited("burn area", "1 and 10,000 square meters")},
        {Burn("9", 0, "10", 0), Limited("burn area", "10 and 100,000 square feet")},
        {Burn("100000", 0, "10", 0), ""},
        {Burn("11961", 1, "10", 0), Limited("burn area", "1 and 11,960 square yards")},
        {Burn("500", 2, "1.9", 0), Limited("oil thickness", "2 and 200 milimeters")},
        {Burn("500", 2, "0.2", 1), ""},
        {Burn("500", 2, "20.1", 1), Limited("oil thickness", "0.2 and 20 centimeters")},
        {Burn("500", 2, "0.078", 2), ""},
        {Burn("500", 2, "7.8", 2), ""},
        {Burn("500", 2, "0.077", 2), Limited("oil thickness", "0.078 and 7.8 inches")},
    };
    for (const Case& c : cases) {
        DialogResult r = CheckBurnPage(c.page);
        EXPECT_EQ(r.accepted, c.text.empty()) << c.page.area << " " << c.page.thickness;
        EXPECT_EQ(r.accepted ? "" : r.Text(), c.text);
    }
    BurnPage unused = Burn("", 2, "", 0);
    unused.use = false;
    EXPECT_TRUE(CheckBurnPage(unused).accepted);
}

TEST(BurnSheet, RecordCarriesCodesAndTheRegressionRate) {
    auto doc = NewDoc();
    BurnRateEntries rate;
    rate.choice = 1;
    rate.rate = "0.002";
    rate.unit = 1;
    ASSERT_TRUE(BurnRateDialogOK(*doc, rate).accepted);
    BurnPages pages = BurnPagesOf(*doc);
    pages[2] = Burn("2000", 1, "2", 1);
    pages[2].when = {3, 14, 9};
    ASSERT_TRUE(BurnSheetOK(*doc, pages).accepted);
    // The record's unit codes count from 1; the page keeps the list's.
    const InputBurn& rec = doc->inputBurn;
    EXPECT_EQ((Values{double(rec.num), double(rec.startHour[0]), double(rec.areaUnits[0]),
                      double(rec.thickUnits[0]), rec.area[0], rec.thick[0], rec.burnRegRate,
                      double(rec.burnRegRateUnits), double(doc->m_iAreaUnits[2])}),
              (Values{1, 4, 2, 2, 2000, 2, 0.002, 2, 1}));
}

TEST(BurnRateDialog, LimitsAndTheDefault) {
    struct Case {
        int choice;
        const char* rate;
        int unit;
        bool accepted;
    };
    const Case cases[] = {{1, "0.01", 0, true},    {1, "0.1", 0, true},     {1, "0.009", 0, false},
                          {1, "0.11", 0, false},   {1, "0.004", 1, true},   {1, "0.0004", 1, true},
                          {1, "0.0041", 1, false}, {1, "0.0003", 1, false}, {0, "", 0, true},
                          {0, "7", 1, true}};
    for (const Case& c : cases) {
        auto doc = NewDoc();
        BurnRateEntries e{c.choice, c.rate, c.unit};
        DialogResult r = BurnRateDialogOK(*doc, e);
        EXPECT_EQ(r.accepted, c.accepted) << c.rate;
        if (!r.accepted) {
            EXPECT_EQ(
                r.Text().rfind(kProblem + "The burn regression rate is limited to between ", 0),
                0u);
            continue;
        }
        EXPECT_EQ(doc->inputBurn.burnRegRate, c.choice == 1 ? std::atof(c.rate) : 0.04);
        EXPECT_EQ(doc->inputBurn.burnRegRateUnits, c.choice == 1 ? c.unit + 1 : 1);
    }
    auto doc = NewDoc();
    EXPECT_EQ(BurnRateDialogOK(*doc, BurnRateEntries{1, "", 0}).Text(),
              kProblem +
                  "Please enter a burn regression rate or choose the default value. You chose to "
                  "use a non-default value and then left the field empty.");
}

TEST(CleanupSheet, DurationLimitsAndOnlyTheChosenQuantity) {
    auto doc = NewDoc();
    CleanupPages pages = CleanupPagesOf(*doc);
    CleanupPage& p = pages[0];
    p.use = true;
    p.when = {3, 14, 10};
    p.rate = "20";
    p.rateUnit = 2;
    p.amount = "100";
    p.amountUnit = 0;
    for (const char* duration : {"0", "121"}) {
        p.duration = duration;
        EXPECT_EQ(CleanupSheetOK(*doc, pages).Text(),
                  kProblem +
                      "Cleanup operations are limited to a duration of between 1 hour\nand 120 "
                      "hours. Please enter a duration within these limits.");
    }
    p.duration = "10";
    ASSERT_TRUE(CleanupSheetOK(*doc, pages).accepted);
    const InputSkimmer& rec = doc->inputSkimmer;
    EXPECT_EQ((Values{rec.rate[0], double(rec.rateUnits[0]), rec.amount[0]}),
              (Values{20, 3, NoData}));
    // Switched to the amount: only the amount is carried; both are kept.
    p.rateGiven = false;
    ASSERT_TRUE(CleanupSheetOK(*doc, pages).accepted);
    EXPECT_EQ(
        (Values{rec.rate[0], rec.amount[0], double(rec.amountUnits[0]), double(rec.startHour[0]),
                doc->m_dRecoveryRate[0], double(doc->m_bMechanicalRateUse[0])}),
        (Values{NoData, 100, 1, 5, 20, 0}));
}

TEST(BeachingDialog, DaysFollowTheSpillClockHour) {
    auto doc = NewDoc(2026, 7, 10, 14);
    BeachingEntries e;
    e.unit = 0;
    e.amounts = {"50", "240", "", "0", "", "24"};
    ASSERT_TRUE(BeachingDialogOK(*doc, e).accepted);
    // Day 1 has the 10 hours to midnight; a day left empty leaves its hours
    // unset; day 6 has 14 hours of 24 bbl / 24.
    struct Day {
        int first, last;
        double perHour;
    };
    for (const Day& d : {Day{0, 9, 5}, {10, 33, 10}, {34, 57, NoData}, {58, 81, 0}, {106, 119, 1}})
        for (int h = d.first; h <= d.last; ++h)
            EXPECT_EQ(doc->inputBeached.vol[h], d.perHour) << h;

    // A spill at midnight: day 1 is a whole day and day 6 has no hours.
    auto midnight = NewDoc(2026, 7, 10, 0);
    ASSERT_TRUE(BeachingDialogOK(*midnight, e).accepted);
    EXPECT_DOUBLE_EQ(midnight->inputBeached.vol[23], 50.0 / 24);
    EXPECT_DOUBLE_EQ(midnight->inputBeached.vol[24], 10.0);
    EXPECT_EQ(midnight->inputBeached.vol[119], NoData);  // day 5 unset
}

// The hourly arithmetic is the model's (see the set-up tests); here the
// records the sheets build must reach it with their units and hours.
TEST(ResponseRun, SpraysCleanupBurnsAndBeachingReachTheModel) {
    auto doc = NewDoc();
    testing::EnterRunnableScenario(*doc, ::testing::TempDir());
    auto Hour = [&](int h) { return doc->Model().setup.response[h]; };
    DispersantPages sprays = DispersantPagesOf(*doc);
    sprays[0] = Spray(8, "2", "50", "80");  // start hour 3
    ASSERT_TRUE(DispersantSheetOK(*doc, sprays).accepted);
    CleanupPages cleanup = CleanupPagesOf(*doc);
    cleanup[1].use = true;
    cleanup[1].when = {3, 14, 10};  // start hour 5
    cleanup[1].duration = "10";
    cleanup[1].rateGiven = false;
    cleanup[1].amount = "100";
    ASSERT_TRUE(CleanupSheetOK(*doc, cleanup).accepted);
    BurnPages burns = BurnPagesOf(*doc);
    burns[0] = Burn("500", 2, "10", 0);  // 250 s at 0.04 mm/s, start hour 1
    burns[1] = Burn("500", 2, "10", 0);  // the same hour: both count
    ASSERT_TRUE(BurnSheetOK(*doc, burns).accepted);
    BeachingEntries beaching;
    beaching.unit = 2;  // cu m
    beaching.amounts = {"18"};
    ASSERT_TRUE(BeachingDialogOK(*doc, beaching).accepted);
    ASSERT_TRUE(doc->Solve());

    EXPECT_EQ(Hour(1).chemDisp, 0.0);
    EXPECT_DOUBLE_EQ(Hour(2).chemDisp, 0.4 / 7200);
    EXPECT_DOUBLE_EQ(Hour(3).chemDisp, 0.4 / 7200);
    EXPECT_EQ(Hour(4).chemDisp, 0.0);
    EXPECT_DOUBLE_EQ(Hour(3).natDispReduction, 0.8);
    EXPECT_EQ(Hour(3).skim, 0.0);
    for (int h = 4; h <= 13; ++h)
        EXPECT_DOUBLE_EQ(Hour(h).skim, 15.8987294928 / 36000) << h;
    EXPECT_EQ(Hour(14).skim, 0.0);
    EXPECT_NEAR(Hour(0).burn, 2 * 250 * 0.02 / 3600, 1e-12);
    EXPECT_EQ(Hour(1).burn, 0.0);
    EXPECT_DOUBLE_EQ(Hour(17).beach, 1.0 / 3600);  // 18 cu m over the 18 hours of day 1
    EXPECT_EQ(Hour(18).beach, 0.0);
}

}  // namespace
}  // namespace ormix
