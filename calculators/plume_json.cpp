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

namespace {

// The burn: its month, day and hour, area, thickness and regression rate.
void ReadBurnEntries(JsonObjectReader& top, PlumeDialogInput& in) {
    if (!top.Find("burn")) return top.Fail("burn", "the burn is missing");
    JsonObjectReader b = top.Object("burn");
    int month = -1;
    b.Choice("month", kMonthNames, month);
    if (b.Failed()) return;
    if (month < 0 || !b.Find("day") || !b.Find("hour"))
        return b.FailHere("month, day and hour of the burn are needed");
    in.month = month + 1;
    b.Whole("day", in.day, -1000000, 1000000);
    b.Whole("hour", in.hour, -1000000, 1000000);
    if (b.Failed()) return;
    if (in.day < 1 || in.day > 31) return b.Fail("day", "must be 1 to 31");
    if (in.hour < 0 || in.hour > 23) return b.Fail("hour", "must be 0 to 23");
    in.area = EntryOf(b, "area");
    b.Choice("areaUnit", {"sq. feet", "sq. yards", "sq. meters"}, in.areaUnit);
    in.thickness = EntryOf(b, "thickness");
    b.Choice("thicknessUnit", {"mm", "cm", "inches"}, in.thicknessUnit);
    if (b.Find("regressionRate")) in.regressionRate = EntryOf(b, "regressionRate");
    b.Choice("regressionRateUnit", {"mm/sec", "in/sec"}, in.regressionRateUnit);
    b.Finish();
}

// The smoke plume's own inputs.
void ReadPlumeEntries(JsonObjectReader& top, PlumeSlotValues& s) {
    if (!top.Find("smokePlume"))
        return top.Fail("smokePlume", "the smoke plume inputs are missing");
    JsonObjectReader p = top.Object("smokePlume");
    s.loc = EntryOf(p, "loc");
    s.airTemperature = EntryOf(p, "airTemperature");
    p.Choice("airTemperatureUnit", {"F", "C"}, s.airTemperatureUnit);
    s.windSpeed = EntryOf(p, "windSpeed");
    p.Choice("windUnit", {"mph", "knots", "m/s"}, s.windUnit);
    p.Finish();
}

}  // namespace

PageCheck LoadSmokePlume(const std::string& text, PlumeDialogInput& in) {
    JsonFault fault;
    json doc;
    if (!ParseJson(text, doc, fault)) return Refused(fault.Text());
    JsonObjectReader top(doc, "", fault);
    ReadBurnEntries(top, in);
    ReadPlumeEntries(top, in.slot);
    InputOil oil;
    InputWater water;
    const bool oilGiven = top.Find("oil") != nullptr;
    const bool waterGiven = top.Find("water") != nullptr;
    if (oilGiven) ReadOilEntries(top.Object("oil"), oil);
    if (waterGiven) ReadWaterEntries(top.Object("water"), water);
    if (fault.Failed()) return Refused(fault.Text());
    // Water outside the water dialog's limits gives the oil no density.
    if (waterGiven && !CalculatorWaterProblem(water).empty())
        return Refused(kProblemHeading + CalculatorWaterProblem(water));
    PlumeOilAndWater(oilGiven ? &oil : nullptr, waterGiven ? &water : nullptr, in);
    if (!top.Finish()) return Refused(fault.Text());
    PageCheck burn = CheckPlumeBurn(in);
    if (!burn.accepted) return burn;
    return CheckPlumeInputs(in.slot);
}

}  // namespace ormix
