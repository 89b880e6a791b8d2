// Results to build outputs from: a synthetic run whose per-step results the
// test writes itself, and the example scenarios run with a fixed seed.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "model/weathering_model.h"
#include "scenario/calendar.h"
#include "scenario/scenario_json.h"
#include "scenario/spill_doc.h"
#include "temp_dir.h"

namespace ormix::testing {

// A model with `hours` hours of `sph` steps each: every step has released
// `released` m3, nothing removed, all of it afloat, and fresh properties.
inline std::unique_ptr<WeatheringModel> SyntheticRun(int hours, int sph, double released = 100) {
    auto m = std::make_unique<WeatheringModel>();
    m->run.numHours = hours;
    m->run.stepsPerHour = sph;
    m->run.numSteps = hours * sph;
    m->inputs.oil.rhoRef_value[0] = 900;
    m->setup.InitialOil.rho0 = 880;
    m->inputs.waterTemp = 288.15;
    for (int s = 0; s < m->run.numSteps; ++s) {
        StepResult& r = m->results.result[s];
        r.released = {released, released, released};
        r.remaining = {released, released, released};
        r.evaporated = r.dispersed = r.chemDispersed = r.burned = r.skimmed = r.beached = {0, 0, 0};
        r.density = {900, 870, 880, 880};
        r.viscosity = {3e-5, 1e-5, 2e-5, 2e-5};
        r.water = {0.5, 0.1, 0.3, 0.3};
        r.benzene = {2, 0.5, 1, 1};
    }
    return m;
}

// An example scenario of examples/scenarios (or a scenario of `folder` of
// the source tree) loaded to run with seed 1 and the starter oil library;
// diagnostics go to a temporary directory. Solve() fails when it did not load.
class ExampleRun {
public:
    explicit ExampleRun(const std::string& name, const std::string& folder = "/examples/scenarios/")
        : doc_(std::make_unique<CSpillDoc>(MakeLocalTime(2026, 1, 1, 0), dir_.Path(),
                                           std::string(ORMIX_SOURCE_DIR) + "/data/OilLib")) {
        doc_->runSeed = 1;
        const ScenarioLoadResult r = LoadScenarioJson(
            ReadFile(std::string(ORMIX_SOURCE_DIR) + folder + name + ".json"), *doc_);
        loaded_ = r.ok;
        EXPECT_TRUE(r.ok) << name << ": " << r.path << ": " << r.refusal.text;
        doc_->sink = &messages_;
    }
    bool Loaded() const { return loaded_; }
    bool Solve() { return loaded_ && doc_->Solve(); }
    CSpillDoc& Doc() { return *doc_; }

private:
    TempDir dir_;
    CollectingSink messages_;
    std::unique_ptr<CSpillDoc> doc_;
    bool loaded_ = false;
};

// Compares `actual` with the golden text tests/data/golden/NAME. With
// ORMIX_UPDATE_GOLDEN set in the environment the file is written instead
// (read it through before committing it).
inline void ExpectGolden(const std::string& actual, const std::string& name) {
    const std::string path = std::string(ORMIX_SOURCE_DIR) + "/tests/data/golden/" + name;
    if (std::getenv("ORMIX_UPDATE_GOLDEN")) {
        WriteFile(path, actual);
        return;
    }
    EXPECT_EQ(actual, ReadFile(path)) << "golden text " << name;
}

}  // namespace ormix::testing
