#include "scenario/stored_values.h"

#include <cmath>
#include <cstdio>

#include "calculators/water_limits.h"
#include "scenario/calendar.h"
#include "scenario/field_path.h"
#include "scenario/scenario_fields.h"

namespace ormix {

bool FitsScenarioFile(std::time_t t) {
    return t >= 0 && t <= static_cast<std::time_t>(0xFFFFFFFFu);
}

std::string TimeOutsideScenarioFile(std::time_t t, const std::string& name) {
    const std::string when = FormatTime(t, "%Y-%m-%d %H:%M");
    return "the time " + (name.empty() ? when : name + " (" + when + ")") +
           " lies outside 1970 to 2106, the years a scenario file can hold";
}

std::string UnitCodeProblem(int code, int count) {
    if (code >= 1 && code <= count) return "";
    return "the unit code " + std::to_string(code) + " is none of 1 to " + std::to_string(count);
}

namespace {

// Visits the scenario's fields and stops at the first time a scenario file
// cannot hold; every other field is passed by.
class TimeCheck : public PathVisitor<TimeCheck> {
public:
    bool Stopped() const { return !field.empty(); }
    void Time(const char* name, const std::time_t& t) {
        if (Stopped() || FitsScenarioFile(t)) return;
        field = path_.Of(name);
        why = TimeOutsideScenarioFile(t);
    }
    template <class T>
    void Int(const char*, const T&) {}
    template <class T>
    void Flag(const char*, const T&) {}
    void Count(const char*, const int&, int) {}
    void Double(const char*, const double&) {}
    void Doubles(const char*, const double*, int) {}
    void Text(const char*, const std::string&) {}
    void FixedText(const char*, const char*, std::size_t) {}

    std::string field, why;
};

// The checks of the values, each naming its field; the first failure is kept.
class ValueCheck {
public:
    bool Failed() const { return !field.empty(); }

    // A unit code among 1..n.
    void Code(const std::string& name, int code, int n) {
        if (Failed() || UnitCodeProblem(code, n).empty()) return;
        Fail(name, UnitCodeProblem(code, n));
    }
    // A value from lo to hi (not a number is outside), or unset when allowed.
    void Range(const std::string& name, double v, double lo, double hi, const char* dialog,
               bool unsetAllowed = true) {
        if (Failed() || (unsetAllowed && v == NoData) || (v >= lo && v <= hi)) return;
        Fail(name, Number(v) + " lies outside " + Number(lo) + " to " + Number(hi) + ", what " +
                       dialog + " takes");
    }
    // A value checked as a whole number, as the dialogs read their fields.
    void WholeRange(const std::string& name, double v, double lo, double hi, const char* dialog,
                    bool unsetAllowed = true) {
        if (Failed() || (unsetAllowed && v == NoData)) return;
        if (!std::isnan(v) && std::trunc(v) >= lo && std::trunc(v) <= hi) return;
        Range(name, v, lo, hi, dialog, false);
    }
    // Any number at all (the dialog sets no limit).
    void Finite(const std::string& name, double v) {
        if (Failed() || std::isfinite(v)) return;
        Fail(name, Number(v) + " is no number a dialog can store");
    }
    // The water dialog's own rule and message, when it refuses.
    void Rule(const std::string& name, double v, const std::string& problem) {
        if (Failed() || problem.empty()) return;
        Fail(name, Number(v) + " is refused by the water dialog: " + problem);
    }

