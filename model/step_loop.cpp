// The run of the weathering model: pass 0 without uncertainty and, when asked
// for, pass 1 over every uncertainty case. Each run moves every released LE
// through all time steps, applies the response removals, lets the oil
// weather in sub-steps, gathers the property statistics over the LEs and
// records the per-step results.
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <new>

#include "model/core_dump.h"
#include "model/math_calls.h"
#include "model/processes.h"
#include "model/smoothing.h"
#include "model/step_loop.h"
#include "model/weathering_model.h"
#include "model/worker_pool.h"

namespace ormix {

namespace {

using Row = double[kEvapColumns];

struct Statistic {
    double mean, upper, lower;
};

// Weighted mean and one standard deviation either side, held within the
// extremes met in the step.
Statistic Statistics(double sumWX, double sumWXX, double W, double lo, double hi,
                     MessageSink& messages) {
    double mean = sumWX / W;
    double variance = sumWXX / W - mean * mean;
    if (variance < 0) variance = 0;
    double sd = std::sqrt(variance);
    double upper = mean + sd, lower = mean - sd;
    if (lo > hi) messages.Warning("limit problem in intrinsic variables");
    if (upper > hi) upper = hi;
    if (lower > hi) lower = hi;
    if (lower < lo) lower = lo;
    if (upper < lower) upper = lower;
    if (mean > upper) mean = upper;
    if (mean < lower) mean = lower;
    return {mean, upper, lower};
}

// A removal that is negative, unset or not a number removes nothing.
double Removal(double v) {
    return (v > 0 && v != NoData) ? v : 0.0;
}

void RecordBest(Triple& t, double v) {
    t.high = t.low = t.best = v;
}

void Widen(Triple& t, double v) {
    t.high = std::max(t.high, v);
    t.low = std::min(t.low, v);
}

void RecordProperty(Quad& q, const Statistic& st, int pass) {
    if (pass == 0) {
        q = {st.upper, st.lower, st.mean, st.mean};
    } else {
        q.high = std::max(q.high, st.upper);
        q.low = std::min(q.low, st.lower);
    }
}

// The most sub-steps an LE's evaporation asks for in one time step.
constexpr int kMaxSubSteps = 20;

// What the update of one LE leaves for the sums of its step. The sums are
// added afterwards in LE order, so that they come out the same however the
// updates were shared among threads.
struct LEOutcome {
    bool oil;  // the LE held oil this step
    int subStep;
    int subSteps;
    int negativeWater;  // sub-steps whose water content came out negative
    double V, A;
    double dispersed[kMaxSubSteps];
    double evaporated[kMaxSubSteps];
};

// No row follows: an exposure that nothing lies above.
constexpr double kNoNextRow = std::numeric_limits<double>::infinity();

// The sub-step counts an LE can choose, by how fast it evaporates.
constexpr int kSubStepChoices[] = {20, 10, 6, 4};

// What one LE keeps from sub-step to sub-step and from step to step of a run
// case, so that a function met again with the same argument is not computed
// again: an LE whose water content and evaporated fraction have settled
// keeps its viscosity and the terms that follow from it.
struct LEMemo {
    DispersionMemo dispersion;
    Remembered evapFactor;  // exp(viscosity-evaporation constant x fraction evaporated)
    RememberedEmulsionFactor emulsion;
    // The evaporation-table row the LE reached in its last step: when the
    // row before it still lies below the LE's exposure, so do all earlier
    // rows, and the next step's search can start there.
    int row = 0;
};

// The values of one step that every LE update reads.
struct StepValues {
    int s, hour, k;
    bool lastHour;
    double K, oilRatio;
    // The waves at the end of every sub-step, for each choice of sub-steps.
    DispersionWaves waves[4][kMaxSubSteps];
};

class StepLoop {
public:
    StepLoop(WeatheringModel& m, const Row* table, const double* exposure, int rows,
             bool exposureRises, CoreDump* dump, WorkerPool& pool, LEOutcome* outcomes,
             LEMemo* memos)
        : m_(m),
          table_(table),
          exposure_(exposure),
          rows_(rows),
          exposureRises_(exposureRises),
          dump_(dump),
          pool_(pool),
          outcomes_(outcomes),
          memos_(memos),
          subStep_(m.deltat) {
        // The release volumes stay as they are for the whole run; hours of
        // equal volume (a steady continuous release) share one power.
        double prevVr = std::nan(""), prevFactor = 0;
        for (int h = 0; h < kHours; ++h) {
            const double Vr = m.release[h].vol;
            if (!(Vr > 100)) {
                breakingFactor_[h] = std::nan("");
                continue;
            }
            if (Vr != prevVr) {
                prevVr = Vr;
                prevFactor = math::Pow(100 / Vr, 0.2);
            }
            breakingFactor_[h] = prevFactor;
        }
    }

