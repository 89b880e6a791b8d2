#include "calculators/tank_json.h"

#include <nlohmann/json.hpp>

#include "calculators/json_fields.h"

namespace ormix {

using nlohmann::json;

namespace {

constexpr std::initializer_list<const char*> kOpeningUnits = {"meters", "cm", "feet", "inches"};

// The page at `key`. A page given as null is left as it is, as an absent
// one is.
JsonObjectReader Page(JsonObjectReader& pages, const char* key) {
    static const json kUntouched = json::object();
    if (pages.Has(key)) return pages.Object(key);
    return JsonObjectReader(kUntouched, pages.PathOf(key), pages.Fault());
}

void ReadLevelPage(JsonObjectReader f, int& choice, double& height, int& unit, double& percent) {
    f.Choice("choice", {"height", "percent"}, choice);
    height = EntryOf(f, "height");
    f.Choice("unit", {"meters", "feet"}, unit);
    percent = EntryOf(f, "percent");
    f.Finish();
}

}  // namespace

bool ReadTankPages(JsonObjectReader& pages, TankWizardEntries& e) {
    {
        JsonObjectReader f = Page(pages, "step1");
        e.size.length = EntryOf(f, "length");
        e.size.width = EntryOf(f, "width");
        e.size.height = EntryOf(f, "height");
        f.Choice("unit", {"meters", "feet"}, e.size.unit);
        f.Finish();
    }
    TankPageValues& p = e.page;
    {
        JsonObjectReader f = Page(pages, "step2");
        f.Choice("choice", {"amount", "percent"}, p.amountChoice);
        p.amount = EntryOf(f, "amount");
        f.Choice("unit", {"bbl", "gal", "cu m", "cu feet"}, p.amountUnit);
        p.percentFull = EntryOf(f, "percent");
        f.Finish();
    }
    {
        JsonObjectReader f = Page(pages, "step3");
        f.Choice("choice", {"circular", "rectangular"}, p.openingChoice);
        p.diameter = EntryOf(f, "diameter");
        p.rectLength = EntryOf(f, "length");
        p.rectHeight = EntryOf(f, "height");
        int unit = p.openingChoice == 0 ? p.diameterUnit : p.rectUnit;
        f.Choice("unit", kOpeningUnits, unit);
        p.diameterUnit = p.rectUnit = unit;
        f.Finish();
    }
    ReadLevelPage(Page(pages, "step4"), p.leakChoice, p.leakHeight, p.leakHeightUnit,
                  p.leakPercent);
    ReadLevelPage(Page(pages, "step5"), p.waterChoice, p.waterHeight, p.waterHeightUnit,
                  p.waterPercent);
    {
        JsonObjectReader f = Page(pages, "step7");
        f.Choice("unit", {"bbl", "gal", "cu m", "tons", "metric tons"}, p.plotUnit);
        f.Finish();
    }
    return !pages.Failed();
}

namespace {

// Step 6: the month, day and hour of the release, all three needed.
void ReadReleaseTime(JsonObjectReader& top, TankReleaseTime& time) {
    if (!top.Find("step6")) return top.Fail("step6", "the time of release is missing");
    JsonObjectReader f = top.Object("step6");
    int month = -1;
    f.Choice("month", kMonthNames, month);
    if (month < 0) return f.Fail("month", "missing");
    time.month = month + 1;
    if (!f.Find("day") || !f.Find("hour")) return f.FailHere("day and hour are needed");
    f.Whole("day", time.day, -1000000, 1000000);
    f.Whole("hour", time.hour, -1000000, 1000000);
    f.Finish();
}

}  // namespace

PageCheck LoadTankCalculator(const std::string& text, TankCalculatorInput& input, InputTank& tank) {
    JsonFault fault;
    json doc;
    if (ParseJson(text, doc, fault)) {
        JsonObjectReader top(doc, "", fault);
        ReadTankPages(top, input.entries);
        ReadReleaseTime(top, input.entries.time);
        if (top.Find("oil")) ReadOilEntries(top.Object("oil"), input.oil.emplace());
        if (top.Find("water")) ReadWaterEntries(top.Object("water"), input.water.emplace());
        top.Finish();
    }
    if (fault.Failed()) return Refused(fault.Text());
    PageCheck pages = RunTankSteps(input.entries, tank);
    if (!pages.accepted) return pages;
    return TankWaterCheck(input.water ? &*input.water : nullptr);
}

}  // namespace ormix
