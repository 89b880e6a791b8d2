#include "calculators/plume_json.h"

#include <nlohmann/json.hpp>

#include "calculators/json_fields.h"
#include "calculators/water_limits.h"

namespace ormix {

using nlohmann::json;

PageCheck CheckPlumeBurn(const PlumeDialogInput& in) {
    const std::string heading = std::string(kProblemHeading) + "Missing Important Information.\n";
    if (in.area == NoData)
        return Refused(heading +
                       "Please enter the burn area. ORMIX needs this information and you left the "
                       "field empty.\n");
    if (in.thickness == NoData || in.thickness == 0)
        return Refused(heading +
                       "Please enter the oil thickness. ORMIX needs this information and you left "
                       "the field empty.");
    if (!(in.area > 0))
        return Refused(std::string(kProblemHeading) + "The burn area must be greater than zero.");
    if (!(in.thickness > 0))
        return Refused(std::string(kProblemHeading) +
                       "The oil thickness must be greater than zero.");
    if (!(in.regressionRate > 0))
        return Refused(std::string(kProblemHeading) +
                       "The burn regression rate must be greater than zero.");
    return {};
}

PageCheck LoadSmokePlume(const std::string& text, PlumeDialogInput& in) {
    try {
        json doc = ParseJsonText(text);
        JsonFields top(doc, "plume");
        const json* burn = top.Object("burn");
        if (!burn) throw JsonFieldError("burn: the burn is missing");
        JsonFields b(*burn, "burn");
        int month = -1;
        b.Choice("month", kMonthNames, month);
        if (month < 0 || !b.Has("day") || !b.Has("hour"))
            throw JsonFieldError("burn: month, day and hour of the burn are needed");
        in.month = month + 1;
        b.Whole("day", in.day);
        b.Whole("hour", in.hour);
        if (in.day < 1 || in.day > 31) throw JsonFieldError("burn.day: must be 1 to 31");
        if (in.hour < 0 || in.hour > 23) throw JsonFieldError("burn.hour: must be 0 to 23");
        b.Number("area", in.area);
        b.Choice("areaUnit", {"sq. feet", "sq. yards", "sq. meters"}, in.areaUnit);
        b.Number("thickness", in.thickness);
        b.Choice("thicknessUnit", {"mm", "cm", "inches"}, in.thicknessUnit);
        if (b.Has("regressionRate")) b.Number("regressionRate", in.regressionRate);
        b.Choice("regressionRateUnit", {"mm/sec", "in/sec"}, in.regressionRateUnit);
        b.Finish();

        const json* plume = top.Object("smokePlume");
        if (!plume) throw JsonFieldError("smokePlume: the smoke plume inputs are missing");
        JsonFields p(*plume, "smokePlume");
        PlumeSlotValues& s = in.slot;
        p.Number("loc", s.loc);
        p.Number("airTemperature", s.airTemperature);
        p.Choice("airTemperatureUnit", {"F", "C"}, s.airTemperatureUnit);
        p.Number("windSpeed", s.windSpeed);
        p.Choice("windUnit", {"mph", "knots", "m/s"}, s.windUnit);
        p.Finish();

        InputOil oil;
        InputWater water;
        const json* oilJson = top.Object("oil");
        const json* waterJson = top.Object("water");
        if (oilJson) ReadOilEntries(*oilJson, oil);
        if (waterJson) ReadWaterEntries(*waterJson, water);
        // Water outside the water dialog's limits gives the oil no density.
        if (waterJson && !CalculatorWaterProblem(water).empty())
            return Refused(kProblemHeading + CalculatorWaterProblem(water));
        PlumeOilAndWater(oilJson ? &oil : nullptr, waterJson ? &water : nullptr, in);
        top.Finish();
    } catch (const JsonFieldError& e) {
        return Refused(e.what());
    }
    PageCheck burn = CheckPlumeBurn(in);
    if (!burn.accepted) return burn;
    return CheckPlumeInputs(in.slot);
}

}  // namespace ormix
