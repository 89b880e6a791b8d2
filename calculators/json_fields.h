// Reading a calculator's entries from JSON: one object per page, keyed by the
// entry's name. An entry left empty is null or absent and reads as NoData; a
// choice is one of the page's texts; any key the page does not have is
// refused, so a misspelt entry is never silently ignored.
#pragma once

#include <initializer_list>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <string>

namespace ormix {

struct JsonFieldError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class JsonFields {
public:
    // `path` names the object in messages ("step2", "burn").
    JsonFields(const nlohmann::json& object, std::string path);

    // A number as typed; null or absent reads as NoData (left empty).
    void Number(const char* key, double& v);
    // A whole number; absent keeps `v`.
    void Whole(const char* key, int& v);
    // One of `texts`; stores its index. Absent keeps `v`.
    void Choice(const char* key, std::initializer_list<const char*> texts, int& v);
    // A text of at most size - 1 characters, zero-filled.
    void Text(const char* key, char* buf, std::size_t size);
    // A nested object, or nullptr when absent.
    const nlohmann::json* Object(const char* key);
    bool Has(const char* key) const;

    // Refuses any key that was never asked for.
    void Finish() const;

    const std::string& Path() const { return path_; }

private:
    const nlohmann::json* Find(const char* key);
    [[noreturn]] void Fail(const std::string& key, const std::string& what) const;

    const nlohmann::json& obj_;
    std::string path_;
    std::set<std::string> known_;
};

// Parses JSON text strictly (core/json_parse.h); throws JsonFieldError with
// the path and the reason.
nlohmann::json ParseJsonText(const std::string& text);

// The scenario's oil and water as the calculators read them:
// "oil": {"name", "api", "density" (kg/m3), "densityTemperature" (K)} and
// "water": {"temperature", "unit" ("F" or "C"), "salinity"}.
struct InputOil;
struct InputWater;
void ReadOilEntries(const nlohmann::json& object, InputOil& oil);
void ReadWaterEntries(const nlohmann::json& object, InputWater& water);

// The month names of the calculators' date lists, "January" .. "December".
extern const std::initializer_list<const char*> kMonthNames;

}  // namespace ormix
