#include "calculators/json_fields.h"

#include <cmath>
#include <cstring>

#include "core/constants.h"
#include "core/inputs.h"
#include "core/json_parse.h"

namespace ormix {

using nlohmann::json;

const std::initializer_list<const char*> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

JsonFields::JsonFields(const json& object, std::string path)
    : obj_(object), path_(std::move(path)) {
    if (!obj_.is_object()) throw JsonFieldError(path_ + ": expected an object");
}

const json* JsonFields::Find(const char* key) {
    known_.insert(key);
    auto it = obj_.find(key);
    return it == obj_.end() ? nullptr : &*it;
}

bool JsonFields::Has(const char* key) const {
    return obj_.contains(key);
}

void JsonFields::Fail(const std::string& key, const std::string& what) const {
    throw JsonFieldError(path_ + "." + key + ": " + what);
}

void JsonFields::Number(const char* key, double& v) {
    const json* j = Find(key);
    if (!j || j->is_null()) {
        v = NoData;
        return;
    }
    if (!j->is_number()) Fail(key, "expected a number or null (left empty)");
    v = j->get<double>();
    if (!std::isfinite(v)) Fail(key, "not a finite number");
}

void JsonFields::Whole(const char* key, int& v) {
    const json* j = Find(key);
    if (!j) return;
    if (j->is_number_integer()) {
        auto n = j->get<long long>();
        if (n < -1000000 || n > 1000000) Fail(key, "out of range");
        v = static_cast<int>(n);
        return;
    }
    Fail(key, "expected a whole number");
}

void JsonFields::Choice(const char* key, std::initializer_list<const char*> texts, int& v) {
    const json* j = Find(key);
    if (!j) return;
    std::string offered;
    int index = 0;
    if (j->is_string()) {
        const std::string& s = j->get_ref<const std::string&>();
        for (const char* t : texts) {
            if (s == t) {
                v = index;
                return;
            }
            ++index;
        }
    }
    for (const char* t : texts)
        offered += (offered.empty() ? "\"" : ", \"") + std::string(t) + "\"";
    Fail(key, "expected one of " + offered);
}

void JsonFields::Text(const char* key, char* buf, std::size_t size) {
    const json* j = Find(key);
    if (!j) return;
    if (!j->is_string()) Fail(key, "expected a text");
    const std::string& s = j->get_ref<const std::string&>();
    if (s.size() > size - 1)
        Fail(key, "text longer than " + std::to_string(size - 1) + " characters");
    std::memset(buf, 0, size);
    std::memcpy(buf, s.data(), s.size());
}

const json* JsonFields::Object(const char* key) {
    const json* j = Find(key);
    if (j && !j->is_object()) Fail(key, "expected an object");
    return j;
}

void JsonFields::Finish() const {
    for (auto it = obj_.begin(); it != obj_.end(); ++it)
        if (!known_.count(it.key())) Fail(it.key(), "unknown key");
}

void ReadOilEntries(const json& object, InputOil& oil) {
    JsonFields f(object, "oil");
    f.Text("name", oil.name, sizeof oil.name);
    f.Number("api", oil.api);
    f.Number("density", oil.rhoRef_value[0]);
    f.Number("densityTemperature", oil.rhoRef_temp[0]);
    f.Finish();
}

void ReadWaterEntries(const json& object, InputWater& water) {
    JsonFields f(object, "water");
    f.Number("temperature", water.temperature);
    int unit = water.tempUnits - 1;
    f.Choice("unit", {"F", "C"}, unit);
    water.tempUnits = unit + 1;
    if (f.Has("salinity")) f.Number("salinity", water.salinity);
    f.Finish();
}

json ParseJsonText(const std::string& text) {
    json parsed;
    std::string path, error;
    if (!ParseJsonStrictly(text, parsed, path, error))
        throw JsonFieldError(path.empty() ? error : path + ": " + error);
    return parsed;
}

}  // namespace ormix
