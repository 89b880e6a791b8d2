// The smoke plume dialog's checks, conversions and report.
#include "calculators/smoke_plume_dialog.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include "core/formula_values.h"

namespace ormix {

namespace {

double FahrenheitToK(double t) {
    return (t + 459.67) * 5 / 9;
}

PageCheck Problem(const char* rule) {
    return Refused(std::string(kProblemHeading) + rule);
}

template <int N>
const char* Label(int unit, const char* const (&labels)[N]) {
    return unit >= 0 && unit < N ? labels[unit] : "";
}

constexpr const char* kAreaLabels[] = {"sq. feet", "sq. yards", "sq. meters"};
constexpr const char* kTemperatureLabels[] = {"F", "C"};
constexpr const char* kWindLabels[] = {"mph", "knots", "m/s"};

}  // namespace

void PlumeOilAndWater(const InputOil* oil, const InputWater* water, PlumeDialogInput& in) {
    in.oilChosen = oil != nullptr;
    if (oil) {
        std::memcpy(in.oilName, oil->name, sizeof in.oilName);
        in.oilName[sizeof in.oilName - 1] = '\0';
        in.api = oil->api;
        in.rhoRef = oil->rhoRef_value[0];
        in.rhoRefTemp = oil->rhoRef_temp[0];
    }
    if (water) {
        in.waterTemperature = water->temperature;
        in.waterTempUnits = water->tempUnits;
    }
}

void DefaultPlumeWind(const InputWindWave& wind, PlumeSlotValues& slot) {
    if (wind.num < 1 || wind.speedUnits < 1 || wind.speedUnits > 3) return;
    double sum = 0;
    int count = 0;
    for (int i = 0; i < wind.num && i < kHours; ++i)
        if (wind.speed[i] >= 0) {
            sum += wind.speed[i];
            ++count;
        }
    if (count == 0) return;
    slot.windSpeed = sum / count;
    slot.windUnit = wind.speedUnits - 1;
}

PageCheck CheckPlumeInputs(const PlumeSlotValues& s) {
    const double t = s.airTemperature;
    if (t == NoData) return Problem("Please enter the air temperature. You left the field empty.");
    if (s.airTemperatureUnit == 1) {
        if (!(t < 39))
            return Refused(
                "Sorry, ORMIX does not support air temperatures above 38 degrees C. Please enter a "
                "cooler air temperature.");
        if (!(t >= -18))
            return Refused(
                "Sorry, ORMIX does not support air temperatures below -18 degrees C. Please enter "
                "a "
                "warmer air temperature.");
    } else if (s.airTemperatureUnit == 0) {
        if (!(t <= 100))
            return Refused(
                "Sorry, ORMIX does not support air temperatures above 100 degrees F. Please enter "
                "a "
                "cooler air temperature.");
        if (!(t >= 0))
            return Refused(
                "Sorry, ORMIX does not support air temperatures below 0 degrees F. Please enter a "
                "warmer air temperature.");
    } else {
        return Problem("The air temperature must be given in F or C.");
    }

    if (s.windSpeed == NoData)
        return Problem("Please enter the average wind speed. You left the field empty.");
    if (s.windSpeed < 0) return Problem("The average wind speed cannot be negative.");
    if (!(s.windSpeed > 0))
        return Problem(
            "The average wind speed must be greater than zero.\nThe smoke plume cannot be "
            "computed in calm air.");
    if (s.windUnit < 0 || s.windUnit > 2)
        return Problem("The average wind speed must be given in mph, knots or m/s.");

    if (s.loc == NoData)
        return Problem(
            "Please enter the level of concern for soot particles (ugm/m3).\nYou left the field "
            "empty.");
    if (s.loc < 0) return Problem("The level of concern for soot particles cannot be negative.");
    if (!(s.loc > 0))
        return Problem("The level of concern for soot particles must be greater than zero.");
    return {};
}

int RunSmokePlume(const PlumeDialogInput& in, PlumeResult& result, MessageSink& messages) {
    static constexpr double kAreaFactor[] = {kSquareFoot, kSquareYard, 1.0};
    static constexpr double kThicknessFactor[] = {0.001, 0.01, 0.0254};
    static constexpr double kRateFactor[] = {0.001, 0.0254};
    static constexpr double kWindFactor[] = {kKilometresPerMile / 3.6, 1.852 / 3.6, 1.0};
    const PlumeSlotValues& s = in.slot;

    int rc = -1;
    // A unit outside the dialog's lists, or an unset entry, cannot be
    // converted: the computation fails like any other bad input.
    bool units = in.areaUnit >= 0 && in.areaUnit <= 2 && in.thicknessUnit >= 0 &&
                 in.thicknessUnit <= 2 && in.regressionRateUnit >= 0 &&
                 in.regressionRateUnit <= 1 && s.windUnit >= 0 && s.windUnit <= 2 &&
                 (s.airTemperatureUnit == 0 || s.airTemperatureUnit == 1);
    bool set = in.area != NoData && in.thickness != NoData && in.regressionRate != NoData &&
               s.loc != NoData && s.airTemperature != NoData && s.windSpeed != NoData;
    if (units && set) {
        const double airK =
            s.airTemperatureUnit == 0 ? FahrenheitToK(s.airTemperature) : s.airTemperature + 273.15;
        double oilK = FahrenheitToK(kPlumeDefaultOilTempF);
        if (in.waterTemperature != NoData && in.waterTempUnits == 1)
            oilK = FahrenheitToK(in.waterTemperature);
        else if (in.waterTemperature != NoData && in.waterTempUnits == 2)
            oilK = in.waterTemperature + 273.15;
        const double api = in.oilChosen ? in.api : kPlumeDefaultApi;
        const double rho = in.oilChosen ? in.rhoRef : kPlumeDefaultDensity;
        const double rhoT = in.oilChosen ? in.rhoRefTemp : kPlumeDefaultDensityTemp;
        rc = ComputeSmokePlume(result, s.loc, in.area * kAreaFactor[in.areaUnit],
                               in.thickness * kThicknessFactor[in.thicknessUnit],
                               in.regressionRate * kRateFactor[in.regressionRateUnit], airK, oilK,
                               s.windSpeed * kWindFactor[s.windUnit], api, rho, rhoT, messages);
    }
    if (rc != 0) {
        messages.Error(std::string(kPlumeErrorCaption) + "\n\n" + kPlumeErrorText);
        return -1;
    }
    result.month = in.month;
    result.day = in.day;
    result.hour = in.hour;
    return 0;
}

std::vector<std::string> PlumeReportLines(const PlumeDialogInput& in, const PlumeResult& r) {
    std::vector<std::string> lines;
    char buf[160];
    std::tm when{};
    when.tm_year = 100;
    when.tm_mon = r.month >= 1 && r.month <= 12 ? r.month - 1 : 0;
    when.tm_mday = r.day;
    when.tm_hour = r.hour;
    std::strftime(buf, sizeof buf, "Time of Burn = %B %d, %H:00 hours", &when);
    lines.emplace_back(buf);
    std::snprintf(buf, sizeof buf, "Burn Duration = %d minutes", r.burnDuration);
    lines.emplace_back(buf);
    std::snprintf(buf, sizeof buf, "LOC = %.0f ugm/m3", in.slot.loc);
    lines.emplace_back(buf);
    std::snprintf(buf, sizeof buf, "Burn Area = %.0f %s", in.area, PlumeAreaUnitLabel(in.areaUnit));
    lines.emplace_back(buf);
    std::snprintf(buf, sizeof buf, "Air Temperature = %.0f %s", in.slot.airTemperature,
                  PlumeAirTemperatureLabel(in.slot.airTemperatureUnit));
    lines.emplace_back(buf);
    std::snprintf(buf, sizeof buf, "Wind Speed = %.0f %s", in.slot.windSpeed,
                  PlumeWindUnitLabel(in.slot.windUnit));
    lines.emplace_back(buf);
    std::snprintf(buf, sizeof buf, "Oil Name = %s ",
                  in.oilChosen ? in.oilName : kPlumeDefaultOilName);
    lines.emplace_back(buf);
    return lines;
}

const char* PlumeAreaUnitLabel(int unit) {
    return Label(unit, kAreaLabels);
}
const char* PlumeAirTemperatureLabel(int unit) {
    return Label(unit, kTemperatureLabels);
}
const char* PlumeWindUnitLabel(int unit) {
    return Label(unit, kWindLabels);
}

}  // namespace ormix
