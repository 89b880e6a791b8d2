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
#include <string>
#include <thread>
#include <vector>

#include "model/core_dump.h"
#include "model/math_calls.h"
#include "model/processes.h"
#include "model/smoothing.h"
#include "model/spreading.h"
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
    bool wet = false;  // the LE has held oil in this run case
};

// What one step of an uncertainty case leaves in the results, kept so that
// cases run side by side can be entered in their order afterwards.
enum class CaseProperties { Statistics, Previous, Initial };
struct CaseStep {
    double slickArea;
    CaseProperties properties;
    Statistic rho, visc, water, benz;
    double benz0;
    double remaining, released, evaporated, dispersed;
};

// The values an LE that has held no oil in a case still shows from earlier
// cases.
struct CarriedValues {
    double f_evap, vp, benz, mv;
};

// Everything an uncertainty case leaves, for its entry in order.
struct CaseRecord {
    int IV = 0, IW = 0, IB = 0;
    std::vector<CaseStep> steps;
    CollectingSink messages;
    std::string dump;
    int subStep = -1;                 // the sub-step chosen last (-1: none in this case)
    std::vector<char> wet;            // each LE held oil in the case
    std::vector<CarriedValues> last;  // each LE's values at the end of the case
    RunTotals total{};
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
             bool exposureRises, CoreDump* dump, LE* le, LEOutcome* outcomes, LEMemo* memos)
        : m_(m),
          le_(le),
          total_(&m.total),
          messages_(&m.Messages()),
          table_(table),
          exposure_(exposure),
          rows_(rows),
          exposureRises_(exposureRises),
          dump_(dump),
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

    // Runs one uncertainty case on the LEs of this loop (a copy of the
    // model's LEs after pass 0), leaving its results, messages and dump in
    // `record` rather than in the model.
    void RunRecordedCase(CaseRecord& record, double uv, double uw, int windCases);

    // The sub-step chosen last: where the next case's dump begins.
    int SubStep() const { return subStep_; }

    // The threads that update the LEs of a step, and the spreading that the
    // run follows hour by hour (none: the spreading is done).
    void Use(WorkerPool& pool, const BackgroundSpread* spread) {
        pool_ = &pool;
        spread_ = spread;
    }

private:
    void StepWaves(int s, int hour);
    void Step(int s);
    void UpdateLE(int index, const StepValues& v, LEOutcome& out) const;
    void AddToSums(int index, const LEOutcome& out, double F, StepSums& sums);
    static void UpdateOne(void* loop, int index);

    WeatheringModel& m_;
    LE* le_;            // the LEs this loop moves
    RunTotals* total_;  // the budget of the case being run
    MessageSink* messages_;
    CaseRecord* record_ = nullptr;  // where an uncertainty case's results go
    const Row* table_;
    const double* exposure_;  // the table's first column, for the row search
    int rows_;
    bool exposureRises_;  // the exposures never fall from row to row (and are numbers)
    CoreDump* dump_;
    WorkerPool* pool_ = nullptr;
    const BackgroundSpread* spread_ = nullptr;
    LEOutcome* outcomes_;
    LEMemo* memos_;
    int subStep_;  // the evaporation sub-step most recently chosen (s); -1: left by the case before

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
    // Pass 0 keeps the areas as spread (a scale of 1 would change no bit);
    // the spreading may still be writing the later hours.
    const bool scaleAreas = pass != 0;
    double areaScale = scaleAreas ? math::Pow(volScale_, 0.833) : 1.0;
    for (int i = 0; i < m_.numLEs; ++i) {
        LE& e = le_[i];
        e.Y = 0;
        e.visc = m_.InitialOil.visc0;
        e.rho = m_.InitialOil.rho0;
        e.evex = 0;
        e.S = 0;
        e.Vol = e.initVol * volScale_;
        if (scaleAreas)
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
    RunTotals& t = *total_;
    t.evap = t.disp = t.chemDisp = t.burned = t.skimmed = t.beached = 0;

    if (dump_) dump_->Run(IV, IW, IB);
    for (int s = 0; s < m_.numSteps; ++s)
        Step(s);
}

