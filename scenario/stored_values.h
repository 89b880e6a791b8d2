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

// The first value of `d` that no dialog can have stored, or a time that a
// scenario file cannot hold: `field` names it as the saved scenario names it
// ("InputWater.temperature", "windRecords[3].m_tVarWindTime") and `why` says
// what is wrong with it ("1e+300 is refused by the water dialog: Sorry, ...").
// False when every value is one the dialogs can store.
bool FindUnstorableValue(const SpillDocData& d, std::string& field, std::string& why);

}  // namespace ormix
