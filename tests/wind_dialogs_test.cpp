#include <gtest/gtest.h>

#include <vector>

#include "scenario_fixture.h"

namespace ormix {
namespace {

using testing::NewDoc;

DialogResult Wind(CSpillDoc& doc, const char* speed, int unit, const char* direction = "90") {
    ConstantWindEntries e;
    e.speed = speed;
    e.direction = direction;
    e.units.speed = unit;
    return ConstantWindDialogOK(doc, e);
}

TEST(ConstantWind, SpeedAndDirectionBounds) {
    auto doc = NewDoc();
    const std::string p = "Problem with the Input.\n\n";
    auto Speed = [&](const char* limit, const char* value) {
        return p + "Sorry, ORMIX does not support wind speeds " + limit + ".\nPlease enter a " +
               value + " value.";
    };
    EXPECT_EQ(Wind(*doc, "1", 0).Text(), Speed("less than 2 mph", "larger"));
    EXPECT_TRUE(Wind(*doc, "2", 0).accepted);
    EXPECT_EQ(Wind(*doc, "78", 0).Text(), Speed("greater than 77 mph", "smaller"));
    EXPECT_TRUE(Wind(*doc, "68", 1).accepted);
    EXPECT_FALSE(Wind(*doc, "69", 1).accepted);
    EXPECT_TRUE(Wind(*doc, "1", 2).accepted);
    EXPECT_EQ(Wind(*doc, "36", 2).Text(), Speed("greater than 35 m/s", "smaller"));
    // Only an empty field was left empty: 0 and below are below the lowest.
    EXPECT_EQ(Wind(*doc, "", 2).Text(),
              "Missing Important Information.\n\nPlease enter the wind speed. ORMIX needs "
              "this\ninformation and you left the field empty.");
    EXPECT_EQ(Wind(*doc, "0", 2).Text(), Speed("less than 1 m/s", "larger"));
    EXPECT_EQ(Wind(*doc, "10", 2, "").Text(),
              "Missing Important Information.\n\nPlease enter the wind direction. ORMIX needs "
              "this information and you left the field empty.");
    EXPECT_EQ(Wind(*doc, "10", 2, "361").Text(),
              p + "ORMIX does not understand the value you entered for the wind "
                  "direction.\nPlease review the value.");
}

TEST(ConstantWind, WavesFromFetchOrHeight) {
    auto doc = NewDoc();
    ConstantWindEntries e;
    e.speed = "10";
    e.direction = "180";
    e.waveChoice = kWavesFromFetch;
    e.fetch = "";
    EXPECT_EQ(ConstantWindDialogOK(*doc, e).Text(),
              "Missing Important Information.\n\nPlease enter a fetch or select the default "
              "value. You chose not to use the default value and then left the field empty.");
    e.fetch = "0";
    EXPECT_EQ(ConstantWindDialogOK(*doc, e).Text(),
              "Problem with the Input.\n\nSorry, ORMIX requires a minimum fetch of 1 mile (or 1 "
              "km). Please enter a larger value.");
    e.fetch = "1";  // the least fetch is allowed
    EXPECT_TRUE(ConstantWindDialogOK(*doc, e).accepted);
    e.fetch = "12";
    e.units.fetch = 1;
    const InputWindWave& w = doc->inputWindWave;
    ASSERT_TRUE(ConstantWindDialogOK(*doc, e).accepted);
    EXPECT_EQ((std::vector<double>{w.fetchN, double(w.fetchUnits), w.waveHt[0]}),
              (std::vector<double>{12, 2, NoData}));

    e.waveChoice = kKnownWaveHeight;
    e.waveHeight = "15.6";
    EXPECT_EQ(ConstantWindDialogOK(*doc, e).Text(),
              "Problem with the Input.\n\nSorry, ORMIX does not support a wave height of greater "
              "than 15.5 meters.\nPlease enter a smaller value.");
    e.units.waveHeight = 1;
    e.waveHeight = "50";
    ASSERT_TRUE(ConstantWindDialogOK(*doc, e).accepted);
    EXPECT_EQ((std::vector<double>{double(w.num), w.waveHt[119], double(w.waveHtUnits), w.fetchN}),
              (std::vector<double>{120, 50, 2, 0}));
}

WindRecordRow Row(int day, int hour, const char* speed, const char* direction,
                  const char* wave = "") {
    return {{3, day, hour}, speed, direction, wave};
}

TEST(WindRecords, ListKeepsTimeOrderAndAsksBeforeReplacing) {
    auto doc = NewDoc();
    WindRecordList list(*doc);
    DialogResult r;
    EXPECT_EQ(list.Add(Row(14, 9, "16", "20"), 1, 0, r), WindRecordList::AddOutcome::Added);
    EXPECT_EQ(list.Add(Row(14, 6, "10", "350"), 1, 0, r), WindRecordList::AddOutcome::Added);
    ASSERT_EQ(list.Rows().size(), 2u);
    EXPECT_EQ(list.Rows()[0].when.hour, 6);
    EXPECT_EQ(list.Add(Row(14, 9, "12", "30"), 1, 0, r), WindRecordList::AddOutcome::AlreadyExists);
    EXPECT_EQ(r.Text(),
              "Wind record already exists for March 14, 09:00 hours\nDo you want to replace it "
              "with this new information?");
    list.Replace(Row(14, 9, "12", "30"));
    EXPECT_EQ(list.Rows()[1].speed, "12");
    EXPECT_EQ(list.Add(Row(14, 10, "80", "30"), 1, 0, r), WindRecordList::AddOutcome::Refused);
    EXPECT_EQ(list.Rows().size(), 2u);
}

TEST(WindRecords, HundredAndTwentyAtMost) {
    auto doc = NewDoc();
    WindRecordList list(*doc);
    DialogResult r;
    for (int i = 0; i < 120; ++i)
        ASSERT_EQ(list.Add({{3, 1 + i / 24, i % 24}, "10", "90", ""}, 1, 0, r),
                  WindRecordList::AddOutcome::Added);
    EXPECT_EQ(list.Add({{3, 20, 0}, "10", "90", ""}, 1, 0, r), WindRecordList::AddOutcome::Refused);
}

DialogResult EnterRecords(CSpillDoc& doc, const std::vector<WindRecordRow>& rows) {
    WindRecordList list(doc);
    DialogResult r;
    for (const WindRecordRow& row : rows)
        list.Add(row, 1, 0, r);
    VariableWindEntries e;
    e.rows = list.Rows();
    e.units.varSpeed = 1;
    return VariableWindDialogOK(doc, e);
}

// Speeds and directions are interpolated as the documented wind records
// block shows; wave heights are filled between the records and around them.
TEST(HourlyWinds, WaveHeightsFilledBetweenAndAround) {
    auto doc = NewDoc();
    ASSERT_TRUE(EnterRecords(*doc, {Row(14, 6, "10", "90"), Row(14, 7, "10", "90", "1"),
                                    Row(14, 11, "10", "90", "3"), Row(14, 13, "10", "90")})
                    .accepted);
    const InputWindWave& w = doc->inputWindWave;
    ASSERT_EQ(w.num, 8);
    EXPECT_EQ(std::vector<double>(w.waveHt, w.waveHt + 8),
              (std::vector<double>{1, 1, 1.5, 2, 2.5, 3, 3, 3}));
}

TEST(HourlyWinds, RecordsEndingBeforeTheSpillLeaveTheWindNotEntered) {
    auto doc = NewDoc();
    testing::EnterInstantaneous(*doc, {3, 14, 12});
    ASSERT_TRUE(ReleaseDialogOK(*doc, {false, true, false, false}).accepted);
    DialogResult r = EnterRecords(*doc, {Row(14, 6, "10", "90"), Row(14, 9, "10", "90")});
    EXPECT_TRUE(r.accepted);  // the coverage problem is only a warning
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].kind, MessageKind::Warning);
    EXPECT_FALSE(doc->m_bWindAndWaveInputPassed);
    EXPECT_NE(doc->MissingInputs().find("  - enter wind speed,\n"), std::string::npos);
}

