// The person's own oils in `CustomLib`: new, edit, remove; the conversion of
// the entered values into the library's units, the checks an oil must pass
// before it is saved, and the identifiers of new oils.
//
// While a custom oil is edited its values are held in the fields of the
// `CustomLib` library object; a front end (the custom oil sheet, the command
// line) writes them there with SetEnteredText and SetEnteredNumber and then
// calls SaveCustomOil.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "oil/oil_library.h"

namespace ormix {

// ---- Identifiers -----------------------------------------------------------

// The counter of identifiers made and the processor-clock value taken at the
// first of them; they live with the scenario document.
struct CustomOilIdState {
    std::uint32_t counter = 0;
    std::uint32_t firstClock = 0;  // 0 until the first identifier
};

// "C" and 16 upper-case hexadecimal digits: the calendar time in seconds,
// then (first clock value x 65536 + counter) in 32 bits. The counter is
// raised before each use, so identifiers made within one second differ.
std::string MakeCustomOilId(CustomOilIdState& state, std::time_t now, std::clock_t processorClock);

// An identifier that no oil of the given (loaded) libraries holds yet: two
// programs started in the same second could otherwise make the same one.
std::string MakeUniqueCustomOilId(CustomOilIdState& state,
                                  const std::vector<const OilLibrary*>& libraries, std::time_t now,
                                  std::clock_t processorClock);

// ---- Entered values --------------------------------------------------------

// How a value is entered and how it is stored.
enum class EntryKind {
    Text,         // as entered
    ProductType,  // "crude" or "refined"
    OilClass,     // "group 1" .. "group 4" (crude), .. "group 5" (refined)
    CutUnits,     // "volume %" or "weight %"
    Number,       // x 1
    Percent,      // percent, stored as a fraction (x 0.01)
    Tension,      // mN/m, stored in N/m (x 0.001)
    Density,      // g/cm3, stored in kg/m3 (x 1000)
    Kinematic,    // cSt, stored in m2/s (x 1e-6)
    Dynamic,      // cP, stored in kg/(m s) (x 0.001)
    Temperature,  // deg C or deg F, stored in K with 6 decimals
    PourOrFlash,  // a temperature written to the "Min" field and the "Max" field after it
};

// One value of the custom oil sheet: its key (also the key of the JSON
// record of the command line), the field it fills and its kind.
struct CustomOilItem {
    std::string key;
    int field;
    EntryKind kind;
};

const std::vector<CustomOilItem>& CustomOilItems();
const CustomOilItem* FindCustomOilItem(std::string_view key);

// The stored text of an entered number ("%g" of the scaled value, or K with
// 6 decimals); empty for a value not entered.
std::string StoredNumberText(EntryKind kind, std::optional<double> entered, TemperatureUnit unit);

// Writes an entered value into its field(s); an empty text or no number
// leaves the field(s) empty.
void SetEnteredText(TableFile& record, const CustomOilItem& item, std::string_view text);
void SetEnteredNumber(TableFile& record, const CustomOilItem& item, std::optional<double> entered,
                      TemperatureUnit unit);
// The value of a field in its entry unit, for showing it again.
std::optional<double> EnteredNumber(const TableFile& record, const CustomOilItem& item,
                                    TemperatureUnit unit);

// Limits of a single entry (a percentage from 0 to 100, a temperature above
// absolute zero, a choice among the offered texts). Returns an empty text
// when the entry is acceptable, otherwise what is wrong with it.
std::string EntryProblem(const CustomOilItem& item, double entered, TemperatureUnit unit);
std::string ChoiceProblem(const CustomOilItem& item, std::string_view text,
                          std::string_view productType);

// ---- Checks ----------------------------------------------------------------

// The checks of a custom oil, in order: 0 when the record is valid,
// otherwise the number (1 to 15) of the first check that fails.
int ValidateCustomOil(const TableFile& record);
const char* CustomOilRuleText(int rule);

// ---- Actions ---------------------------------------------------------------

inline constexpr char kSelectAnOilMessage[] =
    "Please Select an Oil\n\nNo oil has been selected in the list.";
inline constexpr char kUnableToSaveMessage[] =
    "Unable to Save Changes\n\nAn error occurred while attempting to save changes to the Custom "
    "Oil Library. Your changes were not saved.";
inline constexpr char kUnableToRemoveMessage[] =
    "Unable to Remove Oil\n\nAn error occurred while attempting to modify the Custom Oil Library. "
    "Cannot delete the oil.";
// The oil was removed from CustomLib by another program since the list was
// read.
inline constexpr char kOilGoneMessage[] =
    "The selected oil is no longer in the Custom Oil Library: another program has removed it.";
inline constexpr char kOilGoneSaveMessage[] =
    "Unable to Save Changes\n\nThe oil is no longer in the Custom Oil Library: another program "
    "has removed it. Your changes were not saved.";
inline constexpr char kOilGoneRemoveMessage[] =
    "Unable to Remove Oil\n\nThe oil is no longer in the Custom Oil Library: another program has "
    "removed it.";

enum class NewCustomOil { CopyOfLibraryOil, Blank, CopyOfCustomOil };

// Fills the fields of `custom` for a new oil: blank, a copy of the library
// oil at `position` of `oilLib`, or a copy of the custom oil at `position`;
// then writes `id` into the ID field. A negative position means no oil is
// selected. The caller then edits the fields and saves with position -1.
// (Starting from a library oil, the scenario document also forgets its
// chosen oil: position -1, texts cleared, API and first density NoData.)
bool StartNewCustomOil(OilLibrary& custom, NewCustomOil how, OilLibrary* oilLib, long position,
                       const std::string& id, MessageSink& messages);

// Reads the custom oil at `position` into the fields for editing, from the
// library as it is now even when another program has changed it since its
// list was read.
bool StartEditCustomOil(OilLibrary& custom, long position, MessageSink& messages);

// The message refusing an oil whose line would not fit in a library line
// (4095 characters), or empty.
std::string CustomOilLengthProblem(const TableFile& record);

// Checks the fields and saves them as the oil at `editPosition` (-1: a new
// oil at the end). On a failed check shows "Problem with the Input\n\n" and
// the rule's text and writes nothing. With `ids`, a new oil whose ID another
// program has just given its own oil takes a fresh one (in field 2).
bool SaveCustomOil(OilLibrary& custom, long editPosition, MessageSink& messages,
                   CustomOilIdState* ids = nullptr);

// Removes the custom oil at `position`.
bool RemoveCustomOil(OilLibrary& custom, long position, MessageSink& messages);

}  // namespace ormix
