// Choosing the scenario's oil from the oil library or the custom oil
// library: the checks, the texts the scenario keeps about the oil, the
// `InputOil` record of the model, the oil lists and look-ups, and the
// property display of an oil.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/inputs.h"
#include "core/messages.h"
#include "oil/oil_library.h"

namespace ormix {

inline constexpr char kCustomOilSuffix[] = " (custom oil)";
inline constexpr char kNoApiOrDensityMessage[] =
    "ORMIX requires either (a) the API or (b) the fresh oil density. There is an error in the Oil "
    "Library";
inline constexpr char kApiRangeMessage[] =
    "The API must be between 6 and 100. There is an error in the Oil Library";

// The eleven texts the scenario keeps about its oil, in the scenario's order.
// `PourPoint` is "unknown" or begins with a whole pour point in deg C and a
// blank ("-7 deg C", "-9 to -3 deg C", "-7 deg C or less").
struct OilTexts {
    std::string OilLibDate;
    std::string OilOrmixID;
    std::string OilName;
    std::string Location;
    std::string Synonyms;
    std::string ProductType;
    std::string API;
    std::string PourPoint;
    std::string FlashPoint;
    std::string Adhesion;   // g/m2 with 2 decimals; empty when not known
    std::string Aromatics;  // percent with 0 decimals; empty when not known
};

struct OilChoice {
    OilTexts texts;
    InputOil oil;
};

// Reads the library oil at `position`, checks that it has an API or a first
// density and that a given API lies within 6 and 100, and fills `out`. On a
// failed check shows the message and leaves `out` as it was.
bool ChooseLibraryOil(OilLibrary& library, long position, OilChoice& out, MessageSink& messages);

// Reads the custom oil at `position` (negative: none selected) and fills
// `out`; custom oils were checked when they were saved. The name text ends
// in " (custom oil)".
bool ChooseCustomOil(OilLibrary& custom, long position, OilChoice& out, MessageSink& messages);

// What the scenario forgets of its chosen oil when a new custom oil starts
// as a copy of a library oil: every text, and the API and first density of
// the model record (the rest stays until another oil is chosen).
void ClearChosenOil(OilTexts& texts, InputOil& oil);

// The texts and the model record of the current record of `library`.
OilTexts OilTextsOfRecord(const OilLibrary& library, bool custom);
InputOil InputOilOfRecord(const TableFile& record, std::string_view nameText);

// What the person is told when the oil library cannot be loaded (the Load
// status); empty for 0.
std::string OilLibraryLoadMessage(int status);

// ---- Lists and look-ups ----------------------------------------------------

enum class OilSort { Name, Api, PourPoint };

std::vector<const OilSummary*> SortedSummaries(const OilLibrary& library, OilSort sort,
                                               TemperatureUnit units = TemperatureUnit::Celsius);
// Oils whose name, location or ID contains `text` (case ignored).
std::vector<const OilSummary*> SearchSummaries(const std::vector<const OilSummary*>& oils,
                                               std::string_view text);
// Oils whose ID, whole name, or name before the comma is `nameOrId` (case
// and surrounding blanks ignored).
std::vector<const OilSummary*> FindOils(const OilLibrary& library, std::string_view nameOrId);

// ---- Property display ------------------------------------------------------

struct PropertyItem {
    std::string label;
    std::string value;
};

// A table of measurements; no rows when none are given.
struct PropertyTable {
    std::string heading;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

struct PropertyPage {
    std::string title;
    std::vector<PropertyItem> items;
    std::vector<PropertyTable> tables;
};

struct OilPropertyDisplay {
    std::string title;           // "Oil/Product Properties"
    std::string libraryVersion;  // "library version 1.0, 06/01/2024"
    std::vector<PropertyPage> pages;
};

// The properties of the current record of `library` in display units.
OilPropertyDisplay BuildOilPropertyDisplay(const OilLibrary& library, TemperatureUnit units);

}  // namespace ormix
