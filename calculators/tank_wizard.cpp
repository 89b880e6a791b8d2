// The leaking tank set-up: page checks, what each page stores, the release of
// Step 7 and the texts and curves it shows.
#include "calculators/tank_wizard.h"

#include <cmath>
#include <cstdio>

#include "calculators/leaking_tank.h"
#include "calculators/water_limits.h"
#include "core/budget_conversion.h"
#include "core/units.h"

namespace ormix {

namespace {

constexpr double kFoot = 0.3048;

PageCheck Refuse(const std::string& rule) {
    return Refused(kProblemHeading + rule);
}

bool Empty(double v) {
    return v == NoData;
}

// Written so that a value that is not a number is outside every range.
bool Within(double v, double lo, double hi) {
    return v >= lo && v <= hi;
}

bool WholeWithin(double v, int lo, int hi) {
    return Within(v, lo, hi) && std::floor(v) == v;
}

// A length in the pages' metres-or-feet choice (index 0 meters, 1 feet).
double MetresFromIndex(int unit, double v) {
    return unit == 1 ? v * kFoot : v;
}

// A length of the opening (index 0 meters, 1 cm, 2 feet, 3 inches) in metres.
constexpr double kOpeningLength[] = {1.0, 0.01, kFoot, 0.0254};
// The opening's area in square metres, with the factors the checks use.
constexpr double kOpeningCheckArea[] = {1.0, 0.0001, 0.092903, 0.000645};

bool OpeningUnit(int unit) {
    return unit >= 0 && unit <= 3;
}

bool SizeKnown(const InputTank& t) {
    return (t.tUnits == 1 || t.tUnits == 2) && t.tHeight > 0 && t.tWidth > 0 && t.tLength > 0;
}

double TankMetres(const InputTank& t, double v) {
    return t.tUnits == 2 ? v * kFoot : v;
}

double BottomAreaM2(const InputTank& t) {
    return TankMetres(t, t.tWidth) * TankMetres(t, t.tLength);
}

const char* const kMissingSize = "Please provide estimates for tank length, width and height.";

}  // namespace

PageCheck TankStep1(const TankSizeEntries& typed, InputTank& tank) {
    if (Empty(typed.length) || Empty(typed.width) || Empty(typed.height))
        return Refuse(kMissingSize);
    if (typed.unit == 0) {
        if (!Within(typed.length, 0.3, 20))
            return Refuse("The length of the tank must be between 0.3 and 20 meters.");
        if (!Within(typed.width, 0.3, 20))
            return Refuse("The width of the tank must be between 0.3 and 20 meters.");
        if (!Within(typed.height, 0.6, 20))
            return Refuse("The height of the tank must be between 0.6 and 20 meters.");
    } else if (typed.unit == 1) {
        if (!Within(typed.length, 1, 66))
            return Refuse("The length of the tank must be between 1 and 66 feet.");
        if (!Within(typed.width, 1, 66))
            return Refuse("The width of the tank must be between 1 and 66 feet.");
        if (!Within(typed.height, 2, 66))
            return Refuse("The height of the tank must be between 2 and 66 feet.");
    } else {
        return Refuse("The tank size must be given in meters or feet.");
    }
    tank.tLength = typed.length;
    tank.tWidth = typed.width;
    tank.tHeight = typed.height;
    tank.tUnits = typed.unit + 1;
    return {};
}

PageCheck TankStep2(const TankPageValues& p, InputTank& tank) {
    if (!SizeKnown(tank)) return Refuse(kMissingSize);
    const double tankM3 = TankMetres(tank, tank.tHeight) * BottomAreaM2(tank);
    if (p.amountChoice == 0) {
        static constexpr double kToM3[] = {0.158987294928, 0.003785411784, 1.0, 0.028316846592};
        if (Empty(p.amount))
            return Refuse(
                "Please enter the amount of liquid in the tank.\nYou left the field empty.");
        if (!(p.amount > 0))
            return Refuse("The amount of liquid in the tank must be greater than zero.");
        if (p.amountUnit < 0 || p.amountUnit > 3)
            return Refuse("The amount of liquid must be given in bbl, gal, cu m or cu feet.");
        if (p.amount * kToM3[p.amountUnit] > tankM3)
            return Refuse("The tank exceeds 100% full based on the dimensions provided in Step 1.");
        tank.oVol = p.amount;
        tank.oUnits = p.amountUnit + 1;
    } else if (p.amountChoice == 1) {
        if (!WholeWithin(p.percentFull, 1, 100))
            return Refuse("The tank must be between 1 and 100% full.");
        tank.oVol = tank.tHeight * tank.tWidth * tank.tLength * p.percentFull / 100;
        tank.oUnits = tank.tUnits == 1 ? 3 : 4;
    } else {
        return Refuse("Please give either the amount of liquid or how full the tank is.");
    }
    return {};
}

PageCheck TankStep3(const TankPageValues& p, InputTank& tank) {
    if (!SizeKnown(tank)) return Refuse(kMissingSize);
    const double tenthOfBottom = BottomAreaM2(tank) / 10;
    if (p.openingChoice == 0) {
        const double d = p.diameter;
        if (Empty(d) || d == 0)
            return Refuse(
                "Please enter the diameter of the hole. You either left\nthe field empty or "
                "entered zero.");
        if (!OpeningUnit(p.diameterUnit))
            return Refuse("The size of the hole must be given in meters, cm, feet or inches.");
        static constexpr double kMinimum[] = {0.02, 2, 0.065, 0.79};
        static constexpr const char* kTooSmall[] = {
            "The hole diameter must be greater than 0.02 meters.",
            "The hole diameter must be greater than 2 centimeters.",
            "The hole diameter must be greater than 0.065 feet.",
            "The hole diameter must be greater than 0.79 inches."};
        if (!(d >= kMinimum[p.diameterUnit])) return Refuse(kTooSmall[p.diameterUnit]);
        const double dm = d * kOpeningLength[p.diameterUnit];
        if (kPi * (dm / 2) * (dm / 2) > tenthOfBottom)
            return Refuse(
                "The area of the hole cannot exceed 10% of the area of the bottom of the tank.");
        tank.hDiam = d;
        tank.hArea = d * d * kPi / 4;
        tank.hUnits = p.diameterUnit + 1;
    } else if (p.openingChoice == 1) {
        const double l = p.rectLength, h = p.rectHeight;
        if (Empty(l) || Empty(h) || l == 0 || h == 0)
            return Refuse(
                "Please enter the height of the hole. You either left\nthe field empty or "
                "entered zero.");
        if (!(l > 0 && h > 0))
            return Refuse("The length and height of the hole must be greater than zero.");
        if (!OpeningUnit(p.rectUnit))
            return Refuse("The size of the hole must be given in meters, cm, feet or inches.");
        static constexpr double kMinimum[] = {0.00126, 12.6, 0.0135, 1.95};
        static constexpr const char* kTooSmall[] = {
            "The area of the hole must be greater than 0.00126 square meters.",
            "The area of the hole must be greater than 12.6 square centimeters.",
            "The area of the hole must be greater than 0.0135 square feet.",
            "The area of the hole must be greater than 1.95 square inches."};
        if (l * h < kMinimum[p.rectUnit]) return Refuse(kTooSmall[p.rectUnit]);
        if (l * h * kOpeningCheckArea[p.rectUnit] > tenthOfBottom)
            return Refuse(
                "The area of the hole cannot exceed 10% of the area\nof the bottom of the tank.");
        tank.hArea = l * h;
        tank.hDiam = h;
        tank.hUnits = p.rectUnit + 1;
    } else {
        return Refuse("Please choose a circular or a rectangular opening.");
    }
    return {};
}

PageCheck TankStep4(const TankPageValues& p, InputTank& tank) {
    if (!SizeKnown(tank)) return Refuse(kMissingSize);
    if (p.leakChoice == 0) {
        if (Empty(p.leakHeight))
            return Refuse(
                "Please enter the height of the hole above the bottom of the tank.\nYou left the "
                "field empty.");
        if (!(p.leakHeight >= 0))
            return Refuse(
                "The height of the hole above the bottom of the tank cannot be negative.");
        if (p.leakHeightUnit != 0 && p.leakHeightUnit != 1)
            return Refuse("The height of the hole must be given in meters or feet.");
        if (tank.hUnits < 1 || tank.hUnits > 4 || !(tank.hDiam > 0))
            return Refuse("Please describe the hole in Step 3 first.");
        const double top = MetresFromIndex(p.leakHeightUnit, p.leakHeight) +
                           tank.hDiam * kOpeningLength[tank.hUnits - 1];
        if (top > TankMetres(tank, tank.tHeight))
            return Refuse(
                "The hole (height up to bottom of hole plus hole diameter/height)\ncannot exceed "
                "the height of the tank.");
        tank.zHeight = p.leakHeight;
        tank.zUnits = p.leakHeightUnit + 1;
    } else if (p.leakChoice == 1) {
        if (!WholeWithin(p.leakPercent, 1, 100))
            return Refuse(
                "The hole must be between 1 and 100%\nof the way to the top of the tank.");
        tank.zHeight = tank.tHeight * p.leakPercent / 100;
        tank.zUnits = tank.tUnits;
    } else {
        return Refuse("Please give the location of the leak as a height or a percent.");
    }
    return {};
}

PageCheck TankStep5(const TankPageValues& p, InputTank& tank) {
    if (!SizeKnown(tank)) return Refuse(kMissingSize);
    if (p.waterChoice == 0) {
        if (Empty(p.waterHeight))
            return Refuse(
                "Please enter the exterior water level above the bottom of the tank.\nYou left "
                "the field empty.");
        if (p.waterHeightUnit != 0 && p.waterHeightUnit != 1)
            return Refuse("The water level must be given in meters or feet.");
        double tankHeight = tank.tHeight;
        if (tank.tUnits == 2 && p.waterHeightUnit == 0) tankHeight = tank.tHeight * 0.3048;
        if (tank.tUnits == 1 && p.waterHeightUnit == 1) tankHeight = tank.tHeight * 3.28084;
        if (!(p.waterHeight <= tankHeight))
            return Refuse("The exterior water level cannot exceed the height of the tank.");
        tank.wHeight = p.waterHeight;
        tank.wUnits = p.waterHeightUnit + 1;
    } else if (p.waterChoice == 1) {
        if (!WholeWithin(p.waterPercent, 0, 100))
            return Refuse(
                "The exterior water level (measured from the bottom of the tank) must be between "
                "0 and 100%.");
        tank.wHeight = tank.tHeight * p.waterPercent / 100;
        tank.wUnits = tank.tUnits;
    } else {
        return Refuse("Please give the water level as a height or a percent.");
    }
    return {};
}

PageCheck TankStep6(const TankReleaseTime& time, InputTank& tank) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (time.month < 1 || time.month > 12)
        return Refuse("The month of the release must be one of January to December.");
    if (time.day < 1 || time.day > kDays[time.month - 1])
        return Refuse("The day of the release must be between 1 and " +
                      std::to_string(kDays[time.month - 1]) + " in that month.");
    if (time.hour < 0 || time.hour > 23)
        return Refuse("The hour of the release must be between 0 and 23.");
    tank.vent = 1;
    tank.aground = 0;
    tank.Cd = NoData;
    tank.flag = true;
    return {};
}

