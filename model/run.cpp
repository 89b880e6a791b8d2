// The run of the weathering model: pass 0 without uncertainty, following the
// spreading hour by hour when it goes on beside it, then, when asked for,
// every uncertainty case; then the presence marks, the smoother and the
// benzene running average. One case's step loop is in step_loop.cpp, the
// uncertainty cases side by side in uncertainty_cases.cpp.
#include "model/run.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>

#include "model/smoothing.h"
#include "model/spreading.h"
#include "model/step_loop.h"

namespace ormix {

namespace {

void PresenceMarks(WeatheringModel& m) {
    const StepResult& last = m.results.result[m.run.numSteps - 1];
    StepResult& first = m.results.result[0];
    Triple none{NoData, NoData, NoData};
    if (!(last.burned.best > 0)) first.burned = none;
    if (!(last.skimmed.best > 0)) first.skimmed = none;
    if (!(last.beached.best > 0)) first.beached = none;
    if (!(last.dispersed.best > 0 || last.dispersed.high > 0)) first.dispersed = none;
    bool water = false;
    for (int s = 0; s < m.run.numSteps; ++s)
        if (m.results.result[s].water.mean > 0) water = true;
    if (!water) first.water = {NoData, NoData, NoData, NoData};
}

void BenzeneRunningAverage(WeatheringModel& m) {
    for (int s = 1; s < m.run.numSteps; ++s) {
        Quad& q = m.results.result[s].benzene;
        const Quad& p = m.results.result[s - 1].benzene;
        q = {(p.high + q.high) / 2, (p.low + q.low) / 2, (p.mean + q.mean) / 2,
             (p.mean2 + q.mean2) / 2};
    }
}

bool Finite(const Triple& t) {
    return std::isfinite(t.high) && std::isfinite(t.low) && std::isfinite(t.best);
}
bool Finite(const Quad& q) {
    return std::isfinite(q.high) && std::isfinite(q.low) && std::isfinite(q.mean) &&
           std::isfinite(q.mean2);
}

// Whether every result of the run is a finite number. Values that the
// dialogs refuse but that a scenario file carries as it stands (a water
// uptake rate of 1e308, say) can drive a process to infinity and on to
// values that are not numbers; such a run must not show them as results.
bool ResultsAreNumbers(const WeatheringModel& m) {
    for (int s = 0; s < m.run.numSteps; ++s) {
        const StepResult& r = m.results.result[s];
        if (!(Finite(r.remaining) && Finite(r.released) && Finite(r.evaporated) &&
              Finite(r.dispersed) && Finite(r.chemDispersed) && Finite(r.burned) &&
              Finite(r.skimmed) && Finite(r.beached) && Finite(r.benzene) && Finite(r.density) &&
              Finite(r.viscosity) && Finite(r.water) && std::isfinite(r.slickArea)))
            return false;
    }
    return true;
}

// Messages of the run held back while the spreading still goes on beside
// it, and handed on after the spreading's own: in the order of a spreading
// done before the run.
class HeldMessages {
public:
    HeldMessages(WeatheringModel& m, BackgroundSpread* spread) : m_(m), spread_(spread) {
        if (spread_) {
            sink_ = m.run.sink;
            m.run.sink = &held_;
        }
    }
    ~HeldMessages() { Release(); }

