// Solve away from the window's thread: the run goes on a thread of its own
// while the window keeps drawing, and every message of the run still
// reaches the person as a box, in order, with the run waiting for each box
// to be closed as it would on the window's thread.
#pragma once

#include "app/user_prompts.h"
#include "scenario/spill_doc.h"

class QWidget;

namespace ormix::app {

// Runs doc.Solve() on a worker thread and returns its result once it has
// ended; the caller's thread keeps handling events meanwhile (the caller
// blocks the input it must not take).
bool SolveOffThread(CSpillDoc& doc, UserPrompts& prompts, QWidget* parent);

}  // namespace ormix::app
