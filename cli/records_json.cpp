#include "cli/records_json.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "core/json_reader.h"
#include "scenario/stored_values.h"

namespace ormix {

namespace {

using nlohmann::json;

// Reads the fields of one record with the strict reader, under the names of
// the record's fields; unit codes must be among the codes listed for their
// field, since a fill operation stops at any other code.
class FieldReader {
public:
    explicit FieldReader(JsonObjectReader r) : r_(std::move(r)) {}

    void Double(const char* key, double& v) { r_.Number(key, v); }
    void Int(const char* key, int& v) { r_.Whole(key, v); }
    void Flag(const char* key, bool& v) {
        int bit = v ? 1 : 0;
        if (r_.Bit(key, bit)) v = bit != 0;
    }
    void Flag(const char* key, int& v) { r_.Bit(key, v); }
    template <int N>
    void Doubles(const char* key, double (&a)[N]) {
        r_.Numbers(key, a, N);
    }
    template <int N>
    void Ints(const char* key, int (&a)[N]) {
        r_.Wholes(key, a, N);
    }
    template <int N>
    void Text(const char* key, char (&buf)[N]) {
        r_.FixedText(key, buf, N);
    }
    // A unit code among 1 to `count`.
    void Code(const char* key, int& v, int count) {
        int code = v;
        if (!r_.Whole(key, code)) return;
        if (!UnitCodeProblem(code, count).empty())
            r_.Fail(key, UnitCodeProblem(code, count));
        else
            v = code;
    }
    template <int N>
    void Codes(const char* key, int (&a)[N], int count) {
        int codes[N];
        if (!r_.Wholes(key, codes, N)) return;
        for (int i = 0; i < N; ++i)
            if (!UnitCodeProblem(codes[i], count).empty())
                return r_.FailAt(JsonPathOf(r_.PathOf(key), static_cast<std::size_t>(i)),
                                 UnitCodeProblem(codes[i], count));
        std::copy(codes, codes + N, a);
    }
    // How many of `most` slots are in use.
    void Count(const char* key, int& v, int most) { r_.Count(key, v, most); }