PageCheck RunTankSteps(const TankWizardEntries& e, InputTank& tank) {
    PageCheck first = TankStep1(e.size, tank);
    if (!first.accepted) return first;
    using Step = PageCheck (*)(const TankPageValues&, InputTank&);
    for (Step step : {TankStep2, TankStep3, TankStep4, TankStep5}) {
        PageCheck c = step(e.page, tank);
        if (!c.accepted) return c;
    }
    return TankStep6(e.time, tank);
}

PageCheck TankWaterCheck(const InputWater* water) {
    if (!water) return {};
    const std::string problem = CalculatorWaterProblem(*water);
    return problem.empty() ? PageCheck{} : Refuse(problem);
}

double TankWaterTemperature(const InputWater& water) {
    if (water.temperature == NoData) return NoData;
    if (water.tempUnits == 1) return (water.temperature + 459.67) * 5 / 9;
    if (water.tempUnits == 2) return water.temperature + 273.15;
    return NoData;
}

double TankOilDensity(const InputOil* oil, double waterK) {
    double rhoRef = 910.0, tRef = 283.0;
    if (oil && oil->rhoRef_value[0] > 0 && oil->rhoRef_temp[0] > 0) {
        rhoRef = oil->rhoRef_value[0];
        tRef = oil->rhoRef_temp[0];
    } else if (oil && oil->api >= 0) {
        rhoRef = 141.5 / (131.5 + oil->api) * 1000;
        tRef = 289.0;
    }
    const double t = waterK == NoData ? 289.0 : waterK;
    return (1 - 0.0008 * (t - tRef)) * rhoRef;
}

