#include "scenario/spill_doc.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/scoped_value.h"
#include "model/run.h"
#include "oil/oil_selection.h"
#include "scenario/input_dump.h"
#include "scenario/typed_text.h"

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

namespace {
OilLibrary StandardLibrary(const std::string& dir, const std::string& file) {
    if (file.empty()) return OilLibrary(dir, "OilLib");
    std::filesystem::path p(file);
    return OilLibrary(p.parent_path().string(), p.filename().string());
}
}  // namespace

CSpillDoc::CSpillDoc(std::time_t now, const std::string& dir, const std::string& oilLibFile)
    : workDir(dir),
      oilLibFile_(oilLibFile),
      model_(std::make_unique<WeatheringModel>()),
      oilLib_(StandardLibrary(dir, oilLibFile)),
      customLib_(dir, "CustomLib") {
    // A library that cannot be read is reported when an oil is chosen.
    oilLib_.Load();
    customLib_.Load();
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

void CSpillDoc::OnOpenDocument() {
    needsSolving = true;
    solved = false;
    windowOpen.fill(false);
    summaryRefresh.fill(true);
    oilLib_.Load();
    if (oilLib_.Date() != OilLibDate) {
        sink->Information(
            "The selected oil for this scenario could not be read from the current Oil Library. "
            "Please re-select an oil.");
        summaryRefresh[kSummaryOil] = false;
    }
}

DialogResult CSpillDoc::SelectLibraryOil(long position) {
    return ApplyOilChoice(oilLib_, false, position);
}

DialogResult CSpillDoc::SelectCustomOil(long position) {
    return ApplyOilChoice(customLib_, true, position);
}

DialogResult CSpillDoc::ApplyOilChoice(OilLibrary& library, bool custom, long position) {
    int status = library.Load();
    if (status != 0) {
        // The custom library's messages name it; the standard library's are fixed texts.
        std::string text = custom ? "Unable to read the Custom Oil Library\n\nThere was a problem "
                                    "reading the file 'CustomLib'."
                                  : OilLibraryLoadMessage(status);
        // Where known, the file, the line and the reason.
        if (!library.Problem().empty()) text += "\n\n(" + library.Problem() + ")";
        return DialogResult::Refuse(text, MessageKind::Information);
    }
    CollectingSink messages;
    OilChoice choice;
    bool ok = custom ? ChooseCustomOil(library, position, choice, messages)
                     : ChooseLibraryOil(library, position, choice, messages);
    if (!ok) {
        DialogResult r;
        r.accepted = false;
        r.messages = messages.messages;
        return r;
    }
    const OilTexts& t = choice.texts;
    OilLibDate = t.OilLibDate;
    OilOrmixID = t.OilOrmixID;
    OilName = t.OilName;
    Location = t.Location;
    Synonyms = t.Synonyms;
    ProductType = t.ProductType;
    API = t.API;
    PourPoint = t.PourPoint;
    FlashPoint = t.FlashPoint;
    Adhesion = t.Adhesion;
    Aromatics = t.Aromatics;
    inputOil = choice.oil;
    oilFromCustom = custom;
    oilPosition = position;
    OilIndex = 0;
    const auto& summaries = library.Summaries();
    for (size_t i = 0; i < summaries.size(); ++i)
        if (summaries[i].position == position) OilIndex = static_cast<int>(i);
    m_bOilInputPassed = true;
    summaryRefresh[kSummaryOil] = true;
    DialogResult r = DialogResult::Accept();
    r.messages = messages.messages;
    return r;
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
    // a text without a blank reads as 0. Both numbers saturate: a text or a
    // temperature read from a file may hold any value, and no conversion may
    // leave what an int holds.
    size_t blank = PourPoint.find(' ');
    long leading = blank == std::string::npos
                       ? 0
                       : std::strtol(PourPoint.substr(0, blank).c_str(), nullptr, 10);
    int P = SaturatedInt(static_cast<double>(leading));
    int T = SaturatedInt(inputWater.temperature);
    bool fahrenheit = inputWater.tempUnits == 1;
    int PF = 0;
    if (fahrenheit) {
        PF = SaturatedInt(std::floor(P * 9.0 / 5.0 + 32 + 0.5));
        T = SaturatedInt(std::floor((T - 32.0) * 5.0 / 9.0 + 0.5));
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
    dumpFailed = false;
    std::string missing = MissingInputs();
    if (!missing.empty()) {
        messages.Error(" ERROR!  Please\n" + missing);
        return false;
    }
    std::string pour = PourPointWarning();
    if (!pour.empty()) messages.Warning(pour);

    WeatheringModel& m = *model_;
    // The model speaks through the scenario's sink for this run only: the
    // sink may be gone once the run is over.
    ScopedValue<MessageSink*> speak(m.run.sink, sink);
    m.run.workDir = workDir;
    if (runSeed) m.run.random.Seed(*runSeed);
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
    if (ok && m.run.numSteps < 1) {
        messages.Error("The wind records give no hour to run. Please enter the wind again.");
        ok = false;
    }
    if (ok) {
        ok = RunModel(m, {.coreDump = true});
    }
    dumpFailed = m.results.dumpFailed;
    if (!WriteInputDump(*this)) dumpFailed = true;
    if (!ok) {
        // The model was reset: whatever an earlier run showed is gone.
        solved = false;
        needsSolving = true;
        return false;
    }

    m.CopyRemovalsToEnvelope();
    windowOpen[kWindowBudgetGraph] = true;
    solved = true;
    needsSolving = false;
    return true;
}

}  // namespace ormix