    void Finish() { r_.Finish(); }

private:
    JsonObjectReader r_;
};

using namespace unit_codes;

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
    r.Code("tempUnits", w.tempUnits, kTemperature);
    r.Double("salinity", w.salinity);
    r.Double("sediment", w.sediment);
    r.Double("speed", w.speed);
    r.Code("speedUnits", w.speedUnits, kSpeed);
    r.Double("direction", w.direction);
}

void ReadWindWave(FieldReader& r, InputWindWave& w) {
    r.Count("num", w.num, kHours);
    r.Code("speedUnits", w.speedUnits, kSpeed);
    r.Code("waveHtUnits", w.waveHtUnits, kHeight);
    r.Code("fetchUnits", w.fetchUnits, kFetch);
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
    r.Code("volUnits", i.volUnits, kVolume);
}

void ReadBoomed(FieldReader& r, InputBoomed& b) {
    r.Flag("flag", b.flag);
    r.Int("startHour", b.startHour);
    r.Double("vol", b.vol);
    r.Code("volUnits", b.volUnits, kVolume);
    r.Double("area", b.area);
    r.Code("areaUnits", b.areaUnits, kArea);
}

void ReadContinuous(FieldReader& r, InputContinuous& c) {
    r.Flag("flag", c.flag);
    r.Int("startHour", c.startHour);
    r.Int("endHour", c.endHour);
    r.Double("startRate", c.startRate);
    r.Double("endRate", c.endRate);
    r.Code("rateUnits", c.rateUnits, kRate);
}

void ReadTank(FieldReader& r, InputTank& t) {
    r.Flag("flag", t.flag);
    r.Int("vent", t.vent);
    r.Int("aground", t.aground);
    r.Int("startHour", t.startHour);
    r.Double("tHeight", t.tHeight);
    r.Double("tWidth", t.tWidth);
    r.Double("tLength", t.tLength);
    r.Code("tUnits", t.tUnits, kHeight);
    r.Double("oVol", t.oVol);
    r.Code("oUnits", t.oUnits, kTankVolume);
    r.Double("hDiam", t.hDiam);
    r.Double("hArea", t.hArea);
    r.Code("hUnits", t.hUnits, kHole);
    r.Double("zHeight", t.zHeight);
    r.Code("zUnits", t.zUnits, kHeight);
    r.Double("wHeight", t.wHeight);
    r.Code("wUnits", t.wUnits, kHeight);
    r.Double("Cd", t.Cd);
}

void ReadUncertainty(FieldReader& r, InputUncertainty& u) {
    r.Flag("windFlag", u.windFlag);
    r.Double("wind", u.wind);
    r.Code("windUnits", u.windUnits, kSpeed);
    r.Flag("emulFlag", u.emulFlag);
    r.Double("emul", u.emul);
    r.Code("emulUnits", u.emulUnits, kEmulsion);
    r.Flag("volFlag", u.volFlag);
    r.Double("vol", u.vol);
}

void ReadDispersant(FieldReader& r, InputDispersant& d) {
    r.Count("num", d.num, kMaxOperations);
    r.Ints("startHour", d.startHour);
    r.Ints("duration", d.duration);
    r.Doubles("dispersed", d.dispersed);
    r.Doubles("sprayed", d.sprayed);
}

void ReadBurn(FieldReader& r, InputBurn& b) {
    r.Count("num", b.num, kMaxOperations);
    r.Ints("startHour", b.startHour);
    r.Doubles("thick", b.thick);
    r.Codes("thickUnits", b.thickUnits, kThickness);
    r.Doubles("area", b.area);
    r.Codes("areaUnits", b.areaUnits, kArea);
    r.Double("burnRegRate", b.burnRegRate);
    r.Code("burnRegRateUnits", b.burnRegRateUnits, kBurnRate);
}

void ReadSkimmer(FieldReader& r, InputSkimmer& s) {
    r.Count("num", s.num, kMaxOperations);
    r.Ints("startHour", s.startHour);
    r.Ints("duration", s.duration);
    r.Doubles("rate", s.rate);
    r.Codes("rateUnits", s.rateUnits, kRate);
    r.Doubles("amount", s.amount);
    r.Codes("amountUnits", s.amountUnits, kVolume);
}

void ReadBeached(FieldReader& r, InputBeached& b) {
    r.Code("volUnits", b.volUnits, kVolume);
    r.Doubles("vol", b.vol);
}

template <typename Record, typename Reader>
void ReadRecord(JsonObjectReader& root, const char* name, std::optional<Record>& out, Reader read) {
    if (!root.Find(name)) return;
    FieldReader reader(root.Object(name));
    Record record;
    read(reader, record);
    reader.Finish();
    if (!root.Failed()) out = record;
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
    JsonFault fault;
    json root;
    if (!ParseJson(text, root, fault)) {
        error = fault.Text();
        return false;
    }
    if (!root.is_object()) {
        error = "expected a JSON object of input records";
        return false;
    }
    JsonObjectReader r(root, "", fault);
    ModelRecords records;
    ReadRecord(r, "InputOil", records.oil, ReadOil);
    ReadRecord(r, "InputWater", records.water, ReadWater);
    ReadRecord(r, "InputWindWave", records.windWave, ReadWindWave);
    ReadRecord(r, "InputInstant", records.instant, ReadInstant);
    ReadRecord(r, "InputBoomed", records.boomed, ReadBoomed);
    ReadRecord(r, "InputContinuous", records.continuous, ReadContinuous);
    ReadRecord(r, "InputTank", records.tank, ReadTank);
    ReadRecord(r, "InputUncertainty", records.uncertainty, ReadUncertainty);
    ReadRecord(r, "InputDispersant", records.dispersant, ReadDispersant);
    ReadRecord(r, "InputBurn", records.burn, ReadBurn);
    ReadRecord(r, "InputSkimmer", records.skimmer, ReadSkimmer);
    ReadRecord(r, "InputBeached", records.beached, ReadBeached);
    if (!r.Finish("unknown record")) {
        error = fault.Text();
        return false;
    }
    out = std::move(records);
    return true;
}

}  // namespace ormix
