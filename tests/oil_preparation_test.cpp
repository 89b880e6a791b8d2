#include "oil/oil_preparation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "model/setup.h"
#include "model_fixture.h"
#include "oil_samples.h"

namespace ormix {
namespace {

using testing::NewModel;
using testing::Records;
using testing::SetUpFrom;

// A model filled from the records, not yet prepared.
std::unique_ptr<WeatheringModel> Filled(const Records& r, MessageSink* sink = nullptr) {
    auto m = NewModel(sink);
    m->Reset();
    FillModel(*m, r.Set());
    return m;
}

// Reference points of an oil property: value, temperature (K), evaporated.
struct RefPoint {
    double value, kelvin, fevap;
};
void SetPoints(double* value, double* kelvin, double* fevap, std::initializer_list<RefPoint> p) {
    int i = 0;
    for (const RefPoint& q : p) {
        value[i] = q.value;
        kelvin[i] = q.kelvin;
        fevap[i++] = q.fevap;
    }
}
#define DENSITY(o) (o).rhoRef_value, (o).rhoRef_temp, (o).rhoRef_fevap
#define KINEMATIC(o) (o).viscRef_value, (o).viscRef_temp, (o).viscRef_fevap
#define DYNAMIC(o) (o).dyViscRef_value, (o).dyViscRef_temp, (o).dyViscRef_fevap

TEST(DensityAtTemperature, FromTheApiAloneOrTheMeanOfFreshAndWeatheredPoints) {
    Records r;
    SetPoints(DENSITY(r.oil), {{NoData, NoData, NoData}});
    auto m = Filled(r);  // the fill derives a density from the API 30
    EXPECT_NEAR(m->inputs.oil.rhoRef_value[0], 876.2, 0.05);
    double expected = m->inputs.oil.rhoRef_value[0] * (1 + 0.0008 * (288.7 - 283.15));
    EXPECT_NEAR(DensityAtTemperature(m->inputs.oil, 283.15, m->Messages()), expected, 1e-9);

    SetPoints(DENSITY(r.oil), {{900, 288, 0}, {954, 288, 0.2}});
    // 900 and 954 / 1.036 = 920.8.
    EXPECT_NEAR(DensityAtTemperature(Filled(r)->inputs.oil, 288, DiscardMessages()), 910.4, 0.05);
}

TEST(ViscosityAtTemperature, EvaporationConstantIsHeldWithinTwoAndTwelve) {
    for (auto [cSt, expected] : {std::pair{1.0, 2.0}, {16.0, 6.0}, {100.0, 12.0}}) {
        Records r;
        SetPoints(KINEMATIC(r.oil), {{cSt * 1e-6, 288, 0}});
        EXPECT_NEAR(ViscosityAtTemperature(Filled(r)->inputs.oil, 288, 5000, 876, DiscardMessages())
                        .evapConst,
                    expected, 1e-9)
            << cSt << " cSt";
    }
}

// Several points: the fresh one closest to the water temperature, and the
// weathered ones tell how evaporation raises viscosity.
TEST(ViscosityAtTemperature, SeveralPointsTakeTheClosestFreshOne) {
    Records r;
    SetPoints(KINEMATIC(r.oil), {{2e-5, 278, 0}, {1e-5, 298, 0}, {4e-5, 298, 0.2}});
    ViscosityEstimate e =
        ViscosityAtTemperature(Filled(r)->inputs.oil, 293, 5000, 876, DiscardMessages());
    ASSERT_TRUE(e.ok);
    double fresh = 1e-5 * std::exp(5000 * (1.0 / 293 - 1.0 / 298));
    EXPECT_NEAR(e.visc, fresh, 1e-18);
    double weathered = std::log(4e-5 * std::exp(5000 * (1.0 / 293 - 1.0 / 298)) / fresh) / 0.2;
    double c4 = (1.5 * std::sqrt(fresh * 1e6) + weathered) / 2;
    EXPECT_NEAR(e.evapConst, std::clamp(c4, 2.0, 12.0), 1e-12);
}

TEST(ViscosityAtTemperature, DynamicPointsAreTurnedKinematic) {
    Records r;
    r.oil.viscRef_value[0] = NoData;
    SetPoints(DYNAMIC(r.oil), {{0.9, 278, 0}, {0.5, 298, 0}});
    ViscosityEstimate e =
        ViscosityAtTemperature(Filled(r)->inputs.oil, 293, 5000, 900, DiscardMessages());
    ASSERT_TRUE(e.ok);
    EXPECT_NEAR(e.visc, 0.5 / 900 * std::exp(5000 * (1.0 / 293 - 1.0 / 298)), 1e-15);
}

// Oil data the preparation cannot use stops the set-up with its message
// instead of running on with meaningless oil (a 1 kg/m3 density, say).
struct StopCase {
    const char* what;
    void (*change)(InputOil&);
    const char* message;
};

TEST(PreparationStops, WithTheMessage) {
    const StopCase cases[] = {
        {"weathered first density", [](InputOil& o) { o.rhoRef_fevap[0] = 0.1; },
         "bad density data"},
        {"neither density nor API",
         [](InputOil& o) {
             o.rhoRef_value[0] = NoData;
             o.api = NoData;
         },
         "bad density data"},
        {"no viscosity",
         [](InputOil& o) {
             o.viscRef_value[0] = NoData;
             o.dyViscRef_value[0] = NoData;
         },
         "no viscosity data"},
        {"weathered kinematic viscosity", [](InputOil& o) { o.viscRef_fevap[0] = 0.1; },
         "initial viscosity must be unweathered"},
        {"weathered dynamic viscosity",
         [](InputOil& o) {
             o.viscRef_value[0] = NoData;
             SetPoints(DYNAMIC(o), {{0.02, 288, 0.1}});
         },
         "initial viscosity must be unweathered"},
        {"second cut does not rise",
         [](InputOil& o) {
             o = testing::MediumCrude();
             o.dist_temp[1] = o.dist_temp[0];
         },
         "bad distillation temperature data"},
        {"refined without cuts", [](InputOil& o) { std::strcpy(o.productType, "refined"); },
         "Refined oils must have distillation cuts."}};
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.what);
        CollectingSink sink;
        Records r;
        c.change(r.Instant(100).oil);
        auto m = NewModel(&sink);
        EXPECT_FALSE(SetUpFrom(*m, r));
        EXPECT_TRUE(sink.Contains(c.message));
    }
}

