// The fields of an oil record, by number, and the column names of the oil
// library files. Temperatures are in K, densities in kg/m3, kinematic
// viscosities in m2/s, dynamic viscosities in kg/(m s), contents and
// fractions as fractions.
#pragma once

#include "core/constants.h"

namespace ormix::oilfield {

// 158 named fields; field 159 (the water uptake rate) has no column.
inline constexpr int kNamedFields = 158;
inline constexpr int kFieldCount = 159;
extern const char* const kColumnNames[kNamedFields];

inline constexpr int kOilName = 1;
inline constexpr int kOilId = 2;
inline constexpr int kLocation = 3;
inline constexpr int kFieldName = 4;
inline constexpr int kSynonyms = 5;
inline constexpr int kReference = 6;
inline constexpr int kApi = 7;
inline constexpr int kPourPointMin = 8;
inline constexpr int kPourPointMax = 9;
inline constexpr int kProductType = 10;
inline constexpr int kComments = 11;
inline constexpr int kAsphaltene = 12;
inline constexpr int kWax = 13;
inline constexpr int kAromatics = 14;
inline constexpr int kWaterContentEmulsion = 15;
inline constexpr int kEmulsConstantMin = 16;
inline constexpr int kEmulsConstantMax = 17;
inline constexpr int kFlashPointMin = 18;
inline constexpr int kFlashPointMax = 19;
inline constexpr int kOilWaterTension = 20;
inline constexpr int kOilWaterTensionTemp = 21;
inline constexpr int kOilSeawaterTension = 22;
inline constexpr int kOilSeawaterTensionTemp = 23;
inline constexpr int kCutUnits = 117;
inline constexpr int kOilClass = 118;
inline constexpr int kAdhesion = 143;
inline constexpr int kBenzene = 144;
inline constexpr int kNaphthenes = 145;
inline constexpr int kParaffins = 146;
inline constexpr int kPolars = 147;
inline constexpr int kResins = 148;
inline constexpr int kSaturates = 149;
inline constexpr int kSulphur = 150;
inline constexpr int kReidVaporPressure = 151;
inline constexpr int kViscosityMultiplier = 152;
inline constexpr int kNickel = 153;
inline constexpr int kVanadium = 154;
inline constexpr int kConradsonResiduum = 155;
inline constexpr int kConradsonCrude = 156;
inline constexpr int kDispersabilityTemp = 157;
inline constexpr int kPreferredOils = 158;
inline constexpr int kWaterUptakeRate = 159;

// Points of each kind of viscosity measurement (4 density points and 15 cuts,
// as the model holds them).
inline constexpr int kViscosityPoints = 6;

// Point i (1-based) of the density, kinematic and dynamic viscosity
// measurements: the value; its reference temperature is value + 1 and its
// weathering (fraction evaporated) value + 2.
constexpr int Density(int i) {
    return 24 + 3 * (i - 1);
}
constexpr int KinematicViscosity(int i) {
    return 36 + 3 * (i - 1);
}
constexpr int DynamicViscosity(int i) {
    return 54 + 3 * (i - 1);
}
constexpr int RefTemp(int valueField) {
    return valueField + 1;
}
constexpr int Weathering(int valueField) {
    return valueField + 2;
}
// Distillation cut i (1-based): vapour temperature, liquid temperature and
// cumulative fraction distilled.
constexpr int CutVaporTemp(int i) {
    return 72 + 3 * (i - 1);
}
constexpr int CutLiquidTemp(int i) {
    return 73 + 3 * (i - 1);
}
constexpr int CutFraction(int i) {
    return 74 + 3 * (i - 1);
}

}  // namespace ormix::oilfield
