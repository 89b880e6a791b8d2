// `ormix oils`, `ormix oil show` and `ormix custom-oil`: the oil library and
// the custom oil library from the command line.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "core/messages.h"
#include "oil/custom_oil.h"
#include "oil/oil_library.h"
#include "oil/oil_selection.h"

namespace CLI {
class App;
}

namespace ormix {

// Where the libraries are: `OilLib` and `CustomLib` in the working
// directory, unless `library` names the oil library file itself.
struct OilLibraryOptions {
    std::string workDir = ".";
    std::string library;
};

std::unique_ptr<OilLibrary> MakeOilLib(const OilLibraryOptions& options);
std::unique_ptr<OilLibrary> MakeCustomLib(const OilLibraryOptions& options);

// Loads the oil library; on failure shows the reason, and what to do about
// it, and returns false.
bool LoadOilLib(OilLibrary& lib, const OilLibraryOptions& where, MessageSink& messages);
// Loads the custom oil library; a missing file is an empty library.
bool LoadCustomLib(OilLibrary& custom, MessageSink& messages);

// The one oil whose name or ID is `nameOrId`, or null after a message.
const OilSummary* FindOneOil(const OilLibrary& lib, const std::string& nameOrId,
                             MessageSink& messages);

struct ListOilsOptions {
    OilLibraryOptions where;
    bool custom = false;
    std::string sort = "name";  // name, api or pour
    std::string find;
};

// Prints the list columns Name, Reference, API and Location. Returns the
// exit status.
int ListOils(const ListOilsOptions& options, std::ostream& out, MessageSink& messages);

struct ShowOilOptions {
    OilLibraryOptions where;
    bool custom = false;
    std::string oil;
    std::string units = "C";
};

// Prints the property display of one oil. Returns the exit status.
int ShowOil(const ShowOilOptions& options, std::ostream& out, MessageSink& messages);
void PrintPropertyDisplay(const OilPropertyDisplay& display, std::ostream& out);

struct CustomOilOptions {
    OilLibraryOptions where;
    std::string action;      // add, edit or remove
    std::string oil;         // the custom oil to edit or remove
    std::string json;        // file of the JSON record
    std::string copy;        // library oil to start a new oil from
    std::string copyCustom;  // custom oil to start a new oil from
};

// Adds, edits or removes a custom oil of CustomLib. Returns the exit status.
int RunCustomOil(const CustomOilOptions& options, CustomOilIdState& ids, std::ostream& out,
                 MessageSink& messages);

void AddOilCommands(CLI::App& app);
void AddCustomOilCommands(CLI::App& app);

}  // namespace ormix