    std::string field, why;

private:
    static std::string Number(double v) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.10g", v);
        return buf;
    }
    void Fail(const std::string& name, const std::string& what) {
        field = name;
        why = what;
    }
};

void CheckWater(const InputWater& w, ValueCheck& c) {
    c.Code("InputWater.tempUnits", w.tempUnits, unit_codes::kTemperature);
    if (!c.Failed() && w.temperature != NoData)
        c.Rule("InputWater.temperature", w.temperature,
               WaterTemperatureProblem(w.temperature, w.tempUnits == 1));
    c.Rule("InputWater.salinity", w.salinity, SalinityProblem(w.salinity));
    c.WholeRange("InputWater.sediment", w.sediment, 0, 1000, "the water dialog", false);
    c.Code("InputWater.speedUnits", w.speedUnits, unit_codes::kSpeed);
    if (c.Failed()) return;
    c.WholeRange("InputWater.speed", w.speed, 0, w.speedUnits == 3 ? 3 : 5, "the water dialog");
    c.WholeRange("InputWater.direction", w.direction, 0, 360, "the water dialog");
}

void CheckWind(const InputWindWave& w, ValueCheck& c) {
    c.Code("InputWindWave.speedUnits", w.speedUnits, unit_codes::kSpeed);
    c.Code("InputWindWave.waveHtUnits", w.waveHtUnits, unit_codes::kHeight);
    c.Code("InputWindWave.fetchUnits", w.fetchUnits, unit_codes::kFetch);
    if (c.Failed()) return;
    static const double kFastest[3] = {77, 68, 35};  // mph, knots, m/s
    const double highestWave = w.waveHtUnits == 2 ? 50 : 15.5;
    for (int i = 0; i < w.num && i < kHours; ++i) {
        const std::string hour = "InputWindWave.hours[" + std::to_string(i) + "].";
        c.Range(hour + "speed", w.speed[i], 0, kFastest[w.speedUnits - 1], "the wind dialog");
        c.WholeRange(hour + "direction", w.direction[i], 0, 360, "the wind dialog");
        c.Range(hour + "waveHt", w.waveHt[i], 0, highestWave, "the wind dialog");
    }
    c.Range("InputWindWave.fetchN", w.fetchN, 0, HUGE_VAL, "the fetch dialog", false);
    c.Range("InputWindWave.fetchE", w.fetchE, 0, HUGE_VAL, "the fetch dialog", false);
    c.Range("InputWindWave.fetchS", w.fetchS, 0, HUGE_VAL, "the fetch dialog", false);
    c.Range("InputWindWave.fetchW", w.fetchW, 0, HUGE_VAL, "the fetch dialog", false);
}

void CheckReleases(const SpillDocData& d, ValueCheck& c) {
    if (d.inputInstant.flag) {
        const InputInstant& r = d.inputInstant;
        c.Code("InputInstant.volUnits", r.volUnits, unit_codes::kVolume);
        static const double kLow[5] = {2, 84, 0.32, 0.35, 0.32};
        static const double kHigh[5] = {500000, 21000000, 79494, 87540, 79415};
        if (!c.Failed())
            c.Range("InputInstant.vol", r.vol, kLow[r.volUnits - 1], kHigh[r.volUnits - 1],
                    "the instantaneous release dialog", false);
    }
    if (d.inputBoomed.flag) {
        const InputBoomed& r = d.inputBoomed;
        c.Code("InputBoomed.volUnits", r.volUnits, unit_codes::kVolume);
        c.Code("InputBoomed.areaUnits", r.areaUnits, unit_codes::kArea);
        static const double kLargest[3] = {100000, 11960, 10000};
        if (!c.Failed())
            c.Range("InputBoomed.area", r.area, 1, kLargest[r.areaUnits - 1],
                    "the contained release dialog", false);
        c.Range("InputBoomed.vol", r.vol, 1e-9, HUGE_VAL, "the contained release dialog", false);
    }
    if (d.inputContinuous.flag) {
        const InputContinuous& r = d.inputContinuous;
        c.Code("InputContinuous.rateUnits", r.rateUnits, unit_codes::kRate);
        c.Range("InputContinuous.startRate", r.startRate, 0, HUGE_VAL,
                "the continuous release dialog", false);
        c.Range("InputContinuous.endRate", r.endRate, 0, HUGE_VAL, "the continuous release dialog",
                false);
    }
    if (d.inputTank.flag) {
        const InputTank& t = d.inputTank;
        c.Code("InputTank.tUnits", t.tUnits, unit_codes::kHeight);
        c.Code("InputTank.oUnits", t.oUnits, unit_codes::kTankVolume);
        c.Code("InputTank.hUnits", t.hUnits, unit_codes::kHole);
        c.Code("InputTank.zUnits", t.zUnits, unit_codes::kHeight);
        c.Code("InputTank.wUnits", t.wUnits, unit_codes::kHeight);
        const char* pages = "the leaking tank set-up";
        c.Range("InputTank.tHeight", t.tHeight, 1e-9, HUGE_VAL, pages, false);
        c.Range("InputTank.tWidth", t.tWidth, 1e-9, HUGE_VAL, pages, false);
        c.Range("InputTank.tLength", t.tLength, 1e-9, HUGE_VAL, pages, false);
        c.Range("InputTank.oVol", t.oVol, 0, HUGE_VAL, pages, false);
        c.Range("InputTank.hDiam", t.hDiam, 1e-9, HUGE_VAL, pages, false);
        c.Range("InputTank.hArea", t.hArea, 1e-9, HUGE_VAL, pages, false);
        c.Range("InputTank.zHeight", t.zHeight, 0, HUGE_VAL, pages, false);
        c.Range("InputTank.wHeight", t.wHeight, 0, HUGE_VAL, pages, false);
        c.Range("InputTank.Cd", t.Cd, 1e-9, HUGE_VAL, pages);
    }
}

void CheckUncertainty(const InputUncertainty& u, ValueCheck& c) {
    if (u.volFlag) c.Range("InputUncertainty.vol", u.vol, 0, 100, "the uncertainty dialog", false);
    if (u.windFlag) {
        c.Code("InputUncertainty.windUnits", u.windUnits, unit_codes::kSpeed);
        static const double kMost[3] = {38, 34, 17};
        if (!c.Failed())
            c.WholeRange("InputUncertainty.wind", u.wind, 0, kMost[u.windUnits - 1],
                         "the wind uncertainty dialog", false);
    }
    if (u.emulFlag) {
        c.Code("InputUncertainty.emulUnits", u.emulUnits, unit_codes::kEmulsion);
        c.Range("InputUncertainty.emul", u.emul, 0, u.emulUnits == 1 ? 100 : HUGE_VAL,
                "the emulsification dialog", false);
    }
}

void CheckOperations(const SpillDocData& d, ValueCheck& c) {
    // Named as the saved scenario names them: "operations[1].InputBurn.area".
    auto at = [](const char* record, int s, const char* field) {
        return "operations[" + std::to_string(s) + "]." + record + "." + field;
    };
    const InputDispersant& ds = d.inputDispersant;
    for (int s = 0; s < ds.num && s < kMaxOperations; ++s) {
        const char* page = "the dispersant page";
        c.WholeRange(at("InputDispersant", s, "duration"), ds.duration[s], 1, 120, page, false);
        c.WholeRange(at("InputDispersant", s, "dispersed"), ds.dispersed[s], 1, 100, page, false);
        c.WholeRange(at("InputDispersant", s, "sprayed"), ds.sprayed[s], 1, 100, page, false);
    }
    const InputBurn& b = d.inputBurn;
    for (int s = 0; s < b.num && s < kMaxOperations; ++s) {
        c.Code(at("InputBurn", s, "areaUnits"), b.areaUnits[s], unit_codes::kArea);
        c.Code(at("InputBurn", s, "thickUnits"), b.thickUnits[s], unit_codes::kThickness);
        if (c.Failed()) return;
        static const double kArea[3][2] = {{10, 100000}, {1, 11960}, {1, 10000}};
        static const double kThick[3][2] = {{2, 200}, {0.2, 20}, {0.078, 7.8}};
        const double* area = kArea[b.areaUnits[s] - 1];
        const double* thick = kThick[b.thickUnits[s] - 1];
        c.Range(at("InputBurn", s, "area"), b.area[s], area[0], area[1], "the burn page", false);
        c.Range(at("InputBurn", s, "thick"), b.thick[s], thick[0], thick[1], "the burn page",
                false);
    }
    if (b.num > 0) {
        c.Code("burnRate.burnRegRateUnits", b.burnRegRateUnits, unit_codes::kBurnRate);
        const bool inches = b.burnRegRateUnits == 2;
        c.Range("burnRate.burnRegRate", b.burnRegRate, inches ? 0.0004 : 0.01, inches ? 0.004 : 0.1,
                "the burn regression rate dialog");
    }
    const InputSkimmer& k = d.inputSkimmer;
    for (int s = 0; s < k.num && s < kMaxOperations; ++s) {
        c.WholeRange(at("InputSkimmer", s, "duration"), k.duration[s], 1, 120, "the cleanup page",
                     false);
        c.Code(at("InputSkimmer", s, "rateUnits"), k.rateUnits[s], unit_codes::kRate);
        c.Code(at("InputSkimmer", s, "amountUnits"), k.amountUnits[s], unit_codes::kVolume);
        c.Finite(at("InputSkimmer", s, "rate"), k.rate[s]);
        c.Finite(at("InputSkimmer", s, "amount"), k.amount[s]);
    }
    c.Code("InputBeached.volUnits", d.inputBeached.volUnits, unit_codes::kVolume);
    for (int h = 0; h < kHours; ++h)
        c.Finite("InputWindWave.hours[" + std::to_string(h) + "].InputBeached.vol",
                 d.inputBeached.vol[h]);
}

}  // namespace

bool FindUnstorableValue(const SpillDocData& d, std::string& field, std::string& why) {
    TimeCheck times;
    VisitScenarioFields(times, d);
    if (times.Stopped()) {
        field = times.field;
        why = times.why;
        return true;
    }
    ValueCheck c;
    CheckWater(d.inputWater, c);
    CheckWind(d.inputWindWave, c);
    CheckReleases(d, c);
    CheckUncertainty(d.inputUncertainty, c);
    CheckOperations(d, c);
    if (!c.Failed()) return false;
    field = c.field;
    why = c.why;
    return true;
}

}  // namespace ormix
