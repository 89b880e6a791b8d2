// `ormix plume`: the smoke plume of one in-situ burn from its entries as JSON.
#pragma once

#include <iosfwd>
#include <string>

#include "calculators/smoke_plume.h"
#include "core/messages.h"

namespace CLI {
class App;
}

namespace ormix {

struct PlumeCommandOptions {
    std::string file;
    std::string csv;  // where to write both envelopes; empty: none
};

// Checks the entries, computes both classes and prints the report on `out`.
// Returns 0, or 1 with the reason sent to `messages`.
int RunPlumeCommand(const PlumeCommandOptions& options, std::ostream& out, MessageSink& messages);

// Both envelopes, one row per point: class, distance, lower and upper height.
void WritePlumeEnvelopesCsv(const PlumeResult& result, std::ostream& out);

void AddPlumeCommand(CLI::App& app);

}  // namespace ormix
