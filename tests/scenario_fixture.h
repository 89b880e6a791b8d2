// Helpers that enter a scenario through its dialogs, for the scenario tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "scenario/calendar.h"
#include "scenario/environment_dialogs.h"
#include "scenario/release_dialogs.h"
#include "scenario/spill_doc.h"
#include "scenario/wind_dialogs.h"

namespace ormix::testing {

// A new scenario whose spill time (and every other time) is the given hour.
inline std::unique_ptr<CSpillDoc> NewDoc(int year = 2026, int month = 3, int day = 14,
                                         int hour = 6) {
    auto doc = std::make_unique<CSpillDoc>(MakeLocalTime(year, month, day, hour));
    doc->runSeed = 7;
    return doc;
}

// A new scenario that reads the starter oil library.
inline std::unique_ptr<CSpillDoc> NewLibraryDoc(std::time_t spill = MakeLocalTime(2026, 1, 5, 9)) {
    return std::make_unique<CSpillDoc>(spill, ::testing::TempDir(),
                                       std::string(ORMIX_SOURCE_DIR) + "/data/OilLib");
}

inline void EnterWater(CSpillDoc& doc, const char* temperature = "15", int unit = 1) {
    WaterEntries e;
    e.temperature = temperature;
    e.temperatureUnit = unit;
    ASSERT_TRUE(WaterDialogOK(doc, e).accepted);
}

inline void EnterConstantWind(CSpillDoc& doc, const char* speed = "10", int unit = 1) {
    ConstantWindEntries e;
    e.speed = speed;
    e.direction = "270";
    e.units.speed = unit;
    ASSERT_TRUE(ConstantWindDialogOK(doc, e).accepted);
}

inline void EnterInstantaneous(CSpillDoc& doc, DayAndHour when, const char* amount = "1000",
                               int unit = 0) {
    InstantaneousEntries e;
    e.when = when;
    e.amount = amount;
    e.unit = unit;
    ASSERT_TRUE(InstantaneousDialogOK(doc, e).accepted);
}

// An oil as if chosen from a library: a medium crude.
inline void ChooseMediumCrude(CSpillDoc& doc) {
    InputOil& o = doc.inputOil;
    o = InputOil();
    std::snprintf(o.name, sizeof o.name, "%s", "Medium crude");
    std::snprintf(o.productType, sizeof o.productType, "%s", "crude");
    o.api = 30;
    o.rhoRef_value[0] = 876;
    o.rhoRef_temp[0] = 288.7;
    o.rhoRef_fevap[0] = 0;
    o.viscRef_value[0] = 2e-5;
    o.viscRef_temp[0] = 288.15;
    o.viscRef_fevap[0] = 0;
    doc.OilName = "Medium crude";
    doc.PourPoint = "unknown";
    doc.m_bOilInputPassed = true;
}

// Oil, water, wind and an instantaneous release of `amount` (in `unit`)
// at the spill time: a scenario ready to run, its files in `workDir`.
inline void EnterRunnableScenario(CSpillDoc& doc, const std::string& workDir,
                                  const char* amount = "1000", int unit = 0) {
    doc.workDir = workDir;
    ChooseMediumCrude(doc);
    EnterWater(doc);
    EnterConstantWind(doc);
    EnterInstantaneous(doc, {3, 14, 6}, amount, unit);
    ASSERT_TRUE(ReleaseDialogOK(doc, {false, true, false, false}).accepted);
}

}  // namespace ormix::testing