    // Waits for the spreading and hands every message on.
    void Release() {
        if (!spread_) return;
        m_.run.sink = sink_;
        spread_->Finish(*sink_);
        for (const Message& message : held_.messages)
            sink_->Show(message.kind, message.text);
        spread_ = nullptr;
    }

private:
    WeatheringModel& m_;
    BackgroundSpread* spread_;
    MessageSink* sink_ = nullptr;
    CollectingSink held_;
};

}  // namespace

namespace {

bool RunCases(WeatheringModel& m, bool coreDump, int threads, BackgroundSpread* spread);

// The run that follows `spread` (null: the spreading is done).
bool RunAfterSpread(WeatheringModel& m, bool coreDump, int threads, BackgroundSpread* spread) {
    // Storage the run cannot do without (the threads' pool, the records of
    // the uncertainty cases, their entry) ends it as the storage taken
    // beforehand does: with the message and without results.
    try {
        return RunCases(m, coreDump, threads, spread);
    } catch (const std::bad_alloc&) {
        m.Messages().Error("Error: Out of Memory (Core)");
        return false;
    }
}

}  // namespace

bool RunModel(WeatheringModel& m, const ModelRunOptions& options) {
    const int threads = options.threads > 0 ? options.threads : WorkerPool::DefaultThreads();
    if (threads < 2) {
        Spread(m);
        return RunAfterSpread(m, options.coreDump, threads, nullptr);
    }
    // With two threads or more the spreading goes on beside the first pass,
    // which follows it hour by hour; results, core dump and messages are
    // those of a spreading done before the run.
    BackgroundSpread spread(m);
    return RunAfterSpread(m, options.coreDump, threads, &spread);
}

namespace {

bool RunCases(WeatheringModel& m, bool coreDump, int threads, BackgroundSpread* spread) {
    HeldMessages held(m, spread);
    m.results.dumpFailed = false;
    if (m.run.numSteps < 1 || m.run.numSteps > kMaxSteps) return false;

    int rows = std::clamp(m.setup.evap.rows, 1, kMaxEvapRows);
    std::unique_ptr<Row[]> table(new (std::nothrow) Row[rows]);
    std::unique_ptr<double[]> exposure(new (std::nothrow) double[rows]);
    std::unique_ptr<LEOutcome[]> outcomes(new (std::nothrow) LEOutcome[kMaxLEs]);
    std::unique_ptr<LEMemo[]> memos(new (std::nothrow) LEMemo[kMaxLEs]);
    if (!table || !exposure || !outcomes || !memos) {
        m.Messages().Error("Error: Out of Memory (Core)");
        return false;
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kEvapColumns; ++c)
            table[r][c] = m.setup.evap.row[r][c];
        exposure[r] = m.setup.evap.row[r][kEvEx];
    }

    bool exposureRises = true;
    for (int r = 1; r < rows; ++r)
        if (!(exposure[r] >= exposure[r - 1])) exposureRises = false;
    if (rows > 0 && std::isnan(exposure[0])) exposureRises = false;

    std::unique_ptr<CoreDump> dump;
    if (coreDump) {
        dump = std::make_unique<CoreDump>(m.DumpPath("OrmixCore.dmp"));
        if (!dump->Ok()) {
            m.results.dumpFailed = true;
            m.Messages().Error(dump->Problem());
            return false;
        }
    }

    const EvaporationLookup lookup{table.get(), exposure.get(), rows, exposureRises};
    StepLoop loop(StepLoopParts(m), lookup, dump.get(), {m.les.le, outcomes.get(), memos.get()});
    // While the spreading has a core of its own, pass 0 keeps to one.
    std::unique_ptr<WorkerPool> pool = std::make_unique<WorkerPool>(spread ? 1 : threads);
    loop.Use(*pool, spread);
    loop.RunCase(CaseIndex{}, UncertaintyFactors{});  // pass 0: no uncertainty

    int volCases = 1, windCases = 1, emulCases = 1;
    if (m.inputs.volFlag || m.inputs.windFlag || m.inputs.emulFlag) {
        pool.reset();
        UncertaintyCases cases(m, lookup, dump.get());
        const bool ran = cases.RunAll(threads, spread);
        held.Release();
        if (!ran || !cases.Enter(loop.SubStep())) {
            m.Messages().Error("Error: Out of Memory (Core)");
            return false;
        }
        volCases = m.inputs.volFlag + 1;
        windCases = m.inputs.windFlag + 1;
        emulCases = m.inputs.emulFlag + 1;
    } else {
        held.Release();
        // The areas as spread, which an uncertainty case would scale.
        for (int i = 0; i < m.les.numLEs; ++i)
            for (int h = 0; h < kHours; ++h)
                m.les.le[i].areaBase[h] = m.les.le[i].area[h];
    }

    PresenceMarks(m);
    SmoothResults(m, m.run.numSteps, volCases, windCases, emulCases);
    BenzeneRunningAverage(m);
    // A dump that could not be written is said; the results stand.
    std::string dumpMessage;
    if (dump && !dump->Finish(dumpMessage)) {
        m.results.dumpFailed = true;
        m.Messages().Error(dumpMessage);
    }
    if (!ResultsAreNumbers(m)) {
        m.Messages().Error(kResultsNotNumbers);
        return false;
    }
    return true;
}

}  // namespace

}  // namespace ormix
