// Typical oils for the model tests, representative of their class (from
// public assay summaries), not of any one named oil.
#pragma once

#include <cstring>

#include "core/inputs.h"

namespace ormix::testing {

struct Cut {
    double celsius, percent;
};

inline void SetCuts(InputOil& oil, std::initializer_list<Cut> cuts, bool byVolume = true) {
    int i = 0;
    for (const Cut& c : cuts) {
        oil.dist_temp[i] = c.celsius + 273.15;
        oil.dist_frac[i] = c.percent / 100.0;
        ++i;
    }
    oil.dist_volumeFrac = byVolume ? 1 : 0;
}

inline InputOil BasicOil(const char* type, double api, double density, double cSt, double celsius) {
    InputOil oil;
    std::strcpy(oil.productType, type);
    oil.api = api;
    oil.rhoRef_value[0] = density;
    oil.rhoRef_temp[0] = 288.15;
    oil.rhoRef_fevap[0] = 0;
    oil.viscRef_value[0] = cSt * 1e-6;
    oil.viscRef_temp[0] = celsius + 273.15;
    oil.viscRef_fevap[0] = 0;
    return oil;
}

// A light crude, about 28 percent distilled by 180 deg C.
inline InputOil LightCrude() {
    InputOil oil = BasicOil("crude", 40, 825, 4, 15);
    SetCuts(oil, {{70, 5}, {100, 12}, {150, 22}, {200, 32}, {250, 42}, {300, 52}, {350, 62}});
    return oil;
}

// A medium crude, about 20 percent distilled by 180 deg C.
inline InputOil MediumCrude() {
    InputOil oil = BasicOil("crude", 30, 876, 15, 15);
    SetCuts(oil, {{100, 7}, {150, 15}, {200, 23}, {250, 31}, {300, 40}, {350, 49}});
    return oil;
}

// A heavy fuel oil, about 1 percent distilled by 180 deg C.
inline InputOil HeavyFuelOil() {
    InputOil oil = BasicOil("refined", 12, 985, 380, 50);
    SetCuts(oil, {{200, 1}, {250, 3}, {300, 6}, {350, 12}, {400, 20}, {450, 30}, {500, 42}});
    return oil;
}

// Diesel: a light and narrow distillation.
inline InputOil Diesel() {
    InputOil oil = BasicOil("refined", 35, 850, 3.5, 15);
    SetCuts(oil, {{180, 5}, {220, 20}, {260, 50}, {300, 80}, {340, 95}});
    return oil;
}

}  // namespace ormix::testing
