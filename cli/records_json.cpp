#include "cli/records_json.h"

#include <cstring>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>

#include "core/json_parse.h"

namespace ormix {

namespace {

using nlohmann::json;

struct RecordError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the fields of one record object, remembering which keys it knew so
// that anything else can be refused.
class FieldReader {
public:
    FieldReader(const json& object, std::string record) : obj_(object), record_(std::move(record)) {
        if (!obj_.is_object()) throw RecordError(record_ + ": expected an object");
    }

    void Double(const char* key, double& v) {
        if (const json* j = Find(key)) v = AsDouble(*j, key);
    }
    void Int(const char* key, int& v) {
        if (const json* j = Find(key)) v = AsInt(*j, key);
    }
    void Flag(const char* key, bool& v) {
        if (const json* j = Find(key)) v = AsFlag(*j, key) != 0;
    }
    void Flag(const char* key, int& v) {
        if (const json* j = Find(key)) v = AsFlag(*j, key);
    }
    template <int N>
    void Doubles(const char* key, double (&a)[N]) {
        if (const json* j = Find(key)) {
            CheckArray(*j, key, N, "numbers");
            for (int i = 0; i < N; ++i)
                a[i] = AsDouble((*j)[i], key);
        }
    }
    template <int N>
    void Ints(const char* key, int (&a)[N]) {
        if (const json* j = Find(key)) {
            CheckArray(*j, key, N, "whole numbers");
            for (int i = 0; i < N; ++i)
                a[i] = AsInt((*j)[i], key);
        }
    }
    template <int N>
    void Text(const char* key, char (&buf)[N]) {
        if (const json* j = Find(key)) {
            if (!j->is_string()) Fail(key, "expected a text");
            const std::string& s = j->get_ref<const std::string&>();
            if (s.size() > N - 1)
                Fail(key, "text longer than " + std::to_string(N - 1) + " characters");
            std::memset(buf, 0, N);
            std::memcpy(buf, s.data(), s.size());
        }
    }

    // Refuses any key the record does not have.
    void Finish() const {
        for (auto it = obj_.begin(); it != obj_.end(); ++it)
            if (!known_.count(it.key())) Fail(it.key().c_str(), "unknown key");
    }

private:
    const json* Find(const char* key) {
        known_.insert(key);
        auto it = obj_.find(key);
        return it == obj_.end() ? nullptr : &*it;
    }
    [[noreturn]] void Fail(const char* key, const std::string& what) const {
        throw RecordError(record_ + "." + key + ": " + what);
    }
    double AsDouble(const json& j, const char* key) const {
        if (!j.is_number()) Fail(key, "expected a number");
        return j.get<double>();
    }
    int AsInt(const json& j, const char* key) const {
        if (!j.is_number_integer()) Fail(key, "expected a whole number");
        auto v = j.get<long long>();
        if (v < -2147483647LL || v > 2147483647LL) Fail(key, "number out of range");
        return static_cast<int>(v);
    }
    int AsFlag(const json& j, const char* key) const {
        if (j.is_boolean()) return j.get<bool>() ? 1 : 0;
        if (j.is_number_integer() && (j.get<long long>() == 0 || j.get<long long>() == 1))
            return static_cast<int>(j.get<long long>());
        Fail(key, "expected true or false (or 0 or 1)");
    }
    void CheckArray(const json& j, const char* key, int n, const char* what) const {
        if (!j.is_array() || static_cast<int>(j.size()) != n)
            Fail(key, "expected an array of " + std::to_string(n) + " " + what);
    }

