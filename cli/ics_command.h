// `ormix ics SCENARIO --begin "MM/DD HH" --duration H [--export FILE]`: the
// ICS 209-OS Box 3 table of one operational period, and its export file.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/run_command.h"

namespace CLI {
class App;
}

namespace ormix {

struct IcsCommandOptions {
    RunOptions run;
    std::string begin;  // "MM/DD HH"; empty: the initial release's hour
    long duration = 8;  // hours, kept within 0..24
    std::string exportFile;
};

// Reads "MM/DD HH" (month/day hour, e.g. "03/14 06"); false when the text
// is not of that form or a field is out of range.
bool ParseIcsBeginning(const std::string& text, int& month, int& day, int& hour);

// Runs the scenario and prints the operational period and the table on
// `out`; writes the export when asked. 0, or 1 with the reason sent to
// `messages`.
int RunIcsCommand(const IcsCommandOptions& options, std::ostream& out, MessageSink& messages);

void AddIcsCommand(CLI::App& app);

}  // namespace ormix
