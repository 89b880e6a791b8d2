// `ormix convert IN OUT`: a scenario from one file kind to the other, by the
// extensions: ".qsx" the scenario file, ".json" a JSON scenario. A JSON
// scenario a person wrote is loaded through the dialogs' checks; what is
// written as JSON is the saved form ({"document": ...}), which holds every
// value of the scenario file, so that converting back gives the same bytes.
#pragma once

#include <iosfwd>
#include <string>

#include "core/messages.h"

namespace CLI {
class App;
}

namespace ormix {

struct ConvertOptions {
    std::string in, out;
    std::string workDir = ".";  // the oil libraries of a JSON scenario's oil
    std::string library;        // an oil library file in place of OilLib
};

// 0 on success; 1 with the reason sent to `messages`.
int RunConvertCommand(const ConvertOptions& options, std::ostream& out, MessageSink& messages);

void AddConvertCommand(CLI::App& app);

}  // namespace ormix
