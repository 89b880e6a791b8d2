#include "cli/custom_oil_json.h"

#include <nlohmann/json.hpp>

#include "core/json_parse.h"
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
    json root;
    std::string path;
    if (!ParseJsonStrictly(text, root, path, error)) {
        if (!path.empty()) error = path + ": " + error;
        return false;
    }
    if (!root.is_object()) {
        error = "expected a JSON object";
        return false;
    }
    auto fail = [&error](const std::string& key, const std::string& what) {
        error = key + ": " + what;
        return false;
    };

    TemperatureUnit unit = TemperatureUnit::Celsius;
    if (auto it = root.find("temperatureUnit"); it != root.end()) {
        if (*it == "C")
            unit = TemperatureUnit::Celsius;
        else if (*it == "F")
            unit = TemperatureUnit::Fahrenheit;
        else
            return fail("temperatureUnit", "expected \"C\" or \"F\"");
    }

    for (auto it = root.begin(); it != root.end(); ++it) {
        const std::string& key = it.key();
        if (key == "temperatureUnit") continue;
        const CustomOilItem* item = FindCustomOilItem(key);
        if (!item) return fail(key, "unknown key");
        const json& v = it.value();
        if (IsTextKind(item->kind)) {
            if (v.is_null()) {
                SetEnteredText(record, *item, "");
                continue;
            }
            if (!v.is_string()) return fail(key, "expected a text");
            const std::string& s = v.get_ref<const std::string&>();
            if (s.find_first_of("\t\r\n") != std::string::npos)
                return fail(key, "a text cannot hold a tab or a line break");
            SetEnteredText(record, *item, s);
        } else {
            if (v.is_null()) {
                SetEnteredNumber(record, *item, std::nullopt, unit);
                continue;
            }
            if (!v.is_number()) return fail(key, "expected a number");
            double d = v.get<double>();
            std::string problem = EntryProblem(*item, d, unit);
            if (!problem.empty()) return fail(key, problem);
            SetEnteredNumber(record, *item, d, unit);
        }
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
        if (!problem.empty()) return fail(key, problem);
    }
    return true;
}

}  // namespace ormix
