// The weathering model: its state, its inputs in SI, its Lagrangian elements
// (LEs), the hourly tables and the per-step results that every graph and
// table reads.
//
// All storage is fixed at its maximum size. The model is large (about 2 MB),
// so owners keep it on the heap or inside a heap-allocated document.
#pragma once

#include <string>

#include "core/constants.h"
#include "core/inputs.h"
#include "core/messages.h"
#include "core/oil_state.h"
#include "core/random.h"
#include "core/tank_model.h"

namespace ormix {

// One Lagrangian element: a parcel of oil.
struct LE {
    double birth;  // release time in hours
    double reserved1[2];
    double area[kHours];      // m2, per hour
    double areaBase[kHours];  // area before the volume-uncertainty scaling
    double initVol;           // m3 at release
    double Vol;               // m3 now
    double thick[kHours];     // m, per hour
    double Y;                 // water content of the emulsion (fraction)
    double S;                 // water-droplet surface per unit volume of oil (1/m)
    int stabilityTime;        // s; when the emulsion first met its onset test
    double f_evap;            // fraction evaporated
    double visc;              // m2/s
    double rho;               // kg/m3
    double vp;                // vapour pressure of the evaporation-table row in use
    double benz;              // benzene of that row
    double mv;                // molar volume of that row
    double vol_disp;          // kept NoData; printed by the core dump
    double reserved2;
    double spreadCoeff;  // spreading coefficient of the LE's release hour
    double alpha3;       // random spreading factor in [0, 1]
    double evex;         // evaporative exposure so far
    double initArea;     // m2 at release; the area never falls below it
    double reserved3;
};

struct WindHour {
    double speed;      // m/s, negative when not given
    double direction;  // rad, where the wind blows from
    double sinDir, cosDir;
    double fetch;  // m, derived by the waves
};

// Wave values of one wind case.
struct WaveCase {
    double Hrms;  // root-mean-square wave height (m)
    double f_bw;  // breaking-wave value (1/s)
    double De;    // dissipated wave energy
};

struct WaveHour {
    double inputHeight;  // m, NoData when not given
    WaveCase best, high, low;
};

struct ReleaseHour {
    double vol;          // m3 released in the hour
    double cumVol;       // m3 released up to and including the hour
    double area;         // m2, initial slick area of the hour's oil
    double radius;       // m, sqrt(area / pi)
    double spreadCoeff;  // vol^(2/3) x the spreading constant
    int nLE;             // LEs released in the hour
    int cumLE;           // LEs released up to and including the hour
    double volLE;        // m3 per LE of the hour
};

struct ResponseHour {
    double burn;              // m3/s of emulsion
    double skim;              // m3/s of emulsion
    double chemDisp;          // fraction of the slick volume dispersed per second
    double natDispReduction;  // fraction of natural dispersion suppressed
    double beach;             // m3/s
};

struct RunTotals {
    double evap, disp, chemDisp, burned, skimmed, beached;
    double vol;    // afloat at the start of the current step
    double spill;  // released so far
};

// A budget quantity: the envelope of the uncertainty runs and the best run.
struct Triple {
    double high, low, best;
};

// An oil property: the envelope, the mean and a second mean that follows the
// smoothed mean when uncertainty was run.
struct Quad {
    double high, low, mean, mean2;
};

struct StepResult {
    Triple remaining;      // m3 afloat after the step
    Triple released;       // m3 released so far
    Triple emulsified;     // not computed; stays NoData
    Triple evaporated;     // m3
    Triple dispersed;      // m3, natural plus chemical
    Triple chemDispersed;  // m3, best only
    Triple burned;         // m3
    Triple skimmed;        // m3
    Triple beached;        // m3
    Quad benzene;          // airborne benzene over the slick
    Quad density;          // kg/m3
    Quad viscosity;        // m2/s
    Quad water;            // fraction
    double reserved[2];
    double slickArea;  // m2
};

// What the fill operations set from the input records, in SI: the
// releases, the hourly wind and waves, the water and air, the response
// operations, the oil as filled and the uncertainty asked for. Set-up adds
// the derived columns of the wind and wave hours (directions' sines and
// cosines, fetch, the three wave cases).
struct ModelInputs {
    // Releases. The instantaneous and the boomed release share the first
    // three fields.
    int instFlag;
    int instStartHour;
    double instVol;
    int contFlag;
    int contStartHour, contEndHour;
    double contStartRate, contEndRate;  // m3/s
    TankModel tank;
    double containedArea;  // m2 of the boomed release, NoData when there is none

    // Wind and waves, hour by hour.
    WindHour wind[kHours];
    WaveHour wave[kHours];

    // Water and air.
    double waterTemp;                       // K
    double waterDensity;                    // kg/m3
    double waterViscosity;                  // m2/s
    double sediment;                        // kg/m3
    double currentSpeed;                    // m/s
    double currentDirection;                // rad, flows towards
    double airPressure;                     // Pa
    double fetchN, fetchE, fetchS, fetchW;  // m

    // Response operations. The dispersant's two fractions follow the names
    // of its input record, which read backwards: dispDispersed is the share
    // of the spill area sprayed, dispSprayed the share of that oil dispersed.
    int dispStartHour[kMaxOperations], dispDuration[kMaxOperations];
    double dispDispersed[kMaxOperations], dispSprayed[kMaxOperations];
    int skimStartHour[kMaxOperations], skimDuration[kMaxOperations];
    double skimRate[kMaxOperations];    // m3/s
    double skimAmount[kMaxOperations];  // m3
    int burnStartHour[kMaxOperations];
    double burnThick[kMaxOperations];  // m
    double burnArea[kMaxOperations];   // m2
    double defaultBurnRate;            // m/s
    double burnRate;                   // m/s, NoData when not given

