// The kinds of window that show a scenario: its start form, the eleven
// graphs, the oil budget table and the ICS table, in the order the program
// registers them, with their titles and the manual's topic for each.
#pragma once

#include <array>

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
};

inline constexpr std::array<WindowKindInfo, 14> kWindowKinds{{
    {WindowKind::Scenario, "Spill Scenario", -1, "Getting_Started.html"},
    {WindowKind::Density, "Density", kWindowDensity, "Density_Graph.html"},
    {WindowKind::Viscosity, "Viscosity", kWindowViscosity, "Viscosity_Graph.html"},
    {WindowKind::Water, "Water", kWindowWater, "Water_Content_Graph.html"},
    {WindowKind::Benzene, "Benzene", kWindowBenzene, "Benzene_Graph.html"},
    {WindowKind::BudgetGraph, "Oil Budget", kWindowBudgetGraph, "Oil_Budget_Graph.html"},
    {WindowKind::Evaporation, "Evaporation", kWindowEvaporation, "Evaporation_Graph.html"},
    {WindowKind::Dispersion, "Disperse", kWindowDispersion, "Dispersion_Graph.html"},
    {WindowKind::Remaining, "Remain", kWindowRemaining, "Remaining_Graph.html"},
    {WindowKind::Burned, "Burn", kWindowBurned, "Burned_Graph.html"},
    {WindowKind::Skimmed, "Skim", kWindowSkimmed, "Skimmed_Graph.html"},
    {WindowKind::Beached, "Beach", kWindowBeached, "Beached_Graph.html"},
    {WindowKind::BudgetTable, "Oil Budget Table", kWindowBudgetTable, "Oil_Budget_Table.html"},
    {WindowKind::IcsTable, "ICS Table", kWindowIcsTable, "ICS_Table.html"},
}};

inline const WindowKindInfo& InfoOf(WindowKind kind) {
    return kWindowKinds[static_cast<std::size_t>(kind)];
}

}  // namespace ormix::app