TEST(PrepareOil, MinimumThicknessOfRefinedProductsAndCrudes) {
    // Heavy fuel oil is refined, but far above 100 cSt.
    const std::pair<InputOil, double> oils[] = {
        {testing::Diesel(), 5e-5}, {testing::HeavyFuelOil(), 1e-4}, {testing::LightCrude(), 1e-4}};
    Records r;
    for (const auto& [oil, thickness] : oils) {
        r.Instant(100).oil = oil;
        EXPECT_EQ(testing::SetUpNew(r)->inputs.oil.minThickness, thickness) << oil.dist_temp[0];
    }
}

TEST(PrepareOil, DenserThanTheWaterWarnsAndTheRunGoesOn) {
    CollectingSink sink;
    Records r;
    r.Instant(100).oil = testing::BasicOil("crude", 8, 1040, 5000, 15);
    auto m = testing::RunNew(r, &sink);
    EXPECT_TRUE(sink.Contains("Oil is denser than surrounding water. Will sink"));
    EXPECT_FALSE(sink.Contains("Initial LE area not properly set"));
    EXPECT_GT(m->setup.buoyancy, 0);
    const StepResult& last = testing::LastStep(*m);
    EXPECT_NEAR(last.released.best, 100, 1e-9);
    EXPECT_GT(last.remaining.best, 0);
    // The emulsion is held at the water density.
    EXPECT_NEAR(last.density.mean, m->inputs.waterDensity, 1e-9);
}

TEST(PrepareOil, WaterContentFromTheDynamicViscosityUnlessGiven) {
    // Beyond about 635 kg/(m s) no water at all.
    for (auto [mu, Y] : {std::pair{0.01, 0.9}, {0.5, 0.681}, {5000.0, 0.0}}) {
        OilState oil = NewModel()->inputs.oil;
        EmulsionLimits e = EmulsionWaterContent(oil, mu / 900, 900);
        EXPECT_NEAR(e.waterContent, Y, 5e-4) << mu << " kg/(m s)";
        oil.waterContent = 0.5;
        EXPECT_EQ(EmulsionWaterContent(oil, mu / 900, 900).waterContent, 0.5);
    }
}

TEST(PrepareOil, WaterUptakeRateOfAViscousOilIsRaisedToItsFloor) {
    Records r;
    r.Instant(100).oil = testing::BasicOil("crude", 15, 960, 1e6 / 960.0, 15);  // 1 kg/(m s)
    auto m = NewModel();
    ASSERT_TRUE(SetUpFrom(*m, r));
    EXPECT_EQ(m->inputs.oil.waterUptakeRate, 1e-6);
    r.oil = testing::LightCrude();
    ASSERT_TRUE(SetUpFrom(*m, r));
    double mu = m->setup.InitialOil.rho0 * m->setup.InitialOil.visc0;
    EXPECT_NEAR(m->inputs.oil.waterUptakeRate, (3.11 - 3.63 * mu) * 1e-6, 1e-18);
}

