// One run case of the weathering model: the step loop that moves every
// released LE through all time steps of pass 0 or of one uncertainty case,
// and what an uncertainty case leaves for its entry into the results.
#pragma once

#include <algorithm>
#include <atomic>
#include <iterator>
#include <limits>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/messages.h"
#include "model/core_dump.h"
#include "model/processes.h"
#include "model/weathering_model.h"
#include "model/worker_pool.h"

namespace ormix {

class BackgroundSpread;

using Row = double[kEvapColumns];

struct Statistic {
    double mean, upper, lower;
};

// The most sub-steps an LE's evaporation asks for in one time step.
inline constexpr int kMaxSubSteps = 20;

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
inline constexpr double kNoNextRow = std::numeric_limits<double>::infinity();

// The sub-step counts an LE can choose, by how fast it evaporates: the
// first choice whose threshold its evaporation rate exceeds (1/s), the last
// when it exceeds none.
inline constexpr int kSubStepChoices[] = {20, 10, 6, 4};
inline constexpr double kSubStepRateAbove[] = {1e-4, 5e-5, 2.222e-5};
inline constexpr int kSubStepChoiceCount = 4;
static_assert(std::size(kSubStepChoices) == kSubStepChoiceCount &&
              std::size(kSubStepRateAbove) == kSubStepChoiceCount - 1);

// Below this share of the oil released left in the slick, a step has no oil
// to describe and keeps the previous step's properties.
inline constexpr double kOilLeftToDescribe = 1e-5;

// Evaporation mini-steps in each sub-step.
inline constexpr int kMiniSteps = 8;

// LEs handed to a thread at a time when a step's LE updates are shared.
inline constexpr int kLEsPerChunk = 16;

// The LE whose values the core dump records at every step (the tenth).
inline constexpr int kDumpedLE = 9;

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
    bool wet = false;        // the LE has held oil in this run case
    bool onsetUsed = false;  // its emulsification has read or set its onset time
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
    // When each LE's emulsion first met its onset test (s; negative: not
    // yet), as the case found it and as it left it. This one value of an LE
    // carries from case to case into the emulsification itself.
    std::vector<int> stabilityIn, stabilityOut;
    std::vector<char> onsetUsed;  // the case read or set the LE's onset time
    RunTotals total{};
};

// The evaporation table as the step loop searches it: its rows, their
// exposures (the first column) and whether those never fall from row to row.
struct EvaporationLookup {
    const Row* table;
    const double* exposure;
    int rows;
    bool exposureRises;  // the exposures never fall from row to row (and are numbers)
};

// The LEs a step loop moves, with what each one's update leaves and keeps.
struct LEStorage {
    LE* le;
    LEOutcome* outcomes;
    LEMemo* memos;
};

// Which case a run case is: pass 0, or an uncertainty case with the high or
// low volume (IV), wind (IW) and emulsion onset (IB), each 0 or 1.
struct CaseIndex {
    int pass = 0;
    int IV = 0, IW = 0, IB = 0;
};

// By how much the uncertainty cases move the inputs: the volume by the
// fraction uv, the wind by uw (m/s) over windCases wind cases.
struct UncertaintyFactors {
    double uv = 0;
    double uw = 0;
    int windCases = 1;
};

// The values of one step that every LE update reads.
struct StepValues {
    int s, hour, k;
    bool lastHour;
    double K, oilRatio;
    // The waves at the end of every sub-step, for each choice of sub-steps.
    DispersionWaves waves[kSubStepChoiceCount][kMaxSubSteps];
};

// The parts of the model a step loop works with: it reads the inputs, the
// set-up tables, the run control and the model's LEs (in an uncertainty
// case, as pass 0 left them), and writes the results. The LEs it moves are
// given apart (LEStorage): the model's own in pass 0, a copy in an
// uncertainty case.
struct StepLoopParts {
    const ModelInputs& inputs;
    const SetUpTables& setup;
    const RunControl& run;
    const ModelLEs& les;
    ModelResults& results;

    explicit StepLoopParts(WeatheringModel& m)
        : inputs(m.inputs), setup(m.setup), run(m.run), les(m.les), results(m.results) {}
};

