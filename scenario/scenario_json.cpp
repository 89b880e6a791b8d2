#include "scenario/scenario_json.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <stdexcept>

#include "calculators/json_fields.h"
#include "calculators/tank_json.h"
#include "calculators/tank_wizard.h"
#include "oil/oil_selection.h"
#include "scenario/calendar.h"
#include "scenario/document_json.h"
#include "scenario/environment_dialogs.h"
#include "scenario/release_dialogs.h"
#include "scenario/response_dialogs.h"
#include "scenario/tank_release.h"
#include "scenario/typed_text.h"
#include "scenario/wind_dialogs.h"

namespace ormix {

namespace {

using nlohmann::json;

// A refusal while reading: the path and the message.
struct LoadRefusal {
    std::string path;
    Message message;
};

[[noreturn]] void Fail(const std::string& path, const std::string& what) {
    throw LoadRefusal{path, {MessageKind::Error, what}};
}

std::string Join(const std::string& path, const std::string& key) {
    return path.empty() ? key : path + "." + key;
}

// An object of the scenario: its keys are checked against the ones read.
class Section {
public:
    Section(const json& j, std::string path) : j_(j), path_(std::move(path)) {
        if (!j_.is_object()) Fail(path_, "expected an object");
    }
    const std::string& Path() const { return path_; }
    bool Has(const char* key) {
        known_.insert(key);
        return j_.contains(key) && !j_.at(key).is_null();
    }
    const json& Get(const char* key) {
        known_.insert(key);
        return j_.at(key);
    }
    // A field as the person typed it: numbers and texts alike; missing or
    // null is an empty field.
    std::string Text(const char* key) {
        if (!Has(key)) return "";
        const json& v = j_.at(key);
        if (v.is_string()) return v.get<std::string>();
        if (v.is_number()) return v.dump();
        Fail(Join(path_, key), "expected a number or a text");
    }
    // A numeric field: a number, or a text that is blank or begins with a
    // number ("15", "15 C"); a text such as "abc", which a dialog would read
    // as 0, is refused rather than run as 0.
    std::string Number(const char* key) {
        std::string text = Text(key);
        if (!IsEmptyText(text) && !BeginsWithNumber(text))
            Fail(Join(path_, key), "expected a number, not \"" + text + "\"");
        return text;
    }
    // A choice among labels; `fallback` when missing.
    int Choice(const char* key, const std::vector<std::string>& labels, int fallback) {
        if (!Has(key)) return fallback;
        const json& v = j_.at(key);
        if (v.is_string()) {
            for (size_t i = 0; i < labels.size(); ++i)
                if (labels[i] == v.get<std::string>()) return static_cast<int>(i);
        }
        std::string list;
        for (const std::string& l : labels)
            list += (list.empty() ? "\"" : ", \"") + l + "\"";
        Fail(Join(path_, key), "expected one of " + list);
    }
    std::time_t Time(const char* key) {
        if (!Has(key)) Fail(Join(path_, key), "a time is needed (\"YYYY-MM-DD HH:00\")");
        const json& v = j_.at(key);
        int y, mo, d, h, mi;
        char sep;
        if (!v.is_string() ||
            std::sscanf(v.get<std::string>().c_str(), "%4d-%2d-%2d%c%2d:%2d", &y, &mo, &d, &sep, &h,
                        &mi) != 6 ||
            (sep != ' ' && sep != 'T') || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23)
            Fail(Join(path_, key), "expected a time \"YYYY-MM-DD HH:00\"");
        if (mi != 0) Fail(Join(path_, key), "times are whole hours: the minutes must be 00");
        return MakeLocalTime(y, mo, d, h);
    }
    // Refuses any key the section does not know.
    void Finish() const {
        for (auto it = j_.begin(); it != j_.end(); ++it)
            if (!known_.count(it.key())) Fail(Join(path_, it.key()), "unknown key");
    }

private:
    const json& j_;
    std::string path_;
    std::set<std::string> known_;
};

DayAndHour DayAndHourOf(std::time_t t) {
    CalendarFields f = Fields(t);
    return {f.month, f.day, f.hour};
}

// A dialog's refusal becomes the load's refusal; its other messages are kept.
void Apply(const DialogResult& r, const std::string& path, std::vector<Message>& shown) {
    if (!r.accepted) throw LoadRefusal{path, r.messages.front()};
    shown.insert(shown.end(), r.messages.begin(), r.messages.end());
}

const std::vector<std::string> kAmountUnits = {"bbl", "gal", "cu m", "tons", "metric tons"};
const std::vector<std::string> kRateUnits = {"bbl/hr",  "gal/hr",         "cu m/hr",
                                             "tons/hr", "metric tons/hr", "gal/min"};
const std::vector<std::string> kAreaUnits = {"sq. feet", "sq. yards", "sq. meters"};
const std::vector<std::string> kSpeedUnits = {"mph", "knots", "m/s"};
const std::vector<std::string> kTemperatureUnits = {"F", "C"};
const std::vector<std::string> kHeightUnits = {"meters", "feet"};
const std::vector<std::string> kFetchUnits = {"miles", "km"};
const std::vector<std::string> kDurationUnits = {"hours", "days"};

// The oil: a library oil by its name or ID, or a custom oil by its name or
// ID, chosen as the oil dialogs choose it.
void ReadOil(const json& j, CSpillDoc& doc, std::vector<Message>& shown) {
    Section s(j, "oil");
    struct Way {
        const char* key;
        bool custom;
    };
    const Way ways[] = {{"name", false}, {"id", false}, {"custom", true}};
    int given = 0;
    for (const Way& w : ways)
        given += s.Has(w.key);
    if (given != 1)
        Fail("oil",
             "give the oil as \"name\" or \"id\" (oil library) or \"custom\" (custom oil "
             "library, by name or ID)");
    for (const Way& w : ways) {
        if (!s.Has(w.key)) continue;
        std::string path = Join("oil", w.key);
        std::string wanted = s.Text(w.key);
        s.Finish();
        OilLibrary& library = w.custom ? doc.CustomLib() : doc.OilLib();
        int status = library.Load();
        if (status != 0)
            Fail(path, w.custom ? "the custom oil library 'CustomLib' cannot be read"
                                : OilLibraryLoadMessage(status));
        std::vector<const OilSummary*> found = FindOils(library, wanted);
        const char* which = w.custom ? "custom oil library" : "oil library";
        if (found.empty()) Fail(path, "no oil \"" + wanted + "\" in the " + which);
        if (found.size() > 1)
            Fail(path, std::to_string(found.size()) + " oils of the " + which + " match \"" +
                           wanted + "\"; give the oil's ID");
        DialogResult r = w.custom ? doc.SelectCustomOil(found.front()->position)
                                  : doc.SelectLibraryOil(found.front()->position);
        Apply(r, path, shown);
    }
}

void ReadWater(const json& j, CSpillDoc& doc, std::vector<Message>& shown) {
    Section s(j, "water");
    WaterEntries e;
    e.temperature = s.Number("temperature");
    e.temperatureUnit = s.Choice("unit", kTemperatureUnits, 1);
    // The three usual salinities and sediment loads are the dialog's choices;
    // any other value is typed in as "Other Value...".
    std::string salinity = s.Number("salinity");
    e.salinityChoice = kOceanic;
    if (salinity == "0")
        e.salinityChoice = kFreshWater;
    else if (salinity == "15")
        e.salinityChoice = kEstuary;
    else if (salinity == "32" || salinity.empty())
        e.salinityChoice = kOceanic;
    else
        e.salinityChoice = kOtherSalinity;
    e.salinity = salinity;
    std::string sediment = s.Number("sediment");
    if (sediment == "5" || sediment.empty())
        e.sedimentChoice = kOcean;
    else if (sediment == "50")
        e.sedimentChoice = kRiverEstuary;
    else if (sediment == "500")
        e.sedimentChoice = kMuddyRiver;
    else
        e.sedimentChoice = kOtherSediment;
    e.sediment = sediment;
    if (s.Has("current")) {
        Section c(s.Get("current"), "water.current");
        e.currentSpeed = c.Number("speed");
        e.currentUnit = c.Choice("unit", kSpeedUnits, 0);
        e.currentDirection = c.Number("direction");
        c.Finish();
    }
    s.Finish();
    Apply(WaterDialogOK(doc, e), "water", shown);
}

void ReadWind(const json& j, CSpillDoc& doc, std::vector<Message>& shown) {
    Section s(j, "wind");
    bool timed = s.Has("records");
    WindUnits units;
    int waveChoice = kWavesFromWind;
    std::optional<FetchEntries> fetch;
    std::string waveText, fetchText;
    if (s.Has("waves")) {
        const json& w = s.Get("waves");
        if (w.is_string()) {
            if (w.get<std::string>() != "from wind")
                Fail("wind.waves", "expected \"from wind\" or an object");
        } else {
            Section ws(w, "wind.waves");
            if (ws.Has("fetch")) {
                waveChoice = kWavesFromFetch;
                if (timed) {
                    Section f(ws.Get("fetch"), "wind.waves.fetch");
                    FetchEntries fe;
                    fe.north = f.Number("north");
                    fe.east = f.Number("east");
                    fe.south = f.Number("south");
                    fe.west = f.Number("west");
                    fe.unit = f.Choice("unit", kFetchUnits, 0);
                    f.Finish();
                    fetch = fe;
                    units.varFetch = fe.unit;
                } else {
                    fetchText = ws.Number("fetch");
                    units.fetch = ws.Choice("unit", kFetchUnits, 0);
                }
            } else if (ws.Has("height") && !timed) {
                waveChoice = kKnownWaveHeight;
                waveText = ws.Number("height");
                units.waveHeight = ws.Choice("unit", kHeightUnits, 0);
            } else {
                Fail("wind.waves", timed ? "expected \"from wind\" or a fetch"
                                         : "expected \"from wind\", a fetch or a height");
            }
            ws.Finish();
        }
    }

    if (!timed) {
        ConstantWindEntries e;
        e.speed = s.Number("speed");
        e.direction = s.Number("direction");
        units.speed = s.Choice("unit", kSpeedUnits, 0);
        e.units = units;
        e.waveChoice = waveChoice;
        e.fetch = fetchText;
        e.waveHeight = waveText;
        Apply(ConstantWindDialogOK(doc, e), "wind", shown);
    } else {
        units.varSpeed = s.Choice("unit", kSpeedUnits, 0);
        units.varWaveHeight = s.Choice("waveHeightUnit", kHeightUnits, 0);
        const json& list = s.Get("records");
        if (!list.is_array()) Fail("wind.records", "expected an array of wind records");
        WindRecordList records(doc);
        for (size_t i = 0; i < list.size(); ++i) {
            std::string path = "wind.records[" + std::to_string(i) + "]";
            Section r(list[i], path);
            WindRecordRow row;
            row.when = DayAndHourOf(r.Time("time"));
            row.speed = r.Number("speed");
            row.direction = r.Number("direction");
            row.waveHeight = r.Number("waveHeight");
            r.Finish();
            DialogResult added;
            records.Add(row, units.varSpeed, units.varWaveHeight, added);
            if (!added.accepted) throw LoadRefusal{path, added.messages.front()};
        }
        if (fetch) Apply(FetchDialogOK(doc, *fetch), "wind.waves.fetch", shown);
        VariableWindEntries e;
        e.rows = records.Rows();
        e.units = units;
        e.waveChoice = waveChoice;
        Apply(VariableWindDialogOK(doc, e), "wind", shown);
    }
    if (s.Has("uncertainty")) {
        Section u(s.Get("uncertainty"), "wind.uncertainty");
        std::string speed = u.Number("speed");
        int unit = u.Choice("unit", kSpeedUnits, 0);
        u.Finish();
        Apply(WindUncertaintyDialogOK(doc, speed, unit), "wind.uncertainty", shown);
    }
    s.Finish();
}

// The leaking tank: its set-up pages as a person fills them, Step 6 taken
// from the release time. Returns the release time given.
std::time_t ReadTank(const json& j, CSpillDoc& doc, std::vector<Message>&) {
    Section s(j, "releases.tank");
    std::time_t when = s.Time("time");
    json pages = json::object();
    for (const char* step : {"step1", "step2", "step3", "step4", "step5", "step7"})
        if (s.Has(step)) pages[step] = s.Get(step);
    s.Finish();
    DayAndHour d = DayAndHourOf(when);
    pages["step6"] = {
        {"month", *(kMonthNames.begin() + (d.month - 1))}, {"day", d.day}, {"hour", d.hour}};
    TankWizardEntries entries;
    try {
        ReadTankEntries(pages, entries);
    } catch (const JsonFieldError& e) {
        Fail("releases.tank", e.what());
    }
    DialogResult r = TankWizardOK(doc, entries);
    if (!r.accepted) Fail("releases.tank", r.Text());
    return when;
}

struct ReleaseTimes {
    std::optional<std::time_t> contained, instantaneous, continuous, tank;
};

void ReadReleases(const json& j, CSpillDoc& doc, std::vector<Message>& shown, ReleaseTimes& times) {
    Section s(j, "releases");
    ReleaseChecks checks;
    if (s.Has("contained")) {
        Section r(s.Get("contained"), "releases.contained");
        ContainedEntries e;
        times.contained = r.Time("time");
        e.when = DayAndHourOf(*times.contained);
        e.amount = r.Number("amount");
        e.unit = r.Choice("unit", kAmountUnits, 0);
        e.area = r.Number("area");
        e.areaUnit = r.Choice("areaUnit", kAreaUnits, 2);
        r.Finish();
        Apply(ContainedDialogOK(doc, e), r.Path(), shown);
        checks.contained = true;
    }
    if (s.Has("instantaneous")) {
        Section r(s.Get("instantaneous"), "releases.instantaneous");
        InstantaneousEntries e;
        times.instantaneous = r.Time("time");
        e.when = DayAndHourOf(*times.instantaneous);
        e.amount = r.Number("amount");
        e.unit = r.Choice("unit", kAmountUnits, 0);
        r.Finish();
        Apply(InstantaneousDialogOK(doc, e), r.Path(), shown);
        checks.instantaneous = true;
    }
    if (s.Has("continuous")) {
        Section r(s.Get("continuous"), "releases.continuous");
        ContinuousEntries e;
        times.continuous = r.Time("time");
        e.when = DayAndHourOf(*times.continuous);
        e.duration = r.Number("duration");
        e.durationUnit = r.Choice("durationUnit", kDurationUnits, 0);
        bool byAmount = r.Has("amount"), byRate = r.Has("rate");
        bool byRates = r.Has("startRate") || r.Has("endRate");
        if (byAmount + byRate + byRates != 1)
            Fail(r.Path(), "give exactly one of: an amount, a rate, or a start and an end rate");
        if (byAmount) {
            e.mode = 0;
            e.amount = r.Number("amount");
            e.amountUnit = r.Choice("unit", kAmountUnits, 0);
        } else if (byRate) {
            e.mode = 1;
            e.rate = r.Number("rate");
            e.rateUnit1 = r.Choice("rateUnit", kRateUnits, 0);
        } else {
            e.mode = 2;
            e.startRate = r.Number("startRate");
            e.endRate = r.Number("endRate");
            e.rateUnit2 = r.Choice("rateUnit", kRateUnits, 0);
        }
        r.Finish();
        Apply(ContinuousDialogOK(doc, e), r.Path(), shown);
        checks.continuous = true;
    }
    if (s.Has("tank")) {
        times.tank = ReadTank(s.Get("tank"), doc, shown);
        checks.tank = true;
    }
    if (s.Has("uncertainty"))
        Apply(AmountUncertaintyDialogOK(doc, s.Number("uncertainty")), "releases.uncertainty",
              shown);
    s.Finish();
    Apply(ReleaseDialogOK(doc, checks), "releases", shown);

    // The dialogs place a release in the year of the spill time (a January
    // release that goes with December ones in the following year); a time the
    // scenario gives in another year cannot be entered.
    auto same = [](const std::optional<std::time_t>& given, std::time_t placed, const char* path) {
        if (given && *given != placed)
            Fail(path,
                 "this time lies in another year than the other times of the scenario: "
                 "releases are entered as month, day and hour");
    };
    same(times.contained, doc.ContainedTime, "releases.contained.time");
    same(times.instantaneous, doc.InstantaneousTime, "releases.instantaneous.time");
    same(times.continuous, doc.ContinuousTime, "releases.continuous.time");
    same(times.tank, doc.TankTime, "releases.tank.time");
}

void ReadEmulsification(const json& j, CSpillDoc& doc, std::vector<Message>& shown) {
    EmulsificationEntries e;
    if (j.is_string()) {
        if (j.get<std::string>() != "default")
            Fail("emulsification", "expected \"default\" or an object");
        e.useDefault = true;
    } else {
        Section s(j, "emulsification");
        bool byPercent = s.Has("evaporated"), byHours = s.Has("hours");
        if (byPercent == byHours)
            Fail("emulsification", "give the onset as \"evaporated\" (percent) or \"hours\"");
        e.useDefault = false;
        e.unit = byPercent ? 0 : 1;
        e.value = s.Number(byPercent ? "evaporated" : "hours");
        e.uncertainty = s.Number("uncertainty");
        s.Finish();
    }
    Apply(EmulsificationDialogOK(doc, e), "emulsification", shown);
}

const std::vector<std::string> kThicknessUnits = {"mm", "cm", "inches"};
const std::vector<std::string> kBurnRateUnits = {"mm/sec", "in/sec"};
const std::vector<std::string> kPlumeTemperatureUnits = {"F", "C"};

// The operations of one sheet: an array of at most five pages, element i
// the page of slot i; null for a page not in use.
const json& OperationPages(Section& s, const char* key) {
    const json& list = s.Get(key);
    std::string path = Join(s.Path(), key);
    if (!list.is_array() || list.size() > static_cast<size_t>(kOperationSlots))
        Fail(path, "expected an array of at most 5 operations (null for a page not in use)");
    return list;
}

std::string PagePath(const char* sheet, size_t i) {
    return std::string("response.") + sheet + "[" + std::to_string(i) + "]";
}

// One sheet: its pages start as the document holds them, the pages given
// are read by `readPage` and put in use, the sheet is closed with OK, and
// each page's time must be the one the sheet placed in the calendar.
template <class Pages, class ReadPage, class SheetOK>
void ReadSheet(Section& s, const char* sheet, Pages pages, CSpillDoc& doc,
               std::vector<Message>& shown, ReadPage readPage, SheetOK sheetOK,
               const std::array<std::time_t, kOperationSlots>& placed) {
    const json& list = OperationPages(s, sheet);
    std::vector<std::optional<std::time_t>> times(list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        pages[i].use = !list[i].is_null();
        if (list[i].is_null()) continue;
        Section p(list[i], PagePath(sheet, i));
        times[i] = p.Time("time");
        pages[i].when = DayAndHourOf(*times[i]);
        readPage(p, i, pages[i]);
        p.Finish();
    }
    int refused = 0;
    DialogResult r = sheetOK(doc, pages, &refused);
    Apply(r, r.accepted ? std::string("response.") + sheet : PagePath(sheet, refused), shown);
    for (size_t i = 0; i < times.size(); ++i)
        if (times[i] && *times[i] != placed[i])
            Fail(PagePath(sheet, i) + ".time",
                 "this time lies in another year than the spill time: operations are entered "
                 "as month, day and hour");
}

void ReadDispersant(Section& s, CSpillDoc& doc, std::vector<Message>& shown) {
    auto read = [](Section& p, size_t, DispersantPage& page) {
        page.duration = p.Number("duration");
        page.percentSprayed = p.Number("percentSprayed");
        page.percentDispersed = p.Number("percentDispersed");
    };
    ReadSheet(s, "dispersant", DispersantPagesOf(doc), doc, shown, read, DispersantSheetOK,
              doc.DispersantTime);
}

// The smoke plume inputs kept with a burn, checked as the smoke plume dialog
// checks them.
PlumeSlotValues ReadSmokePlume(Section& burn) {
    Section sp(burn.Get("smokePlume"), burn.Path() + ".smokePlume");
    auto number = [](const std::string& text) {
        return IsEmptyText(text) ? NoData : TextToDouble(text);
    };
    PlumeSlotValues v;
    v.loc = number(sp.Number("loc"));
    v.airTemperature = number(sp.Number("airTemperature"));
    v.airTemperatureUnit = sp.Choice("airTemperatureUnit", kPlumeTemperatureUnits, 0);
    v.windSpeed = number(sp.Number("windSpeed"));
    v.windUnit = sp.Choice("windUnit", kSpeedUnits, 0);
    sp.Finish();
    PageCheck check = CheckPlumeInputs(v);
    if (!check.accepted) Fail(sp.Path(), check.message);
    return v;
}

void ReadBurns(Section& s, CSpillDoc& doc, std::vector<Message>& shown) {
    std::array<std::optional<PlumeSlotValues>, kOperationSlots> plumes;
    auto read = [&plumes](Section& p, size_t i, BurnPage& page) {
        page.area = p.Number("area");
        page.areaUnit = p.Choice("areaUnit", kAreaUnits, 0);
        page.thickness = p.Number("thickness");
        page.thicknessUnit = p.Choice("thicknessUnit", kThicknessUnits, 0);
        if (p.Has("smokePlume")) plumes[i] = ReadSmokePlume(p);
    };
    ReadSheet(s, "burns", BurnPagesOf(doc), doc, shown, read, BurnSheetOK, doc.InSituBurnTime);
    for (int i = 0; i < kOperationSlots; ++i)
        if (plumes[i]) doc.plume[i] = *plumes[i];
}

void ReadCleanup(Section& s, CSpillDoc& doc, std::vector<Message>& shown) {
    auto read = [](Section& p, size_t, CleanupPage& page) {
        page.duration = p.Number("duration");
        bool byRate = p.Has("rate"), byAmount = p.Has("amount");
        if (byRate == byAmount)
            Fail(p.Path(),
                 "give either a recovery rate (\"rate\") or a recovered amount (\"amount\")");
        page.rateGiven = byRate;
        if (byRate) {
            page.rate = p.Number("rate");
            page.rateUnit = p.Choice("rateUnit", kRateUnits, 0);
        } else {
            page.amount = p.Number("amount");
            page.amountUnit = p.Choice("unit", kAmountUnits, 0);
        }
    };
    ReadSheet(s, "cleanup", CleanupPagesOf(doc), doc, shown, read, CleanupSheetOK, doc.SkimmerTime);
}

void ReadBurnRate(Section& s, CSpillDoc& doc, std::vector<Message>& shown) {
    const json& j = s.Get("burnRate");
    BurnRateEntries e;  // the default keeps the rate and unit last typed
    e.unit = doc.m_iBurnRegRateUnit;
    if (j.is_string()) {
        if (j.get<std::string>() != "default")
            Fail("response.burnRate", "expected \"default\" or an object");
        e.choice = 0;
    } else {
        Section r(j, "response.burnRate");
        e.choice = 1;
        e.rate = r.Number("rate");
        e.unit = r.Choice("unit", kBurnRateUnits, 0);
        r.Finish();
    }
    Apply(BurnRateDialogOK(doc, e), "response.burnRate", shown);
}

void ReadBeaching(Section& s, CSpillDoc& doc, std::vector<Message>& shown) {
    Section b(s.Get("beaching"), "response.beaching");
    BeachingEntries e;
    e.unit = b.Choice("unit", kAmountUnits, 0);
    if (b.Has("days")) {
        const json& days = b.Get("days");
        if (!days.is_array() || days.size() > static_cast<size_t>(kBeachingDays))
            Fail("response.beaching.days", "expected an array of at most 6 daily amounts");
        for (size_t d = 0; d < days.size(); ++d) {
            const json& v = days[d];
            if (v.is_null()) continue;
            if (v.is_number())
                e.amounts[d] = v.dump();
            else if (v.is_string())
                e.amounts[d] = v.get<std::string>();
            else
                Fail("response.beaching.days[" + std::to_string(d) + "]",
                     "expected a number or a text");
        }
    }
    b.Finish();
    Apply(BeachingDialogOK(doc, e), "response.beaching", shown);
}

// The response operations, each sheet closed with OK once the releases have
// set the spill time.
void ReadResponse(const json& j, CSpillDoc& doc, std::vector<Message>& shown) {
    Section s(j, "response");
    if (s.Has("dispersant")) ReadDispersant(s, doc, shown);
    if (s.Has("burnRate")) ReadBurnRate(s, doc, shown);
    if (s.Has("burns")) ReadBurns(s, doc, shown);
    if (s.Has("cleanup")) ReadCleanup(s, doc, shown);
    if (s.Has("beaching")) ReadBeaching(s, doc, shown);
    s.Finish();
}

// The earliest time given anywhere in the scenario: the year the dialogs
// place their month, day and hour in.
std::optional<std::time_t> EarliestTime(const json& root) {
    std::optional<std::time_t> earliest;
    auto consider = [&](const json& obj) {
        if (!obj.is_object() || !obj.contains("time") || !obj.at("time").is_string()) return;
        int y, mo, d, h, mi;
        char sep;
        if (std::sscanf(obj.at("time").get<std::string>().c_str(), "%4d-%2d-%2d%c%2d:%2d", &y, &mo,
                        &d, &sep, &h, &mi) != 6)
            return;
        std::time_t t = MakeLocalTime(y, mo, d, h);
        if (!earliest || t < *earliest) earliest = t;
    };
    if (root.contains("releases") && root.at("releases").is_object())
        for (const auto& [key, value] : root.at("releases").items())
            consider(value);
    if (root.contains("wind") && root.at("wind").is_object() &&
        root.at("wind").contains("records") && root.at("wind").at("records").is_array())
        for (const json& r : root.at("wind").at("records"))
            consider(r);
    return earliest;
}

// A saved scenario ({"document": ...}): the document's values as they are,
// then the steps of opening a saved scenario.
ScenarioLoadResult LoadSavedScenario(const json& root, CSpillDoc& doc) {
    ScenarioLoadResult result;
    if (root.size() != 1) {
        for (auto it = root.begin(); it != root.end(); ++it)
            if (it.key() != kDocumentKey) result.path = it.key();
        result.refusal = {MessageKind::Error,
                          "a saved scenario (\"document\") stands alone: it cannot be mixed "
                          "with dialog entries"};
        return result;
    }
    auto fresh = std::make_unique<SpillDocData>();
    std::string why;
    if (!ReadDocumentJson(root.at(kDocumentKey), *fresh, result.path, why)) {
        result.refusal = {MessageKind::Error, why};
        return result;
    }
    static_cast<SpillDocData&>(doc) = *fresh;
    CollectingSink opened;
    MessageSink* sink = doc.sink;
    doc.sink = &opened;
    doc.OnOpenDocument();
    doc.sink = sink;
    result.ok = true;
    result.messages = std::move(opened.messages);
    return result;
}

}  // namespace

ScenarioLoadResult LoadScenarioJson(const std::string& text, CSpillDoc& doc) {
    ScenarioLoadResult result;
    json root;
    try {
        root = json::parse(text);
    } catch (const json::exception& e) {
        // Malformed text, or a number beyond the range of a double.
        result.refusal = {MessageKind::Error, std::string("not valid JSON: ") + e.what()};
        return result;
    }
    if (root.is_object() && root.contains(kDocumentKey)) return LoadSavedScenario(root, doc);
    try {
        Section top(root, "");
        std::time_t base = EarliestTime(root).value_or(doc.SpillTime);
        auto fresh = std::make_unique<CSpillDoc>(base, doc.workDir, doc.OilLibFile());
        std::vector<Message> shown;
        ReleaseTimes times;

        if (top.Has("oil")) ReadOil(top.Get("oil"), *fresh, shown);
        if (top.Has("water")) ReadWater(top.Get("water"), *fresh, shown);
        if (top.Has("wind")) ReadWind(top.Get("wind"), *fresh, shown);
        if (top.Has("releases")) ReadReleases(top.Get("releases"), *fresh, shown, times);
        if (top.Has("emulsification")) ReadEmulsification(top.Get("emulsification"), *fresh, shown);
        if (top.Has("response")) ReadResponse(top.Get("response"), *fresh, shown);
        top.Finish();

        static_cast<SpillDocData&>(doc) = static_cast<const SpillDocData&>(*fresh);
        doc.OnNewDocument();
        result.ok = true;
        result.messages = std::move(shown);
    } catch (const LoadRefusal& r) {
        result.path = r.path;
        result.refusal = r.message;
    } catch (const json::exception& e) {
        result.refusal = {MessageKind::Error, e.what()};
    }
    return result;
}

}  // namespace ormix
