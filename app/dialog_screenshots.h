// Pictures of every input dialog, property page and wizard page, for review:
// each is shown on the scenario given, rendered and saved as a PNG file in
// `dir`. Returns the files written.
#pragma once

#include <QString>
#include <QStringList>

#include "app/app_context.h"
#include "scenario/spill_doc.h"

namespace ormix::app {

QStringList RenderDialogScreenshots(const QString& dir, CSpillDoc& doc, AppContext& context);

}  // namespace ormix::app
