// The scenario file (".qsx", "ORMIX2 Files (*.qsx)", document type
// "ORMIX2.Document"): every input of a scenario and the model input records
// built from them, as a little-endian list of fields (scenario_fields.h)
// with no header. Results are never stored: an opened scenario needs a run.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "scenario/spill_doc.h"

namespace ormix {

inline constexpr char kScenarioExtension[] = ".qsx";
inline constexpr char kScenarioFilter[] = "ORMIX2 Files (*.qsx)";
inline constexpr char kScenarioDocType[] = "ORMIX2.Document";
inline constexpr char kScenarioTitle[] = "Spill Scenario";

// The largest file taken for a scenario: far more than any scenario holds
// (a few kilobytes plus its texts), so a file this large is something else.
inline constexpr std::size_t kMaxScenarioFileBytes = 64u << 20;

// Whether a path names a scenario file by its extension (".qsx", any case).
bool HasScenarioFileExtension(const std::string& path);

struct ScenarioFileResult {
    bool ok = false;
    std::string message;  // why it failed, ready for a message box
};

// The bytes of a scenario. Fails, naming the value, when a value cannot be
// stored: a time outside the file's unsigned 32-bit seconds since 1970, a
// count beyond its slots, or a text too long for its length prefix.
bool EncodeScenario(const SpillDocData& d, std::vector<unsigned char>& bytes, std::string& error);

// Reads exactly one scenario from `size` bytes into `d`. A truncated input,
// a text whose length runs past the end, a flag that is neither 0 nor 1, a
// count beyond its slots or bytes left over after the last field refuse the
// input with the reason, and `d` is left as it was.
bool DecodeScenario(const unsigned char* data, std::size_t size, SpillDocData& d,
                    std::string& error);

// Save: writes the scenario to a temporary file beside `path`, flushes it to
// the disk and renames it over `path`, so that a failure never destroys the
// file that was there.
ScenarioFileResult SaveScenarioFile(const SpillDocData& d, const std::string& path);

// Reads a scenario file into `d` (a fresh document's values take every
// value of the file). On failure `d` is unchanged.
ScenarioFileResult ReadScenarioFile(const std::string& path, SpillDocData& d);

// Open: reads the file into a fresh document; only when the whole file has
// been read are the document's values replaced and the post-load steps
// performed (OnOpenDocument). A file holding a value that no dialog stores
// (stored_values.h) is refused too. On failure the open document is
// unchanged.
ScenarioFileResult OpenScenarioFile(CSpillDoc& doc, const std::string& path);

}  // namespace ormix
