#include "oil/oil_selection.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/constants.h"

namespace ormix {

namespace {

using namespace oilfield;

std::string Format(const char* format, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

// A number rounded as the library rounds, with `decimals` decimals.
std::string Fixed(double v, int decimals) {
    return FormatTableNumber(v, decimals);
}

std::string OrUnknown(std::string text, const char* missing = "unknown") {
    return text.empty() ? std::string(missing) : text;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

const char* UnitText(TemperatureUnit units) {
    return units == TemperatureUnit::Celsius ? " deg C" : " deg F";
}

// The pour point as the scenario keeps it: the whole minimum pour point in
// deg C first, then a blank.
std::string PourPointText(const OilLibrary& lib) {
    using T = TemperatureUnit;
    std::string_view marker = Trim(lib.FieldText(kPourPointMin));
    std::string b = OilLibrary::TemperatureText(lib.FieldNumber(kPourPointMax, 4), T::Celsius, 0);
    if (marker == "<" || marker == ">") {
        if (b.empty()) return "unknown";
        return b + " deg C" + (marker == "<" ? " or less" : " or more");
    }
    std::string range = lib.RangeText(kPourPointMin, kPourPointMax, T::Celsius, 0);
    return range.empty() ? "unknown" : range + " deg C";
}

// A range for the property pages: "less than ", "more than ", " to ".
std::string DisplayRange(const OilLibrary& lib, int minField, int maxField, TemperatureUnit units) {
    std::string text = lib.RangeText(minField, maxField, units, 0);
    if (text.empty()) return "unknown";
    if (text.rfind("greater than ", 0) == 0) text.replace(0, 7, "more");
    return text + UnitText(units);
}

std::string TemperatureOrUnknown(double kelvin, TemperatureUnit units) {
    std::string t = OilLibrary::TemperatureText(kelvin, units, 0);
    return t.empty() ? "unknown" : t + UnitText(units);
}

void CopyText(char* dest, size_t size, std::string_view text) {
    size_t n = std::min(text.size(), size - 1);
    if (n > 0) std::memcpy(dest, text.data(), n);  // an empty view may have no data
    std::memset(dest + n, 0, size - n);
}

// A fraction the library holds with `read` decimals, in percent with at
// least `decimals` decimals and as many more as it takes to show the
// library's value in full.
std::string PercentText(double fraction, int read, int decimals) {
    const double percent = fraction * 100.0;
    const int most = std::max(decimals, read - 2);
    auto rounded = [percent](int d) {
        const double scale = std::pow(10.0, d);
        return std::floor(percent * scale + 0.5) / scale;
    };
    const double held = rounded(most);
    int d = decimals;
    while (d < most && std::fabs(rounded(d) - held) > 0.5 * std::pow(10.0, -most))
        ++d;
    return Fixed(percent, d);
}

bool ContainsNoCase(std::string_view hay, const std::string& lowerNeedle) {
    return Lower(hay).find(lowerNeedle) != std::string::npos;
}

}  // namespace

OilTexts OilTextsOfRecord(const OilLibrary& lib, bool custom) {
    OilTexts t;
    t.OilLibDate = lib.Date();
    t.OilOrmixID = std::string(lib.FieldText(kOilId));
    t.OilName = std::string(lib.FieldText(kOilName));
    if (custom) t.OilName += kCustomOilSuffix;
    t.Location = OrUnknown(std::string(lib.FieldText(kLocation)));
    t.Synonyms = OrUnknown(std::string(lib.FieldText(kSynonyms)), "none listed");
    t.ProductType = std::string(lib.FieldText(kProductType));
    double api = lib.FieldNumber(kApi, 4);
    t.API = api == NoData ? "unknown" : Format("%.1f", api);
    t.PourPoint = PourPointText(lib);
    std::string flash = lib.RangeText(kFlashPointMin, kFlashPointMax, TemperatureUnit::Celsius, 0);
    t.FlashPoint = flash.empty() ? "unknown" : flash + " deg C";
    t.Adhesion = Fixed(lib.FieldNumber(kAdhesion, 4), 2);
    double aromatics = lib.FieldNumber(kAromatics, 6);
    t.Aromatics = aromatics == NoData ? "" : Fixed(aromatics * 100.0, 0);
    return t;
}

InputOil InputOilOfRecord(const TableFile& r, std::string_view nameText) {
    InputOil oil;
    CopyText(oil.name, sizeof oil.name, nameText);
    CopyText(oil.productType, sizeof oil.productType, r.FieldText(kProductType));
    oil.api = r.FieldNumber(kApi, 4);
    oil.asphalt = r.FieldNumber(kAsphaltene, 6);
    oil.benzene = r.FieldNumber(kBenzene, 6);
    oil.nickel = r.FieldNumber(kNickel, 4);
    oil.vanadium = r.FieldNumber(kVanadium, 4);
    oil.viscMultiplier = r.FieldNumber(kViscosityMultiplier, 4);
    oil.waterContent = r.FieldNumber(kWaterContentEmulsion, 6);
    oil.waterUptakeRate = NoData;
    oil.bullwinkle = r.FieldNumber(kEmulsConstantMax, 6);
    oil.bulltime = NoData;
    for (int i = 0; i < kDensityPoints; ++i) {
        int f = Density(i + 1);
        oil.rhoRef_value[i] = r.FieldNumber(f, 6);
        oil.rhoRef_temp[i] = r.FieldNumber(RefTemp(f), 4);
        oil.rhoRef_fevap[i] = r.FieldNumber(Weathering(f), 4);
    }
    for (int i = 0; i < kViscosityPoints; ++i) {
        int kv = KinematicViscosity(i + 1), dv = DynamicViscosity(i + 1);
        oil.viscRef_value[i] = r.FieldNumber(kv, 10);
        oil.viscRef_temp[i] = r.FieldNumber(RefTemp(kv), 4);
        oil.viscRef_fevap[i] = r.FieldNumber(Weathering(kv), 4);
        oil.dyViscRef_value[i] = r.FieldNumber(dv, 10);
        oil.dyViscRef_temp[i] = r.FieldNumber(RefTemp(dv), 4);
        oil.dyViscRef_fevap[i] = r.FieldNumber(Weathering(dv), 4);
    }
    for (int i = 0; i < kCuts; ++i) {
        oil.dist_temp[i] = r.FieldNumber(CutVaporTemp(i + 1), 4);
        oil.dist_frac[i] = r.FieldNumber(CutFraction(i + 1), 4);
    }
    oil.dist_volumeFrac = r.FieldText(kCutUnits).starts_with('w') ? 0 : 1;
    return oil;
}

void ClearChosenOil(OilTexts& texts, InputOil& oil) {
    texts = OilTexts{};
    oil.api = NoData;
    oil.rhoRef_value[0] = NoData;
}

bool ChooseLibraryOil(OilLibrary& lib, long position, OilChoice& out, MessageSink& messages) {
    if ((lib.HasSummaries() && !lib.SummaryAt(position)) || lib.ReadRecordAt(position) != 0) {
        messages.Error("The selected oil could not be read from the oil library.");
        return false;
    }
    double api = lib.FieldNumber(kApi, 4);
    if (api == NoData && lib.FieldNumber(Density(1), 6) == NoData) {
        messages.Error(kNoApiOrDensityMessage);
        return false;
    }
    if (api != NoData && (api < 6.0 || api > 100.0)) {
        messages.Error(kApiRangeMessage);
        return false;
    }
    out.texts = OilTextsOfRecord(lib, false);
    out.oil = InputOilOfRecord(lib, out.texts.OilName);
    return true;
}

bool ChooseCustomOil(OilLibrary& custom, long position, OilChoice& out, MessageSink& messages) {
    if (position < 0) {
        messages.Error("Please Select an Oil\n\nNo oil has been selected in the list.");
        return false;
    }
    if ((custom.HasSummaries() && !custom.SummaryAt(position)) ||
        custom.ReadRecordAt(position) != 0) {
        messages.Error("The selected oil could not be read from the Custom Oil Library.");
        return false;
    }
    out.texts = OilTextsOfRecord(custom, true);
    out.oil = InputOilOfRecord(custom, out.texts.OilName);
    return true;
}

std::string OilLibraryLoadMessage(int status) {
    switch (status) {
        case kTableOk:
            return {};
        case kTableNotFound:
            return "Unable to read the Oil Library\n\nORMIX cannot find the file. The oil library "
                   "file is named 'OilLib' and must be in the same directory as Ormix2.exe. For "
                   "now, a default oil and its properties will be used.";
        case kNotAnOilLibrary:
            return "Unable to read the Oil Library\n\nORMIX does not recognise the file 'OilLib' "
                   "as the oil library. You may need to replace the file or reinstall ORMIX. For "
                   "now, a default oil and its properties will be used.";
        default:
            return "Unable to read the Oil Library\n\nThere was a problem reading the oil "
                   "library. You may need to replace the 'OilLib' file or reinstall ORMIX. For "
                   "now, a default oil and its properties will be used.";
    }
}

std::vector<const OilSummary*> SortedSummaries(const OilLibrary& lib, OilSort sort,
                                               TemperatureUnit units) {
    std::vector<const OilSummary*> out;
    out.reserve(lib.Summaries().size());
    for (const OilSummary& s : lib.Summaries())
        out.push_back(&s);
    auto byName = [](const OilSummary* a, const OilSummary* b) {
        std::string la = Lower(a->name), lb = Lower(b->name);
        if (la != lb) return la < lb;
        return Lower(a->source) < Lower(b->source);
    };
    auto key = [&](const OilSummary* s) {
        if (sort == OilSort::Api) return s->apiKey;
        return units == TemperatureUnit::Celsius ? s->pourKeyC : s->pourKeyF;
    };
    std::stable_sort(out.begin(), out.end(), [&](const OilSummary* a, const OilSummary* b) {
        if (sort != OilSort::Name && key(a) != key(b)) return key(a) < key(b);
        return byName(a, b);
    });
    return out;
}

std::vector<const OilSummary*> SearchSummaries(const std::vector<const OilSummary*>& oils,
                                               std::string_view text) {
    std::string needle = Lower(Trim(text));
    std::vector<const OilSummary*> out;
    for (const OilSummary* s : oils)
        if (ContainsNoCase(s->fullName, needle) || ContainsNoCase(s->location, needle) ||
            ContainsNoCase(s->oilId, needle))
            out.push_back(s);
    return out;
}

std::vector<const OilSummary*> FindOils(const OilLibrary& lib, std::string_view nameOrId) {
    std::string wanted = Lower(Trim(nameOrId));
    std::vector<const OilSummary*> out;
    if (wanted.empty()) return out;
    for (const OilSummary& s : lib.Summaries())
        if (Lower(Trim(s.oilId)) == wanted) out.push_back(&s);
    if (!out.empty()) return out;
    for (const OilSummary& s : lib.Summaries())
        if (Lower(Trim(s.fullName)) == wanted) out.push_back(&s);
    if (!out.empty()) return out;
    for (const OilSummary& s : lib.Summaries())
        if (Lower(Trim(s.fullName.substr(0, s.fullName.find(',')))) == wanted) out.push_back(&s);
    return out;
}

OilPropertyDisplay BuildOilPropertyDisplay(const OilLibrary& lib, TemperatureUnit units) {
    OilPropertyDisplay d;
    d.title = "Oil/Product Properties";
    d.libraryVersion = "library version " + lib.Version() + ", " + lib.Date();
    auto text = [&](int field, const char* missing = "unknown") {
        return OrUnknown(std::string(lib.FieldText(field)), missing);
    };
    // A value in display units: the field, read with the decimals the
    // library keeps for it, times `scale`, with `decimals`.
    auto number = [&](int field, int read, double scale, int decimals, const char* suffix = "") {
        double v = lib.FieldNumber(field, read);
        return v == NoData ? std::string("unknown") : Fixed(v * scale, decimals) + suffix;
    };
    auto temperature = [&](int field) {
        return TemperatureOrUnknown(lib.FieldNumber(field, 4), units);
    };
    // A fraction read with `read` decimals, in percent: with `decimals`, or
    // with as many more as the library holds (a benzene content of 0.0025
    // is 0.25 %, not 0 %).
    auto percent = [&](int field, int read, int decimals, const char* suffix = "") {
        double v = lib.FieldNumber(field, read);
        return v == NoData ? std::string("unknown") : PercentText(v, read, decimals) + suffix;
    };

    PropertyPage general{"General Information", {}, {}};
    general.items = {
        {"Name", text(kOilName)},
        {"ORMIX Oil ID", text(kOilId)},
        {"Location", text(kLocation)},
        {"Field Name", text(kFieldName)},
        {"Synonyms", text(kSynonyms, "none listed")},
        {"Reference", text(kReference, "unavailable")},
        {"Product Type", text(kProductType)},
        {"Oil Class", text(kOilClass)},
        {"Comments", text(kComments, "none")},
    };

    PropertyPage properties{"Properties", {}, {}};
    properties.items = {{"API", number(kApi, 4, 1.0, 1)}};
    // A table of points: value at its temperature, and its weathering.
    auto points = [&](const char* heading, int (*field)(int), int count, int read, double scale,
                      int decimals) {
        PropertyTable t{heading, {heading, "Weathering (%)"}, {}};
        for (int i = 1; i <= count; ++i) {
            int f = field(i);
            double v = lib.FieldNumber(f, read);
            if (v == NoData) continue;
            double w = lib.FieldNumber(Weathering(f), 4);
            t.rows.push_back({Fixed(v * scale, decimals) + " at " + temperature(RefTemp(f)),
                              w == NoData ? "unknown" : PercentText(w, 4, 0)});
        }
        return t;
    };
    properties.tables = {
        points("Density (g/cm3)", Density, kDensityPoints, 6, 0.001, 4),
        points("Kinematic (cSt)", KinematicViscosity, kViscosityPoints, 10, 1e6, 2),
        points("Dynamic (cP)", DynamicViscosity, kViscosityPoints, 10, 1000.0, 2),
    };

    PropertyPage more{"More Properties", {}, {}};
    more.items = {
        {"Pour Point", DisplayRange(lib, kPourPointMin, kPourPointMax, units)},
        {"Flash Point", DisplayRange(lib, kFlashPointMin, kFlashPointMax, units)},
        {"Asphaltene Content (%)", percent(kAsphaltene, 6, 0)},
        {"Wax Content (%)", percent(kWax, 6, 0)},
        {"Aromatics (%)", percent(kAromatics, 6, 0)},
        {"Benzene (%)", percent(kBenzene, 6, 0)},
        {"Naphthenes (%)", percent(kNaphthenes, 6, 0)},
        {"Paraffins (%)", percent(kParaffins, 6, 0)},
        {"Polars (%)", percent(kPolars, 6, 0)},
        {"Resins (%)", percent(kResins, 6, 0)},
        {"Saturates (%)", percent(kSaturates, 6, 0)},
        {"Sulphur (%)", percent(kSulphur, 6, 0)},
        {"Water Content of Emulsion", percent(kWaterContentEmulsion, 6, 1, " %")},
        {"Emulsification Onset", percent(kEmulsConstantMax, 6, 1, " %")},
        {"Adhesion", number(kAdhesion, 4, 1.0, 2, " g/m2")},
        {"Nickel (ppm)", number(kNickel, 4, 1.0, 2)},
        {"Vanadium (ppm)", number(kVanadium, 4, 1.0, 2)},
    };
    auto tension = [&](int field) {
        double v = lib.FieldNumber(field, 6);
        if (v == NoData) return std::string("unknown");
        return Fixed(v * 1000.0, 2) + " at " + temperature(field + 1);
    };
    more.items.push_back({"Oil/Water Interfacial Tension (mN/m)", tension(kOilWaterTension)});
    more.items.push_back({"Oil/Seawater Interfacial Tension (mN/m)", tension(kOilSeawaterTension)});

    PropertyPage distillation{"Distillation", {}, {}};
    distillation.items = {{"Cut Units", text(kCutUnits)}};
    PropertyTable cuts{"Distillation Cuts", {"Vapor Temperature", "Fraction Distilled (%)"}, {}};
    for (int i = 1; i <= kCuts; ++i) {
        double t = lib.FieldNumber(CutVaporTemp(i), 4), f = lib.FieldNumber(CutFraction(i), 4);
        if (t == NoData && f == NoData) continue;
        cuts.rows.push_back(
            {TemperatureOrUnknown(t, units), f == NoData ? "unknown" : PercentText(f, 4, 0)});
    }
    distillation.tables.push_back(std::move(cuts));

    d.pages = {std::move(general), std::move(properties), std::move(more), std::move(distillation)};
    return d;
}

}  // namespace ormix
