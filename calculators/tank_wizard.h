// The seven steps of the leaking tank set-up ("Leaking Tank Setup"), without
// any windowing: each step checks what the person typed on its page and, when
// it is accepted, stores it in the scenario's InputTank. Step 7 computes the
// release and builds the texts and curves it shows.
//
// Entries that were left empty hold NoData. A refused step returns the whole
// message box text, "Problem with the Input.\n\n" followed by the rule.
#pragma once

#include <string>
#include <vector>

#include "calculators/page_check.h"
#include "core/constants.h"
#include "core/inputs.h"
#include "core/messages.h"
#include "core/tank_model.h"

namespace ormix {

inline constexpr char kTankWizardTitle[] = "Leaking Tank Setup";
inline constexpr const char* kTankPageTitles[7] = {
    "Step 1: Tank Size",          "Step 2: Amount of Liquid", "Step 3: Type and Area of Leak",
    "Step 4: Location of Leak",   "Step 5: Water Level",      "Step 6: Time of Release",
    "Step 7: Release Information"};
// Shown on Step 6.
inline constexpr const char* kTankCaveats[3] = {
    "Important Caveats!", "1. The tank release results will change if a different oil is selected.",
    "2. The tank release assumes that the tank is vented."};
// Step 7's two plots, printed under "Leaking Tank".
inline constexpr char kTankPrintTitle[] = "Leaking Tank";
inline constexpr char kTankReleasedPlot[] = "Oil Released";
inline constexpr char kTankLevelsPlot[] = "Levels Inside Tank";
inline constexpr char kTankTimeAxis[] = "Time in Minutes";
inline constexpr const char* kTankLevelsLegend[3] = {"Oil", "Water", "Hole"};

// The page values the scenario keeps: the entries as typed, each page's
// choice before the values it governs. Unit indexes are the pages' choice
// indexes (InputTank's codes are index + 1).
struct TankPageValues {
    int amountChoice = 0;          // Step 2: 0 amount, 1 percent full
    double amount = NoData;        // as typed
    int amountUnit = 0;            // 0 bbl, 1 gal, 2 cu m, 3 cu feet
    double percentFull = NoData;   // as typed
    int openingChoice = 0;         // Step 3: 0 circular, 1 rectangular
    double diameter = NoData;      // as typed
    int diameterUnit = 0;          // 0 meters, 1 cm, 2 feet, 3 inches
    double rectLength = NoData;    // as typed
    double rectHeight = NoData;    // as typed
    int rectUnit = 0;              // as diameterUnit
    int leakChoice = 0;            // Step 4: 0 height, 1 percent
    double leakHeight = NoData;    // as typed
    int leakHeightUnit = 0;        // 0 meters, 1 feet
    double leakPercent = NoData;   // as typed
    int waterChoice = 0;           // Step 5: 0 height, 1 percent
    double waterHeight = NoData;   // as typed
    int waterHeightUnit = 0;       // 0 meters, 1 feet
    double waterPercent = NoData;  // as typed
    double totalRelease = NoData;  // m3, of the last computation (Step 7)
    double duration = NoData;      // s, of the last computation
    int plotUnit = 0;              // Step 7: 0 bbl, 1 gal, 2 cu m, 3 tons, 4 metric tons

    bool operator==(const TankPageValues&) const = default;
};

// Step 1's entries; they are stored in InputTank itself.
struct TankSizeEntries {
    double length = NoData, width = NoData, height = NoData;
    int unit = 0;  // 0 meters, 1 feet
};

// Step 6's choice: the month (1..12), day and hour (0..23) of the release.
// The scenario turns it into the tank's release time, in the year of its
// initial release.
struct TankReleaseTime {
    int month = 1, day = 1, hour = 0;
};

PageCheck TankStep1(const TankSizeEntries& typed, InputTank& tank);
PageCheck TankStep2(const TankPageValues& page, InputTank& tank);
PageCheck TankStep3(const TankPageValues& page, InputTank& tank);
PageCheck TankStep4(const TankPageValues& page, InputTank& tank);
PageCheck TankStep5(const TankPageValues& page, InputTank& tank);
// Checks the date the pages' lists offer (a 29 February is left to the
// scenario's year) and sets vent 1, aground 0, Cd -999 and flag 1.
PageCheck TankStep6(const TankReleaseTime& time, InputTank& tank);

// Everything the wizard's pages hold, in the order they are filled.
struct TankWizardEntries {
    TankSizeEntries size;
    TankPageValues page;
    TankReleaseTime time;
};

// Runs Steps 1 to 6 in order and stops at the first refusal.
PageCheck RunTankSteps(const TankWizardEntries& entries, InputTank& tank);

// The water the release is computed with (null when the scenario has none):
// a temperature and a salinity the water dialog would accept. The set-up
// checks it before Step 7 computes the release, since a density from water
// outside nature means nothing.
PageCheck TankWaterCheck(const InputWater* water);

// The calculator's water temperature (K) from the scenario's water record;
// NoData when it is unset or its unit code unknown.
double TankWaterTemperature(const InputWater& water);

// The calculator's oil density (kg/m3) at water temperature `waterK` (NoData
// counts as 289 K): the oil's first density point, else one from its API
// gravity at 289 K, else 910 kg/m3 at 283 K, with 0.0008 per kelvin. `oil`
// may be null (no oil chosen).
double TankOilDensity(const InputOil* oil, double waterK);

// The release of the tank the pages described, as Step 7 shows it.
struct TankRelease {
    TankModel tank;
    double hourly[kHours];  // m3 in each hour from the start of the release
    double total = 0;       // m3, the sum of the 120 hourly volumes
    int duration = 0;       // s
    double waterDensity = NoData;
    double oilDensity = NoData;
};

// Prepares the tank from `input`, computes its release with the calculator's
// densities (water and oil may be null) and keeps the total and the duration
// in the page values. Messages of the computation go to `messages`.
void ComputeTankStep7(const InputTank& input, const InputWater* water, const InputOil* oil,
                      TankPageValues& page, TankRelease& out, MessageSink& messages);

// "Total release from tank = %.0f m3".
std::string TankTotalText(double totalM3);
// "Duration of release = %.0f hours (approx.)", or minutes, or seconds.
std::string TankDurationText(double seconds);

// Step 7's plot units and their labels.
int TankPlotBudgetUnit(int plotUnit);         // BudgetUnit of a plot unit index; -1 unknown
const char* TankPlotUnitLabel(int plotUnit);  // "bbl", "gallons", "m3", "tons", "tonnes"

// One point of Step 7's two plots.
struct TankCurvePoint {
    double minutes;     // "Time in Minutes"
    double released;    // cumulative "Oil Released" in the plot unit
    double oilLevel;    // "Oil", in the level unit
    double waterLevel;  // "Water", in the level unit
};

struct TankCurves {
    std::string releasedUnit;            // the plot unit's label
    std::string levelUnit;               // "m" or "ft"
    double holeBottom = 0, holeTop = 0;  // the "Hole" band, in the level unit
    double tankHeight = 0;               // top of the level axis
    std::vector<TankCurvePoint> points;
};

// The "Oil Released" and "Levels Inside Tank" curves of a computed tank.
// `tankUnits` is InputTank's tUnits (1 metres, otherwise feet).
TankCurves BuildTankCurves(const TankModel& tank, int plotUnit, double oilDensity, int tankUnits);

}  // namespace ormix
