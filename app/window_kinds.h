// The kinds of window that show a scenario: its start form, the eleven
// graphs, the oil budget table and the ICS table, in the order the program
// registers them, with their titles and the manual's topic for each.
#pragma once

#include <array>

#include "output/graph_series.h"
#include "scenario/spill_doc.h"

namespace ormix::app {

enum class WindowKind {
    Scenario,
    Density,
    Viscosity,
    Water,
    Benzene,
    BudgetGraph,
    Evaporation,
    Dispersion,
    Remaining,
    Burned,
    Skimmed,
    Beached,
    BudgetTable,
    IcsTable,
};

struct WindowKindInfo {
    WindowKind kind;
    const char* title;      // the window's title after the scenario's name
    int outputWindow;       // the document's open-window flag; -1 for the form
    const char* helpTopic;  // the manual's topic for the window
    int graphKind;          // the GraphKind a graph window draws; -1 for the others
};

inline constexpr std::array<WindowKindInfo, 14> kWindowKinds{{
    {WindowKind::Scenario, "Spill Scenario", -1, "Getting_Started.html", -1},
    {WindowKind::Density, "Density", kWindowDensity, "Density_Graph.html", kDensityGraph},
    {WindowKind::Viscosity, "Viscosity", kWindowViscosity, "Viscosity_Graph.html", kViscosityGraph},
    {WindowKind::Water, "Water", kWindowWater, "Water_Content_Graph.html", kWaterGraph},
    {WindowKind::Benzene, "Benzene", kWindowBenzene, "Benzene_Graph.html", kBenzeneGraph},
    {WindowKind::BudgetGraph, "Oil Budget", kWindowBudgetGraph, "Oil_Budget_Graph.html",
     kOilBudgetGraph},
    {WindowKind::Evaporation, "Evaporation", kWindowEvaporation, "Evaporation_Graph.html",
     kEvaporationGraph},
    {WindowKind::Dispersion, "Disperse", kWindowDispersion, "Dispersion_Graph.html",
     kDisperseGraph},
    {WindowKind::Remaining, "Remain", kWindowRemaining, "Remaining_Graph.html", kRemainGraph},
    {WindowKind::Burned, "Burn", kWindowBurned, "Burned_Graph.html", kBurnGraph},
    {WindowKind::Skimmed, "Skim", kWindowSkimmed, "Skimmed_Graph.html", kSkimGraph},
    {WindowKind::Beached, "Beach", kWindowBeached, "Beached_Graph.html", kBeachGraph},
    {WindowKind::BudgetTable, "Oil Budget Table", kWindowBudgetTable, "Oil_Budget_Table.html", -1},
    {WindowKind::IcsTable, "ICS Table", kWindowIcsTable, "ICS_Table.html", -1},
}};

inline const WindowKindInfo& InfoOf(WindowKind kind) {
    return kWindowKinds[static_cast<std::size_t>(kind)];
}

inline bool IsGraphWindow(WindowKind kind) {
    return InfoOf(kind).graphKind >= 0;
}

// The eleven graph windows, in the order the program registers them.
inline constexpr std::array<WindowKind, 11> kGraphWindows{
    WindowKind::Density,     WindowKind::Viscosity,   WindowKind::Water,      WindowKind::Benzene,
    WindowKind::BudgetGraph, WindowKind::Evaporation, WindowKind::Dispersion, WindowKind::Remaining,
    WindowKind::Burned,      WindowKind::Skimmed,     WindowKind::Beached};

}  // namespace ormix::app
