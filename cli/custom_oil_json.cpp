#include "cli/custom_oil_json.h"

#include <nlohmann/json.hpp>

#include "core/json_reader.h"
#include "oil/custom_oil.h"

namespace ormix {

namespace {

using nlohmann::json;

bool IsTextKind(EntryKind kind) {
    return kind == EntryKind::Text || kind == EntryKind::ProductType ||
           kind == EntryKind::OilClass || kind == EntryKind::CutUnits;
}

}  // namespace

bool ApplyCustomOilJson(const std::string& text, TableFile& record, std::string& error) {
    JsonFault fault;
    json root;
    if (!ParseJson(text, root, fault)) {
        error = fault.Text();
        return false;
    }
    JsonObjectReader r(root, "", fault);
    TemperatureUnit unit = TemperatureUnit::Celsius;
    int unitChoice = 0;
    if (r.Choice("temperatureUnit", {"C", "F"}, unitChoice))
        unit = unitChoice == 0 ? TemperatureUnit::Celsius : TemperatureUnit::Fahrenheit;

    // Each key of the sheet, in the order of the file's keys; the reader
    // refuses any other key once they are read.
    for (const auto& [key, value] : root.items()) {
        const CustomOilItem* item = FindCustomOilItem(key);
        if (!item || r.Failed()) continue;
        const char* k = item->key.c_str();
        if (value.is_null()) {
            r.Find(k);
            if (IsTextKind(item->kind))
                SetEnteredText(record, *item, "");
            else
                SetEnteredNumber(record, *item, std::nullopt, unit);
        } else if (IsTextKind(item->kind)) {
            std::string s;
            if (!r.Text(k, s)) continue;
            if (s.find_first_of("\t\r\n") != std::string::npos)
                r.Fail(k, "a text cannot hold a tab or a line break");
            else
                SetEnteredText(record, *item, s);
        } else {
            double d = 0;
            if (!r.Number(k, d)) continue;
            std::string problem = EntryProblem(*item, d, unit);
            if (!problem.empty())
                r.Fail(k, problem);
            else
                SetEnteredNumber(record, *item, d, unit);
        }
    }
    if (!r.Finish()) {
        error = fault.Text();
        return false;
    }

    // The choices once every key is in: the oil classes depend on the type.
    std::string type(record.FieldText(oilfield::kProductType));
    for (const char* key : {"productType", "oilClass", "cutUnits"}) {
        const CustomOilItem* item = FindCustomOilItem(key);
        std::string value(record.FieldText(item->field));
        bool touched =
            root.contains(key) || (std::string(key) == "oilClass" && root.contains("productType"));
        if (value.empty() || !touched) continue;
        std::string problem = ChoiceProblem(*item, value, type);
        if (!problem.empty()) {
            r.Fail(key, problem);
            error = fault.Text();
            return false;
        }
    }
    return true;
}

}  // namespace ormix
