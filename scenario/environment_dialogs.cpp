#include "scenario/environment_dialogs.h"

#include "calculators/water_limits.h"
#include "scenario/typed_text.h"

namespace ormix {

namespace {
const std::string kProblem = "Problem with the Input\n\n";
}

DialogResult WaterDialogOK(CSpillDoc& doc, const WaterEntries& e) {
    if (e.temperatureUnit < 0 || e.temperatureUnit > 1 || e.salinityChoice < 0 ||
        e.salinityChoice > 3 || e.sedimentChoice < 0 || e.sedimentChoice > 3 || e.currentUnit < 0 ||
        e.currentUnit > 2)
        return DialogResult::Refuse(kProblem + "Unknown unit.");
    bool fahrenheit = e.temperatureUnit == 0;
    if (IsEmptyText(e.temperature))
        return DialogResult::Refuse(kProblem +
                                    "Please enter the water temperature. ORMIX needs this "
                                    "information and you left the field empty.");
    std::string temperature = WaterTemperatureProblem(TextToDouble(e.temperature), fahrenheit);
    if (!temperature.empty()) return DialogResult::Refuse(kProblem + temperature);
    static const double kSalinity[3] = {0, 15, 32};
    static const double kSediment[3] = {5, 50, 500};
    double salinity, sediment;
    if (e.salinityChoice == kOtherSalinity) {
        if (IsEmptyText(e.salinity))
            return DialogResult::Refuse(kProblem +
                                        "Please enter the water salinity or choose one of the "
                                        "default values. You chose to use a non-default value and "
                                        "then left the field empty.");
        salinity = TextToDouble(e.salinity);
        std::string problem = SalinityProblem(salinity);
        if (!problem.empty()) return DialogResult::Refuse(kProblem + problem);
    } else {
        salinity = kSalinity[e.salinityChoice];
    }
    if (e.sedimentChoice == kOtherSediment) {
        if (IsEmptyText(e.sediment))
            return DialogResult::Refuse(kProblem +
                                        "Please enter the water sediment load or choose one of the "
                                        "default values. You chose to use a non-default value and "
                                        "then left the field empty.");
        int s = TextToInt(e.sediment);
        if (s > 1000 || TextToDouble(e.sediment) < 0)
            return DialogResult::Refuse(kProblem +
                                        "Sorry, water sediment load values must be between 0 and "
                                        "1,000 gm/cu m.");
        sediment = TextToDouble(e.sediment);
    } else {
        sediment = kSediment[e.sedimentChoice];
    }
    // A current has a speed of 0 or more; its direction says where it goes.
    if (TextToDouble(e.currentSpeed) < 0)
        return DialogResult::Refuse(kProblem +
                                    "Sorry, ORMIX does not understand a negative current speed. "
                                    "Please enter a speed of 0 or more and the direction the "
                                    "current flows towards.");
    int speed = TextToInt(e.currentSpeed);
    static const char* const kCurrent[3] = {
        "Sorry, ORMIX does not support water currents greater than 5 mph. Please enter a smaller "
        "value.",
        "Sorry, ORMIX does not support water currents greater than 5 knots. Please enter a "
        "smaller value.",
        "Sorry, ORMIX does not support water currents greater than 3 m/s. Please enter a smaller "
        "value."};
    if (speed > (e.currentUnit == 2 ? 3 : 5))
        return DialogResult::Refuse(kProblem + kCurrent[e.currentUnit]);
    if (!IsEmptyText(e.currentSpeed)) {
        int direction = TextToInt(e.currentDirection);
        // A direction below 0 is as meaningless as one above 360.
        if (direction > 360 || TextToDouble(e.currentDirection) < 0)
            return DialogResult::Refuse(kProblem +
                                        "ORMIX does not understand the value you entered for the "
                                        "direction of the current. Please review the value.");
    }

    InputWater& w = doc.inputWater;
    w.speedUnits = e.currentUnit + 1;
    w.tempUnits = e.temperatureUnit + 1;
    w.temperature = TextToDouble(e.temperature);
    w.salinity = salinity;
    w.sediment = sediment;
    w.speed = IsEmptyText(e.currentSpeed) ? 0.0 : TextToDouble(e.currentSpeed);
    w.direction = IsEmptyText(e.currentDirection) ? 0.0 : TextToDouble(e.currentDirection);
    doc.m_bWaterInputPassed = true;
    doc.summaryRefresh[kSummaryWater] = true;
    return DialogResult::Accept();
}

namespace {

// An onset value or its uncertainty, checked alike.
std::string CheckOnset(const std::string& text, bool percent) {
    double v = TextToDouble(text);
    if (v < 0) return kProblem + "Please use a value greater than 0.";
    if (percent && v > 100)
        return kProblem +
               "You entered a percent value greater that 100. Please use a value between 0 and "
               "100.";
    return "";
}

}  // namespace

DialogResult EmulsificationDialogOK(CSpillDoc& doc, const EmulsificationEntries& e) {
    if (e.unit < 0 || e.unit > 1) return DialogResult::Refuse(kProblem + "Unknown unit.");
    bool percent = e.unit == 0;
    if (!e.useDefault) {
        if (IsEmptyText(e.value))
            return DialogResult::Refuse(kProblem +
                                        "Please enter an emulsification value or select the "
                                        "default. You chose to use a non-default value and then "
                                        "left the field empty.");
        std::string refusal = CheckOnset(e.value, percent);
        if (refusal.empty() && !IsEmptyText(e.uncertainty))
            refusal = CheckOnset(e.uncertainty, percent);
        if (!refusal.empty()) return DialogResult::Refuse(refusal);
    }
    doc.m_dEmulsValue = IsEmptyText(e.value) ? NoData : TextToDouble(e.value);
    doc.m_bEmulsBullwinkleDefined = percent;
    doc.m_bEmulsDefault = e.useDefault;
    doc.inputUncertainty.emulUnits = e.unit + 1;
    if (IsEmptyText(e.uncertainty)) {
        doc.inputUncertainty.emulFlag = 0;
        doc.inputUncertainty.emul = NoData;
    } else {
        doc.inputUncertainty.emulFlag = 1;
        doc.inputUncertainty.emul = TextToDouble(e.uncertainty);
    }
    if (doc.m_bEmulsDefault) {
        doc.inputOil.bullwinkle = NoData;
        doc.inputOil.bulltime = NoData;
    } else if (doc.m_bEmulsBullwinkleDefined) {
        doc.inputOil.bullwinkle = doc.m_dEmulsValue / 100;
        doc.inputOil.bulltime = NoData;
    } else {
        doc.inputOil.bullwinkle = NoData;
        doc.inputOil.bulltime = doc.m_dEmulsValue;
    }
    doc.summaryRefresh[kSummaryEmulsification] = true;
    return DialogResult::Accept();
}

}  // namespace ormix