void StepLoop::RunRecordedCase(CaseRecord& record, double uv, double uw, int windCases) {
    const int les = m_.numLEs;
    std::copy(m_.le, m_.le + les, le_);
    record_ = &record;
    messages_ = &record.messages;
    CoreDump* fileDump = dump_;
    std::unique_ptr<CoreDump> caseDump;
    if (fileDump) {
        caseDump = std::make_unique<CoreDump>();
        dump_ = caseDump.get();
    }
    subStep_ = -1;
    total_ = &record.total;
    RunCase(1, record.IV, record.IW, record.IB, uv, uw, windCases);
    if (caseDump) record.dump = caseDump->TakeText();
    dump_ = fileDump;
    record_ = nullptr;
    record.subStep = subStep_;
    for (int i = 0; i < les; ++i) {
        const LE& e = le_[i];
        record.wet[i] = memos_[i].wet;
        record.last[i] = {e.f_evap, e.vp, e.benz, e.mv};
    }
}

void StepLoop::Step(int s) {
    WeatheringModel& m = m_;
    const int sph = m.stepsPerHour;
    const int hour = s / sph;
    const bool lastHour = hour >= m.numHours - 1;
    const bool contained = m.containedArea > 0;
    const int k = (s + 1) % sph;

    if (s % sph == 0) {
        // This hour's areas and the next's are needed.
        if (spread_) spread_->WaitForHours(std::min(hour + 2, m.numHours));
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
            le_[i].birth = static_cast<double>(s + 1) / sph;
        double sumA = 0, sumNext = 0;
        for (int i = 0; i < LEsum; ++i) {
            sumA += le_[i].area[hour];
            if (!lastHour) sumNext += le_[i].area[hour + 1];
        }
        slick = lastHour ? sumA : ((sph - k) * sumA + k * sumNext) / sph;
    } else {
        LEsum = 2;
        le_[0].birth = le_[1].birth = 0;
        slick = m.containedArea;
    }
    released_ = LEsum;
    // Pass 0 writes the results; an uncertainty case keeps what it adds to
    // them for its entry in order.
    StepResult ownResult{};
    StepResult& res = record_ ? ownResult : m.result[s];
    CaseStep* entry = record_ ? &record_->steps[s] : nullptr;
    res.slickArea = slick;
    if (entry) entry->slickArea = slick;

    // Without a slick there is nothing to evaporate from and no air above it.
    double K = 0, F = 0;
    if (slick > 0) {
        K = EvaporationCoefficient(wind_, m.evapConst, slick);
        F = BenzeneFactor(slick, m.gasConstant, m.waterTemp, m.airPressure);
    }
    double benz0 = F * table_[0][kEvBenz];
    if (!(benz0 >= m.MinBenzene)) benz0 = m.MinBenzene;

    RunTotals& total = *total_;
    total.vol = 0;
    total.spill = 0;
    for (int i = 0; i < LEsum; ++i) {
        total.vol += le_[i].Vol;
        total.spill += le_[i].initVol * volScale_;
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
    pool_->Run(LEsum, 16, &StepLoop::UpdateOne, this);
    for (int i = 0; i < LEsum; ++i)
        AddToSums(i, outcomes_[i], F, sums);

    // Property statistics over the LEs, or the previous step's values when no
    // oil is left to describe.
    if (oilRatio > 0 && total.spill > 0 && sums.oilSum / total.spill > 1e-5) {
        MessageSink& msg = *messages_;
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
        if (entry) {
            entry->properties = CaseProperties::Statistics;
            entry->rho = rho;
            entry->visc = visc;
            entry->water = water;
            entry->benz = benz;
        } else {
            RecordProperty(res.density, rho, pass_);
            RecordProperty(res.viscosity, visc, pass_);
            RecordProperty(res.water, water, pass_);
            RecordProperty(res.benzene, benz, pass_);
        }
    } else if (entry) {
        entry->properties = s > 0 ? CaseProperties::Previous : CaseProperties::Initial;
        entry->benz0 = benz0;
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
        entry->remaining = sums.oilSum;
        entry->released = total.spill;
        entry->evaporated = total.evap;
        entry->dispersed = total.disp;
    }

    if (dump_) dump_->StepEnd(m, total, sums, slick, hour);
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
    LE& e = le_[i];
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
    memo.wet = true;
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
    const LE& e = le_[i];
    if (out.oil) {
        subStep_ = out.subStep;
        for (int j = 0; j < out.subSteps; ++j) {
            natDispSum_ += out.dispersed[j];
            evapSum_ += out.evaporated[j];
        }
        for (int w = 0; w < out.negativeWater; ++w)
            messages_->Warning("water content is negative");
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
    if (dump_ && i == 9) dump_->Element(i, e, out.A, step_.hour, record_ && !memos_[i].wet);
}

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

// The uncertainty cases are independent of one another once pass 0 is
// done: each starts from the LEs as pass 0 left them. They run side by side
// on `threads` threads, each on its own copy of the LEs, and are entered in
// their order, so that results, messages and core dump are those of cases
// run one after another.
class UncertaintyCases {
public:
    UncertaintyCases(WeatheringModel& m, const Row* table, const double* exposure, int rows,
                     bool exposureRises, CoreDump* dump)
        : m_(m),
          table_(table),
          exposure_(exposure),
          rows_(rows),
          exposureRises_(exposureRises),
          dump_(dump) {}

    // False when the storage for the cases cannot be had.
    bool Run(int threads, int firstSubStep);

private:
    void Work(int worker);

    struct Worker {
        int lastCase = -1;  // the case whose LEs this worker holds
        std::unique_ptr<LE[]> le;
        std::unique_ptr<LEOutcome[]> outcomes;
        std::unique_ptr<LEMemo[]> memos;
    };

    WeatheringModel& m_;
    const Row* table_;
    const double* exposure_;
    int rows_;
    bool exposureRises_;
    CoreDump* dump_;
    double uv_ = 0, uw_ = 0;
    int windCases_ = 1;
    std::vector<CaseRecord> cases_;
    std::vector<Worker> workers_;
    std::atomic<int> next_{0};
    std::atomic<bool> failed_{false};
};

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

// Messages of the run held back while the spreading still goes on beside
// it, and handed on after the spreading's own: in the order of a spreading
// done before the run.
class HeldMessages {
public:
    HeldMessages(WeatheringModel& m, BackgroundSpread* spread) : m_(m), spread_(spread) {
        if (spread_) {
            sink_ = m.sink;
            m.sink = &held_;
        }
    }
    ~HeldMessages() { Release(); }

    // Waits for the spreading and hands every message on.
    void Release() {
        if (!spread_) return;
        m_.sink = sink_;
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

bool WeatheringModel::Run(bool coreDump) {
    return RunWithThreads(*this, coreDump, WorkerPool::DefaultThreads());
}

bool WeatheringModel::Solve(bool coreDump) {
    return SpreadAndRun(*this, coreDump, WorkerPool::DefaultThreads());
}

bool SpreadAndRun(WeatheringModel& m, bool coreDump, int threads) {
    if (threads < 2) {
        Spread(m);
        return RunWithThreads(m, coreDump, threads);
    }
    BackgroundSpread spread(m);
    return RunAfterSpread(m, coreDump, threads, &spread);
}

bool RunWithThreads(WeatheringModel& m, bool coreDump, int threads) {
    return RunAfterSpread(m, coreDump, threads, nullptr);
}

bool RunAfterSpread(WeatheringModel& m, bool coreDump, int threads, BackgroundSpread* spread) {
    HeldMessages held(m, spread);
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

    StepLoop loop(m, table.get(), exposure.get(), rows, exposureRises, dump.get(), m.le,
                  outcomes.get(), memos.get());
    // While the spreading has a core of its own, pass 0 keeps to one.
    std::unique_ptr<WorkerPool> pool = std::make_unique<WorkerPool>(spread ? 1 : threads);
    loop.Use(*pool, spread);
    loop.RunCase(0, 0, 0, 0, 0.0, 0.0, 1);
    held.Release();

    int volCases = 1, windCases = 1, emulCases = 1;
    if (m.volFlag || m.windFlag || m.emulFlag) {
        // The uncertainty cases scale the areas as spread.
        for (int i = 0; i < m.numLEs; ++i)
            for (int h = 0; h < kHours; ++h)
                m.le[i].areaBase[h] = m.le[i].area[h];
        pool.reset();
        UncertaintyCases cases(m, table.get(), exposure.get(), rows, exposureRises, dump.get());
        if (!cases.Run(threads, loop.SubStep())) {
            m.Messages().Error("Error: Out of Memory (Core)");
            return false;
        }
        volCases = m.volFlag + 1;
        windCases = m.windFlag + 1;
        emulCases = m.emulFlag + 1;
    }

    PresenceMarks(m);
    SmoothResults(m, m.numSteps, volCases, windCases, emulCases);
    BenzeneRunningAverage(m);
    if (dump) dump->Finish();
    return true;
}

}  // namespace ormix