    // The oil as filled; set-up prepares it at the water temperature.
    OilState oil;

    // Uncertainty.
    int windFlag;
    double windUnc;  // m/s
    int volFlag;
    double volUnc;  // percent
    int emulFlag;
    double emulPercent;  // percent, NoData when not used
    int emulHours;       // whole hours, NoData when not used
};

// What set-up derives from the inputs for the run to read: the hourly
// release volumes and records, the hourly removal rates, the oil's initial
// values and evaporation lookup, and the constants of spreading and
// evaporation.
struct SetUpTables {
    double hourlyVolume[kHours + 1];  // m3, indexed by the hour number 1..120
    ReleaseHour release[kHours];
    ResponseHour response[kHours];
    InitialOilValues InitialOil;
    EvaporationTable evap;
    double evapConst;  // evaporation mass-transfer constant K0
    double k1, k2;     // spreading constants
    double buoyancy;   // relative buoyancy of the oil
    double spreadConst;
    double currentDx, currentDy;  // m per time step, east and north
    int releaseHours;
    double maxWind, minWind;  // m/s
    double MinBenzene;
    double gasConstant;     // J/mol/K
    double gasConstantCal;  // cal/mol/K
};

// The Lagrangian elements and how many a run uses.
struct ModelLEs {
    LE le[kMaxLEs];
    int numLEs;
    int baseLEs;  // the LEs of a large release; smaller ones get fewer
};

// What a run leaves for the outputs: one result per time step, and the
// budget of the run case last run.
struct ModelResults {
    StepResult result[kMaxSteps];
    RunTotals total;
    // Set by a run whose core dump could not be written completely (its
    // message has been shown); the results of the run stand.
    bool dumpFailed = false;
};

// The run's length and time step, which set-up steps it must redo, where
// its messages and core dump go, and its random generator.
struct RunControl {
    int numHours;
    int deltat;  // s
    int numSteps;
    int stepsPerHour;
    int spreadParam;
    // Set by the fills; set-up redoes what follows from the inputs changed.
    bool envChanged, oilChanged, releaseChanged, responseChanged;
    MessageSink* sink;
    std::string workDir;
    ModelRandom random;
};

struct WeatheringModel {
    ModelInputs inputs;
    SetUpTables setup;
    ModelLEs les;
    ModelResults results;
    RunControl run;

    WeatheringModel();

    // Every field to its default or NoData; the four change flags set.
    void Reset();

    // Set-up: hours of the run, waves, oil preparation, hourly release
    // volumes, release records and time step, current displacement, removal
    // schedules, LE initialisation. Returns false when the model cannot run
    // (the reason has been shown); nothing then follows.
    bool SetUp();

    // The burned, skimmed and beached amounts have one computed value; give it
    // to the high and low entries as well, so that they show no band.
    void CopyRemovalsToEnvelope();

    MessageSink& Messages() const { return *run.sink; }
    std::string DumpPath(const char* name) const;

    // Copies are not meant: the model is large and owned by one document.
    WeatheringModel(const WeatheringModel&) = delete;
    WeatheringModel& operator=(const WeatheringModel&) = delete;
};

// Fill operations: convert one input record into the model's SI values and
// set its change flag. An unknown unit code makes the fill return at once.
void FillOil(WeatheringModel& m, const InputOil& in);
void FillWindWave(WeatheringModel& m, const InputWindWave& in);
void FillWater(WeatheringModel& m, const InputWater& in);
void FillInstant(WeatheringModel& m, const InputInstant& in);
void FillBoomed(WeatheringModel& m, const InputBoomed& in);
void FillContinuous(WeatheringModel& m, const InputContinuous& in);
void PrepareTank(WeatheringModel& m, const InputTank& in);  // the tank's fill
void FillUncertainty(WeatheringModel& m, const InputUncertainty& in);
void FillDispersant(WeatheringModel& m, const InputDispersant& in);
void FillBurn(WeatheringModel& m, const InputBurn& in);
void FillSkimmer(WeatheringModel& m, const InputSkimmer& in);
void FillBeached(WeatheringModel& m, const InputBeached& in);

// The input records of a run; a null pointer is a record that is not present.
struct InputRecordSet {
    const InputOil* oil = nullptr;
    const InputWindWave* windWave = nullptr;
    const InputWater* water = nullptr;
    const InputInstant* instant = nullptr;
    const InputContinuous* continuous = nullptr;
    const InputTank* tank = nullptr;
    const InputBoomed* boomed = nullptr;
    const InputUncertainty* uncertainty = nullptr;
    const InputDispersant* dispersant = nullptr;
    const InputBurn* burn = nullptr;
    const InputSkimmer* skimmer = nullptr;
    const InputBeached* beached = nullptr;
};

// Hands the records to the model in the order a run needs them: oil, wind
// and waves, water, then each release whose flag is set (the boomed release
// last, so that it replaces an instantaneous one), the uncertainty, each kind
// of operation that holds operations, and the beached amounts.
void FillModel(WeatheringModel& m, const InputRecordSet& in);

}  // namespace ormix