    const json& obj_;
    std::string record_;
    std::set<std::string> known_;
};

void ReadOil(FieldReader& r, InputOil& o) {
    r.Text("name", o.name);
    r.Text("productType", o.productType);
    r.Double("api", o.api);
    r.Double("asphalt", o.asphalt);
    r.Double("benzene", o.benzene);
    r.Double("nickel", o.nickel);
    r.Double("vanadium", o.vanadium);
    r.Double("viscMultiplier", o.viscMultiplier);
    r.Double("waterContent", o.waterContent);
    r.Double("waterUptakeRate", o.waterUptakeRate);
    r.Double("bullwinkle", o.bullwinkle);
    r.Double("bulltime", o.bulltime);
    r.Doubles("rhoRef_value", o.rhoRef_value);
    r.Doubles("rhoRef_temp", o.rhoRef_temp);
    r.Doubles("rhoRef_fevap", o.rhoRef_fevap);
    r.Doubles("viscRef_value", o.viscRef_value);
    r.Doubles("viscRef_temp", o.viscRef_temp);
    r.Doubles("viscRef_fevap", o.viscRef_fevap);
    r.Doubles("dyViscRef_value", o.dyViscRef_value);
    r.Doubles("dyViscRef_temp", o.dyViscRef_temp);
    r.Doubles("dyViscRef_fevap", o.dyViscRef_fevap);
    r.Doubles("dist_temp", o.dist_temp);
    r.Doubles("dist_frac", o.dist_frac);
    r.Double("InitialOil.rho0", o.InitialOil.rho0);
    r.Double("InitialOil.visc0", o.InitialOil.visc0);
    r.Flag("dist_volumeFrac", o.dist_volumeFrac);
}

void ReadWater(FieldReader& r, InputWater& w) {
    r.Double("temperature", w.temperature);
    r.Int("tempUnits", w.tempUnits);
    r.Double("salinity", w.salinity);
    r.Double("sediment", w.sediment);
    r.Double("speed", w.speed);
    r.Int("speedUnits", w.speedUnits);
    r.Double("direction", w.direction);
}

void ReadWindWave(FieldReader& r, InputWindWave& w) {
    r.Int("num", w.num);
    r.Int("speedUnits", w.speedUnits);
    r.Int("waveHtUnits", w.waveHtUnits);
    r.Int("fetchUnits", w.fetchUnits);
    r.Doubles("speed", w.speed);
    r.Doubles("direction", w.direction);
    r.Doubles("waveHt", w.waveHt);
    r.Double("fetchN", w.fetchN);
    r.Double("fetchE", w.fetchE);
    r.Double("fetchS", w.fetchS);
    r.Double("fetchW", w.fetchW);
}

void ReadInstant(FieldReader& r, InputInstant& i) {
    r.Flag("flag", i.flag);
    r.Int("startHour", i.startHour);
    r.Double("vol", i.vol);
    r.Int("volUnits", i.volUnits);
}

void ReadBoomed(FieldReader& r, InputBoomed& b) {
    r.Flag("flag", b.flag);
    r.Int("startHour", b.startHour);
    r.Double("vol", b.vol);
    r.Int("volUnits", b.volUnits);
    r.Double("area", b.area);
    r.Int("areaUnits", b.areaUnits);
}

void ReadContinuous(FieldReader& r, InputContinuous& c) {
    r.Flag("flag", c.flag);
    r.Int("startHour", c.startHour);
    r.Int("endHour", c.endHour);
    r.Double("startRate", c.startRate);
    r.Double("endRate", c.endRate);
    r.Int("rateUnits", c.rateUnits);
}

void ReadTank(FieldReader& r, InputTank& t) {
    r.Flag("flag", t.flag);
    r.Int("vent", t.vent);
    r.Int("aground", t.aground);
    r.Int("startHour", t.startHour);
    r.Double("tHeight", t.tHeight);
    r.Double("tWidth", t.tWidth);
    r.Double("tLength", t.tLength);
    r.Int("tUnits", t.tUnits);
    r.Double("oVol", t.oVol);
    r.Int("oUnits", t.oUnits);
    r.Double("hDiam", t.hDiam);
    r.Double("hArea", t.hArea);
    r.Int("hUnits", t.hUnits);
    r.Double("zHeight", t.zHeight);
    r.Int("zUnits", t.zUnits);
    r.Double("wHeight", t.wHeight);
    r.Int("wUnits", t.wUnits);
    r.Double("Cd", t.Cd);
}

void ReadUncertainty(FieldReader& r, InputUncertainty& u) {
    r.Flag("windFlag", u.windFlag);
    r.Double("wind", u.wind);
    r.Int("windUnits", u.windUnits);
    r.Flag("emulFlag", u.emulFlag);
    r.Double("emul", u.emul);
    r.Int("emulUnits", u.emulUnits);
    r.Flag("volFlag", u.volFlag);
    r.Double("vol", u.vol);
}

void ReadDispersant(FieldReader& r, InputDispersant& d) {
    r.Int("num", d.num);
    r.Ints("startHour", d.startHour);
    r.Ints("duration", d.duration);
    r.Doubles("dispersed", d.dispersed);
    r.Doubles("sprayed", d.sprayed);
}

void ReadBurn(FieldReader& r, InputBurn& b) {
    r.Int("num", b.num);
    r.Ints("startHour", b.startHour);
    r.Doubles("thick", b.thick);
    r.Ints("thickUnits", b.thickUnits);
    r.Doubles("area", b.area);
    r.Ints("areaUnits", b.areaUnits);
    r.Double("burnRegRate", b.burnRegRate);
    r.Int("burnRegRateUnits", b.burnRegRateUnits);
}

void ReadSkimmer(FieldReader& r, InputSkimmer& s) {
    r.Int("num", s.num);
    r.Ints("startHour", s.startHour);
    r.Ints("duration", s.duration);
    r.Doubles("rate", s.rate);
    r.Ints("rateUnits", s.rateUnits);
    r.Doubles("amount", s.amount);
    r.Ints("amountUnits", s.amountUnits);
}

void ReadBeached(FieldReader& r, InputBeached& b) {
    r.Int("volUnits", b.volUnits);
    r.Doubles("vol", b.vol);
}

template <typename Record, typename Reader>
void ReadRecord(const json& root, const char* name, std::optional<Record>& out, Reader read) {
    auto it = root.find(name);
    if (it == root.end()) return;
    FieldReader reader(*it, name);
    Record record;
    read(reader, record);
    reader.Finish();
    out = record;
}

void CheckCount(const char* record, int num, int max) {
    if (num < 0 || num > max)
        throw RecordError(std::string(record) + ".num: must be between 0 and " +
                          std::to_string(max));
}

}  // namespace

InputRecordSet ModelRecords::RecordSet() const {
    InputRecordSet set;
    if (oil) set.oil = &*oil;
    if (windWave) set.windWave = &*windWave;
    if (water) set.water = &*water;
    if (instant) set.instant = &*instant;
    if (continuous) set.continuous = &*continuous;
    if (tank) set.tank = &*tank;
    if (boomed) set.boomed = &*boomed;
    if (uncertainty) set.uncertainty = &*uncertainty;
    if (dispersant) set.dispersant = &*dispersant;
    if (burn) set.burn = &*burn;
    if (skimmer) set.skimmer = &*skimmer;
    if (beached) set.beached = &*beached;
    return set;
}

bool ParseModelRecords(const std::string& text, ModelRecords& out, std::string& error) {
    json root;
    std::string path;
    if (!ParseJsonStrictly(text, root, path, error)) {
        if (!path.empty()) error = path + ": " + error;
        return false;
    }
    if (!root.is_object()) {
        error = "expected a JSON object of input records";
        return false;
    }
    static const std::set<std::string> kRecords = {
        "InputOil",        "InputWater",      "InputWindWave", "InputInstant",
        "InputBoomed",     "InputContinuous", "InputTank",     "InputUncertainty",
        "InputDispersant", "InputBurn",       "InputSkimmer",  "InputBeached"};
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (!kRecords.count(it.key())) {
            error = it.key() + ": unknown record";
            return false;
        }
    }
    ModelRecords records;
    try {
        ReadRecord(root, "InputOil", records.oil, ReadOil);
        ReadRecord(root, "InputWater", records.water, ReadWater);
        ReadRecord(root, "InputWindWave", records.windWave, ReadWindWave);
        ReadRecord(root, "InputInstant", records.instant, ReadInstant);
        ReadRecord(root, "InputBoomed", records.boomed, ReadBoomed);
        ReadRecord(root, "InputContinuous", records.continuous, ReadContinuous);
        ReadRecord(root, "InputTank", records.tank, ReadTank);
        ReadRecord(root, "InputUncertainty", records.uncertainty, ReadUncertainty);
        ReadRecord(root, "InputDispersant", records.dispersant, ReadDispersant);
        ReadRecord(root, "InputBurn", records.burn, ReadBurn);
        ReadRecord(root, "InputSkimmer", records.skimmer, ReadSkimmer);
        ReadRecord(root, "InputBeached", records.beached, ReadBeached);
        if (records.windWave && (records.windWave->num < 0 || records.windWave->num > kHours))
            throw RecordError("InputWindWave.num: must be between 0 and 120");
        if (records.dispersant) CheckCount("InputDispersant", records.dispersant->num, 5);
        if (records.burn) CheckCount("InputBurn", records.burn->num, 5);
        if (records.skimmer) CheckCount("InputSkimmer", records.skimmer->num, 5);
    } catch (const RecordError& e) {
        error = e.what();
        return false;
    } catch (const json::exception& e) {
        error = e.what();
        return false;
    }
    out = std::move(records);
    return true;
}

}  // namespace ormix
