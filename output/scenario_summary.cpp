#include "output/scenario_summary.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>

#include "model/setup.h"
#include "output/text_cells.h"
#include "scenario/calendar.h"

namespace ormix {

namespace {

template <int N>
const char* Label(const char* const (&labels)[N], int index) {
    return index >= 0 && index < N ? labels[index] : "";
}

// Unit names, by the dialogs' choice index.
constexpr const char* kAmounts[] = {"bbl", "gal", "cu m", "tons", "metric tons"};
constexpr const char* kRates[] = {"bbl/hr",  "gal/hr",         "cu m/hr",
                                  "tons/hr", "metric tons/hr", "gal/min"};
constexpr const char* kDurations[] = {"hours", "days"};
constexpr const char* kAreas[] = {"sq. feet", "sq. yards", "sq. meters"};
constexpr const char* kSpeeds[] = {"mph", "knots", "m/s"};
constexpr const char* kWaveHeights[] = {"meters", "feet"};
constexpr const char* kFetches[] = {"miles", "km"};
constexpr const char* kThicknesses[] = {"mm", "cm", "inches"};
constexpr const char* kTemperatures[] = {"F", "C"};

SummaryNode Node(std::string text) {
    SummaryNode n;
    n.text = std::move(text);
    return n;
}

// A section whose input is missing: one placeholder line.
SummaryNode Section(const char* title, std::vector<SummaryNode> lines, const char* placeholder) {
    SummaryNode s = Node(title);
    s.expanded = !lines.empty();
    s.children = std::move(lines);
    if (s.children.empty() && placeholder) {
        SummaryNode p = Node(placeholder);
        p.placeholder = true;
        s.children.push_back(std::move(p));
    }
    return s;
}

SummaryNode Group(std::string text, std::vector<SummaryNode> lines) {
    SummaryNode n = Node(std::move(text));
    n.children = std::move(lines);
    n.expanded = !n.children.empty();
    return n;
}

std::string When(const char* prefix, std::time_t t) {
    return prefix + FormatTime(t, "%B %d, %H%M hours");
}

// A typed value as it was typed: whole numbers without decimals.
std::string AsTyped(double v) {
    return v == std::floor(v) ? Printf("%.0f", v) : Printf("%g", v);
}

bool IsRefined(const std::string& productType) {
    std::string t;
    for (char c : productType)
        t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return t == "refined";
}

int RoundedCelsius(double kelvin) {
    return static_cast<int>(std::lround(kelvin - 273.15));
}

// The fresh oil's density (kg/m3) and viscosity (m2/s) at the water
// temperature, prepared as a run prepares them; NoData when unknown.
struct OilAtWater {
    double density = NoData, viscosity = NoData;
};

OilAtWater PrepareAtWaterTemperature(const SpillDocData& doc) {
    OilAtWater out;
    if (doc.inputWater.temperature == NoData) return out;
    auto m = std::make_unique<WeatheringModel>();
    SilentSink quiet;
    m->run.sink = &quiet;
    FillOil(*m, doc.inputOil);
    FillWater(*m, doc.inputWater);
    PrepareModelOil(*m);  // sets the two values first; what fails later does not matter here
    if (m->setup.InitialOil.rho0 > 0) out.density = m->setup.InitialOil.rho0;
    if (m->setup.InitialOil.visc0 > 0) out.viscosity = m->setup.InitialOil.visc0;
    return out;
}

}  // namespace

SummaryNode OilTypeSection(const SpillDocData& doc) {
    std::vector<SummaryNode> lines;
    if (doc.m_bOilInputPassed) {
        const InputOil& o = doc.inputOil;
        lines.push_back(Node(doc.OilName));
        lines.push_back(Node("Location = " + doc.Location));
        lines.push_back(Node("Synonyms = " + doc.Synonyms));
        lines.push_back(Node("Product Type = " + doc.ProductType));
        lines.push_back(Node("API = " + doc.API));
        lines.push_back(Node("Pour Point = " + doc.PourPoint));
        lines.push_back(Node("Flash Point = " + doc.FlashPoint));
        if (o.rhoRef_value[0] > 0 && o.rhoRef_temp[0] > 0)
            lines.push_back(Node(Printf("Density = %.3f g/cc at %d deg C", o.rhoRef_value[0] / 1000,
                                        RoundedCelsius(o.rhoRef_temp[0]))));
        if (o.viscRef_value[0] > 0 && o.viscRef_temp[0] > 0)
            lines.push_back(
                Node(Printf("Viscosity = %.1f cSt at %d deg C", o.viscRef_value[0] * 1000000.0,
                            RoundedCelsius(o.viscRef_temp[0]))));
        else if (o.dyViscRef_value[0] > 0 && o.dyViscRef_temp[0] > 0)
            lines.push_back(
                Node(Printf("Viscosity = %.1f cP at %d deg C", o.dyViscRef_value[0] * 1000.0,
                            RoundedCelsius(o.dyViscRef_temp[0]))));
        const OilAtWater w = PrepareAtWaterTemperature(doc);
        const std::string water =
            Printf("%.0f deg %s", doc.inputWater.temperature,
                   Label(kTemperatures, doc.inputWater.tempUnits == 2 ? 1 : 0));
        if (w.density != NoData)
            lines.push_back(Node(Printf("Density = %.3f g/cc at ", w.density / 1000) + water));
        if (w.viscosity != NoData)
            lines.push_back(
                Node(Printf("Viscosity = %.1f cSt at ", w.viscosity * 1000000.0) + water));
        if (!doc.Adhesion.empty()) lines.push_back(Node("Adhesion = " + doc.Adhesion + "g/m2"));
        if (!doc.Aromatics.empty())
            lines.push_back(Node("Aromatics = " + doc.Aromatics + " weight %"));
        if (IsRefined(doc.ProductType) && (o.benzene < 0 || o.benzene >= 0.05))
            lines.push_back(Node("WARNING! Benzene graph for this product may be unreliable."));
    }
    return Section("Oil Type", std::move(lines), "No oil selected yet");
}

SummaryNode WindSection(const SpillDocData& doc) {
    std::vector<SummaryNode> lines;
    if (!doc.m_bVarWind && doc.m_dWindSpeed != NoData) {
        lines.push_back(Node(Printf("Wind Speed = %.0f %s from %.0f degrees", doc.m_dWindSpeed,
                                    Label(kSpeeds, doc.m_iWindSpeedUnit), doc.m_dWindDirection)));
        if (doc.m_iWaveHeightChooser == 1)
            lines.push_back(Group("Wave Height = computed from wind speed and fetch",
                                  {Node(Printf("Fetch = %.0f %s", doc.m_dFetch,
                                               Label(kFetches, doc.m_iFetchUnit)))}));
        else if (doc.m_iWaveHeightChooser == 2)
            lines.push_back(Node(Printf("Wave Height = %.1f %s", doc.m_dWaveHeight,
                                        Label(kWaveHeights, doc.m_iWaveHeightUnit))));
        else
            lines.push_back(
                Node("Wave Height = computed from wind speed, unlimited fetch (default)"));
    } else if (doc.m_bVarWind && doc.m_iVarWindNumber > 0) {
        const int last = std::min(doc.m_iVarWindNumber, kHours) - 1;
        lines.push_back(
            Group("Variable Wind",
                  {Node(FormatTime(doc.m_tVarWindTime[0], "Winds Start = %B %d, %H:00 hours")),
                   Node(FormatTime(doc.m_tVarWindTime[last], "Winds Stop = %B %d, %H:00 hours"))}));
    }
    const InputUncertainty& u = doc.inputUncertainty;
    if (u.windFlag)
        lines.push_back(Group("Wind Uncertainty", {Node(Printf("Wind speed = (+/-) %.0f %s", u.wind,
                                                               Label(kSpeeds, u.windUnits - 1)))}));
    return Section("Wind and Wave Conditions", std::move(lines), "No wind entered yet");
}

SummaryNode WaterSection(const SpillDocData& doc) {
    std::vector<SummaryNode> lines;
    const InputWater& w = doc.inputWater;
    if (w.temperature != NoData) {
        lines.push_back(Node(Printf("Temperature = %.0f deg %s", w.temperature,
                                    Label(kTemperatures, w.tempUnits == 2 ? 1 : 0))));
        lines.push_back(Node(Printf("Salinity = %.0f ppt", w.salinity)));
        const char* kind = w.sediment == 5     ? " (ocean)"
                           : w.sediment == 50  ? " (avg. river/estuary)"
                           : w.sediment == 500 ? " (muddy river)"
                                               : "";
        lines.push_back(Node(Printf("Sediment Load = %.0f g/m3", w.sediment) + kind));
        const char* unit = Label(kSpeeds, w.speedUnits - 1);
        // An unset current is no current.
        if (w.speed != 0 && w.speed != NoData)
            lines.push_back(Node(Printf("Current = %.1f %s towards %.0f degrees", w.speed, unit,
                                        w.direction == NoData ? 0.0 : w.direction)));
        else
            lines.push_back(Node(Printf("Current = 0 %s", unit)));
    }
    return Section("Water Properties", std::move(lines), "No water properties entered yet");
}

SummaryNode ReleaseSection(const SpillDocData& doc) {
    std::vector<SummaryNode> lines;
    if (doc.inputInstant.flag)
        lines.push_back(Group("Instantaneous Release",
                              {Node(When("Time of Release = ", doc.InstantaneousTime)),
                               Node(Printf("Amount Spilled = %.0f %s", doc.inputInstant.vol,
                                           Label(kAmounts, doc.inputInstant.volUnits - 1)))}));
    if (doc.inputContinuous.flag) {
        std::vector<SummaryNode> c{Node(When("Time of Release = ", doc.ContinuousTime))};
        if (doc.spilledType == 0) {
            c.push_back(Node(
                Printf("Amount Spilled = %.0f %s", doc.amount, Label(kAmounts, doc.amountUnits))));
        } else if (doc.spilledType == 1) {
            c.push_back(
                Node(Printf("Spill Rate = %.0f %s", doc.rate, Label(kRates, doc.rateUnits1))));
        } else {
            c.push_back(Node(Printf("Starting Spill Rate = %.0f %s", doc.startRate,
                                    Label(kRates, doc.rateUnits2))));
            c.push_back(Node(
                Printf("Final Spill Rate = %.0f %s", doc.endRate, Label(kRates, doc.rateUnits2))));
        }
        c.push_back(Node(Printf("Duration of Release = %d %s", doc.duration,
                                Label(kDurations, doc.durationUnits))));
        lines.push_back(Group("Continuous Release", std::move(c)));
    }
    if (doc.inputTank.flag)
        lines.push_back(
            Group("Leaking Tank Release", {Node(When("Time of Release = ", doc.TankTime))}));
    if (doc.inputBoomed.flag)
        lines.push_back(Group("Contained Release",
                              {Node(When("Time of Release = ", doc.ContainedTime)),
                               Node(Printf("Amount Spilled = %.0f %s", doc.inputBoomed.vol,
                                           Label(kAmounts, doc.inputBoomed.volUnits - 1))),
                               Node(Printf("Area of Contained Oil = %.0f %s", doc.inputBoomed.area,
                                           Label(kAreas, doc.inputBoomed.areaUnits - 1)))}));
    const bool anyRelease = !lines.empty();
    if (doc.inputUncertainty.volFlag)
        lines.push_back(Group("Release Uncertainty",
                              {Node(Printf("Amount Spilled = (+/-) %.0f%% of the total oil spilled",
                                           doc.inputUncertainty.vol))}));
    SummaryNode s = Section("Release Information", std::move(lines), "No release entered yet");
    s.expanded = anyRelease;
    return s;
}

SummaryNode DispersantSection(const SpillDocData& doc) {
    std::vector<SummaryNode> ops;
    for (int i = 0; i < kOperationSlots; ++i) {
        if (!doc.mDispersantPageUse[i]) continue;
        ops.push_back(Group(
            Printf("Dispersant Operation = %d", i + 1),
            {Node(When("Time of Application = ", doc.DispersantTime[i])),
             Node(Printf("Duration of Spray = %d hours", doc.m_nDispersantDuration[i])),
             Node(Printf("Percent of Slick Sprayed = %.0f %%", doc.m_dDispersantDispersed[i])),
             Node(Printf("Dispersant Effectiveness = %.0f %%", doc.m_dDispersantSprayed[i]))}));
    }
    return ops.empty() ? SummaryNode{} : Section("Dispersant Operations", std::move(ops), nullptr);
}

SummaryNode BurnSection(const SpillDocData& doc) {
    std::vector<SummaryNode> ops;
    for (int i = 0; i < kOperationSlots; ++i) {
        if (!doc.mInSituBurnPageUse[i]) continue;
        ops.push_back(Group(Printf("In-Situ Burn Operation = %d", i + 1),
                            {Node(When("Time of Burn = ", doc.InSituBurnTime[i])),
                             Node(Printf("Area of Burn = %.0f %s", doc.m_dBurnArea[i],
                                         Label(kAreas, doc.m_iAreaUnits[i]))),
                             // Thicknesses are often below one unit (0.2 cm, 0.078 inches): shown
                             // as typed rather than rounded to a whole number.
                             Node("Oil Thickness = " + AsTyped(doc.m_dBurnThickness[i]) + " " +
                                  Label(kThicknesses, doc.m_iThicknessUnits[i]))}));
    }
    return ops.empty() ? SummaryNode{}
                       : Section("In-Situ Burn Operations", std::move(ops), nullptr);
}

SummaryNode MechanicalSection(const SpillDocData& doc) {
    std::vector<SummaryNode> ops;
    for (int i = 0; i < kOperationSlots; ++i) {
        if (!doc.mMechanicalPageUse[i]) continue;
        SummaryNode amount =
            doc.m_bMechanicalRateUse[i]
                ? Node(Printf("Recovery Rate = %.0f %s", doc.m_dRecoveryRate[i],
                              Label(kRates, doc.m_iRecoveryUnits[i])))
                : Node(Printf("AmountRecovered = %.0f %s", doc.m_dRecoveredAmount[i],
                              Label(kAmounts, doc.m_iAmountUnits[i])));
        ops.push_back(Group(Printf("Mechanical Cleanup Operation = %d", i + 1),
                            {Node(When("Time of Application = ", doc.SkimmerTime[i])), amount}));
    }
    return ops.empty() ? SummaryNode{}
                       : Section("Mechanical Cleanup Operations", std::move(ops), nullptr);
}

SummaryNode BeachedSection(const SpillDocData& doc) {
    std::vector<SummaryNode> days;
    for (int d = 0; d < kBeachingDays; ++d)
        if (doc.m_dBeachingAmount[d] > 0)
            days.push_back(Node(Printf("Day %d = %0.f %s", d + 1, doc.m_dBeachingAmount[d],
                                       Label(kAmounts, doc.m_iBeachingUnits))));
    return days.empty() ? SummaryNode{} : Section("Beached Oil", std::move(days), nullptr);
}

SummaryNode EmulsificationSection(const SpillDocData& doc, bool solved, double estimatedOnset) {
    if (doc.m_bEmulsDefault && !solved) return SummaryNode{};
    std::string line;
    if (doc.inputUncertainty.emulFlag)
        line = "Emulsification onset varies";
    else if (doc.m_bEmulsDefault) {
        // An oil whose onset could not be estimated has nothing to say here.
        if (!(estimatedOnset >= 0)) return SummaryNode{};
        line = Printf("Mousse begins to form when %0.f%% of the oil has evaporated.",
                      estimatedOnset * 100);
    } else if (doc.m_bEmulsBullwinkleDefined)
        line = Printf("Mousse begins to form when %0.f%% of the oil has evaporated.",
                      doc.m_dEmulsValue);
    else
        line = Printf("Mousse begins to form when %0.f hours after the start of the spill.",
                      doc.m_dEmulsValue);
    return Section("Emulsification", {Node(line)}, nullptr);
}

std::vector<SummaryNode> BuildScenarioSummary(const CSpillDoc& doc) {
    std::vector<SummaryNode> sections{OilTypeSection(doc), WindSection(doc), WaterSection(doc),
                                      ReleaseSection(doc)};
    const SummaryNode optional[] = {
        DispersantSection(doc), BurnSection(doc), MechanicalSection(doc), BeachedSection(doc),
        EmulsificationSection(doc, doc.solved, doc.Model().inputs.oil.bullwinkleHigh)};
    for (const SummaryNode& s : optional)
        if (!s.text.empty()) sections.push_back(s);
    return sections;
}

namespace {
void AppendText(std::string& out, const SummaryNode& n, int depth) {
    out.append(2 * depth, ' ');
    out += n.text;
    out += '\n';
    for (const SummaryNode& c : n.children)
        AppendText(out, c, depth + 1);
}
}  // namespace

std::string SummaryText(const std::vector<SummaryNode>& sections) {
    std::string out;
    for (const SummaryNode& s : sections)
        AppendText(out, s, 0);
    return out;
}

}  // namespace ormix
