// The model input records: what the scenario holds in the person's own units,
// each with its unit codes (the dialog choice index + 1). The fill operations
// (fill.h) turn them into the model's SI values.
#pragma once

#include "core/constants.h"

namespace ormix {

struct InputWater {
    double temperature = NoData;
    int tempUnits = 1;  // 1 deg F, 2 deg C
    double salinity = 32.0;
    double sediment = 5.0;      // g/m3
    double speed = NoData;      // current
    int speedUnits = 1;         // 1 mph, 2 knots, 3 m/s
    double direction = NoData;  // current flows towards, whole degrees

    bool operator==(const InputWater&) const = default;
};

struct InputWindWave {
    int num = 0;          // hourly records in use, at most 120
    int speedUnits = 1;   // 1 mph, 2 knots, 3 m/s
    int waveHtUnits = 1;  // 1 m, 2 ft
    int fetchUnits = 1;   // 1 miles, 2 km
    double speed[kHours];
    double direction[kHours];  // degrees, where the wind blows from
    double waveHt[kHours];     // NoData when not given
    double fetchN = 0, fetchE = 0, fetchS = 0, fetchW = 0;

    InputWindWave() {
        for (int i = 0; i < kHours; ++i)
            speed[i] = direction[i] = waveHt[i] = NoData;
    }

    bool operator==(const InputWindWave&) const = default;
};

// Volume unit codes shared by the releases, skimmed amounts and beaching.
enum VolumeUnit { kVolBarrels = 1, kVolGallons, kVolCubicMetres, kVolTons, kVolMetricTons };

struct InputInstant {
    bool flag = false;
    int startHour = NoDataInt;
    double vol = NoData;
    int volUnits = 1;

    bool operator==(const InputInstant&) const = default;
};

struct InputBoomed {
    bool flag = false;
    int startHour = NoDataInt;
    double vol = NoData;
    int volUnits = 1;
    double area = NoData;
    int areaUnits = 1;  // 1 ft2, 2 yd2, 3 m2

    bool operator==(const InputBoomed&) const = default;
};

struct InputContinuous {
    bool flag = false;
    int startHour = NoDataInt;
    int endHour = NoDataInt;
    double startRate = NoData;
    double endRate = NoData;
    int rateUnits = 1;  // 1 bbl/h, 2 gal/h, 3 m3/h, 4 tons/h, 5 metric tons/h, 6 gal/min

    bool operator==(const InputContinuous&) const = default;
};

struct InputTank {
    bool flag = false;
    int vent = 1;
    int aground = 0;
    int startHour = NoDataInt;
    double tHeight = NoData, tWidth = NoData, tLength = NoData;
    int tUnits = 1;  // 1 m, 2 ft
    double oVol = NoData;
    int oUnits = 1;  // 1 bbl, 2 gal, 3 m3, 4 ft3
    double hDiam = NoData, hArea = NoData;
    int hUnits = 1;  // 1 m and m2, 2 cm and cm2, 3 ft and ft2, 4 in and in2
    double zHeight = NoData;
    int zUnits = 1;  // 1 m, 2 ft
    double wHeight = NoData;
    int wUnits = 1;      // 1 m, 2 ft
    double Cd = NoData;  // NoData: the default discharge coefficient

    bool operator==(const InputTank&) const = default;
};

struct InitialOilValues {
    double rho0 = NoData;   // kg/m3 at the water temperature
    double visc0 = NoData;  // m2/s at the water temperature

