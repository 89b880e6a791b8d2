#include "oil/custom_oil.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdio>

#include "core/constants.h"

namespace ormix {

namespace {

using namespace oilfield;

std::vector<CustomOilItem> BuildItems() {
    std::vector<CustomOilItem> items = {
        {"name", kOilName, EntryKind::Text},
        {"location", kLocation, EntryKind::Text},
        {"fieldName", kFieldName, EntryKind::Text},
        {"synonyms", kSynonyms, EntryKind::Text},
        {"reference", kReference, EntryKind::Text},
        {"comments", kComments, EntryKind::Text},
        {"productType", kProductType, EntryKind::ProductType},
        {"oilClass", kOilClass, EntryKind::OilClass},
        {"api", kApi, EntryKind::Number},
        {"pourPoint", kPourPointMin, EntryKind::PourOrFlash},
        {"flashPoint", kFlashPointMin, EntryKind::PourOrFlash},
        {"asphaltene", kAsphaltene, EntryKind::Percent},
        {"wax", kWax, EntryKind::Percent},
        {"aromatics", kAromatics, EntryKind::Percent},
        {"emulsionWaterContent", kWaterContentEmulsion, EntryKind::Percent},
        {"emulsificationOnset", kEmulsConstantMax, EntryKind::Percent},
        {"benzene", kBenzene, EntryKind::Percent},
        {"naphthenes", kNaphthenes, EntryKind::Percent},
        {"paraffins", kParaffins, EntryKind::Percent},
        {"polars", kPolars, EntryKind::Percent},
        {"resins", kResins, EntryKind::Percent},
        {"saturates", kSaturates, EntryKind::Percent},
        {"sulphur", kSulphur, EntryKind::Percent},
        {"adhesion", kAdhesion, EntryKind::Number},
        {"nickel", kNickel, EntryKind::Number},
        {"vanadium", kVanadium, EntryKind::Number},
        {"oilWaterTension", kOilWaterTension, EntryKind::Tension},
        {"oilWaterTensionTemp", kOilWaterTensionTemp, EntryKind::Temperature},
        {"oilSeawaterTension", kOilSeawaterTension, EntryKind::Tension},
        {"oilSeawaterTensionTemp", kOilSeawaterTensionTemp, EntryKind::Temperature},
    };
    auto points = [&](const char* key, int count, int (*field)(int), EntryKind kind) {
        for (int i = 1; i <= count; ++i) {
            std::string k = key + std::to_string(i);
            items.push_back({k, field(i), kind});
            items.push_back({k + "Temp", RefTemp(field(i)), EntryKind::Temperature});
            items.push_back({k + "Weathering", Weathering(field(i)), EntryKind::Percent});
        }
    };
    points("density", kDensityPoints, Density, EntryKind::Density);
    points("kinematicViscosity", kViscosityPoints, KinematicViscosity, EntryKind::Kinematic);
    points("dynamicViscosity", kViscosityPoints, DynamicViscosity, EntryKind::Dynamic);
    items.push_back({"cutUnits", kCutUnits, EntryKind::CutUnits});
    for (int i = 1; i <= kCuts; ++i) {
        std::string k = "cut" + std::to_string(i);
        items.push_back({k + "Temp", CutVaporTemp(i), EntryKind::Temperature});
        items.push_back({k + "Percent", CutFraction(i), EntryKind::Percent});
    }
    return items;
}

double Scale(EntryKind kind) {
    switch (kind) {
        case EntryKind::Percent:
            return 0.01;
        case EntryKind::Tension:
            return 0.001;
        case EntryKind::Density:
            return 1000.0;
        case EntryKind::Kinematic:
            return 1e-6;
        case EntryKind::Dynamic:
            return 0.001;
        default:
            return 1.0;
    }
}

bool IsTemperature(EntryKind kind) {
    return kind == EntryKind::Temperature || kind == EntryKind::PourOrFlash;
}

double ToKelvin(double t, TemperatureUnit unit) {
    return unit == TemperatureUnit::Celsius ? t + 273.15 : (t - 32.0) * 5.0 / 9.0 + 273.15;
}

double FromKelvin(double k, TemperatureUnit unit) {
    return unit == TemperatureUnit::Celsius ? k - 273.15 : (k - 273.15) * 9.0 / 5.0 + 32.0;
}

bool Given(const TableFile& r, int field, int decimals) {
    return r.FieldNumber(field, decimals) != NoData;
}

// The file, the line and the reason of a failure, after the message.
std::string Detail(const OilLibrary& lib) {
    return lib.Problem().empty() ? std::string() : "\n\n(" + lib.Problem() + ")";
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

std::string MakeCustomOilId(CustomOilIdState& state, std::time_t now, std::clock_t processorClock) {
    if (state.firstClock == 0) state.firstClock = static_cast<std::uint32_t>(processorClock);
    ++state.counter;
    std::uint32_t second = state.firstClock * 65536u + state.counter;
    char buf[32];
    std::snprintf(buf, sizeof buf, "C%08lX%08lX",
                  static_cast<unsigned long>(static_cast<std::uint32_t>(now)),
                  static_cast<unsigned long>(second));
    return buf;
}

std::string MakeUniqueCustomOilId(CustomOilIdState& state,
                                  const std::vector<const OilLibrary*>& libraries, std::time_t now,
                                  std::clock_t processorClock) {
    for (;;) {
        std::string id = MakeCustomOilId(state, now, processorClock);
        bool used = false;
        for (const OilLibrary* lib : libraries)
            for (const OilSummary& s : lib->Summaries())
                used = used || s.oilId == id;
        if (!used) return id;
    }
}

const std::vector<CustomOilItem>& CustomOilItems() {
    static const std::vector<CustomOilItem> items = BuildItems();  // built once, never changed
    return items;
}

const CustomOilItem* FindCustomOilItem(std::string_view key) {
    for (const CustomOilItem& item : CustomOilItems())
        if (item.key == key) return &item;
    return nullptr;
}

std::string StoredNumberText(EntryKind kind, std::optional<double> entered, TemperatureUnit unit) {
    if (!entered || !std::isfinite(*entered)) return {};
    if (IsTemperature(kind)) return FormatTableNumber(ToKelvin(*entered, unit), 6);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", *entered * Scale(kind));
    return buf;
}

void SetEnteredText(TableFile& record, const CustomOilItem& item, std::string_view text) {
    record.SetFieldText(item.field, text);
}

void SetEnteredNumber(TableFile& record, const CustomOilItem& item, std::optional<double> entered,
                      TemperatureUnit unit) {
    std::string text = StoredNumberText(item.kind, entered, unit);
    record.SetFieldText(item.field, text);
    if (item.kind == EntryKind::PourOrFlash) record.SetFieldText(item.field + 1, text);
}

std::optional<double> EnteredNumber(const TableFile& record, const CustomOilItem& item,
                                    TemperatureUnit unit) {
    int field = item.kind == EntryKind::PourOrFlash ? item.field + 1 : item.field;
    double v = record.FieldNumber(field, 10);
    if (v == NoData) return std::nullopt;
    if (IsTemperature(item.kind)) return RoundToDecimals(FromKelvin(v, unit), 4);
    return v / Scale(item.kind);
}

std::string EntryProblem(const CustomOilItem& item, double entered, TemperatureUnit unit) {
    if (!std::isfinite(entered)) return "must be a number";
    // The library keeps single-precision numbers: a value beyond their range
    // would read back as no value at all.
    const double stored =
        IsTemperature(item.kind) ? ToKelvin(entered, unit) : entered * Scale(item.kind);
    if (!(std::fabs(stored) <= FLT_MAX)) {
        char limit[64];
        const double scale = IsTemperature(item.kind) ? 1.0 : Scale(item.kind);
        std::snprintf(limit, sizeof limit, "%g", FLT_MAX / scale);
        return std::string("is too large: the library keeps numbers up to ") + limit;
    }
    if (item.kind == EntryKind::Percent && (entered < 0 || entered > 100))
        return "must be between 0 and 100 %";
    if (IsTemperature(item.kind) && ToKelvin(entered, unit) <= 0)
        return "must be above absolute zero";
    if ((item.kind == EntryKind::Density || item.kind == EntryKind::Kinematic ||
         item.kind == EntryKind::Dynamic || item.kind == EntryKind::Tension) &&
        entered <= 0)
        return "must be greater than 0";
    return {};
}

std::string ChoiceProblem(const CustomOilItem& item, std::string_view text,
                          std::string_view productType) {
    switch (item.kind) {
        case EntryKind::ProductType:
            if (text != "crude" && text != "refined") return "must be \"crude\" or \"refined\"";
            return {};
        case EntryKind::OilClass: {
            int last = productType == "refined" ? 5 : 4;
            for (int g = 1; g <= last; ++g)
                if (text == "group " + std::to_string(g)) return {};
            return "must be \"group 1\" to \"group " + std::to_string(last) + "\" for a " +
                   (last == 5 ? "refined product" : "crude");
        }
        case EntryKind::CutUnits:
            if (text != "volume %" && text != "weight %")
                return "must be \"volume %\" or \"weight %\"";
            return {};
        default:
            return {};
    }
}

int ValidateCustomOil(const TableFile& r) {
    std::string_view name = r.FieldText(kOilName);
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    if (name.empty()) return 1;  // no name, or blanks only
    if (name.front() == ',') return 2;

    double api = r.FieldNumber(kApi, 2);
    double rho = r.FieldNumber(Density(1), 6);
    if (api == NoData && rho == NoData) return 3;
    if (api != NoData && (api < 6.0 || api > 100.0)) return 4;
    if (rho != NoData) {
        double g = RoundToDecimals(rho * 0.001, 4);
        if (g < 0.61 || g > 1.03) return 5;
        if (!Given(r, RefTemp(Density(1)), 4)) return 6;
    }

    double kv = r.FieldNumber(KinematicViscosity(1), 10);
    double dv = r.FieldNumber(DynamicViscosity(1), 10);
    if (kv == NoData && dv == NoData) return 7;
    if (kv != NoData) {
        double cSt = RoundToDecimals(kv * 1e6, 2);
        if (!(cSt > 0 && cSt <= 1e6)) return 8;
        if (!Given(r, RefTemp(KinematicViscosity(1)), 4)) return 9;
    } else {
        double cP = RoundToDecimals(dv * 1000.0, 2);
        if (!(cP > 0 && cP <= 1e6)) return 10;
        if (!Given(r, RefTemp(DynamicViscosity(1)), 4)) return 11;
    }

    auto hasTemp = [&](int i) { return Given(r, CutVaporTemp(i), 2); };
    auto hasFraction = [&](int i) { return Given(r, CutFraction(i), 4); };
    if (Lower(r.FieldText(kProductType)) == "refined")
        for (int i = 1; i <= 3; ++i)
            if (!hasTemp(i) || !hasFraction(i)) return 12;
    int last = 0;
    for (int i = 1; i <= kCuts; ++i) {
        if (hasTemp(i) != hasFraction(i)) return 13;
        if (hasTemp(i)) last = i;
    }
    if (last == 0) return 0;
    double f = r.FieldNumber(CutFraction(last), 4);
    double t = r.FieldNumber(CutVaporTemp(last), 2);
    if (!(f >= 0.9 || t >= 548.0)) return 14;
    // Every earlier cut must be there (the run reads the cuts up to the first
    // missing one) and lie strictly below the one after it.
    for (int i = last - 1; i >= 1; --i) {
        if (!hasTemp(i)) return 15;
        double fi = r.FieldNumber(CutFraction(i), 4);
        double ti = r.FieldNumber(CutVaporTemp(i), 2);
        if (!(fi < f && ti < t)) return 15;
        f = fi;
        t = ti;
    }
    return 0;
}

const char* CustomOilRuleText(int rule) {
    switch (rule) {
        case 1:
            return "Please provide a name for the oil or product.";
        case 2:
            return "Please change the name of the oil or product. ORMIX cannot handle a name "
                   "beginning with a comma.";
        case 3:
            return "Please enter either (a) the API or (b) the fresh oil density. ORMIX requires, "
                   "at minimum, one of these properties.";
        case 4:
            return "Please check the API value. The API must be between 6 and 100.";
        case 5:
            return "Please check the fresh oil density value. The density must be between 0.61 "
                   "and 1.03.";
        case 6:
            return "Please enter a temperature for the fresh oil density.";
        case 7:
            return "Please enter the fresh oil viscosity. ORMIX requires this property.";
        case 8:
            return "Please check the fresh oil viscosity value. The viscosity must be between 0 "
                   "and 1,000,000 cSt.";
        case 9:
        case 11:
            return "Please enter a temperature for the fresh oil viscosity.";
        case 10:
            return "Please check the fresh oil viscosity value. The viscosity must be between 0 "
                   "and 1,000,000 cP.";
        case 12:
            return "Please enter, at minimum, 3 distillation cuts. ORMIX requires distillation "
                   "data for refined products.";
        case 13:
            return "Please check the distillation cut data. Each cut must have both a percent "
                   "and temperature value.";
        case 14:
            return "Please check the distillation cut data. The last cut must be either (a) "
                   "greater than 90%, or (b) greater than 275 degrees C (527 deg F).";
        case 15:
            return "Please check the distillation cut data. Each cut must have a larger percent "
                   "and temperature value than the previous cut.";
        default:
            return "";
    }
}

bool StartNewCustomOil(OilLibrary& custom, NewCustomOil how, OilLibrary* oilLib, long position,
                       const std::string& id, MessageSink& messages) {
    switch (how) {
        case NewCustomOil::CopyOfLibraryOil:
            if (!oilLib || position < 0) {
                messages.Error(kSelectAnOilMessage);
                return false;
            }
            if (custom.CopyRecordFrom(*oilLib, position) != kTableOk) {
                messages.Error("The selected oil could not be read from the oil library.");
                return false;
            }
            break;
        case NewCustomOil::Blank:
            custom.ClearFields();
            break;
        case NewCustomOil::CopyOfCustomOil:
            if (!StartEditCustomOil(custom, position, messages)) return false;
            break;
    }
    custom.SetFieldText(kOilId, id);
    return true;
}

bool StartEditCustomOil(OilLibrary& custom, long position, MessageSink& messages) {
    if (position < 0) {
        messages.Error(kSelectAnOilMessage);
        return false;
    }
    int rc = custom.ReadOil(position);
    if (rc == kOilGone) {
        messages.Error(kOilGoneMessage);
        return false;
    }
    if (rc != kTableOk) {
        messages.Error("The selected oil could not be read from the Custom Oil Library." +
                       Detail(custom));
        return false;
    }
    return true;
}

std::string CustomOilLengthProblem(const TableFile& record) {
    const std::size_t length = record.JoinedLine().size() + 1;  // with its line end
    if (length <= static_cast<std::size_t>(TableFile::kMaxLineLength)) return {};
    return "Problem with the Input\n\nThe oil's entries are too long to be saved: a line of the "
           "Custom Oil Library holds at most " +
           std::to_string(TableFile::kMaxLineLength) + " characters, and this oil's would take " +
           std::to_string(length) + ". Please shorten the name, the comments or another text.";
}

bool SaveCustomOil(OilLibrary& custom, long editPosition, MessageSink& messages,
                   CustomOilIdState* ids) {
    int rule = ValidateCustomOil(custom);
    if (rule != 0) {
        messages.Error(std::string("Problem with the Input\n\n") + CustomOilRuleText(rule));
        return false;
    }
    const std::string tooLong = CustomOilLengthProblem(custom);
    if (!tooLong.empty()) {
        messages.Error(tooLong);
        return false;
    }
    int rc = custom.SaveRecord(editPosition);
    // Another program gave its new oil the same ID at the same moment: this
    // one takes another (the rewrite has read the library as it is now).
    for (int tries = 0; rc == kOilIdInUse && ids && tries < 100; ++tries) {
        std::string id = MakeUniqueCustomOilId(*ids, {&custom}, std::time(nullptr), std::clock());
        custom.SetFieldText(kOilId, id);
        rc = custom.SaveRecord(editPosition);
    }
    if (rc == kTableOk) return true;
    // Otherwise the detail names the file and, where it matters, the line.
    messages.Error(rc == kOilGone ? std::string(kOilGoneSaveMessage)
                                  : kUnableToSaveMessage + Detail(custom));
    return false;
}

bool RemoveCustomOil(OilLibrary& custom, long position, MessageSink& messages) {
    if (position < 0) {
        messages.Error(kSelectAnOilMessage);
        return false;
    }
    int rc = custom.DeleteRecord(position);
    if (rc == kOilGone) {
        messages.Error(kOilGoneRemoveMessage);
        return false;
    }
    if (rc != kTableOk) {
        messages.Error(kUnableToRemoveMessage + Detail(custom));
        return false;
    }
    return true;
}

}  // namespace ormix
