// The input dump "OrmixInput.dmp": a text listing of every input of a run.
#pragma once

namespace ormix {

class CSpillDoc;

// Writes the dump into the document's working directory. A failure shows its
// message and does not stop the run.
void WriteInputDump(const CSpillDoc& doc);

}  // namespace ormix