    bool operator==(const InitialOilValues&) const = default;
};

struct InputOil {
    char name[32] = {};        // not read by the model
    char productType[8] = {};  // "crude" or "refined"
    double api = NoData;
    double asphalt = NoData;
    double benzene = NoData;
    double nickel = NoData;
    double vanadium = NoData;
    double viscMultiplier = NoData;
    double waterContent = NoData;
    double waterUptakeRate = NoData;
    double bullwinkle = NoData;  // fraction evaporated at the onset of emulsification
    double bulltime = NoData;    // hours after release at the onset
    double rhoRef_value[kDensityPoints], rhoRef_temp[kDensityPoints], rhoRef_fevap[kDensityPoints];
    double viscRef_value[kRefSlots], viscRef_temp[kRefSlots], viscRef_fevap[kRefSlots];
    double dyViscRef_value[kRefSlots], dyViscRef_temp[kRefSlots], dyViscRef_fevap[kRefSlots];
    double dist_temp[kCuts], dist_frac[kCuts];
    InitialOilValues InitialOil;
    // The kind of distillation data: 1 when the cut fractions are by volume,
    // 0 when by weight.
    int dist_volumeFrac = 1;

    InputOil() {
        for (int i = 0; i < kDensityPoints; ++i)
            rhoRef_value[i] = rhoRef_temp[i] = rhoRef_fevap[i] = NoData;
        for (int i = 0; i < kRefSlots; ++i) {
            viscRef_value[i] = viscRef_temp[i] = viscRef_fevap[i] = NoData;
            dyViscRef_value[i] = dyViscRef_temp[i] = dyViscRef_fevap[i] = NoData;
        }
        for (int i = 0; i < kCuts; ++i)
            dist_temp[i] = dist_frac[i] = NoData;
    }

    bool operator==(const InputOil&) const = default;
};

struct InputUncertainty {
    int windFlag = 0;
    double wind = NoData;
    int windUnits = 1;  // 1 mph, 2 knots, 3 m/s
    int emulFlag = 0;
    double emul = NoData;
    int emulUnits = 1;  // 1 percent, 2 whole hours
    int volFlag = 0;
    double vol = NoData;  // percent of the amount spilled

    bool operator==(const InputUncertainty&) const = default;
};

struct InputDispersant {
    int num = 0;
    int startHour[kMaxOperations];
    int duration[kMaxOperations];  // hours
    // The two percentages are named the wrong way round, and stored files
    // rely on the names: `dispersed` holds the percent of the spill area
    // sprayed, `sprayed` the percent of the sprayed oil dispersed.
    double dispersed[kMaxOperations];
    double sprayed[kMaxOperations];

    InputDispersant() {
        for (int i = 0; i < kMaxOperations; ++i) {
            startHour[i] = duration[i] = NoDataInt;
            dispersed[i] = sprayed[i] = NoData;
        }
    }

    bool operator==(const InputDispersant&) const = default;
};

struct InputBurn {
    int num = 0;
    int startHour[kMaxOperations];
    double thick[kMaxOperations];
    int thickUnits[kMaxOperations];  // 1 mm, 2 cm, 3 in
    double area[kMaxOperations];
    int areaUnits[kMaxOperations];  // 1 ft2, 2 yd2, 3 m2
    double burnRegRate = NoData;
    int burnRegRateUnits = 1;  // 1 mm/s, 2 in/s

    InputBurn() {
        for (int i = 0; i < kMaxOperations; ++i) {
            startHour[i] = NoDataInt;
            thick[i] = area[i] = NoData;
            thickUnits[i] = areaUnits[i] = 1;
        }
    }

    bool operator==(const InputBurn&) const = default;
};

struct InputSkimmer {
    int num = 0;
    int startHour[kMaxOperations];
    int duration[kMaxOperations];  // hours
    double rate[kMaxOperations];
    int rateUnits[kMaxOperations];  // as InputContinuous::rateUnits
    double amount[kMaxOperations];
    int amountUnits[kMaxOperations];  // volume unit codes

    InputSkimmer() {
        for (int i = 0; i < kMaxOperations; ++i) {
            startHour[i] = duration[i] = NoDataInt;
            rate[i] = amount[i] = NoData;
            rateUnits[i] = amountUnits[i] = 1;
        }
    }

    bool operator==(const InputSkimmer&) const = default;
};

struct InputBeached {
    int volUnits = 1;
    double vol[kHours];  // amount beached in each hour

    InputBeached() {
        for (double& v : vol)
            v = NoData;
    }

    bool operator==(const InputBeached&) const = default;
};

}  // namespace ormix
