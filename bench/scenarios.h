// The scenarios that the benchmarks time, as input records.
#pragma once

#include <cstring>

#include "model/weathering_model.h"

namespace ormix::bench {

struct Scenario {
    InputOil oil;
    InputWater water;
    InputWindWave wind;
    InputInstant instant;
    InputContinuous continuous;
    InputUncertainty uncertainty;
    InputDispersant dispersant;
    InputBurn burn;
    InputSkimmer skimmer;
    InputBeached beached;

    InputRecordSet Set() const {
        InputRecordSet s;
        s.oil = &oil;
        s.water = &water;
        s.windWave = &wind;
        s.instant = &instant;
        s.continuous = &continuous;
        s.uncertainty = &uncertainty;
        s.dispersant = &dispersant;
        s.burn = &burn;
        s.skimmer = &skimmer;
        s.beached = &beached;
        return s;
    }
};

// A medium crude (API 30, 876 kg/m3, 15 cSt) on 15 deg C seawater.
inline void MediumCrudeOnSeawater(Scenario& s) {
    std::strcpy(s.oil.productType, "crude");
    s.oil.api = 30;
    s.oil.rhoRef_value[0] = 876;
    s.oil.rhoRef_temp[0] = 288.15;
    s.oil.rhoRef_fevap[0] = 0;
    s.oil.viscRef_value[0] = 15e-6;
    s.oil.viscRef_temp[0] = 288.15;
    s.oil.viscRef_fevap[0] = 0;
    const double cuts[][2] = {{100, 7}, {150, 15}, {200, 23}, {250, 31}, {300, 40}, {350, 49}};
    for (int i = 0; i < 6; ++i) {
        s.oil.dist_temp[i] = cuts[i][0] + 273.15;
        s.oil.dist_frac[i] = cuts[i][1] / 100;
    }
    s.water.temperature = 15;
    s.water.tempUnits = 2;
    s.water.speedUnits = 3;
    s.water.speed = 0;
    s.water.direction = 0;
}

// The heaviest run: 120 hours, a large spill at once beside a continuous
// trickle (every hour adds LEs: about 480 in all), volume, wind and emulsion
// uncertainty (nine runs), and a dispersant spray, a burn, a skimmer and oil
// coming ashore.
inline Scenario Heaviest() {
    Scenario s;
    MediumCrudeOnSeawater(s);
    s.water.speed = 0.2;
    s.water.direction = 45;
    s.wind.num = 120;
    s.wind.speedUnits = 3;
    for (int h = 0; h < 120; ++h) {
        s.wind.speed[h] = 5 + (h % 24) * 0.5;
        s.wind.direction[h] = 200 + (h % 12) * 10;
    }
    s.instant = {true, 1, 20000, kVolCubicMetres};
    s.continuous = {true, 1, 120, 0.5, 0.5, 3};
    s.uncertainty.volFlag = 1;
    s.uncertainty.vol = 20;
    s.uncertainty.windFlag = 1;
    s.uncertainty.wind = 3;
    s.uncertainty.windUnits = 3;
    s.uncertainty.emulFlag = 1;
    s.uncertainty.emul = 10;
    s.uncertainty.emulUnits = 1;
    s.dispersant.num = 1;
    s.dispersant.startHour[0] = 10;
    s.dispersant.duration[0] = 3;
    s.dispersant.dispersed[0] = 30;
    s.dispersant.sprayed[0] = 60;
    s.burn.num = 1;
    s.burn.startHour[0] = 20;
    s.burn.thick[0] = 5;
    s.burn.thickUnits[0] = 1;
    s.burn.area[0] = 5000;
    s.burn.areaUnits[0] = 3;
    s.skimmer.num = 1;
    s.skimmer.startHour[0] = 30;
    s.skimmer.duration[0] = 24;
    s.skimmer.rate[0] = 20;
    s.skimmer.rateUnits[0] = 3;
    s.beached.volUnits = kVolCubicMetres;
    for (int h = 48; h < 54; ++h)
        s.beached.vol[h] = 50;
    return s;
}

// A typical run: 1,000 bbl of a medium crude released at once, a 10 knot
// wind for 120 hours, no uncertainty, no response.
inline Scenario Typical() {
    Scenario s;
    MediumCrudeOnSeawater(s);
    s.wind.num = 120;
    s.wind.speedUnits = 2;  // knots
    for (int h = 0; h < 120; ++h) {
        s.wind.speed[h] = 10;
        s.wind.direction[h] = 270;
    }
    s.instant = {true, 1, 1000, kVolBarrels};
    return s;
}

inline Scenario ByNumber(int which) {
    return which == 0 ? Heaviest() : Typical();
}

}  // namespace ormix::bench
