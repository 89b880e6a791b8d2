// libFuzzer target: any bytes as a JSON scenario with the bundled oil
// library. A refused one must leave the document as it was and say why; an
// accepted one must run to results (or end with a message) whose budget has
// no NaN, no amount beyond the oil released, and every drop accounted for.
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "output/scenario_summary.h"
#include "scenario/calendar.h"
#include "scenario/scenario_json.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// Where the runs' diagnostic files go: a folder of the fuzzer's own,
// removed with them when the fuzzer ends.
char workDir[] = "/tmp/ormix-fuzz-json-XXXXXX";

void RemoveWorkDir() {
    for (const char* file : {"/OrmixCore.dmp", "/OrmixInput.dmp"})
        std::remove((std::string(workDir) + file).c_str());
    rmdir(workDir);
}

// One document for the whole run (its model is large), put back to its
// first state before each input so that every input starts alike.
ormix::CSpillDoc& Doc() {
    static ormix::CSpillDoc* doc = new ormix::CSpillDoc(ormix::MakeLocalTime(2026, 1, 5, 9),
                                                        workDir, ORMIX_SOURCE_DIR "/data/OilLib");
    return *doc;
}
const ormix::SpillDocData& Pristine() {
    static ormix::SpillDocData* data = new ormix::SpillDocData(Doc());
    return *data;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TZ", "America/New_York", 1);
    tzset();
    if (!mkdtemp(workDir)) std::abort();
    std::atexit(RemoveWorkDir);
    (void)Pristine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ormix::CSpillDoc& doc = Doc();
    static_cast<ormix::SpillDocData&>(doc) = Pristine();
    const std::string text(reinterpret_cast<const char*>(data), size);

    ormix::ScenarioLoadResult r = ormix::LoadScenarioJson(text, doc);
    if (!r.ok) {
        Check(!r.refusal.text.empty());
        Check(static_cast<ormix::SpillDocData&>(doc) == Pristine());
        return 0;
    }
    (void)ormix::SummaryText(ormix::BuildScenarioSummary(doc));

    // Accepted: the run either gives results or ends with a message.
    ormix::CollectingSink messages;
    doc.sink = &messages;
    doc.runSeed = 1;
    const bool solved = doc.Solve();
    doc.sink = &ormix::DiscardMessages();
    if (!solved) {
        Check(!messages.messages.empty());
        return 0;
    }
    const ormix::WeatheringModel& m = doc.Model();
    for (int s = 0; s < m.run.numSteps; ++s) {
        const ormix::StepResult& x = m.results.result[s];
        const double released = x.released.best;
        Check(std::isfinite(released) && released >= 0);
        const double parts[] = {x.remaining.best, x.evaporated.best, x.dispersed.best,
                                x.burned.best,    x.skimmed.best,    x.beached.best};
        double sum = 0;
        for (double part : parts) {
            if (part == ormix::NoData) continue;  // an operation the scenario has not
            Check(std::isfinite(part) && part >= -1e-9 * released && part <= released * (1 + 1e-9));
            sum += part;
        }
        Check(std::fabs(sum - released) <= 1e-9 * released);
    }
    return 0;
}
