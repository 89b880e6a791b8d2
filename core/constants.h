// Sizes, sentinels and physical constants shared by the whole engine.
#pragma once

namespace ormix {

// An unset or missing value. Many checks compare against it, so it is part of
// the data, not only a display convention.
inline constexpr double NoData = -999.0;
inline constexpr int NoDataInt = -999;

// Fixed capacities of the model.
inline constexpr int kMaxLEs = 500;
inline constexpr int kMaxSteps = 480;
inline constexpr int kHours = 120;
inline constexpr int kMaxEvapRows = 4000;
inline constexpr int kEvapColumns = 6;
inline constexpr int kMaxPseudoComponents = 30;
inline constexpr int kTankPoints = 200;
inline constexpr int kMaxOperations = 5;
inline constexpr int kDensityPoints = 4;
inline constexpr int kRefSlots = 6;
inline constexpr int kCuts = 15;

// Deliberate: the model writes pi as 3.14 in every formula.
inline constexpr double kPi = 3.14;

inline bool IsNoData(double v) {
    return v == NoData;
}
inline bool IsNoData(int v) {
    return v == NoDataInt;
}

}  // namespace ormix
