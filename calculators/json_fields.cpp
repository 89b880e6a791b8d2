#include "calculators/json_fields.h"

#include "core/constants.h"
#include "core/inputs.h"

namespace ormix {

const std::initializer_list<const char*> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

double EntryOf(JsonObjectReader& page, const char* key) {
    std::optional<double> v;
    page.NumberOrNull(key, v);
    return v.value_or(NoData);
}

void ReadOilEntries(JsonObjectReader f, InputOil& oil) {
    f.FixedText("name", oil.name, sizeof oil.name);
    oil.api = EntryOf(f, "api");
    oil.rhoRef_value[0] = EntryOf(f, "density");
    oil.rhoRef_temp[0] = EntryOf(f, "densityTemperature");
    f.Finish();
}

void ReadWaterEntries(JsonObjectReader f, InputWater& water) {
    water.temperature = EntryOf(f, "temperature");
    int unit = water.tempUnits - 1;
    f.Choice("unit", {"F", "C"}, unit);
    water.tempUnits = unit + 1;
    // Salinity is the one entry that keeps its default when absent.
    if (f.Find("salinity")) water.salinity = EntryOf(f, "salinity");
    f.Finish();
}

}  // namespace ormix
