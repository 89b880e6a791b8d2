// Scenarios for the desktop tests: new ones on a working directory of
// their own, with the starter oil library, and the example scenarios.
#pragma once

#include <memory>
#include <string>

#include "app_fixture.h"
#include "scenario/calendar.h"
#include "scenario/scenario_json.h"
#include "scenario/spill_doc.h"

namespace ormix::app::testing {

// A new scenario whose spill time is the given hour, reading the starter
// oil library; its custom oil library and diagnostic files live in `work`.
inline std::unique_ptr<CSpillDoc> NewScenario(const QTemporaryDir& work,
                                              std::time_t spill = MakeLocalTime(2026, 3, 14, 6)) {
    auto doc = std::make_unique<CSpillDoc>(spill, work.path().toStdString(),
                                           SourcePath(u"data/OilLib"_s).toStdString());
    doc->runSeed = 11;
    return doc;
}

// An example scenario of examples/scenarios, loaded from its JSON.
inline std::unique_ptr<CSpillDoc> ExampleScenario(const QTemporaryDir& work,
                                                  const std::string& name) {
    auto doc = NewScenario(work);
    const QString path = SourcePath(u"examples/scenarios/"_s + QString::fromStdString(name));
    ScenarioLoadResult r = LoadScenarioJson(ReadBytes(path).toStdString(), *doc);
    if (!r.ok) qWarning("%s: %s: %s", name.c_str(), r.path.c_str(), r.refusal.text.c_str());
    return doc;
}

// For a test class of dialogs: each test starts from a new scenario on a
// working directory of its own, and a person who answers at once. The
// class calls Renew() from its init().
struct ScenarioPerTest {
    void Renew() {
        doc.reset();
        f = std::make_unique<FakeContext>();
        work = std::make_unique<QTemporaryDir>();
        doc = NewScenario(*work);
    }
    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<CSpillDoc> doc;
    std::unique_ptr<FakeContext> f;
};

}  // namespace ormix::app::testing
