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

// Tab-separated cells as comma-separated values: a cell holding a comma, a
// quote or a line break is quoted, its quotes doubled.
QString TabSeparatedAsCsv(const QString& cells);

// Writes a table's export: tab-separated cells (.txt, .tsv) or CSV (.csv)
// by the file's extension, replacing a file there only when complete.
// False with the reason.
bool WriteTableText(const QString& path, const QString& text, QString& error);

// The types a table is exported as, for the file chooser.
inline constexpr char kTableExportFilter[] =
    "Tab-Separated Text (*.txt);;Comma-Separated Values (*.csv)";

}  // namespace ormix::app
