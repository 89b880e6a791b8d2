// The scenario document: everything a responder has entered for one spill
// scenario, the model input records built from it, the oil library objects
// and the weathering model with its results.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include "calculators/smoke_plume_dialog.h"
#include "calculators/tank_wizard.h"
#include "core/inputs.h"
#include "core/messages.h"
#include "model/weathering_model.h"
#include "oil/custom_oil.h"
#include "oil/oil_library.h"
#include "scenario/dialog_result.h"

namespace ormix {

inline constexpr int kOperationSlots = 5;
inline constexpr int kBeachingDays = 6;

// Sections of the scenario summary, each redrawn when its input changes.
enum SummarySection {
    kSummaryRelease,
    kSummaryOil,
    kSummaryWater,
    kSummaryWind,
    kSummaryDispersant,
    kSummaryBurn,
    kSummaryMechanical,
    kSummaryBeaching,
    kSummaryEmulsification,
    kSummarySections
};

// The graph and table windows that show a scenario's results.
enum OutputWindow {
    kWindowDensity,
    kWindowViscosity,
    kWindowWater,
    kWindowBenzene,
    kWindowBudgetGraph,
    kWindowEvaporation,
    kWindowDispersion,
    kWindowRemaining,
    kWindowBurned,
    kWindowSkimmed,
    kWindowBeached,
    kWindowBudgetTable,
    kWindowIcsTable,
    kOutputWindows
};

// Units of the oil budget graph.
enum BudgetGraphUnit {
    kGraphCubicMetres = 0,
    kGraphFraction = 1,
    kGraphPercent = 2,
    kGraphBarrels = 3,
    kGraphGallons = 4,
    kGraphTons = 5,
    kGraphMetricTonnes = 6
};

// Codes of the graph kinds whose unit the document keeps (0..10).
inline constexpr int kGraphKindCodes = 11;

// Everything the document holds apart from its libraries and its model; plain
// values, so that two states of a document can be compared.
struct SpillDocData {
    // The chosen oil: its index in its library's list, whether it came from
    // the custom oil library, and its record's byte position (-1 for none).
    int OilIndex = 0;
    bool oilFromCustom = false;
    long oilPosition = -1;
    std::string OilLibDate, OilOrmixID, OilName, Location, Synonyms, ProductType, API, PourPoint,
        FlashPoint, Adhesion, Aromatics;

    // Model input records.
    InputOil inputOil;
    InputWater inputWater;
    InputWindWave inputWindWave;
    InputInstant inputInstant;
    InputBoomed inputBoomed;
    InputContinuous inputContinuous;
    InputTank inputTank;
    InputBeached inputBeached;
    InputSkimmer inputSkimmer;
    InputDispersant inputDispersant;
    InputBurn inputBurn;
    InputUncertainty inputUncertainty;

    // Continuous release dialog.
    int duration = NoDataInt;
    int durationUnits = 0;  // 0 hours, 1 days
    int spilledType = 0;    // 0 amount, 1 constant rate, 2 start and end rate
    double amount = NoData;
    int amountUnits = 0;
    double rate = NoData;
    int rateUnits1 = 0;
    double startRate = NoData;
    double endRate = NoData;
    int rateUnits2 = 0;

    // The leaking tank's set-up pages as typed (the tank itself is InputTank).
    TankPageValues tankPages;

    // Times.
    std::time_t SpillTime = 0;
    std::time_t InstantaneousTime = 0, ContinuousTime = 0, TankTime = 0, ContainedTime = 0;
    std::array<std::time_t, kOperationSlots> DispersantTime{}, InSituBurnTime{}, SkimmerTime{};
    std::array<std::time_t, kHours> m_tVarWindTime{};

    // Emulsification dialog.
    bool m_bEmulsDefault = true;
    bool m_bEmulsBullwinkleDefined = true;
    double m_dEmulsValue = NoData;

    // Wind and wave dialog.
    bool m_bVarWind = false;
    double m_dWindSpeed = NoData, m_dWindDirection = NoData;
    double m_dFetch = 0, m_dFetchN = 0, m_dFetchE = 0, m_dFetchS = 0, m_dFetchW = 0;
    double m_dWaveHeight = NoData;
    std::array<double, kHours> m_dVarWindSpeed, m_dVarWindDirection, m_dVarWaveHeight;
    int m_iVarWindNumber = 0;
    int m_iWindSpeedUnit = 0, m_iFetchUnit = 0, m_iWaveHeightUnit = 0, m_iVarSpeedUnit = 0,
        m_iVarWaveHeightUnit = 0, m_iVarFetchUnit = 0, m_iWaveHeightChooser = 0;

