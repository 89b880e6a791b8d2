// Printing of the calculators' plots: each printed page has a title, a few
// lines of text and one chart, drawn to fill the rest of the page.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QChart;
class QPrinter;
class QWidget;

namespace ormix::app {

struct PrintedPage {
    QString title;
    QStringList lines;
    std::function<QChart*()> chart;  // a new chart for the page; it is deleted after printing
};

// Prints the pages, one after the other. False when the printer cannot be
// used (for example a file that cannot be written).
bool PrintPages(QPrinter& printer, const std::vector<PrintedPage>& pages);

// Asks for a printer with the print dialog and prints; nothing when the
// person cancels.
void PrintWithDialog(QWidget* parent, const std::vector<PrintedPage>& pages);

}  // namespace ormix::app
