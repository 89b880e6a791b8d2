// Printing in the program. Each printed page has a title and a few lines of
// text, then either one chart, drawn to fill the rest of the page, or the
// text of a table, laid out as the table windows draw it over as many pages
// as it takes (each headed the same way and numbered).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class QChart;
class QPrinter;
class QWidget;

namespace ormix::app {

class UserPrompts;

struct PrintedPage {
    PrintedPage() = default;
    PrintedPage(QString title, QStringList lines, std::function<QChart*()> chart,
                QString table = {})
        : title(std::move(title)),
          lines(std::move(lines)),
          chart(std::move(chart)),
          table(std::move(table)) {}

    QString title;
    QStringList lines;
    std::function<QChart*()> chart;  // a new chart for the page; it is deleted after printing
    QString table;                   // or the text of a table
};

// Prints the pages, one after the other. False when the printer cannot be
// used (for example a file that cannot be written).
bool PrintPages(QPrinter& printer, const std::vector<PrintedPage>& pages);

// The same through the person's prompts, on the program's printer, whose
// choices are kept: Print asks and prints (false when the pages could not
// be printed; cancelling is not a failure), Print Preview shows the pages.
bool PrintAsked(UserPrompts& prompts, QWidget* parent, QPrinter& printer,
                const std::vector<PrintedPage>& pages);
void PreviewPages(UserPrompts& prompts, QWidget* parent, QPrinter& printer,
                  const std::vector<PrintedPage>& pages);

// Print as above, and tell the person when the pages could not be printed.
bool PrintOrTell(UserPrompts& prompts, QWidget* parent, QPrinter& printer,
                 const std::vector<PrintedPage>& pages);

}  // namespace ormix::app
