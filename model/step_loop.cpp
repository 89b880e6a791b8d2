// The step loop of one run case: release and slick area, response
// removals, the LE updates in sub-steps, the property statistics and the
// per-step results.
#include "model/step_loop.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>

#include "core/math_calls.h"
#include "model/spreading.h"

namespace ormix {

namespace {

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

// The hour whose release record an LE belongs to. `birth` is the end of the
// LE's release step in hours, so an LE released in the last step of hour h
// has birth h + 1 exactly; it still belongs to hour h.
int ReleaseHourIndex(double birth) {
    int h = static_cast<int>(std::ceil(birth)) - 1;
    return h < 0 ? 0 : (h >= kHours ? kHours - 1 : h);
}

}  // namespace

void StepLoop::RunCase(const CaseIndex& which, const UncertaintyFactors& by) {
    const int pass = which.pass, IV = which.IV, IW = which.IW, IB = which.IB;
    pass_ = pass;
    IV_ = IV;
    IW_ = IW;
    IB_ = IB;
    uw_ = by.uw;
    windCases_ = by.windCases;
    volScale_ = 1.0 + (2 * IV - 1) * by.uv;
    // Pass 0 keeps the areas as spread (a scale of 1 would change no bit).
    // An uncertainty case scales them hour by hour as the spreading, which
    // may still be under way, hands them over (the hours past the run at
    // once: the spreading never writes them).
    const bool scaleAreas = pass != 0;
    areaScale_ = scaleAreas ? math::Pow(volScale_, 0.833) : 1.0;
    areasIn_ = 0;
    for (int i = 0; i < m_.les.numLEs; ++i) {
        LE& e = le_[i];
        e.Y = 0;
        e.visc = m_.setup.InitialOil.visc0;
        e.rho = m_.setup.InitialOil.rho0;
        e.evex = 0;
        e.S = 0;
        e.Vol = e.initVol * volScale_;
        if (scaleAreas)
            for (int h = std::max(m_.run.numHours, 0); h < kHours; ++h)
                TakeArea(e, m_.les.le[i], h);
        memos_[i] = LEMemo{};
    }
    prevWaterMean_ = 0;
    chemVolume_ = 0;
    released_ = 0;
    emulsion_ = EmulsionConstantsFor(m_.inputs, IB, pass);
    viscosity_ = ViscosityConstantsFor(m_.inputs, m_.setup);
    for (int h = 0; h < kHours; ++h) {
        double Vr = m_.setup.release[h].vol;
        areaFactor_[h] = Vr > 10 ? math::Cbrt(10.0 / Vr) : 1.0;
    }
    RunTotals& t = *total_;
    t.evap = t.disp = t.chemDisp = t.burned = t.skimmed = t.beached = 0;

    if (dump_) dump_->Run(IV, IW, IB);
    for (int s = 0; s < m_.run.numSteps; ++s)
        Step(s);
    if (scaleAreas) TakeAreas(m_.run.numHours);
}

void StepLoop::TakeArea(LE& e, const LE& spread, int h) const {
    e.areaBase[h] = spread.area[h];
    e.area[h] = e.areaBase[h] * areaScale_;
    e.thick[h] = spread.thick[h];
}

void StepLoop::TakeAreas(int hours) {
    if (spread_) spread_->WaitForHours(hours);
    for (; areasIn_ < hours; ++areasIn_)
        for (int i = 0; i < m_.les.numLEs; ++i)
            TakeArea(le_[i], m_.les.le[i], areasIn_);
}

// Copies an LE but for its hourly areas and thicknesses, which the
// spreading may still be writing: the fields before them one by one, those
// from Y on as one block of bytes.
static_assert(std::is_trivially_copyable_v<LE> && std::is_standard_layout_v<LE>,
              "LE is copied as bytes");
static_assert(offsetof(LE, Y) == sizeof(double) * (1 + 2 + 3 * kHours + 2),
              "the fields of LE before Y are birth, reserved1, the hourly arrays, initVol "
              "and Vol, which CopyAllButHours copies one by one");
void CopyAllButHours(LE& to, const LE& from) {
    to.birth = from.birth;
    to.reserved1[0] = from.reserved1[0];
    to.reserved1[1] = from.reserved1[1];
    to.initVol = from.initVol;
    to.Vol = from.Vol;
    std::memcpy(static_cast<void*>(&to.Y), &from.Y, sizeof(LE) - offsetof(LE, Y));
}

void StepLoop::RunRecordedCase(CaseRecord& record, const UncertaintyFactors& by,
                               const std::vector<int>& stability) {
    const int les = m_.les.numLEs;
    for (int i = 0; i < les; ++i) {
        CopyAllButHours(le_[i], m_.les.le[i]);
        le_[i].stabilityTime = record.stabilityIn[i] = stability[i];
    }
    record_ = &record;
    messages_ = &record.messages;
    CoreDump* fileDump = dump_;
    std::unique_ptr<CoreDump> caseDump;
    if (fileDump) {
        caseDump = std::make_unique<CoreDump>();
        if (!caseDump->Ok()) throw std::bad_alloc();  // no memory for the case's dump
        dump_ = caseDump.get();
    }
    subStep_ = -1;
    total_ = &record.total;
    RunCase({.pass = 1, .IV = record.IV, .IW = record.IW, .IB = record.IB}, by);
    if (caseDump) record.dump = caseDump->TakeText();
    dump_ = fileDump;
    record_ = nullptr;
    record.subStep = subStep_;
    for (int i = 0; i < les; ++i) {
        const LE& e = le_[i];
        record.wet[i] = memos_[i].wet;
        record.last[i] = {e.f_evap, e.vp, e.benz, e.mv};
        record.stabilityOut[i] = e.stabilityTime;
        record.onsetUsed[i] = memos_[i].onsetUsed;
    }
}

// One time step: the hour's set-up (at its first step), the releases, the
// response removals, the LE updates, the property statistics and the
// result records.
void StepLoop::Step(int s) {
    const int sph = m_.run.stepsPerHour;
    StepFrame f{};
    f.s = s;
    f.hour = s / sph;
    f.lastHour = f.hour >= m_.run.numHours - 1;
    f.contained = m_.inputs.containedArea > 0;
    f.k = (s + 1) % sph;

    if (s % sph == 0) BeginHour(f.hour);
    Release(f);
    // Pass 0 writes the results; an uncertainty case keeps what it adds to
    // them for its entry in order.
    StepResult ownResult{};
    f.res = record_ ? &ownResult : &m_.results.result[s];
    f.entry = record_ ? &record_->steps[s] : nullptr;
    f.res->slickArea = f.slick;
    if (f.entry) f.entry->slickArea = f.slick;
    SlickAir(f);
    Removals(f);

    if (dump_) dump_->Step(s, f.LEsum, f.slick, f.oilRatio, subStep_, total_->vol);

    StepSums sums{};
    UpdateLEs(f, sums);
    PropertyStatistics(f, sums);
    RecordResults(f, sums);
}

// The values of the hour: its LEs, the reduction of natural dispersion, the
// wind of the case and the emulsification rate.
void StepLoop::BeginHour(int hour) {
    const StepLoopParts& m = m_;
    // This hour's areas and the next's are needed.
    const int hours = std::min(hour + 2, m.run.numHours);
    if (record_)
        TakeAreas(hours);
    else if (spread_)
        spread_->WaitForHours(hours);
    hourLEs_ = m.setup.release[hour].nLE;
    hourCumLEs_ = m.setup.release[hour].cumLE;
    natDispReduction_ = m.setup.response[hour].natDispReduction;
    double U = m.inputs.wind[hour].speed;
    if (IW_ == 0)
        U = std::min(U + uw_, m.setup.maxWind);
    else
        U = std::max(U - uw_, m.setup.minWind);
    wind_ = U;
    Kem_ = EmulsificationRateConstant(m.inputs, m.inputs.wave[hour].inputHeight, U);
    uptakeDecay_ = -Kem_ / emulsion_.Smax;
}

// Release and slick area: an hour's LEs enter in equal parts over its steps.
void StepLoop::Release(StepFrame& f) {
    const int sph = m_.run.stepsPerHour, s = f.s, hour = f.hour, k = f.k;
    int LEsum;
    double slick;
    if (!f.contained) {
        LEsum = (hourCumLEs_ - hourLEs_) + hourLEs_ * (s - sph * hour + 1) / sph;
        for (int i = released_; i < LEsum; ++i)
            le_[i].birth = static_cast<double>(s + 1) / sph;
        double sumA = 0, sumNext = 0;
        for (int i = 0; i < LEsum; ++i) {
            sumA += le_[i].area[hour];
            if (!f.lastHour) sumNext += le_[i].area[hour + 1];
        }
        slick = f.lastHour ? sumA : ((sph - k) * sumA + k * sumNext) / sph;
    } else {
        LEsum = 2;
        le_[0].birth = le_[1].birth = 0;
        slick = m_.inputs.containedArea;
    }
    released_ = LEsum;
    f.LEsum = LEsum;
    f.slick = slick;
}

// The air over the slick: the evaporation coefficient and the benzene
// factor, and the volumes released so far. Without a slick there is nothing
// to evaporate from and no air above it.
void StepLoop::SlickAir(StepFrame& f) {
    const StepLoopParts& m = m_;
    f.K = 0;
    f.F = 0;
    if (f.slick > 0) {
        f.K = EvaporationCoefficient(wind_, m.setup.evapConst, f.slick);
        f.F = BenzeneFactor(f.slick, m.setup.gasConstant, m.inputs.waterTemp, m.inputs.airPressure);
    }
    f.benz0 = f.F * table_[0][kEvBenz];
    if (!(f.benz0 >= m.setup.MinBenzene)) f.benz0 = m.setup.MinBenzene;

    RunTotals& total = *total_;
    total.vol = 0;
    total.spill = 0;
    for (int i = 0; i < f.LEsum; ++i) {
        total.vol += le_[i].Vol;
        total.spill += le_[i].initVol * volScale_;
    }
}

// Response removals: burning, skimming, beaching and chemical dispersion of
// the hour, held to the oil there is; what they leave is the oil ratio.
void StepLoop::Removals(StepFrame& f) {
    const StepLoopParts& m = m_;
    RunTotals& total = *total_;
    const ResponseHour& rh = m.setup.response[f.hour];
    if (chemVolume_ == 0 && rh.chemDisp > 0)
        chemVolume_ = total.vol;
    else if (rh.chemDisp == 0)
        chemVolume_ = 0;
    double Y = prevWaterMean_ < 0 ? 0 : prevWaterMean_;
    double dt = m.run.deltat;
    double burned = Removal(dt * rh.burn * (1 - Y));
    double skimmed = Removal(dt * rh.skim * (1 - Y));
    double beached = Removal(dt * rh.beach);
    double chem = Removal(dt * rh.chemDisp * chemVolume_);
    double sum = burned + skimmed + beached + chem;
    double oilRatio;
    if (sum > total.vol) {
        double r = total.vol / sum;
        burned *= r;
        skimmed *= r;
        beached *= r;
        chem *= r;
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
    f.oilRatio = oilRatio;
}

// The LE updates, shared among the pool's threads, and their sums added in
// LE order.
void StepLoop::UpdateLEs(const StepFrame& f, StepSums& sums) {
    const StepLoopParts& m = m_;
    sums.rhoMin = m.inputs.waterDensity;
    sums.rhoMax = m.setup.InitialOil.rho0;
    sums.viscMin = 1e6;
    sums.viscMax = m.setup.InitialOil.visc0;
    sums.YMin = 1;
    sums.YMax = 0;
    sums.benz0 = f.benz0;
    natDispSum_ = evapSum_ = 0;
    step_.s = f.s;
    step_.hour = f.hour;
    step_.k = f.k;
    step_.lastHour = f.lastHour;
    step_.K = f.K;
    step_.oilRatio = f.oilRatio;
    StepWaves(f.s, f.hour);
    pool_->Run(f.LEsum, kLEsPerChunk, &StepLoop::UpdateOne, this);
    for (int i = 0; i < f.LEsum; ++i)
        AddToSums(i, outcomes_[i], f.F, sums);
}

// Property statistics over the LEs, or the previous step's values when no
// oil is left to describe.
void StepLoop::PropertyStatistics(const StepFrame& f, const StepSums& sums) {
    const StepLoopParts& m = m_;
    const RunTotals& total = *total_;
    StepResult& res = *f.res;
    CaseStep* entry = f.entry;
    const double benz0 = f.benz0;
    if (f.oilRatio > 0 && total.spill > 0 && sums.oilSum / total.spill > kOilLeftToDescribe) {
        MessageSink& msg = *messages_;
        Statistic rho =
            Statistics(sums.rhoAv, sums.rho2Av, sums.oilSum, sums.rhoMin, sums.rhoMax, msg);
        Statistic visc =
            Statistics(sums.viscAv, sums.visc2Av, sums.oilSum, sums.viscMin, sums.viscMax, msg);
        Statistic water = Statistics(sums.YAv, sums.Y2Av, sums.oilSum, sums.YMin, sums.YMax, msg);
        Statistic benz =
            Statistics(sums.benzAv, sums.benz2Av, f.slick, m.setup.MinBenzene, benz0, msg);
        prevWaterMean_ = water.mean;
        if (!f.contained && hourLEs_ > 0) {
            // Fresh oil is still entering the water.
            rho.lower = m.setup.InitialOil.rho0;
            visc.lower = m.setup.InitialOil.visc0;
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
        entry->properties = f.s > 0 ? CaseProperties::Previous : CaseProperties::Initial;
        entry->benz0 = benz0;
    } else if (f.s > 0) {
        const StepResult& prev = m.results.result[f.s - 1];
        res.density = prev.density;
        res.viscosity = prev.viscosity;
        res.water = prev.water;
        res.benzene = prev.benzene;
    } else {
        double r0 = m.setup.InitialOil.rho0, v0 = m.setup.InitialOil.visc0;
        res.density = {r0, r0, r0, r0};
        res.viscosity = {v0, v0, v0, v0};
        res.water = {0, 0, 0, 0};
        res.benzene = {benz0, benz0, benz0, benz0};
    }
}

// The budget of the step: the natural dispersion and evaporation of the LE
// updates added to the totals, then the step's result records.
void StepLoop::RecordResults(const StepFrame& f, const StepSums& sums) {
    RunTotals& total = *total_;
    total.disp += natDispSum_;
    total.evap += evapSum_;

    if (pass_ == 0) {
        StepResult& res = *f.res;
        RecordBest(res.remaining, sums.oilSum);
        RecordBest(res.released, total.spill);
        RecordBest(res.evaporated, total.evap);
        RecordBest(res.dispersed, total.disp);
        res.chemDispersed.best = total.chemDisp;
        res.burned.best = total.burned;
        res.skimmed.best = total.skimmed;
        res.beached.best = total.beached;
    } else {
        f.entry->remaining = sums.oilSum;
        f.entry->released = total.spill;
        f.entry->evaporated = total.evap;
        f.entry->dispersed = total.disp;
    }

    if (dump_)
        dump_->StepEnd(sums, total, {f.slick, m_.setup.MinBenzene, m_.inputs.wave[f.hour].best});
}

// The waves at the end of each sub-step of the step are the same for every
// LE that chooses the same number of sub-steps. Sub-steps of different
// choices that end at the same second have the same waves; and a wave
// energy met before (steady wind) gives the same factor De^0.57.
void StepLoop::StepWaves(int s, int hour) {
    int subs[kSubStepChoiceCount], counts[kSubStepChoiceCount];
    for (int c = 0; c < kSubStepChoiceCount; ++c) {
        subs[c] = m_.run.deltat / kSubStepChoices[c];
        counts[c] = std::min(m_.run.deltat / subs[c], kMaxSubSteps);
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
            double th = static_cast<double>(s) * m_.run.deltat + end - hour * 3600.0;
            DispersionWaves& d = step_.waves[c][j];
            d.waves = WavesForDispersion(m_.inputs, m_.run, hour, IW_, windCases_, th);
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

void StepLoop::UpdateOne(void* loop, int index) {
    StepLoop& self = *static_cast<StepLoop*>(loop);
    self.UpdateLE(index, self.step_, self.outcomes_[index]);
}

// Moves one LE through the step: its area and thickness, then evaporation,
// natural dispersion and water uptake in sub-steps. Touches no other LE and
// nothing shared; what the step's sums need goes into `out`.
void StepLoop::UpdateLE(int i, const StepValues& v, LEOutcome& out) const {
    const StepLoopParts& m = m_;
    LE& e = le_[i];
    LEMemo& memo = memos_[i];
    const int sph = m.run.stepsPerHour;
    const int hour = v.hour, k = v.k;

    double V = e.Vol * v.oilRatio;
    const int releaseHour = ReleaseHourIndex(e.birth);
    double Vr = m.setup.release[releaseHour].vol;
    double A = v.lastHour ? e.area[hour] : ((sph - k) * e.area[hour] + k * e.area[hour + 1]) / sph;
    if (Vr > 10) A *= areaFactor_[releaseHour];
    if (A < e.initArea) A = e.initArea;
    double h = V / A;
    if (h < m.inputs.oil.minThickness && V > 0) {
        h = m.inputs.oil.minThickness;
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
    int choice = 0;
    while (choice < kSubStepChoiceCount - 1 && !(re > kSubStepRateAbove[choice]))
        ++choice;
    int d = kSubStepChoices[choice];
    int sub = m.run.deltat / d;
    int n = m.run.deltat / sub;
    if (n > kMaxSubSteps) n = kMaxSubSteps;  // (a step is never shorter than 450 s)
    out.subStep = sub;
    out.subSteps = n;
    double natFactor = std::max(0.0, 1.0 - natDispReduction_);
    const double dtm = sub / static_cast<double>(kMiniSteps);

    // Values that repeat from mini-step to mini-step and from sub-step to
    // sub-step are computed once (the same arguments give the same bits):
    // the evaporated share of a mini-step for a row and a rate, and through
    // the memos the viscosity terms and the wave-breaking factor.
    int shareRow = -1;
    double shareK = 0, share = 0;
    memo.dispersion.breakingFactor = breakingFactor_[releaseHour];

    for (int j = 0; j < n; ++j) {
        double E = 0;
        // One evaporation mini-step (EvaporationMiniStep) kMiniSteps times, on
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
        for (int mini = 0; mini < kMiniSteps; ++mini) {
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
            NaturalDispersionIn(m.inputs, v.waves[choice][j], sub, e, A, Vr, memo.dispersion) *
            natFactor;
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

        int t = static_cast<int>(static_cast<double>(v.s) * m.run.deltat + (j + 0.5) * sub +
                                 (1 - e.birth) * 3600.0);
        // Whether this case's results hang on the onset time it found.
        if (!memo.onsetUsed && EmulsionUsesStabilityTime(emulsion_, t, e)) memo.onsetUsed = true;
        double de = EmulsifyWith(emulsion_, t, sub, Kem_, uptakeDecay_, e);
        if (de == 0) ++out.negativeWater;
        e.rho = EmulsionDensity(m.inputs, m.setup, e.f_evap, e.Y);
        const double evapFactor = memo.evapFactor.Of(
            e.f_evap, [&](double f) { return math::Exp(m.inputs.oil.viscEvapConst * f); });
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
    if (dump_ && i == kDumpedLE) dump_->Element(i, e, out.A, step_.hour, record_ && !memos_[i].wet);
}

}  // namespace ormix
