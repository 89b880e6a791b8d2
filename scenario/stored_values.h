// What a scenario may hold when it comes from a file rather than from the
// dialogs: the times a scenario file can store, and the values the dialogs
// can have stored. A scenario file and the saved JSON form are checked
// against both when they are opened, so that a run never starts from a value
// no dialog could have entered (a water temperature of 1e300, a wind speed
// that is not a number).
#pragma once

#include <ctime>
#include <string>

#include "scenario/spill_doc.h"

namespace ormix {

// Whether a time fits the scenario file's unsigned 32-bit count of seconds
// since 1970-01-01 00:00 UTC (up to February 2106).
bool FitsScenarioFile(std::time_t t);

// The refusal of a time a scenario file cannot hold: "the time NAME
// (2107-03-14 06:00) lies outside 1970 to 2106, the years a scenario file can
// hold", or without a name "the time 2107-03-14 06:00 lies outside ...".
std::string TimeOutsideScenarioFile(std::time_t t, const std::string& name = "");

// How many unit codes each kind of field of the input records lists; the
// codes run from 1.
namespace unit_codes {
inline constexpr int kSpeed = 3;        // mph, knots, m/s
inline constexpr int kTemperature = 2;  // deg F, deg C
inline constexpr int kHeight = 2;       // m, ft
inline constexpr int kFetch = 2;        // miles, km
inline constexpr int kVolume = 5;       // bbl, gal, m3, tons, metric tons
inline constexpr int kArea = 3;         // ft2, yd2, m2
inline constexpr int kRate = 6;         // bbl/h, gal/h, m3/h, tons/h, metric tons/h, gal/min
inline constexpr int kTankVolume = 4;   // bbl, gal, m3, ft3
inline constexpr int kHole = 4;         // m, cm, ft, in (and their squares)
inline constexpr int kEmulsion = 2;     // percent, hours
inline constexpr int kThickness = 3;    // mm, cm, in
inline constexpr int kBurnRate = 2;     // mm/s, in/s
}  // namespace unit_codes

// The refusal of a unit code that is none of the codes 1 to `count` of its
// field ("the unit code 7 is none of 1 to 2"); empty for a listed code. A
// fill operation stops at such a code, so no run may start from one.
std::string UnitCodeProblem(int code, int count);

// The first value of `d` that no dialog can have stored, or a time that a
// scenario file cannot hold: `field` names it as the saved scenario names it
// ("InputWater.temperature", "windRecords[3].m_tVarWindTime") and `why` says
// what is wrong with it ("1e+300 is refused by the water dialog: Sorry, ...").
// False when every value is one the dialogs can store.
bool FindUnstorableValue(const SpillDocData& d, std::string& field, std::string& why);

}  // namespace ormix
