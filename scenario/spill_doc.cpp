#include "scenario/spill_doc.h"

#include <cmath>
#include <cstdio>

#include "model/spreading.h"
#include "scenario/input_dump.h"

namespace ormix {

SpillDocData::SpillDocData() {
    m_dVarWindSpeed.fill(NoData);
    m_dVarWindDirection.fill(NoData);
    m_dVarWaveHeight.fill(NoData);
    m_nDispersantDuration.fill(NoDataInt);
    m_dDispersantDispersed.fill(NoData);
    m_dDispersantSprayed.fill(NoData);
    m_bMechanicalRateUse.fill(1);
    m_dRecoveryRate.fill(NoData);
    m_nCleanupDuration.fill(NoDataInt);
    m_dRecoveredAmount.fill(NoData);
    m_dBurnArea.fill(NoData);
    m_dBurnThickness.fill(NoData);
    m_dBeachingAmount.fill(NoData);
}

CSpillDoc::CSpillDoc(std::time_t now) : model_(std::make_unique<WeatheringModel>()) {
    SpillTime = now;
    InstantaneousTime = ContinuousTime = TankTime = ContainedTime = now;
    DispersantTime.fill(now);
    InSituBurnTime.fill(now);
    SkimmerTime.fill(now);
    m_tVarWindTime.fill(now);
    OnNewDocument();
}

CSpillDoc::~CSpillDoc() = default;

void CSpillDoc::OnNewDocument() {
    needsSolving = true;
    solved = false;
    summaryRefresh.fill(true);
    windowOpen.fill(false);
}

void CSpillDoc::OnCloseDocument() {
    summaryRefresh.fill(true);
    solved = false;
    windowOpen.fill(false);
}

std::string CSpillDoc::MissingInputs() const {
    std::string list;
    if (!m_bOilInputPassed) list += "  - select an oil\n";
    if (!m_bWindAndWaveInputPassed) list += "  - enter wind speed,\n";
    if (!m_bWaterInputPassed) list += "  - enter a water temperature\n";
    if (!m_bReleaseInputPassed) list += "  - enter release information\n";
    return list;
}

std::string CSpillDoc::PourPointWarning() const {
    if (PourPoint == "unknown") return "";
    // The pour point is the whole number before the first blank of its text;
    // a text without a blank reads as 0.
    size_t blank = PourPoint.find(' ');
    int P = blank == std::string::npos ? 0 : std::atoi(PourPoint.substr(0, blank).c_str());
    int T = static_cast<int>(inputWater.temperature);
    bool fahrenheit = inputWater.tempUnits == 1;
    int PF = 0;
    if (fahrenheit) {
        PF = static_cast<int>(std::floor(P * 9.0 / 5.0 + 32 + 0.5));
        T = static_cast<int>(std::floor((T - 32) * 5.0 / 9.0 + 0.5));
    }
    if (T >= P) return "";
    char water[64], pour[128];
    std::snprintf(water, sizeof water, "%.0f deg %s", inputWater.temperature,
                  fahrenheit ? "F" : "C");
    std::string pourText = PourPoint;
    if (fahrenheit) {
        std::snprintf(pour, sizeof pour, "%d deg F (%s)", PF, PourPoint.c_str());
        pourText = pour;
    }
    return std::string("Temperature colder than pour point.\n\n") +
           "The water temperature that you entered, " + water +
           ",\nis below the selected oil's minimum pour point\ntemperature, " + pourText +
           ".\nORMIX calculations may be unreliable.";
}

namespace {

int GraphUnitOfVolume(int volUnits, int current) {
    switch (volUnits) {
        case kVolBarrels:
            return kGraphBarrels;
        case kVolGallons:
            return kGraphGallons;
        case kVolCubicMetres:
            return kGraphCubicMetres;
        case kVolTons:
            return kGraphTons;
        case kVolMetricTons:
            return kGraphMetricTonnes;
    }
    return current;
}

}  // namespace

bool CSpillDoc::Solve() {
    MessageSink& messages = *sink;
    std::string missing = MissingInputs();
    if (!missing.empty()) {
        messages.Error(" ERROR!  Please\n" + missing);
        return false;
    }
    std::string pour = PourPointWarning();
    if (!pour.empty()) messages.Warning(pour);

    WeatheringModel& m = *model_;
    m.sink = sink;
    m.workDir = workDir;
    if (runSeed) m.random.Seed(*runSeed);
    m.Reset();

    InputRecordSet records;
    records.oil = &inputOil;
    records.windWave = &inputWindWave;
    records.water = &inputWater;
    records.instant = &inputInstant;
    records.continuous = &inputContinuous;
    records.tank = &inputTank;
    records.boomed = &inputBoomed;
    records.uncertainty = &inputUncertainty;
    records.dispersant = &inputDispersant;
    records.burn = &inputBurn;
    records.skimmer = &inputSkimmer;
    records.beached = &inputBeached;
    FillModel(m, records);
    if (inputInstant.flag)
        budgetGraphUnit = GraphUnitOfVolume(inputInstant.volUnits, budgetGraphUnit);
    if (inputBoomed.flag)
        budgetGraphUnit = GraphUnitOfVolume(inputBoomed.volUnits, budgetGraphUnit);

    // A run that cannot be set up or that ends early has no results: the
    // scenario keeps needing a run.
    bool ok = m.SetUp();
    if (ok && m.numSteps < 1) {
        messages.Error("The wind records give no hour to run. Please enter the wind again.");
        ok = false;
    }
    if (ok) {
        Spread(m);
        ok = m.Run(true);
    }
    WriteInputDump(*this);
    if (!ok) return false;

    m.CopyRemovalsToEnvelope();
    windowOpen[kWindowBudgetGraph] = true;
    solved = true;
    needsSolving = false;
    return true;
}

}  // namespace ormix