class StepLoop {
public:
    StepLoop(const StepLoopParts& m, const EvaporationLookup& lookup, CoreDump* dump,
             const LEStorage& les)
        : m_(m),
          le_(les.le),
          total_(&m.results.total),
          messages_(m.run.sink),
          table_(lookup.table),
          exposure_(lookup.exposure),
          rows_(lookup.rows),
          exposureRises_(lookup.exposureRises),
          dump_(dump),
          outcomes_(les.outcomes),
          memos_(les.memos),
          subStep_(m.run.deltat) {
        // The release volumes stay as they are for the whole run; hours of
        // equal volume (a steady continuous release) share one power.
        double prevVr = std::nan(""), prevFactor = 0;
        for (int h = 0; h < kHours; ++h) {
            const double Vr = m.setup.release[h].vol;
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

    void RunCase(const CaseIndex& which, const UncertaintyFactors& by);

    // Runs one uncertainty case on the LEs of this loop (a copy of the
    // model's LEs after pass 0, with the onset times given), leaving its
    // results, messages and dump in `record` rather than in the model.
    void RunRecordedCase(CaseRecord& record, const UncertaintyFactors& by,
                         const std::vector<int>& stability);

    // The sub-step chosen last: where the next case's dump begins.
    int SubStep() const { return subStep_; }

    // The threads that update the LEs of a step, and the spreading that the
    // run follows hour by hour (none: the spreading is done).
    void Use(WorkerPool& pool, const BackgroundSpread* spread) {
        pool_ = &pool;
        spread_ = spread;
    }

private:
    // What the stages of one step hand on to one another.
    struct StepFrame {
        int s, hour, k;
        bool lastHour, contained;
        int LEsum;        // LEs released so far
        double slick;     // slick area (m2)
        double K, F;      // evaporation coefficient and benzene factor of the slick
        double benz0;     // benzene of fresh oil over this slick (upper limit)
        double oilRatio;  // share of each LE's volume the removals leave
        StepResult* res;  // the step's results (pass 0) or a scratch record
        CaseStep* entry;  // what an uncertainty case keeps of the step (else null)
    };
    // The stages of a step, in their order.
    void BeginHour(int hour);
    void Release(StepFrame& f);
    void SlickAir(StepFrame& f);
    void Removals(StepFrame& f);
    void UpdateLEs(const StepFrame& f, StepSums& sums);
    void PropertyStatistics(const StepFrame& f, const StepSums& sums);
    void RecordResults(const StepFrame& f, const StepSums& sums);
    void StepWaves(int s, int hour);
    // An uncertainty case's areas of hour h: those spread, scaled.
    void TakeArea(LE& e, const LE& spread, int h) const;
    // Takes the areas of hours [0, hours), once spread.
    void TakeAreas(int hours);
    void Step(int s);
    void UpdateLE(int index, const StepValues& v, LEOutcome& out) const;
    void AddToSums(int index, const LEOutcome& out, double F, StepSums& sums);
    static void UpdateOne(void* loop, int index);

    StepLoopParts m_;
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
    double areaScale_ = 1;  // by which an uncertainty case scales the areas
    int areasIn_ = 0;       // hours whose areas it has taken
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

inline void RecordBest(Triple& t, double v) {
    t.high = t.low = t.best = v;
}

inline void Widen(Triple& t, double v) {
    t.high = std::max(t.high, v);
    t.low = std::min(t.low, v);
}

inline void RecordProperty(Quad& q, const Statistic& st, int pass) {
    if (pass == 0) {
        q = {st.upper, st.lower, st.mean, st.mean};
    } else {
        q.high = std::max(q.high, st.upper);
        q.low = std::min(q.low, st.lower);
    }
}

// Enters one uncertainty case into the results, after the cases before it.
void EnterCase(WeatheringModel& m, const CaseRecord& record);

// The uncertainty cases are independent of one another once pass 0 is
// done: each starts from the LEs as pass 0 left them. They run side by side
// on `threads` threads, each on its own copy of the LEs, and are entered in
// their order, so that results, messages and core dump are those of cases
// run one after another.
class UncertaintyCases {
public:
    UncertaintyCases(WeatheringModel& m, const EvaporationLookup& lookup, CoreDump* dump)
        : m_(m), lookup_(lookup), dump_(dump) {}

    // Runs every case on up to `threads` threads (false when the storage
    // for the cases cannot be had). With the spreading still under way the
    // cases follow it, and one thread joins them only when it has ended.
    bool RunAll(int threads, const BackgroundSpread* spread);
    // Enters the cases into the results in their order, running again any
    // that found onset times other than the cases before it left; then the
    // model's LEs and budget are those the last case left.
    bool Enter(int firstSubStep);

    // The cases that had to be run again because a case before them set an
    // onset time that pass 0 had not (for the tests).
    int RunAgain() const { return runAgain_; }

private:
    struct Worker;
    bool Allocate(Worker& w);
    void Work(int worker);
    void RunOn(Worker& w, int c, const std::vector<int>& stability);
    // The onset times case c most likely finds: those of pass 0 and of the
    // cases before it that have ended.
    std::vector<int> LikelyOnsets(int c);

    struct Worker {
        int lastCase = -1;  // the case whose LEs this worker holds
        std::unique_ptr<LE[]> le;
        std::unique_ptr<LEOutcome[]> outcomes;
        std::unique_ptr<LEMemo[]> memos;
    };

    WeatheringModel& m_;
    EvaporationLookup lookup_;
    CoreDump* dump_;
    UncertaintyFactors by_;
    int threads_ = 1;
    const BackgroundSpread* spread_ = nullptr;
    std::vector<CaseRecord> cases_;
    std::vector<Worker> workers_;
    Worker* again_ = nullptr;  // the LEs of the cases run again
    std::unique_ptr<Worker> againStorage_;
    std::vector<int> stabilityAfterPass0_;
    std::mutex doneMutex_;
    std::vector<char> done_;  // the cases that have ended (under doneMutex_)
    int runAgain_ = 0;
    std::atomic<int> next_{0};
    std::atomic<bool> failed_{false};
};

}  // namespace ormix
