// The scenario summary: the inputs of the scenario in words and numbers, one
// section per kind of input, as a tree a desktop tree control can show, and
// as indented plain text.
#pragma once

#include <string>
#include <vector>

#include "scenario/spill_doc.h"

namespace ormix {

struct SummaryNode {
    std::string text;
    std::vector<SummaryNode> children;
    bool expanded = false;     // a section (or node) that received lines
    bool placeholder = false;  // the single line of a section without input
};

// The sections, in order: "Oil Type", "Wind and Wave Conditions", "Water
// Properties", "Release Information", then those of the response operations
// and of emulsification that have lines.
std::vector<SummaryNode> BuildScenarioSummary(const CSpillDoc& doc);

// One section each, as the tree refills them one at a time. The oil section
// shows the oil's density and viscosity at the scenario's water temperature,
// estimated as a run would.
SummaryNode OilTypeSection(const SpillDocData& doc);
SummaryNode WindSection(const SpillDocData& doc);
SummaryNode WaterSection(const SpillDocData& doc);
SummaryNode ReleaseSection(const SpillDocData& doc);
// The response operations' sections; a section without any line is empty
// (no text).
SummaryNode DispersantSection(const SpillDocData& doc);
SummaryNode BurnSection(const SpillDocData& doc);
SummaryNode MechanicalSection(const SpillDocData& doc);
SummaryNode BeachedSection(const SpillDocData& doc);
// Present once the scenario has been solved or when the onset is not the
// default; `estimatedOnset` is the fraction evaporated at the onset that
// the last run's oil preparation estimated.
SummaryNode EmulsificationSection(const SpillDocData& doc, bool solved, double estimatedOnset);

// The tree as text: one line per node, two spaces of indent per level.
std::string SummaryText(const std::vector<SummaryNode>& sections);

}  // namespace ormix