TEST(HourlyWinds, NoRecordsIsRefused) {
    auto doc = NewDoc();
    VariableWindEntries e;
    EXPECT_EQ(VariableWindDialogOK(*doc, e).Text(),
              "Missing Important Information.\n\nNo wind data. Please provide either a constant "
              "or variable winds.");
}

TEST(FetchDialog, EmptyIsUnlimitedBelowOneIsRefused) {
    auto doc = NewDoc();
    FetchEntries e{"5", "", "12", "", 1};
    ASSERT_TRUE(FetchDialogOK(*doc, e).accepted);
    EXPECT_EQ(doc->m_dFetchN, 5);
    EXPECT_EQ(doc->m_dFetchE, 0);
    e.east = "0";
    EXPECT_EQ(FetchDialogOK(*doc, e).Text(),
              "Problem with the Input\n\nSorry, ORMIX requires a minimum fetch of 1 mile (or 1 "
              "km). Leave the field\nempty if you want ORMIX to assume unlimited fetch for that "
              "direction.");
}

TEST(WindUncertainty, Limits) {
    auto doc = NewDoc();
    EXPECT_TRUE(WindUncertaintyDialogOK(*doc, "38", 0).accepted);
    EXPECT_EQ(doc->inputUncertainty.windFlag, 1);
    EXPECT_EQ(WindUncertaintyDialogOK(*doc, "39", 0).Text(),
              "Problem with the Input.\n\nSorry, but the uncertainty cannot exceed 38 mph.");
    EXPECT_EQ(WindUncertaintyDialogOK(*doc, "35", 1).Text(),
              "Problem with the Input.\n\nSorry, but the uncertainty cannot exceed 34 knots.");
    EXPECT_TRUE(WindUncertaintyDialogOK(*doc, "", 2).accepted);
    EXPECT_EQ(doc->inputUncertainty.windFlag, 0);
}

// A click on the compass gives the direction the wind or the current comes
// from and a speed that grows with the distance from the centre.
TEST(Compass, ClickGivesDirectionAndSpeed) {
    CompassClick c;
    ASSERT_TRUE(CompassBullseye(80, 0, c));
    EXPECT_EQ((std::vector<int>{c.direction, c.windSpeed}), (std::vector<int>{270, 25}));
    EXPECT_EQ(c.currentSpeed, "5.0");
    ASSERT_TRUE(CompassBullseye(0, -32, c));
    EXPECT_EQ((std::vector<int>{c.direction, c.windSpeed}), (std::vector<int>{180, 10}));
    ASSERT_TRUE(CompassBullseye(0, 16, c));
    EXPECT_EQ(c.currentDirection, "360");
    EXPECT_FALSE(CompassBullseye(60, 60, c));  // 85 pixels away
}

}  // namespace
}  // namespace ormix