// Onset of emulsification: a crude of API 30 whose boiling line has TG 600,
// so the boiling term is (483 - (532.98 - 3.1295 * 30)) / 600 = 0.073175.
TEST(EmulsionOnset, FractionEvaporatedAtTheOnset) {
    struct {
        const char* what;
        const char* type;
        double asphalt, nickel, vanadium;
        double given, high;  // the onset given (NoData: none) and the one used
    } const cases[] = {
        // Rich in metals: at once, up to the boiling term.
        {"metals", "crude", NoData, 10, 20, NoData, 0.0365875},
        {"asphaltenes", "crude", 0.5, NoData, NoData, NoData, 0.1629690196},
        {"few asphaltenes held at 0.303", "crude", 0.05, NoData, NoData, NoData, 0.1880875},
        {"from the API", "crude", NoData, NoData, NoData, NoData, 0.1005703312},
        // Refined: without an onset, at total evaporation; given as 0, at once.
        {"refined", "refined", NoData, NoData, NoData, NoData, 1},
        {"refined at once", "refined", NoData, NoData, NoData, 0, 0}};
    for (const auto& c : cases) {
        auto m = NewModel();
        OilState& o = m->inputs.oil;
        std::strcpy(o.productType, c.type);
        o.api = 30;
        o.TG = 600;
        o.asphalt = c.asphalt;
        o.nickel = c.nickel;
        o.vanadium = c.vanadium;
        o.bullwinkleHigh = c.given;
        EmulsionOnset(o, OilSurroundingsOf(*m));
        EXPECT_NEAR(o.bullwinkleHigh, c.high, 1e-9) << c.what;
        EXPECT_EQ(o.bullwinkleLow, NoData) << c.what;
    }
}

TEST(EmulsionOnset, UncertaintyWidensTheTimeInHoursAndTheFractionInPercent) {
    auto m = NewModel();
    m->inputs.oil.bulltimeHigh = 5;
    m->inputs.emulFlag = 1;
    m->inputs.emulHours = 8;
    EmulsionOnset(m->inputs.oil, OilSurroundingsOf(*m));
    EXPECT_EQ(m->inputs.oil.bulltimeHigh, 13);
    EXPECT_EQ(m->inputs.oil.bulltimeLow, 0);  // not below 0
    EXPECT_EQ(m->inputs.oil.bullwinkleHigh, NoData);

    auto f = NewModel();
    std::strcpy(f->inputs.oil.productType, "crude");
    f->inputs.oil.bullwinkleHigh = 0.95;
    f->inputs.emulFlag = 1;
    f->inputs.emulPercent = 10;
    EmulsionOnset(f->inputs.oil, OilSurroundingsOf(*f));
    EXPECT_EQ(f->inputs.oil.bullwinkleHigh, 1.0);  // at most 1
    EXPECT_NEAR(f->inputs.oil.bullwinkleLow, 0.85, 1e-12);
}
// Distillation cuts.

TEST(Distillation, KeepsTheValidCuts) {
    // Temperatures, fractions, cuts kept and the message (empty: none).
    const std::tuple<std::vector<double>, std::vector<double>, int, std::string> cases[] = {
        {{350, 400, 400}, {0.1, 0.2, 0.3}, 2, "bad distillation temperature data"},
        {{350, 400, 450, 500, 550, 600, 600}, {.1, .2, .3, .4, .5, .6, .7}, 6, ""},
        {{350, 400, 450}, {0.1, 0.3, 0.2}, 2, "bad distillation fraction data"},
        {{270, 400, 450}, {0.1, 0.3, 0.5}, 0, "bad distillation temperature data"},
        {{350, 400, 450}, {0.1, 0.3, 30}, 2, "bad distillation fraction data"},
        {{350, 400, 450}, {0.1, 0.3, 0.5}, 3, ""}};
    for (const auto& [temps, fracs, kept, message] : cases) {
        CollectingSink sink;
        OilState oil = NewModel()->inputs.oil;
        oil.distKind = 2;
        oil.cutCount = static_cast<int>(temps.size());
        std::copy(temps.begin(), temps.end(), oil.dist_temp);
        std::copy(fracs.begin(), fracs.end(), oil.dist_frac);
        CheckDistillation(oil, sink);
        EXPECT_EQ(oil.cutCount, kept) << temps.size() << " cuts, " << message;
        EXPECT_EQ(testing::Texts(sink),
                  message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
        for (int i = kept; i < kCuts; ++i)
            EXPECT_EQ(oil.dist_frac[i], NoData);
    }
}

}  // namespace
}  // namespace ormix
