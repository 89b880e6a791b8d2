#include "calculators/tank_json.h"

#include <nlohmann/json.hpp>

#include "calculators/json_fields.h"

namespace ormix {

using nlohmann::json;

namespace {

constexpr std::initializer_list<const char*> kOpeningUnits = {"meters", "cm", "feet", "inches"};

const json& Page(JsonFields& top, const char* key) {
    static const json empty = json::object();
    const json* page = top.Object(key);
    return page ? *page : empty;
}

void ReadLevelPage(const json& object, const char* path, int& choice, double& height, int& unit,
                   double& percent) {
    JsonFields f(object, path);
    f.Choice("choice", {"height", "percent"}, choice);
    f.Number("height", height);
    f.Choice("unit", {"meters", "feet"}, unit);
    f.Number("percent", percent);
    f.Finish();
}

}  // namespace

void ReadTankEntries(const json& pages, TankWizardEntries& e) {
    JsonFields top(pages, "tank");
    {
        JsonFields f(Page(top, "step1"), "step1");
        f.Number("length", e.size.length);
        f.Number("width", e.size.width);
        f.Number("height", e.size.height);
        f.Choice("unit", {"meters", "feet"}, e.size.unit);
        f.Finish();
    }
    TankPageValues& p = e.page;
    {
        JsonFields f(Page(top, "step2"), "step2");
        f.Choice("choice", {"amount", "percent"}, p.amountChoice);
        f.Number("amount", p.amount);
        f.Choice("unit", {"bbl", "gal", "cu m", "cu feet"}, p.amountUnit);
        f.Number("percent", p.percentFull);
        f.Finish();
    }
    {
        JsonFields f(Page(top, "step3"), "step3");
        f.Choice("choice", {"circular", "rectangular"}, p.openingChoice);
        f.Number("diameter", p.diameter);
        f.Number("length", p.rectLength);
        f.Number("height", p.rectHeight);
        int unit = p.openingChoice == 0 ? p.diameterUnit : p.rectUnit;
        f.Choice("unit", kOpeningUnits, unit);
        p.diameterUnit = p.rectUnit = unit;
        f.Finish();
    }
    ReadLevelPage(Page(top, "step4"), "step4", p.leakChoice, p.leakHeight, p.leakHeightUnit,
                  p.leakPercent);
    ReadLevelPage(Page(top, "step5"), "step5", p.waterChoice, p.waterHeight, p.waterHeightUnit,
                  p.waterPercent);
    {
        if (!top.Has("step6")) throw JsonFieldError("step6: the time of release is missing");
        JsonFields f(Page(top, "step6"), "step6");
        int month = -1;
        f.Choice("month", kMonthNames, month);
        if (month < 0) throw JsonFieldError("step6.month: missing");
        e.time.month = month + 1;
        if (!f.Has("day") || !f.Has("hour")) throw JsonFieldError("step6: day and hour are needed");
        f.Whole("day", e.time.day);
        f.Whole("hour", e.time.hour);
        f.Finish();
    }
    {
        JsonFields f(Page(top, "step7"), "step7");
        f.Choice("unit", {"bbl", "gal", "cu m", "tons", "metric tons"}, p.plotUnit);
        f.Finish();
    }
}

PageCheck LoadTankCalculator(const std::string& text, TankCalculatorInput& input, InputTank& tank) {
    try {
        json doc = ParseJsonText(text);
        ReadTankEntries(doc, input.entries);
        JsonFields top(doc, "tank");
        for (const char* step : {"step1", "step2", "step3", "step4", "step5", "step6", "step7"})
            top.Object(step);
        if (const json* oil = top.Object("oil")) ReadOilEntries(*oil, input.oil.emplace());
        if (const json* water = top.Object("water"))
            ReadWaterEntries(*water, input.water.emplace());
        top.Finish();
    } catch (const JsonFieldError& e) {
        return Refused(e.what());
    }
    PageCheck pages = RunTankSteps(input.entries, tank);
    if (!pages.accepted) return pages;
    return TankWaterCheck(input.water ? &*input.water : nullptr);
}

}  // namespace ormix
