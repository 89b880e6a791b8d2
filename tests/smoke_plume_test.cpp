#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "calculators/smoke_plume.h"
#include "calculators/smoke_plume_dialog.h"

namespace ormix {
namespace {

// A 500 m2 burn of oil 10 mm thick at the default 0.04 mm/s, 20 deg C air,
// the default oil at 65 deg F.
struct Burn {
    double loc = 150, area = 500, thickness = 0.01, rate = 0.00004;
    double air = 293.15, oil = (65 + 459.67) * 5 / 9, wind = 5;
    double api = 24.8, rho = 915, rhoT = 273.15;

    int Compute(PlumeResult& r, MessageSink& sink) const {
        return ComputeSmokePlume(r, loc, area, thickness, rate, air, oil, wind, api, rho, rhoT,
                                 sink);
    }
    PlumeResult Plume() const {  // of a burn that must compute
        PlumeResult r;
        CollectingSink sink;
        EXPECT_EQ(Compute(r, sink), 0);
        return r;
    }
};

// The distance at which the burn's plume falls to its LOC, as recorded when
// it was checked against the centreline concentration there.
TEST(SmokePlume, ReachesTheRecordedLocDistance) {
    Burn b;
    const PlumeResult r = b.Plume();
    EXPECT_NEAR(r.Of(Stability::Neutral).x[kPlumePoints - 1], 15390.625, 0.01);
    EXPECT_EQ(r.loc, b.loc);
    // The burn lasts 250 s: whole minutes only.
    EXPECT_EQ(r.burnDuration, 4);
    b.thickness = 0.01196;  // 299 s
    EXPECT_EQ(b.Plume().burnDuration, 4);
}

// With a LOC below the farthest concentration the envelope reaches 20 km and
// its last point repeats the one before.
TEST(SmokePlume, EnvelopeSurroundsThePlumeCentre) {
    for (double loc : {150.0, 1.0}) {
        Burn b;
        b.loc = loc;
        const PlumeResult r = b.Plume();
        for (const PlumeEnvelope& e : r.envelope) {
            EXPECT_EQ(e.x[0], 0);
            EXPECT_EQ(e.lower[0], 0);
            EXPECT_EQ(e.upper[0], 0);
            for (int i = 1; i < kPlumePoints; ++i) {
                EXPECT_GT(e.x[i], e.x[i - 1]);
                EXPECT_GE(e.lower[i], 0);
                EXPECT_LE(e.lower[i], e.upper[i]);
                EXPECT_LE(e.upper[i], r.maxHeight);
            }
            if (loc == 1) {
                const int n = kPlumePoints - 1;
                EXPECT_EQ(e.x[n], 20000);
                EXPECT_EQ(e.lower[n], e.lower[n - 1]);
                EXPECT_EQ(e.upper[n], e.upper[n - 1]);
            }
        }
    }
}

TEST(SmokePlume, PlumeBelowTheLocAt50MetresFails) {
    PlumeDialogInput in;
    in.area = 500;
    in.areaUnit = 2;
    in.thickness = 10;
    in.slot = {1e9, 70, 0, 10, 0};
    PlumeResult r;
    CollectingSink sink;
    EXPECT_EQ(RunSmokePlume(in, r, sink), -1);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "Plume less 50 meters");
    EXPECT_EQ(sink.messages[1].text,
              "TechError in CalcSmokePlume()\n\nAn error occured while calculating the smoke "
              "plume. Calculation aborted.");
}

TEST(SmokePlume, NegativeOrMissingInputsFail) {
    auto status = [](void (*change)(Burn&)) {
        Burn b;
        change(b);
        PlumeResult r;
        CollectingSink sink;
        return b.Compute(r, sink);
    };
    EXPECT_EQ(status([](Burn& b) { b.wind = 0; }), -1);  // a logarithm of zero roughness
    EXPECT_EQ(status([](Burn& b) { b.rho = b.api = -1; }), -1);
    // A missing density is taken from the API gravity.
    EXPECT_EQ(status([](Burn& b) { b.rho = -1; }), 0);
}

TEST(SmokePlumeDialog, AirTemperatureBoundsInTheUnitTypedWindAndLoc) {
    // Temperature, unit (0 deg F, 1 deg C), the limit passed (empty: accepted).
    const std::tuple<double, int, std::string> cases[] = {
        {38.9, 1, ""}, {39, 1, "above 38 degrees C"},
        {-18, 1, ""},  {-18.1, 1, "below -18 degrees C"},
        {100, 0, ""},  {100.1, 0, "above 100 degrees F"},
        {0, 0, ""},    {-0.1, 0, "below 0 degrees F"}};
    for (const auto& [t, unit, limit] : cases) {
        PageCheck c = CheckPlumeInputs({150, t, unit, 10, 0});
        EXPECT_EQ(c.accepted, limit.empty()) << t;
        if (!limit.empty()) {
            EXPECT_EQ(c.message, "Sorry, ORMIX does not support air temperatures " + limit +
                                     ". Please enter a " + (limit[0] == 'a' ? "cooler" : "warmer") +
                                     " air temperature.");
        }
    }
    // A wind and a LOC must be given, and above zero.
    for (const PlumeSlotValues& s :
         {PlumeSlotValues{150, 60, 0, NoData, 0}, PlumeSlotValues{150, 60, 0, 0, 0},
          PlumeSlotValues{NoData, 60, 0, 10, 0}, PlumeSlotValues{0, 60, 0, 10, 0}})
        EXPECT_EQ(CheckPlumeInputs(s).message.rfind("Problem with the Input.\n\n", 0), 0u);
}

TEST(SmokePlumeDialog, ReportNamesTheDefaultOilAndTheEntriesAsTyped) {
    PlumeDialogInput in;
    in.month = 7;
    in.day = 4;
    in.hour = 14;
    in.area = 5000;
    in.areaUnit = 0;
    in.thickness = 1;
    in.thicknessUnit = 1;
    in.slot = {150, 70, 0, 10, 1};
    PlumeResult r;
    CollectingSink sink;
    ASSERT_EQ(RunSmokePlume(in, r, sink), 0);
    const std::vector<std::string> expected = {"Time of Burn = July 04, 14:00 hours",
                                               "Burn Duration = 4 minutes",
                                               "LOC = 150 ugm/m3",
                                               "Burn Area = 5000 sq. feet",
                                               "Air Temperature = 70 F",
                                               "Wind Speed = 10 knots",
                                               "Oil Name = PRUDHOE BAY "};
    EXPECT_EQ(PlumeReportLines(in, r), expected);
}

}  // namespace
}  // namespace ormix
