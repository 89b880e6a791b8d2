// The uncertainty cases of a run, side by side, and their entry into the
// results in their order.
#include <thread>

#include "model/spreading.h"

#include "model/step_loop.h"

namespace ormix {

// Enters one uncertainty case into the results, as if it had been run
// after the cases before it: its envelope widens the results, a step
// without oil repeats the step before as it stands by then.
void EnterCase(WeatheringModel& m, const CaseRecord& record) {
    for (int s = 0; s < m.run.numSteps; ++s) {
        const CaseStep& c = record.steps[s];
        StepResult& res = m.results.result[s];
        res.slickArea = c.slickArea;
        switch (c.properties) {
            case CaseProperties::Statistics:
                RecordProperty(res.density, c.rho, 1);
                RecordProperty(res.viscosity, c.visc, 1);
                RecordProperty(res.water, c.water, 1);
                RecordProperty(res.benzene, c.benz, 1);
                break;
            case CaseProperties::Previous: {
                const StepResult& prev = m.results.result[s - 1];
                res.density = prev.density;
                res.viscosity = prev.viscosity;
                res.water = prev.water;
                res.benzene = prev.benzene;
                break;
            }
            case CaseProperties::Initial: {
                double r0 = m.setup.InitialOil.rho0, v0 = m.setup.InitialOil.visc0, b0 = c.benz0;
                res.density = {r0, r0, r0, r0};
                res.viscosity = {v0, v0, v0, v0};
                res.water = {0, 0, 0, 0};
                res.benzene = {b0, b0, b0, b0};
                break;
            }
        }
        Widen(res.remaining, c.remaining);
        Widen(res.released, c.released);
        Widen(res.evaporated, c.evaporated);
        Widen(res.dispersed, c.dispersed);
    }
}

bool UncertaintyCases::Allocate(Worker& w) {
    const int n = std::max(m_.les.numLEs, 1);
    try {
        w.le.reset(new LE[n]);
        w.outcomes.reset(new LEOutcome[n]);
        w.memos.reset(new LEMemo[n]);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool UncertaintyCases::RunAll(int threads, const BackgroundSpread* spread) {
    WeatheringModel& m = m_;
    spread_ = spread;
    const int les = m.les.numLEs;
    // An uncertainty that is asked for but not given counts as none.
    by_.uv = m.inputs.volFlag && m.inputs.volUnc > 0 ? m.inputs.volUnc / 100.0 : 0.0;
    by_.uw = m.inputs.windFlag && m.inputs.windUnc > 0 ? m.inputs.windUnc : 0.0;
    by_.windCases = m.inputs.windFlag + 1;
    try {
        for (int IV = 0; IV <= m.inputs.volFlag; ++IV)
            for (int IW = 0; IW <= m.inputs.windFlag; ++IW)
                for (int IB = 0; IB <= m.inputs.emulFlag; ++IB) {
                    CaseRecord& c = cases_.emplace_back();
                    c.IV = IV;
                    c.IW = IW;
                    c.IB = IB;
                    c.steps.resize(m.run.numSteps);
                    c.wet.resize(les);
                    c.last.resize(les);
                    c.stabilityIn.resize(les);
                    c.stabilityOut.resize(les);
                    c.onsetUsed.resize(les);
                }
        stabilityAfterPass0_.resize(les);
        done_.assign(cases_.size(), 0);
        workers_.resize(std::clamp(threads, 1, static_cast<int>(cases_.size())));
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (Worker& w : workers_)
        if (!Allocate(w)) return false;
    for (int i = 0; i < les; ++i)
        stabilityAfterPass0_[i] = m.les.le[i].stabilityTime;

    // An LE's onset time, once set, carries from case to case. Each case
    // starts from the onset times the cases ended so far have set; one that
    // proves to have read a time that an earlier case, still running, then
    // set differently is run again below.
    threads_ = threads;
    std::vector<std::thread> helpers;
    for (int w = 1; w < static_cast<int>(workers_.size()); ++w) {
        try {
            helpers.emplace_back([this, w] { Work(w); });
        } catch (const std::system_error&) {
            break;  // the cases are shared among the threads that started
        } catch (const std::bad_alloc&) {
            break;  // no memory for another thread: the same
        }
    }
    Work(0);
    for (std::thread& t : helpers)
        t.join();
    return !failed_;
}

bool UncertaintyCases::Enter(int firstSubStep) {
    WeatheringModel& m = m_;
    const int les = m.les.numLEs;

    // Enter the cases in their order, filling in what each leaves open.
    std::vector<CarriedValues> carried(les);
    for (int i = 0; i < les; ++i) {
        const LE& e = m.les.le[i];
        carried[i] = {e.f_evap, e.vp, e.benz, e.mv};
    }
    std::vector<int> stability = stabilityAfterPass0_;
    const LE* finalLEs = nullptr;
    int subStep = firstSubStep;
    auto foundRightOnsets = [&](const CaseRecord& c) {
        for (int i = 0; i < les; ++i)
            if (c.onsetUsed[i] && c.stabilityIn[i] != stability[i]) return false;
        return true;
    };
    for (int k = 0; k < static_cast<int>(cases_.size()); ++k) {
        CaseRecord& c = cases_[k];
        if (!foundRightOnsets(c)) {
            if (!again_) {
                againStorage_ = std::make_unique<Worker>();
                if (!Allocate(*againStorage_)) return false;
                again_ = againStorage_.get();
            }
            ++runAgain_;
            RunOn(*again_, k, stability);
            if (failed_) return false;
        }
        EnterCase(m, c);
        for (const Message& message : c.messages.messages)
            m.Messages().Show(message.kind, message.text);
        if (dump_) {
            LE shown{};
            if (les > 9) {
                shown.f_evap = carried[9].f_evap;
                shown.vp = carried[9].vp;
                shown.benz = carried[9].benz;
                shown.mv = carried[9].mv;
            }
            dump_->AppendCase(c.dump, subStep, shown);
        }
        if (c.subStep >= 0) subStep = c.subStep;
        for (int i = 0; i < les; ++i)
            if (c.wet[i]) carried[i] = c.last[i];
        // A case that never reached its onset leaves the onset times alone.
        for (int i = 0; i < les; ++i)
            if (c.onsetUsed[i]) stability[i] = c.stabilityOut[i];
    }

    // The model's LEs and budget end as the last case left them.
    const int lastCase = static_cast<int>(cases_.size()) - 1;
    for (const Worker& w : workers_)
        if (w.lastCase == lastCase) finalLEs = w.le.get();
    if (again_ && again_->lastCase == lastCase) finalLEs = again_->le.get();
    std::copy(finalLEs, finalLEs + les, m.les.le);
    for (int i = 0; i < les; ++i) {
        LE& e = m.les.le[i];
        e.stabilityTime = stability[i];
        e.f_evap = carried[i].f_evap;
        e.vp = carried[i].vp;
        e.benz = carried[i].benz;
        e.mv = carried[i].mv;
    }
    m.results.total = cases_.back().total;
    return true;
}

void UncertaintyCases::RunOn(Worker& w, int c, const std::vector<int>& stability) {
    StepLoop loop(StepLoopParts(m_), lookup_, dump_, {w.le.get(), w.outcomes.get(), w.memos.get()});
    WorkerPool one(1);
    loop.Use(one, spread_);
    try {
        loop.RunRecordedCase(cases_[c], by_, stability);
    } catch (const std::bad_alloc&) {
        failed_ = true;  // a case without its messages or dump
        return;
    }
    w.lastCase = c;
}

std::vector<int> UncertaintyCases::LikelyOnsets(int c) {
    std::vector<int> onsets = stabilityAfterPass0_;
    std::lock_guard<std::mutex> lock(doneMutex_);
    for (int k = 0; k < c; ++k) {
        if (!done_[k]) continue;
        const CaseRecord& r = cases_[k];
        for (size_t i = 0; i < onsets.size(); ++i)
            if (r.onsetUsed[i]) onsets[i] = r.stabilityOut[i];
    }
    return onsets;
}

void UncertaintyCases::Work(int worker) {
    Worker& w = workers_[worker];
    // While the spreading has a core of its own, the last thread waits.
    if (spread_ && worker > 0 && worker >= threads_ - 1) spread_->WaitForHours(kHours + 1);
    for (;;) {
        const int c = next_.fetch_add(1);
        if (c >= static_cast<int>(cases_.size()) || failed_) return;
        try {
            RunOn(w, c, LikelyOnsets(c));
        } catch (const std::bad_alloc&) {
            failed_ = true;
            return;
        }
        std::lock_guard<std::mutex> lock(doneMutex_);
        done_[c] = 1;
    }
}

}  // namespace ormix