void ComputeTankStep7(const InputTank& input, const InputWater* water, const InputOil* oil,
                      TankPageValues& page, TankRelease& out, MessageSink& messages) {
    const double waterK = water ? TankWaterTemperature(*water) : NoData;
    const double salinity = water ? water->salinity : NoData;
    out.waterDensity = SeawaterDensity(waterK == NoData ? NoData : waterK - 273.15, salinity);
    out.oilDensity = TankOilDensity(oil, waterK);
    PrepareTankModel(out.tank, input);
    out.duration =
        ComputeTankRelease(out.tank, out.waterDensity, out.oilDensity, out.hourly, messages);
    out.total = 0;
    for (double v : out.hourly)
        out.total += v;
    page.totalRelease = out.total;
    page.duration = out.duration;
}

std::string TankTotalText(double totalM3) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "Total release from tank = %.0f m3", totalM3);
    return buf;
}

std::string TankDurationText(double d) {
    double shown = d;
    const char* unit = "seconds";
    if (d >= 7200) {
        shown = std::floor(d / 3600 + 0.5);
        unit = "hours";
    } else if (d >= 120) {
        shown = std::floor(d / 60 + 0.5);
        unit = "minutes";
    }
    char buf[96];
    std::snprintf(buf, sizeof buf, "Duration of release = %.0f %s (approx.)", shown, unit);
    return buf;
}

