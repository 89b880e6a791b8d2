// The "Smoke Plume" dialog without its window: the inputs it keeps per burn
// slot, its checks, the conversion of the burn's entries into the units of
// ComputeSmokePlume and the lines of its report.
#pragma once

#include <string>
#include <vector>

#include "calculators/page_check.h"
#include "calculators/smoke_plume.h"
#include "core/constants.h"
#include "core/inputs.h"
#include "core/messages.h"

namespace ormix {

inline constexpr char kPlumeDefaultOilName[] = "PRUDHOE BAY";
inline constexpr double kPlumeDefaultApi = 24.8;
inline constexpr double kPlumeDefaultDensity = 915.0;       // kg/m3
inline constexpr double kPlumeDefaultDensityTemp = 273.15;  // K
inline constexpr double kPlumeDefaultOilTempF = 65.0;       // without water data

inline constexpr char kPlumeErrorCaption[] = "TechError in CalcSmokePlume()";
inline constexpr char kPlumeErrorText[] =
    "An error occured while calculating the smoke plume. Calculation aborted.";

// The result page's plot, printed under "Smoke Plume".
inline constexpr char kPlumePrintTitle[] = "Smoke Plume";
inline constexpr char kPlumeDistanceAxis[] = "Downwind distance (m)";
inline constexpr char kPlumeHeightAxis[] = "Height above water surface (m)";
inline constexpr const char* kPlumeLegend[2] = {"Neutral Stability", "Stable Stability"};

// What the scenario keeps for the smoke plume of one burn slot, as typed.
struct PlumeSlotValues {
    double loc = NoData;             // level of concern, ug/m3
    double airTemperature = NoData;  // as typed
    int airTemperatureUnit = 0;      // 0 "F", 1 "C"
    double windSpeed = NoData;       // as typed
    int windUnit = 0;                // 0 "mph", 1 "knots", 2 "m/s"

    bool operator==(const PlumeSlotValues&) const = default;
};

// Everything the dialog reads, filled by the scenario from the burn slot, the
// burn settings, the chosen oil and the water.
struct PlumeDialogInput {
    int month = 1, day = 1, hour = 0;  // time of the burn
    double area = NoData;              // as typed
    int areaUnit = 0;                  // 0 "sq. feet", 1 "sq. yards", 2 "sq. meters"
    double thickness = NoData;         // as typed
    int thicknessUnit = 0;             // 0 mm, 1 cm, 2 inches
    double regressionRate = 0.04;      // burn regression rate shared by all burns
    int regressionRateUnit = 0;        // 0 mm/s, 1 in/s
    bool oilChosen = false;            // otherwise "PRUDHOE BAY"
    char oilName[32] = {};
    double api = NoData;
    double rhoRef = NoData;            // kg/m3, the oil's first density point
    double rhoRefTemp = NoData;        // K
    double waterTemperature = NoData;  // NoData when no water data were entered
    int waterTempUnits = 1;            // as InputWater: 1 deg F, 2 deg C
    PlumeSlotValues slot;
};

// Takes the oil's name, API and first density point (a null oil leaves the
// default oil) and the water's temperature.
void PlumeOilAndWater(const InputOil* oil, const InputWater* water, PlumeDialogInput& in);

// The wind the dialog starts with when the scenario has wind data: the average
// of its given speeds, in its unit. Leaves `slot` as it is otherwise.
void DefaultPlumeWind(const InputWindWave& wind, PlumeSlotValues& slot);

// The checks of Next > / Finished: air temperature, then wind, then LOC.
PageCheck CheckPlumeInputs(const PlumeSlotValues& slot);

// Converts, computes and fills `result` (with the time of the burn). On
// failure tells the error box and returns -1.
int RunSmokePlume(const PlumeDialogInput& in, PlumeResult& result, MessageSink& messages);

// The report lines of the result page, values as the person entered them.
std::vector<std::string> PlumeReportLines(const PlumeDialogInput& in, const PlumeResult& result);

// Unit labels of the dialog.
const char* PlumeAreaUnitLabel(int unit);        // "sq. feet", "sq. yards", "sq. meters"
const char* PlumeAirTemperatureLabel(int unit);  // "F", "C"
const char* PlumeWindUnitLabel(int unit);        // "mph", "knots", "m/s"

}  // namespace ormix
