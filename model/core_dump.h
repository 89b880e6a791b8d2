// The core dump file "OrmixCore.dmp": a step-by-step record of a run, for
// whoever needs to see inside the model.
#pragma once

#include <cstdio>
#include <string>

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

class CoreDump {
public:
    // Creates the file anew; Ok() tells whether that worked.
    explicit CoreDump(const std::string& path);
    ~CoreDump();
    CoreDump(const CoreDump&) = delete;
    CoreDump& operator=(const CoreDump&) = delete;

    bool Ok() const { return file_ != nullptr; }

    void Run(int IV, int IW, int IB);
    void Step(int s, int LEsum, double slickArea, double oilRatio, int subStep, double totalVol);
    void Element(int index, const LE& e, double area, int hour);
    void StepEnd(const WeatheringModel& m, const StepSums& sums, double slickArea, int hour);
    void Finish();

private:
    std::FILE* file_;
};

}  // namespace ormix
