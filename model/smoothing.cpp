// Result smoothing: a three-point running mean over time of the property
// results, so that the graphs do not show the step-to-step scatter of the LE
// statistics. Steps without oil are not smoothed across, and neither are
// entries marked absent (NoData): they keep their values, and their
// neighbours are smoothed only with the side that has values.
#include "model/smoothing.h"

#include <memory>
#include <new>
#include "core/formula_values.h"

namespace ormix {

namespace {

bool Absent(const Quad& q, bool four) {
    return q.high == NoData || q.low == NoData || q.mean == NoData || (four && q.mean2 == NoData);
}

Quad Mean2(const Quad& a, const Quad& b) {
    return {(a.high + b.high) / 2, (a.low + b.low) / 2, (a.mean + b.mean) / 2,
            (a.mean2 + b.mean2) / 2};
}

Quad Mean3(const Quad& a, const Quad& b, const Quad& c) {
    return {(a.high + b.high + c.high) * kThird, (a.low + b.low + c.low) * kThird,
            (a.mean + b.mean + c.mean) * kThird, (a.mean2 + b.mean2 + c.mean2) * kThird};
}

void SmoothProperty(WeatheringModel& m, Quad StepResult::*property, int n, bool four, double* w,
                    Quad* out) {
    for (int s = 0; s < n; ++s) {
        const Quad& q = m.results.result[s].*property;
        w[s] = Absent(q, four) ? 0.0 : m.results.result[s].remaining.best;
    }
    auto v = [&](int s) -> const Quad& { return m.results.result[s].*property; };
    for (int s = 0; s < n; ++s) {
        if (s == 0) {
            out[s] = w[0] * w[1] > 0 ? Mean2(v(0), v(1)) : v(0);
        } else if (s == n - 1) {
            out[s] = w[s] * w[s - 1] > 0 ? Mean2(v(s), v(s - 1)) : v(s);
        } else if (w[s - 1] * w[s] * w[s + 1] > 0) {
            out[s] = Mean3(v(s - 1), v(s), v(s + 1));
        } else if (w[s - 1] * w[s] > 0) {
            out[s] = Mean2(v(s - 1), v(s));
        } else if (w[s + 1] * w[s] > 0) {
            out[s] = Mean2(v(s + 1), v(s));
        } else {
            out[s] = v(s);
        }
    }
    for (int s = 0; s < n; ++s) {
        Quad& q = m.results.result[s].*property;
        q.high = out[s].high;
        q.low = out[s].low;
        q.mean = out[s].mean;
        if (four) q.mean2 = out[s].mean;
    }
}

}  // namespace

void SmoothResults(WeatheringModel& m, int nSteps, int volCases, int windCases, int emulCases) {
    if (nSteps < 2 || nSteps > kMaxSteps) return;
    std::unique_ptr<double[]> weights(new (std::nothrow) double[nSteps]);
    std::unique_ptr<Quad[]> smoothed(new (std::nothrow) Quad[nSteps]);
    if (!weights || !smoothed) {
        m.Messages().Error("Error: Out of Memory (smoother)");
        return;
    }
    // Four values (with the second mean) when an uncertainty was run.
    const bool four = volCases + windCases + emulCases >= 4;
    for (Quad StepResult::*p :
         {&StepResult::density, &StepResult::viscosity, &StepResult::water, &StepResult::benzene})
        SmoothProperty(m, p, nSteps, four, weights.get(), smoothed.get());
}

}  // namespace ormix
