// A small, complete set of input records and helpers that run the model.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "model/run.h"
#include "model/spreading.h"
#include "model/weathering_model.h"

namespace ormix::testing {

struct Records {
    InputOil oil;
    InputWater water;
    InputWindWave wind;
    InputInstant instant;
    InputBoomed boomed;
    InputContinuous continuous;
    InputTank tank;
    InputUncertainty uncertainty;
    InputDispersant dispersant;
    InputBurn burn;
    InputSkimmer skimmer;
    InputBeached beached;

    // A medium crude on 15 deg C seawater, a constant 10 m/s wind for the
    // given number of hours, and no release yet.
    explicit Records(int hours = 120) {
        std::strcpy(oil.productType, "crude");
        oil.api = 30;
        oil.rhoRef_value[0] = 876;
        oil.rhoRef_temp[0] = 288.7;
        oil.rhoRef_fevap[0] = oil.viscRef_fevap[0] = 0;
        oil.viscRef_value[0] = 2e-5;
        oil.viscRef_temp[0] = 288.15;
        water = {.temperature = 15, .tempUnits = 2, .speed = 0, .speedUnits = 3, .direction = 0};
        wind.num = hours;
        wind.speedUnits = 3;
        for (int h = 0; h < hours; ++h) {
            wind.speed[h] = 10;
            wind.direction[h] = 270;
        }
    }

    // An instantaneous release in cubic metres.
    Records& Instant(double m3, int startHour = 1) {
        instant = {true, startHour, m3, kVolCubicMetres};
        return *this;
    }

    // Oil held in a boom of the given area (m2) from hour 1.
    Records& Boomed(double m3, double area) {
        boomed = {true, 1, m3, kVolCubicMetres, area, 3};
        return *this;
    }

    // A dispersant operation: `area` percent of the slick sprayed, `dispersed`
    // percent of the sprayed oil dispersed (stored the other way round).
    Records& Spray(int startHour, int hours, double area, double dispersed) {
        const int i = dispersant.num++;
        dispersant.startHour[i] = startHour;
        dispersant.duration[i] = hours;
        dispersant.dispersed[i] = area;
        dispersant.sprayed[i] = dispersed;
        return *this;
    }

    // Skimming at a rate in m3/h (NoData: neither rate nor amount).
    Records& Skim(int startHour, int hours, double rate) {
        const int i = skimmer.num++;
        skimmer.startHour[i] = startHour;
        skimmer.duration[i] = hours;
        skimmer.rate[i] = rate;
        skimmer.rateUnits[i] = 3;
        return *this;
    }

    // A burn of `thick` (1 mm, 2 cm) over `area` (1 ft2, 3 m2).
    Records& Burn(int startHour, double thick, int thickUnits, double area, int areaUnits = 3) {
        const int i = burn.num++;
        burn.startHour[i] = startHour;
        burn.thick[i] = thick;
        burn.thickUnits[i] = thickUnits;
        burn.area[i] = area;
        burn.areaUnits[i] = areaUnits;
        return *this;
    }

    // Volume (20 %), wind (3 m/s) and emulsion (emulPercent) uncertainty.
    Records& AllUncertainties(double emulPercent) {
        uncertainty = {1, 3, 3, 1, emulPercent, 1, 1, 20};
        return *this;
    }

    InputRecordSet Set() const {
        return {&oil,    &wind,        &water,      &instant, &continuous, &tank,
                &boomed, &uncertainty, &dispersant, &burn,    &skimmer,    &beached};
    }
};

inline std::unique_ptr<WeatheringModel> NewModel(MessageSink* sink = nullptr) {
    auto m = std::make_unique<WeatheringModel>();
    m->run.random.Seed(12345);
    if (sink) m->run.sink = sink;
    return m;
}

// The texts of the messages, in order.
inline std::vector<std::string> Texts(const CollectingSink& sink) {
    std::vector<std::string> out;
    for (const Message& m : sink.messages)
        out.push_back(m.text);
    return out;
}

// Whether two models gave every LE the same areas and thicknesses, bit for bit.
inline bool SameSpread(const WeatheringModel& a, const WeatheringModel& b) {
    if (a.les.numLEs != b.les.numLEs) return false;
    for (int i = 0; i < a.les.numLEs; ++i) {
        const LE &x = a.les.le[i], &y = b.les.le[i];
        if (std::memcmp(x.area, y.area, sizeof x.area) ||
            std::memcmp(x.thick, y.thick, sizeof x.thick))
            return false;
    }
    return true;
}

inline const StepResult& LastStep(const WeatheringModel& m) {
    return m.results.result[m.run.numSteps - 1];
}

// Reset, fill and set-up; returns whether set-up succeeded.
inline bool SetUpFrom(WeatheringModel& m, const Records& r) {
    m.Reset();
    FillModel(m, r.Set());
    return m.SetUp();
}

// The whole run, with the core dump when asked.
inline bool RunFrom(WeatheringModel& m, const Records& r, bool dump = false) {
    if (!SetUpFrom(m, r)) return false;
    bool ok = RunModel(m, {.coreDump = dump});
    m.CopyRemovalsToEnvelope();
    return ok;
}

// A new seeded model set up, or run, from the records.
inline std::unique_ptr<WeatheringModel> SetUpNew(const Records& r, MessageSink* sink = nullptr) {
    auto m = NewModel(sink);
    EXPECT_TRUE(SetUpFrom(*m, r));
    return m;
}
inline std::unique_ptr<WeatheringModel> RunNew(const Records& r, MessageSink* sink = nullptr) {
    auto m = NewModel(sink);
    EXPECT_TRUE(RunFrom(*m, r));
    return m;
}

}  // namespace ormix::testing
