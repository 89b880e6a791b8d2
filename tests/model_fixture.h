// A small, complete set of input records and a helper that runs the model
// from them, shared by the model tests.
#pragma once

#include <cstring>
#include <memory>

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
        oil.rhoRef_fevap[0] = 0;
        oil.viscRef_value[0] = 2e-5;
        oil.viscRef_temp[0] = 288.15;
        oil.viscRef_fevap[0] = 0;
        water.temperature = 15;
        water.tempUnits = 2;
        water.speed = 0;
        water.speedUnits = 3;
        water.direction = 0;
        wind.num = hours;
        wind.speedUnits = 3;
        for (int h = 0; h < hours; ++h) {
            wind.speed[h] = 10;
            wind.direction[h] = 270;
        }
    }

    // An instantaneous release in cubic metres.
    Records& Instant(double m3, int startHour = 1) {
        instant.flag = true;
        instant.startHour = startHour;
        instant.vol = m3;
        instant.volUnits = kVolCubicMetres;
        return *this;
    }

    // Volume (20 %), wind (3 m/s) and emulsion uncertainty (the onset
    // fraction give or take emulPercent).
    Records& AllUncertainties(double emulPercent) {
        uncertainty.volFlag = 1;
        uncertainty.vol = 20;
        uncertainty.windFlag = 1;
        uncertainty.wind = 3;
        uncertainty.windUnits = 3;
        uncertainty.emulFlag = 1;
        uncertainty.emul = emulPercent;
        uncertainty.emulUnits = 1;
        return *this;
    }

    InputRecordSet Set() const {
        InputRecordSet s;
        s.oil = &oil;
        s.windWave = &wind;
        s.water = &water;
        s.instant = &instant;
        s.boomed = &boomed;
        s.continuous = &continuous;
        s.tank = &tank;
        s.uncertainty = &uncertainty;
        s.dispersant = &dispersant;
        s.burn = &burn;
        s.skimmer = &skimmer;
        s.beached = &beached;
        return s;
    }
};

inline std::unique_ptr<WeatheringModel> NewModel(MessageSink* sink = nullptr) {
    auto m = std::make_unique<WeatheringModel>();
    m->run.random.Seed(12345);
    if (sink) m->run.sink = sink;
    return m;
}

// Reset, fill and set-up; returns whether set-up succeeded.
inline bool SetUpFrom(WeatheringModel& m, const Records& r) {
    m.Reset();
    FillModel(m, r.Set());
    return m.SetUp();
}

// The whole run without the core dump.
inline bool RunFrom(WeatheringModel& m, const Records& r, bool dump = false) {
    if (!SetUpFrom(m, r)) return false;
    bool ok = RunModel(m, {.coreDump = dump});
    m.CopyRemovalsToEnvelope();
    return ok;
}

}  // namespace ormix::testing