    void RunCase(int pass, int IV, int IW, int IB, double uv, double uw, int windCases);

private:
    void StepWaves(int s, int hour);
    void Step(int s);
    void UpdateLE(int index, const StepValues& v, LEOutcome& out) const;
    void AddToSums(int index, const LEOutcome& out, double F, StepSums& sums);
    static void UpdateOne(void* loop, int index);

    WeatheringModel& m_;
    const Row* table_;
    const double* exposure_;  // the table's first column, for the row search
    int rows_;
    bool exposureRises_;  // the exposures never fall from row to row (and are numbers)
    CoreDump* dump_;
    WorkerPool& pool_;
    LEOutcome* outcomes_;
    LEMemo* memos_;
    int subStep_;  // the evaporation sub-step most recently chosen (s)

    // The case being run.
    int pass_ = 0, IV_ = 0, IW_ = 0, IB_ = 0, windCases_ = 1;
    double uw_ = 0, volScale_ = 1;
    // Values of the current hour.
    int hourLEs_ = 0, hourCumLEs_ = 0;
    double natDispReduction_ = 0, wind_ = 0, Kem_ = 0;
    double uptakeDecay_ = 0;  // -Kem / Smax of the hour
    // State carried from step to step.
    int released_ = 0;
    double prevWaterMean_ = 0;
    double chemVolume_ = 0;
    double natDispSum_ = 0, evapSum_ = 0;
    // The step being run, for the LE updates.
    StepValues step_{};
    // Constants of the run case.
    EmulsionConstants emulsion_{};
    ViscosityConstants viscosity_{};
    double areaFactor_[kHours] = {};  // (10 / Vr)^(1/3) of each release hour
    // (100 / Vr)^0.2 of each release hour above 100 m3, by which breaking
    // waves disperse less from a large release (NaN for the other hours).
    double breakingFactor_[kHours] = {};
    // The last wave energy raised to 0.57 for the step's waves.
    double lastDe_ = std::nan(""), lastDeFactor_ = 0;
};

void StepLoop::RunCase(int pass, int IV, int IW, int IB, double uv, double uw, int windCases) {
    pass_ = pass;
    IV_ = IV;
    IW_ = IW;
    IB_ = IB;
    uw_ = uw;
    windCases_ = windCases;
    volScale_ = 1.0 + (2 * IV - 1) * uv;
    double areaScale = math::Pow(volScale_, 0.833);
    for (int i = 0; i < m_.numLEs; ++i) {
        LE& e = m_.le[i];
        e.Y = 0;
        e.visc = m_.InitialOil.visc0;
        e.rho = m_.InitialOil.rho0;
        e.evex = 0;
        e.S = 0;
        e.Vol = e.initVol * volScale_;
        for (int h = 0; h < kHours; ++h)
            e.area[h] = e.areaBase[h] * areaScale;
        memos_[i] = LEMemo{};
    }
    prevWaterMean_ = 0;
    chemVolume_ = 0;
    released_ = 0;
    emulsion_ = EmulsionConstantsFor(m_, IB, pass);
    viscosity_ = ViscosityConstantsFor(m_);
    for (int h = 0; h < kHours; ++h) {
        double Vr = m_.release[h].vol;
        areaFactor_[h] = Vr > 10 ? math::Cbrt(10.0 / Vr) : 1.0;
    }
    RunTotals& t = m_.total;
    t.evap = t.disp = t.chemDisp = t.burned = t.skimmed = t.beached = 0;

    if (dump_) dump_->Run(IV, IW, IB);
    for (int s = 0; s < m_.numSteps; ++s)
        Step(s);
}

void StepLoop::Step(int s) {
    WeatheringModel& m = m_;
    const int sph = m.stepsPerHour;
    const int hour = s / sph;
    const bool lastHour = hour >= m.numHours - 1;
    const bool contained = m.containedArea > 0;
    const int k = (s + 1) % sph;

    if (s % sph == 0) {
        hourLEs_ = m.release[hour].nLE;
        hourCumLEs_ = m.release[hour].cumLE;
        natDispReduction_ = m.response[hour].natDispReduction;
        double U = m.wind[hour].speed;
        if (IW_ == 0)
            U = std::min(U + uw_, m.maxWind);
        else
            U = std::max(U - uw_, m.minWind);
        wind_ = U;
        Kem_ = EmulsificationRateConstant(m, m.wave[hour].inputHeight, U);
        uptakeDecay_ = -Kem_ / emulsion_.Smax;
    }

    // Release and slick area: an hour's LEs enter in equal parts over its steps.
    int LEsum;
    double slick;
    if (!contained) {
        LEsum = (hourCumLEs_ - hourLEs_) + hourLEs_ * (s - sph * hour + 1) / sph;
        for (int i = released_; i < LEsum; ++i)
            m.le[i].birth = static_cast<double>(s + 1) / sph;
        double sumA = 0, sumNext = 0;
        for (int i = 0; i < LEsum; ++i) {
            sumA += m.le[i].area[hour];
            if (!lastHour) sumNext += m.le[i].area[hour + 1];
        }
        slick = lastHour ? sumA : ((sph - k) * sumA + k * sumNext) / sph;
    } else {
        LEsum = 2;
        m.le[0].birth = m.le[1].birth = 0;
        slick = m.containedArea;
    }
    released_ = LEsum;
    StepResult& res = m.result[s];
    res.slickArea = slick;

    // Without a slick there is nothing to evaporate from and no air above it.
    double K = 0, F = 0;
    if (slick > 0) {
        K = EvaporationCoefficient(wind_, m.evapConst, slick);
        F = BenzeneFactor(slick, m.gasConstant, m.waterTemp, m.airPressure);
    }
    double benz0 = F * table_[0][kEvBenz];
    if (!(benz0 >= m.MinBenzene)) benz0 = m.MinBenzene;

    RunTotals& total = m.total;
    total.vol = 0;
    total.spill = 0;
    for (int i = 0; i < LEsum; ++i) {
        total.vol += m.le[i].Vol;
        total.spill += m.le[i].initVol * volScale_;
    }

    // Response removals.
    const ResponseHour& rh = m.response[hour];
    if (chemVolume_ == 0 && rh.chemDisp > 0)
        chemVolume_ = total.vol;
    else if (rh.chemDisp == 0)
        chemVolume_ = 0;
    double Y = prevWaterMean_ < 0 ? 0 : prevWaterMean_;
    double dt = m.deltat;
    double burned = Removal(dt * rh.burn * (1 - Y));
    double skimmed = Removal(dt * rh.skim * (1 - Y));
    double beached = Removal(dt * rh.beach);
    double chem = Removal(dt * rh.chemDisp * chemVolume_);
    double sum = burned + skimmed + beached + chem;
    double oilRatio;
    if (sum > total.vol) {
        double f = total.vol / sum;
        burned *= f;
        skimmed *= f;
        beached *= f;
        chem *= f;
        oilRatio = 0;
    } else if (sum == total.vol) {
        oilRatio = 0;
    } else {
        oilRatio = 1 - sum / total.vol;
    }
    total.burned += burned;
    total.skimmed += skimmed;
    total.beached += beached;
    total.disp += chem;
    total.chemDisp += chem;

    if (dump_) dump_->Step(s, LEsum, slick, oilRatio, subStep_, total.vol);

    StepSums sums{};
    sums.rhoMin = m.waterDensity;
    sums.rhoMax = m.InitialOil.rho0;
    sums.viscMin = 1e6;
    sums.viscMax = m.InitialOil.visc0;
    sums.YMin = 1;
    sums.YMax = 0;
    sums.benz0 = benz0;
    natDispSum_ = evapSum_ = 0;
    step_.s = s;
    step_.hour = hour;
    step_.k = k;
    step_.lastHour = lastHour;
    step_.K = K;
    step_.oilRatio = oilRatio;
    StepWaves(s, hour);
    pool_.Run(LEsum, 4, &StepLoop::UpdateOne, this);
    for (int i = 0; i < LEsum; ++i)
        AddToSums(i, outcomes_[i], F, sums);

    // Property statistics over the LEs, or the previous step's values when no
    // oil is left to describe.
    if (oilRatio > 0 && total.spill > 0 && sums.oilSum / total.spill > 1e-5) {
        MessageSink& msg = m.Messages();
        Statistic rho =
            Statistics(sums.rhoAv, sums.rho2Av, sums.oilSum, sums.rhoMin, sums.rhoMax, msg);
        Statistic visc =
            Statistics(sums.viscAv, sums.visc2Av, sums.oilSum, sums.viscMin, sums.viscMax, msg);
        Statistic water = Statistics(sums.YAv, sums.Y2Av, sums.oilSum, sums.YMin, sums.YMax, msg);
        Statistic benz = Statistics(sums.benzAv, sums.benz2Av, slick, m.MinBenzene, benz0, msg);
        prevWaterMean_ = water.mean;
        if (!contained && hourLEs_ > 0) {
            // Fresh oil is still entering the water.
            rho.lower = m.InitialOil.rho0;
            visc.lower = m.InitialOil.visc0;
            water.lower = 0;
        }
        RecordProperty(res.density, rho, pass_);
        RecordProperty(res.viscosity, visc, pass_);
        RecordProperty(res.water, water, pass_);
        RecordProperty(res.benzene, benz, pass_);
    } else if (s > 0) {
        const StepResult& prev = m.result[s - 1];
        res.density = prev.density;
        res.viscosity = prev.viscosity;
        res.water = prev.water;
        res.benzene = prev.benzene;
    } else {
        double r0 = m.InitialOil.rho0, v0 = m.InitialOil.visc0;
        res.density = {r0, r0, r0, r0};
        res.viscosity = {v0, v0, v0, v0};
        res.water = {0, 0, 0, 0};
        res.benzene = {benz0, benz0, benz0, benz0};
    }

    total.disp += natDispSum_;
    total.evap += evapSum_;

    if (pass_ == 0) {
        RecordBest(res.remaining, sums.oilSum);
        RecordBest(res.released, total.spill);
        RecordBest(res.evaporated, total.evap);
        RecordBest(res.dispersed, total.disp);
        res.chemDispersed.best = total.chemDisp;
        res.burned.best = total.burned;
        res.skimmed.best = total.skimmed;
        res.beached.best = total.beached;
    } else {
        Widen(res.remaining, sums.oilSum);
        Widen(res.released, total.spill);
        Widen(res.evaporated, total.evap);
        Widen(res.dispersed, total.disp);
    }

    if (dump_) dump_->StepEnd(m, sums, slick, hour);
}

// The waves at the end of each sub-step of the step are the same for every
// LE that chooses the same number of sub-steps. Sub-steps of different
// choices that end at the same second have the same waves; and a wave
// energy met before (steady wind) gives the same factor De^0.57.
void StepLoop::StepWaves(int s, int hour) {
    int subs[4], counts[4];
    for (int c = 0; c < 4; ++c) {
        subs[c] = m_.deltat / kSubStepChoices[c];
        counts[c] = std::min(m_.deltat / subs[c], kMaxSubSteps);
        for (int j = 0; j < counts[c]; ++j) {
            const int end = (j + 1) * subs[c];
            // The same end in a choice of more sub-steps, done already.
            int from = -1, at = 0;
            for (int p = 0; p < c && from < 0; ++p)
                if (end % subs[p] == 0 && end / subs[p] <= counts[p]) {
                    from = p;
                    at = end / subs[p] - 1;
                }
            if (from >= 0) {
                step_.waves[c][j] = step_.waves[from][at];
                continue;
            }
            double th = static_cast<double>(s) * m_.deltat + end - hour * 3600.0;
            DispersionWaves& d = step_.waves[c][j];
            d.waves = WavesForDispersion(m_, hour, IW_, windCases_, th);
            const WaveCase& w = d.waves;
            if (w.Hrms > 0 && w.f_bw > 0 && w.De > 0) {
                if (w.De != lastDe_) {
                    lastDe_ = w.De;
                    lastDeFactor_ = math::Pow(w.De, 0.57);
                }
                d.DeFactor = lastDeFactor_;
            } else {
                d.DeFactor = 0.0;
            }
        }
    }
}

// The hour whose release record an LE belongs to. `birth` is the end of the
// LE's release step in hours, so an LE released in the last step of hour h
// has birth h + 1 exactly; it still belongs to hour h.
int ReleaseHourIndex(double birth) {
    int h = static_cast<int>(std::ceil(birth)) - 1;
    return h < 0 ? 0 : (h >= kHours ? kHours - 1 : h);
}

void StepLoop::UpdateOne(void* loop, int index) {
    StepLoop& self = *static_cast<StepLoop*>(loop);
    self.UpdateLE(index, self.step_, self.outcomes_[index]);
}

// Moves one LE through the step: its area and thickness, then evaporation,
// natural dispersion and water uptake in sub-steps. Touches no other LE and
// nothing shared; what the step's sums need goes into `out`.
void StepLoop::UpdateLE(int i, const StepValues& v, LEOutcome& out) const {
    const WeatheringModel& m = m_;
    LE& e = m_.le[i];
    LEMemo& memo = memos_[i];
    const int sph = m.stepsPerHour;
    const int hour = v.hour, k = v.k;

    double V = e.Vol * v.oilRatio;
    const int releaseHour = ReleaseHourIndex(e.birth);
    double Vr = m.release[releaseHour].vol;
    double A = v.lastHour ? e.area[hour] : ((sph - k) * e.area[hour] + k * e.area[hour + 1]) / sph;
    if (Vr > 10) A *= areaFactor_[releaseHour];
    if (A < e.initArea) A = e.initArea;
    double h = V / A;
    if (h < m.oil.minThickness && V > 0) {
        h = m.oil.minThickness;
        A = V / h;
    }
    out.A = A;
    out.V = V;
    out.negativeWater = 0;

    if (V == 0) {
        e.Vol = 0;
        out.oil = false;
        return;
    }
    out.oil = true;
    // The first row whose exposure is not below the LE's (the last if none).
    int row = memo.row;
    if (row > 0 && exposureRises_ && exposure_[row - 1] < e.evex) {
        // The rows before the last one reached all lie below the exposure:
        // the first row not below it lies ahead, a few rows at most.
        while (row < rows_ - 1 && exposure_[row] < e.evex)
            ++row;
    } else {
        row = static_cast<int>(std::lower_bound(exposure_, exposure_ + rows_ - 1, e.evex) -
                               exposure_);
    }
    double re = table_[row][kEvRate] * (1 - e.Y) * v.K / h;
    int choice = re > 1e-4 ? 0 : re > 5e-5 ? 1 : re > 2.222e-5 ? 2 : 3;
    int d = kSubStepChoices[choice];
    int sub = m.deltat / d;
    int n = m.deltat / sub;
    if (n > kMaxSubSteps) n = kMaxSubSteps;  // (a step is never shorter than 450 s)
    out.subStep = sub;
    out.subSteps = n;
    double natFactor = std::max(0.0, 1.0 - natDispReduction_);
    const double dtm = sub / 8.0;

    // Values that repeat from mini-step to mini-step and from sub-step to
    // sub-step are computed once (the same arguments give the same bits):
    // the evaporated share of a mini-step for a row and a rate, and through
    // the memos the viscosity terms and the wave-breaking factor.
    int shareRow = -1;
    double shareK = 0, share = 0;
    memo.dispersion.breakingFactor = breakingFactor_[releaseHour];

    for (int j = 0; j < n; ++j) {
        double E = 0;
        // One evaporation mini-step (EvaporationMiniStep) eight times, on
        // local copies of the LE's exposure and volume.
        const double kEvap = ExposureRate(v.K, h, e.Y);
        const double vol = e.Vol;
        const int lastRow = rows_ - 1;
        double evex = e.evex;
        // A new rate asks for a new share whatever the row.
        if (kEvap != shareK) {
            shareK = kEvap;
            shareRow = -1;
        }
        // The exposure whose passing moves the LE to the next row: none in
        // the last row, nor when the step is not divided.
        auto next = [&] { return n > 1 && row < lastRow ? exposure_[row] : kNoNextRow; };
        double nextExposure = next();
        for (int mini = 0; mini < 8; ++mini) {
            while (nextExposure < evex) {
                ++row;
                nextExposure = next();
            }
            evex += kEvap * dtm;
            if (row != shareRow) {
                share = EvaporatedShare(kEvap, table_[row][kEvRate], dtm);
                shareRow = row;
            }
            E += share * vol;
        }
        e.evex = evex;
        e.f_evap = std::clamp(table_[row][kEvFevap], 0.0, 1.0);
        double D =
            NaturalDispersionIn(m, v.waves[choice][j], sub, e, A, Vr, memo.dispersion) * natFactor;
        if (E + D <= V) {
            V -= E + D;
        } else {
            double f = V / (E + D);
            E *= f;
            D *= f;
            V = 0;
        }
        out.dispersed[j] = D;
        out.evaporated[j] = E;
        e.Vol = V;

        int t = static_cast<int>(static_cast<double>(v.s) * m.deltat + (j + 0.5) * sub +
                                 (1 - e.birth) * 3600.0);
        double de = EmulsifyWith(emulsion_, t, sub, Kem_, uptakeDecay_, e);
        if (de == 0) ++out.negativeWater;
        e.rho = EmulsionDensity(m, e.f_evap, e.Y);
        const double evapFactor = memo.evapFactor.Of(
            e.f_evap, [&](double f) { return math::Exp(m.oil.viscEvapConst * f); });
        RememberedEmulsionFactor& emulsion = memo.emulsion;
        if (!emulsion.Holds(e.Y, de)) emulsion = {e.Y, de, EmulsionFactor(viscosity_, e.Y, de)};
        e.visc = viscosity_.visc0 * emulsion.value * evapFactor;
    }
    memo.row = row;
    e.vp = table_[row][kEvVp];
    e.mv = table_[row][kEvMv];
    e.benz = table_[row][kEvBenz];
    out.V = V;
}

// Adds one updated LE to the step's sums, in the order of the LEs.
void StepLoop::AddToSums(int i, const LEOutcome& out, double F, StepSums& sums) {
    const LE& e = m_.le[i];
    if (out.oil) {
        subStep_ = out.subStep;
        for (int j = 0; j < out.subSteps; ++j) {
            natDispSum_ += out.dispersed[j];
            evapSum_ += out.evaporated[j];
        }
        for (int w = 0; w < out.negativeWater; ++w)
            m_.Messages().Warning("water content is negative");
        const double V = out.V;
        sums.rhoAv += V * e.rho;
        sums.rho2Av += V * e.rho * e.rho;
        sums.rhoMin = std::min(sums.rhoMin, e.rho);
        sums.rhoMax = std::max(sums.rhoMax, e.rho);
        sums.viscAv += V * e.visc;
        sums.visc2Av += V * e.visc * e.visc;
        sums.viscMin = std::min(sums.viscMin, e.visc);
        sums.viscMax = std::max(sums.viscMax, e.visc);
        sums.YAv += V * e.Y;
        sums.Y2Av += V * e.Y * e.Y;
        sums.YMin = std::min(sums.YMin, e.Y);
        sums.YMax = std::max(sums.YMax, e.Y);
        double b = std::max(e.benz * F, 1e-200);
        sums.benzAv += b * out.A;
        sums.benz2Av += b * b * out.A;
        sums.oilSum += V;
    }
    if (dump_ && i == 9) dump_->Element(i, e, out.A, step_.hour);
}

void PresenceMarks(WeatheringModel& m) {
    const StepResult& last = m.result[m.numSteps - 1];
    StepResult& first = m.result[0];
    Triple none{NoData, NoData, NoData};
    if (!(last.burned.best > 0)) first.burned = none;
    if (!(last.skimmed.best > 0)) first.skimmed = none;
    if (!(last.beached.best > 0)) first.beached = none;
    if (!(last.dispersed.best > 0 || last.dispersed.high > 0)) first.dispersed = none;
    bool water = false;
    for (int s = 0; s < m.numSteps; ++s)
        if (m.result[s].water.mean > 0) water = true;
    if (!water) first.water = {NoData, NoData, NoData, NoData};
}

void BenzeneRunningAverage(WeatheringModel& m) {
    for (int s = 1; s < m.numSteps; ++s) {
        Quad& q = m.result[s].benzene;
        const Quad& p = m.result[s - 1].benzene;
        q = {(p.high + q.high) / 2, (p.low + q.low) / 2, (p.mean + q.mean) / 2,
             (p.mean2 + q.mean2) / 2};
    }
}

}  // namespace

bool WeatheringModel::Run(bool coreDump) {
    return RunWithThreads(*this, coreDump, WorkerPool::DefaultThreads());
}

bool RunWithThreads(WeatheringModel& m, bool coreDump, int threads) {
    if (m.numSteps < 1 || m.numSteps > kMaxSteps) return false;

    int rows = std::clamp(m.evap.rows, 1, kMaxEvapRows);
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
            table[r][c] = m.evap.row[r][c];
        exposure[r] = m.evap.row[r][kEvEx];
    }

