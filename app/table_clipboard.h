// A table's text as the clipboard takes it for a spreadsheet: one row per
// line, one cell per column, separated by tabs, without the padding and the
// drawing of the fixed-pitch layout.
#pragma once

#include <QString>

namespace ormix::app {

// The facts above the rule of hyphens keep one cell per fact; below it,
// every column that holds only blanks and hyphens (the separators drawn
// between the columns) is left out, and empty lines are dropped.
QString TableAsTabSeparated(const QString& text);

}  // namespace ormix::app
