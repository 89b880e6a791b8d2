// The core dump file "OrmixCore.dmp": a step-by-step record of a run, for
// whoever needs to see inside the model.
#pragma once

#include <cstdio>
#include <string>

#include "core/file_replace.h"
#include "model/weathering_model.h"

namespace ormix {

// What one step of the run leaves for the dump after its recording.
struct StepSums {
    double oilSum;
    double rhoAv, rho2Av, rhoMin, rhoMax;
    double viscAv, visc2Av, viscMin, viscMax;
    double YAv, Y2Av, YMin, YMax;
    double benzAv, benz2Av;
    double benz0;
};

// An uncertainty case run beside others cannot know two things that the
// cases before it leave behind: the evaporation sub-step chosen last, and
// what an LE that has held no oil in the case still shows from earlier ones
// (fraction evaporated, vapour pressure, benzene, molar volume). Its dump
// is kept in memory with these values left open, and filled in when the
// cases are written in their order.
//
// The file is written beside the earlier dump under a name of its own and
// takes its place when finished: a dump that cannot be written completely
// (a full disk) never stands as "OrmixCore.dmp".
class CoreDump {
public:
    // Starts the file anew; Ok() tells whether that worked, and Problem()
    // why not.
    explicit CoreDump(const std::string& path);
    // A dump kept in memory, for one uncertainty case.
    CoreDump();
    ~CoreDump();
    CoreDump(const CoreDump&) = delete;
    CoreDump& operator=(const CoreDump&) = delete;

    bool Ok() const { return file_ != nullptr; }
    // "Core: Cannot create dump file", the path and the reason.
    const std::string& Problem() const { return problem_; }

    void Run(int IV, int IW, int IB);
    // A negative sub-step is the one left by the case before (left open).
    void Step(int s, int LEsum, double slickArea, double oilRatio, int subStep, double totalVol);
    // `carried`: the LE has held no oil in this case, and shows what the
    // cases before left (left open).
    void Element(int index, const LE& e, double area, int hour, bool carried);
    // What the end of a step shows besides its sums and budget.
    struct StepEndValues {
        double slickArea;   // m2
        double minBenzene;  // the run's least benzene
        WaveCase waves;     // the best-case waves of the step's hour
    };
    void StepEnd(const StepSums& sums, const RunTotals& total, const StepEndValues& at);
    // Ends the dump and puts it in place of the earlier one. False when any
    // of it could not be written: `message` then names the file and the
    // reason, and no dump file is left (an earlier one would not describe
    // this run).
    bool Finish(std::string& message);

    // The text of a dump kept in memory; the dump is closed.
    std::string TakeText();
    // Writes a case's text with the open values filled in: the sub-step and
    // the LE values that the cases before it left.
    void AppendCase(const std::string& text, int subStep, const LE& carried);

private:
    // Notes the reason of the first failed write to the file.
    void Check();

    FileReplacement replacement_;
    std::string path_;
    std::string problem_;
    std::FILE* file_;
    char* memory_ = nullptr;
    std::size_t memorySize_ = 0;
};

// After a dump of a run could not be written: the dump an earlier run left
// under that name goes too, since it does not describe this run.
void RemoveEarlierDump(const std::string& path);

// The message of a dump that could not be written completely.
std::string DumpWriteMessage(const std::string& path, const std::string& reason);

}  // namespace ormix