int TankPlotBudgetUnit(int plotUnit) {
    static constexpr int kUnits[] = {kBudgetBarrels, kBudgetGallons, kBudgetCubicMetres,
                                     kBudgetTons, kBudgetMetricTons};
    return plotUnit >= 0 && plotUnit <= 4 ? kUnits[plotUnit] : -1;
}

const char* TankPlotUnitLabel(int plotUnit) {
    static constexpr const char* kLabels[] = {"bbl", "gallons", "m3", "tons", "tonnes"};
    return plotUnit >= 0 && plotUnit <= 4 ? kLabels[plotUnit] : "";
}

TankCurves BuildTankCurves(const TankModel& tank, int plotUnit, double oilDensity, int tankUnits) {
    TankCurves c;
    const int unit = TankPlotBudgetUnit(plotUnit);
    const double levelScale = tankUnits == 1 ? 1.0 : 1.0 / kFoot;
    c.releasedUnit = TankPlotUnitLabel(plotUnit);
    c.levelUnit = tankUnits == 1 ? "m" : "ft";
    c.holeBottom = tank.holeHeight * levelScale;
    c.holeTop = (tank.holeHeight + tank.holeDiameter) * levelScale;
    c.tankHeight = tank.tankHeight * levelScale;
    double released = 0, previous = 0;
    for (int i = 0; i < tank.pointCount; ++i) {
        // The flow (m3/s) in the plot unit per second, over the time since the
        // previous point.
        if (unit >= 0)
            released +=
                (tank.time[i] - previous) * ConvertBudgetValue(unit, tank.flow[i], 1.0, oilDensity);
        previous = tank.time[i];
        c.points.push_back({tank.time[i] / 60, unit >= 0 ? released : NoData,
                            tank.oilLevel[i] * levelScale, tank.waterInside[i] * levelScale});
    }
    return c;
}

}  // namespace ormix