    // Response operation dialogs, per slot.
    std::array<int, kOperationSlots> mDispersantPageUse{}, mInSituBurnPageUse{},
        mMechanicalPageUse{};
    std::array<int, kOperationSlots> m_nDispersantDuration;
    std::array<double, kOperationSlots> m_dDispersantDispersed, m_dDispersantSprayed;
    std::array<int, kOperationSlots> m_bMechanicalRateUse;
    std::array<double, kOperationSlots> m_dRecoveryRate;     // as typed
    std::array<int, kOperationSlots> m_nCleanupDuration;     // hours, as typed
    std::array<double, kOperationSlots> m_dRecoveredAmount;  // as typed
    std::array<int, kOperationSlots> m_iRecoveryUnits{}, m_iAmountUnits{};
    std::array<double, kOperationSlots> m_dBurnArea;       // as typed
    std::array<double, kOperationSlots> m_dBurnThickness;  // as typed
    std::array<int, kOperationSlots> m_iAreaUnits{}, m_iThicknessUnits{};
    std::array<PlumeSlotValues, kOperationSlots> plume{};  // smoke plume inputs per burn
    int m_iBurnRegRateCombo = 0;                           // 0 default, 1 other value
    double m_dBurnRegRate = 0.04;
    int m_iBurnRegRateUnit = 0;  // 0 mm/s, 1 in/s
    int m_iBeachingUnits = 0;
    std::array<double, kBeachingDays> m_dBeachingAmount;
    bool selF = false;

    // Completion of the required inputs.
    bool m_bWaterInputPassed = false, m_bWindAndWaveInputPassed = false, m_bOilInputPassed = false,
         m_bReleaseInputPassed = false;

    // Unit of the oil budget graph.
    int budgetGraphUnit = kGraphPercent;
    // Unit of each single-quantity graph, by its kind's code: 0 benzene
    // (ppm), 1 density (1 kg/cu m), 2 viscosity (0 cSt), 3 water content
    // (1 percent), 4 and 6 to 10 the budget quantities (budget graph units,
    // 2 percent); 5 is no graph.
    std::array<int, kGraphKindCodes> graphUnit{0, 1, 0, 1, 2, 2, 2, 2, 2, 2, 2};

    SpillDocData();
    bool operator==(const SpillDocData&) const = default;
};

class CSpillDoc : public SpillDocData {
public:
    // A new scenario: every default, the spill time (and every other time)
    // set to `now`. The oil libraries "OilLib" and "CustomLib" are read from
    // `workDir`, which is also where the diagnostic files are written; a
    // named `oilLibFile` stands in for the oil library of the directory.
    explicit CSpillDoc(std::time_t now = std::time(nullptr), const std::string& workDir = ".",
                       const std::string& oilLibFile = "");
    ~CSpillDoc();
    CSpillDoc(const CSpillDoc&) = delete;
    CSpillDoc& operator=(const CSpillDoc&) = delete;

    void OnNewDocument();
    void OnCloseDocument();
    // What opening a saved scenario does once its values have been read:
    // needs a run again, every summary section redrawn, and the oil's
    // library date compared with the current oil library's.
    void OnOpenDocument();

    // The oil library commands: choose the oil at a byte position of the oil
    // library or of the custom oil library. A library that cannot be read,
    // or an oil whose data cannot be used, is refused with its message and
    // the scenario keeps its oil.
    DialogResult SelectLibraryOil(long position);
    DialogResult SelectCustomOil(long position);

    OilLibrary& OilLib() { return oilLib_; }
    OilLibrary& CustomLib() { return customLib_; }
    CustomOilIdState& CustomOilIds() { return customOilIds_; }
    // The oil library file named in place of the working directory's, if any.
    const std::string& OilLibFile() const { return oilLibFile_; }

    // The run ("Solve"). Returns true when the model produced results; the
    // reasons it did not have been shown through the sink.
    bool Solve();
    // Whether a diagnostic file of the last run (OrmixCore.dmp,
    // OrmixInput.dmp) could not be written; its message has been shown and
    // the results stand.
    bool dumpFailed = false;

    // Where messages go, where the diagnostic files are written, and, when
    // set, the seed of every run (which makes a run reproducible).
    MessageSink* sink = &DiscardMessages();
    std::string workDir;
    std::optional<std::uint32_t> runSeed;

    WeatheringModel& Model() { return *model_; }
    const WeatheringModel& Model() const { return *model_; }

    // Result state.
    bool needsSolving = true;
    bool solved = false;
    std::array<bool, kOutputWindows> windowOpen{};
    std::array<bool, kSummarySections> summaryRefresh{};

    // The completeness lines of the run, empty when nothing is missing.
    std::string MissingInputs() const;

    // The pour-point warning of the run, empty when none is due.
    std::string PourPointWarning() const;

private:
    DialogResult ApplyOilChoice(OilLibrary& library, bool custom, long position);

    std::string oilLibFile_;
    std::unique_ptr<WeatheringModel> model_;
    OilLibrary oilLib_, customLib_;
    CustomOilIdState customOilIds_;
};

}  // namespace ormix
