#include "scenario/scenario_json.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>

#include "calculators/tank_json.h"
#include "calculators/tank_wizard.h"
#include "core/json_reader.h"
#include "core/scoped_value.h"
#include "oil/oil_selection.h"
#include "scenario/calendar.h"
#include "scenario/document_json.h"
#include "scenario/environment_dialogs.h"
#include "scenario/release_dialogs.h"
#include "scenario/response_dialogs.h"
#include "scenario/stored_values.h"
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
    return JsonPathOf(path, key);
}

std::string Quoted(const std::string& text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

// The messages shown on the way, each with the JSON path it concerns.
struct Shown {
    std::vector<Message> messages;
    std::vector<std::string> paths;

    void Add(const std::string& path, const std::vector<Message>& more) {
        messages.insert(messages.end(), more.begin(), more.end());
        paths.insert(paths.end(), more.size(), path);
    }
};

// An object of the scenario, read with the strict reader: its keys are
// checked against the ones read, and the reader's first fault becomes the
// load's refusal at once.
class Section {
public:
    Section(const json& j, std::string path) : r_(j, std::move(path), fault_) { Check(); }
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    const std::string& Path() const { return r_.Path(); }
    JsonObjectReader& Reader() { return r_; }
    bool Has(const char* key) { return r_.Has(key); }
    const json& Get(const char* key) { return *r_.Find(key); }
    // A field as the person typed it: numbers and texts alike; missing or
    // null is an empty field.
    std::string Text(const char* key) {
        std::string text;
        r_.TypedText(key, text);
        Check();
        return text;
    }
    // A numeric field: a number, or a text that is blank or begins with a
    // number ("15", "15 C"); a text such as "abc", which a dialog would read
    // as 0, is refused rather than run as 0.
    std::string Number(const char* key) {
        std::string text = Text(key);
        if (!IsEmptyText(text) && !BeginsWithNumber(text))
            Fail(Join(Path(), key), "expected a number, not \"" + text + "\"");
        return text;
    }
    // A choice among labels; `fallback` when missing.
    int Choice(const char* key, const std::vector<std::string>& labels, int fallback) {
        int index = fallback;
        r_.Choice(key, labels, index);
        Check();
        return index;
    }
    // An array of `fewest` to `most` elements.
    const json& List(const char* key, std::size_t fewest, std::size_t most,
                     const std::string& what) {
        r_.Array(key, fewest, most, what);
        Check();
        return Get(key);
    }
    std::time_t Time(const char* key) {
        const std::string path = Join(Path(), key);
        if (!Has(key)) Fail(path, "a time is needed (\"YYYY-MM-DD HH:00\")");
        const json& v = Get(key);
        int y, mo, d, h, mi;
        char sep;
        if (!v.is_string() ||
            std::sscanf(v.get<std::string>().c_str(), "%4d-%2d-%2d%c%2d:%2d", &y, &mo, &d, &sep, &h,
                        &mi) != 6 ||
            (sep != ' ' && sep != 'T') || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23)
            Fail(path, "expected a time \"YYYY-MM-DD HH:00\"");
        if (mi != 0) Fail(path, "times are whole hours: the minutes must be 00");
        // The calendar would move 30 February to March: a time that does not
        // exist is refused, not run at another time.
        const std::string& text = v.get_ref<const std::string&>();
        const std::string noSuch = NoSuchLocalTime(y, mo, d, h);
        if (!noSuch.empty()) Fail(path, Quoted(text) + ": " + noSuch);
        std::time_t t = MakeLocalTime(y, mo, d, h);
        if (!FitsScenarioFile(t)) Fail(path, TimeOutsideScenarioFile(t));
        return t;
    }
    // Refuses any key the section does not know.
    void Finish() {
        r_.Finish();
        Check();
    }
    // The reader's fault, if any, ends the load.
    void Check() const {
        if (fault_.Failed()) Fail(fault_.path, fault_.message);
    }

private:
    JsonFault fault_;
    JsonObjectReader r_;
};

DayAndHour DayAndHourOf(std::time_t t) {
    CalendarFields f = Fields(t);
    return {f.month, f.day, f.hour};
}

// A dialog's refusal becomes the load's refusal; its other messages are kept.
void Apply(const DialogResult& r, const std::string& path, Shown& shown) {
    if (!r.accepted) throw LoadRefusal{path, r.messages.front()};
    shown.Add(path, r.messages);
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
void ReadOil(const json& j, CSpillDoc& doc, Shown& shown) {
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

void ReadWater(const json& j, CSpillDoc& doc, Shown& shown) {
    Section s(j, "water");
    WaterEntries e;
    e.temperature = s.Number("temperature");
    e.temperatureUnit = s.Choice("unit", kTemperatureUnits, 0);
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

void ReadWind(const json& j, CSpillDoc& doc, Shown& shown) {
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
        const json& list = s.List("records", 0, SIZE_MAX, "wind records");
        WindRecordList records(doc);
        std::vector<std::time_t> given(list.size());
        for (size_t i = 0; i < list.size(); ++i) {
            std::string path = "wind.records[" + std::to_string(i) + "]";
            Section r(list[i], path);
            WindRecordRow row;
            given[i] = r.Time("time");
            row.when = DayAndHourOf(given[i]);
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
        // The dialog places each record in the scenario's year (a January
        // one after December ones in the next): a record given in another
        // year cannot be entered.
        const auto placed = doc.m_tVarWindTime.begin();
        for (size_t i = 0; i < given.size(); ++i)
            if (std::find(placed, placed + doc.m_iVarWindNumber, given[i]) ==
                placed + doc.m_iVarWindNumber)
                Fail("wind.records[" + std::to_string(i) + "].time",
                     "this time lies in another year than the other times of the scenario: "
                     "wind records are entered as month, day and hour");
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
std::time_t ReadTank(const json& j, CSpillDoc& doc, Shown&) {
    Section s(j, "releases.tank");
    std::time_t when = s.Time("time");
    TankWizardEntries entries;
    ReadTankPages(s.Reader(), entries);
    s.Finish();
    DayAndHour d = DayAndHourOf(when);
    entries.time = {d.month, d.day, d.hour};
    DialogResult r = TankWizardOK(doc, entries);
    if (!r.accepted) Fail("releases.tank", r.Text());
    return when;
}

struct ReleaseTimes {
    std::optional<std::time_t> contained, instantaneous, continuous, tank;
};

void ReadReleases(const json& j, CSpillDoc& doc, Shown& shown, ReleaseTimes& times) {
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

void ReadEmulsification(const json& j, CSpillDoc& doc, Shown& shown) {
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
    return s.List(key, 0, kOperationSlots, "at most 5 operations (null for a page not in use)");
}

std::string PagePath(const char* sheet, size_t i) {
    return std::string("response.") + sheet + "[" + std::to_string(i) + "]";
}

// One sheet: its pages start as the document holds them, the pages given
// are read by `readPage` and put in use, the sheet is closed with OK, and
// each page's time must be the one the sheet placed in the calendar.
template <class Pages, class ReadPage, class SheetOK>
void ReadSheet(Section& s, const char* sheet, Pages pages, CSpillDoc& doc, Shown& shown,
               ReadPage readPage, SheetOK sheetOK,
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

void ReadDispersant(Section& s, CSpillDoc& doc, Shown& shown) {
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

void ReadBurns(Section& s, CSpillDoc& doc, Shown& shown) {
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

void ReadCleanup(Section& s, CSpillDoc& doc, Shown& shown) {
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

void ReadBurnRate(Section& s, CSpillDoc& doc, Shown& shown) {
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

void ReadBeaching(Section& s, CSpillDoc& doc, Shown& shown) {
    Section b(s.Get("beaching"), "response.beaching");
    BeachingEntries e;
    e.unit = b.Choice("unit", kAmountUnits, 0);
    if (b.Has("days")) {
        JsonArrayReader days =
            b.Reader().Array("days", 0, kBeachingDays, "at most 6 daily amounts");
        for (size_t d = 0; d < days.Size(); ++d)
            days.TypedText(d, e.amounts[d]);
        b.Check();
    }
    b.Finish();
    Apply(BeachingDialogOK(doc, e), "response.beaching", shown);
}

// The response operations, each sheet closed with OK once the releases have
// set the spill time.
void ReadResponse(const json& j, CSpillDoc& doc, Shown& shown) {
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
    // Like a scenario file, the saved form is opened only with values the
    // dialogs can have stored and times a scenario file can hold.
    std::string field;
    if (FindUnstorableValue(*fresh, field, why)) {
        result.path = Join(kDocumentKey, field);
        result.refusal = {MessageKind::Error, why};
        return result;
    }
    static_cast<SpillDocData&>(doc) = *fresh;
    CollectingSink opened;
    {
        ScopedValue<MessageSink*> collect(doc.sink, &opened);
        doc.OnOpenDocument();
    }
    result.ok = true;
    result.messages = std::move(opened.messages);
    result.messagePaths.assign(result.messages.size(), kDocumentKey);
    return result;
}

}  // namespace

ScenarioLoadResult LoadScenarioJson(const std::string& text, CSpillDoc& doc) {
    ScenarioLoadResult result;
    json root;
    JsonFault parse;
    if (!ParseJson(text, root, parse)) {
        result.path = parse.path;
        result.refusal = {MessageKind::Error, parse.message};
        return result;
    }
    if (root.is_object() && root.contains(kDocumentKey)) return LoadSavedScenario(root, doc);
    try {
        Section top(root, "");
        std::time_t base = EarliestTime(root).value_or(doc.SpillTime);
        auto fresh = std::make_unique<CSpillDoc>(base, doc.workDir, doc.OilLibFile());
        Shown shown;
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
        result.messages = std::move(shown.messages);
        result.messagePaths = std::move(shown.paths);
    } catch (const LoadRefusal& r) {
        result.path = r.path;
        result.refusal = r.message;
    } catch (const json::exception& e) {
        result.refusal = {MessageKind::Error, e.what()};
    }
    return result;
}

std::vector<MissingInput> MissingInputsOf(const CSpillDoc& doc) {
    std::vector<MissingInput> missing;
    if (!doc.m_bOilInputPassed)
        missing.push_back({"oil",
                           "no oil is chosen; ORMIX needs to know the oil spilled (its \"name\" "
                           "or \"id\" in the oil library, or a \"custom\" oil)"});
    if (!doc.m_bWindAndWaveInputPassed)
        missing.push_back(
            {"wind", doc.m_bVarWind && doc.m_iVarWindNumber > 0
                         ? "the wind records do not reach the spill time, so no hour of the run "
                           "has a wind; ORMIX needs the winds from the first release on"
                         : "no wind is given; ORMIX needs the wind speed and direction"});
    if (!doc.m_bWaterInputPassed)
        missing.push_back({"water", "no water is given; ORMIX needs the water temperature"});
    if (!doc.m_bReleaseInputPassed)
        missing.push_back({"releases",
                           "no release is given; ORMIX needs to know how much oil is spilled and "
                           "when"});
    return missing;
}

}  // namespace ormix
