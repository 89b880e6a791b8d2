// The input dump "OrmixInput.dmp": a text listing of every input of a run.
#pragma once

#include <string>

namespace ormix {

class CSpillDoc;

// The text of the dump: the document's dialog values, the input records and
// the model's initial oil values, one value to a line.
std::string InputDumpText(const CSpillDoc& doc);

// Writes the dump into the document's working directory, replacing an
// earlier one. A failure shows its message (naming the file and the reason)
// and returns false; it does not stop the run.
bool WriteInputDump(const CSpillDoc& doc);

}  // namespace ormix
