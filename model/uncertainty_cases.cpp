// The uncertainty cases of a run, side by side, and their entry into the
// results in their order.
#include <thread>

#include "model/run_case.h"

namespace ormix {

// Enters one uncertainty case into the results, as if it had been run
// after the cases before it: its envelope widens the results, a step
// without oil repeats the step before as it stands by then.
void EnterCase(WeatheringModel& m, const CaseRecord& record) {
    for (int s = 0; s < m.numSteps; ++s) {
        const CaseStep& c = record.steps[s];
        StepResult& res = m.result[s];
        res.slickArea = c.slickArea;
        switch (c.properties) {
            case CaseProperties::Statistics:
                RecordProperty(res.density, c.rho, 1);
                RecordProperty(res.viscosity, c.visc, 1);
                RecordProperty(res.water, c.water, 1);
                RecordProperty(res.benzene, c.benz, 1);
                break;
            case CaseProperties::Previous: {
                const StepResult& prev = m.result[s - 1];
                res.density = prev.density;
                res.viscosity = prev.viscosity;
                res.water = prev.water;
                res.benzene = prev.benzene;
                break;
            }
            case CaseProperties::Initial: {
                double r0 = m.InitialOil.rho0, v0 = m.InitialOil.visc0, b0 = c.benz0;
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

bool UncertaintyCases::Run(int threads, int firstSubStep) {
    WeatheringModel& m = m_;
    // An uncertainty that is asked for but not given counts as none.
    uv_ = m.volFlag && m.volUnc > 0 ? m.volUnc / 100.0 : 0.0;
    uw_ = m.windFlag && m.windUnc > 0 ? m.windUnc : 0.0;
    windCases_ = m.windFlag + 1;
    try {
        for (int IV = 0; IV <= m.volFlag; ++IV)
            for (int IW = 0; IW <= m.windFlag; ++IW)
                for (int IB = 0; IB <= m.emulFlag; ++IB) {
                    cases_.emplace_back();
                    cases_.back().IV = IV;
                    cases_.back().IW = IW;
                    cases_.back().IB = IB;
                    cases_.back().steps.resize(m.numSteps);
                    cases_.back().wet.resize(m.numLEs);
                    cases_.back().last.resize(m.numLEs);
                }
        const int n = std::clamp(threads, 1, static_cast<int>(cases_.size()));
        workers_.resize(n);
        for (Worker& w : workers_) {
            w.le.reset(new LE[std::max(m.numLEs, 1)]);
            w.outcomes.reset(new LEOutcome[std::max(m.numLEs, 1)]);
            w.memos.reset(new LEMemo[std::max(m.numLEs, 1)]);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }

    std::vector<std::thread> helpers;
    for (int w = 1; w < static_cast<int>(workers_.size()); ++w) {
        try {
            helpers.emplace_back([this, w] { Work(w); });
        } catch (const std::system_error&) {
            break;  // the cases are shared among the threads that started
        }
    }
    Work(0);
    for (std::thread& t : helpers)
        t.join();
    if (failed_) return false;

    // Enter the cases in their order, filling in what each leaves open.
    const int les = m.numLEs;
    std::vector<CarriedValues> carried(les);
    for (int i = 0; i < les; ++i) {
        const LE& e = m.le[i];
        carried[i] = {e.f_evap, e.vp, e.benz, e.mv};
    }
    int subStep = firstSubStep;
    for (const CaseRecord& c : cases_) {
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
    }

    // The model's LEs and budget end as the last case left them.
    const CaseRecord& last = cases_.back();
    const LE* finalLEs = nullptr;
    for (const Worker& w : workers_)
        if (w.lastCase == static_cast<int>(cases_.size()) - 1) finalLEs = w.le.get();
    std::copy(finalLEs, finalLEs + les, m.le);
    for (int i = 0; i < les; ++i) {
        LE& e = m.le[i];
        e.f_evap = carried[i].f_evap;
        e.vp = carried[i].vp;
        e.benz = carried[i].benz;
        e.mv = carried[i].mv;
    }
    m.total = last.total;
    return true;
}

void UncertaintyCases::Work(int worker) {
    Worker& w = workers_[worker];
    StepLoop loop(m_, table_, exposure_, rows_, exposureRises_, dump_, w.le.get(), w.outcomes.get(),
                  w.memos.get());
    WorkerPool one(1);
    loop.Use(one, nullptr);
    for (;;) {
        const int c = next_.fetch_add(1);
        if (c >= static_cast<int>(cases_.size())) return;
        try {
            loop.RunRecordedCase(cases_[c], uv_, uw_, windCases_);
        } catch (const std::bad_alloc&) {
            failed_ = true;  // a case without its messages or dump
            return;
        }
        w.lastCase = c;
    }
}

}  // namespace ormix