    for (int i = 0; i < m.numLEs; ++i)
        for (int h = 0; h < kHours; ++h)
            m.le[i].areaBase[h] = m.le[i].area[h];

    bool exposureRises = true;
    for (int r = 1; r < rows; ++r)
        if (!(exposure[r] >= exposure[r - 1])) exposureRises = false;
    if (rows > 0 && std::isnan(exposure[0])) exposureRises = false;

    std::unique_ptr<CoreDump> dump;
    if (coreDump) {
        dump = std::make_unique<CoreDump>(m.DumpPath("OrmixCore.dmp"));
        if (!dump->Ok()) {
            m.Messages().Error("Core: Cannot create dump file");
            return false;
        }
    }

    WorkerPool pool(threads);
    StepLoop loop(m, table.get(), exposure.get(), rows, exposureRises, dump.get(), pool,
                  outcomes.get(), memos.get());
    loop.RunCase(0, 0, 0, 0, 0.0, 0.0, 1);

    int volCases = 1, windCases = 1, emulCases = 1;
    if (m.volFlag || m.windFlag || m.emulFlag) {
        // An uncertainty that is asked for but not given counts as none.
        double uv = m.volFlag && m.volUnc > 0 ? m.volUnc / 100.0 : 0.0;
        double uw = m.windFlag && m.windUnc > 0 ? m.windUnc : 0.0;
        volCases = m.volFlag + 1;
        windCases = m.windFlag + 1;
        emulCases = m.emulFlag + 1;
        for (int IV = 0; IV <= m.volFlag; ++IV)
            for (int IW = 0; IW <= m.windFlag; ++IW)
                for (int IB = 0; IB <= m.emulFlag; ++IB)
                    loop.RunCase(1, IV, IW, IB, uv, uw, windCases);
    }

    PresenceMarks(m);
    SmoothResults(m, m.numSteps, volCases, windCases, emulCases);
    BenzeneRunningAverage(m);
    if (dump) dump->Finish();
    return true;
}

}  // namespace ormix
