// A window that shows one scenario: its start form, a graph or a table.
#pragma once

#include <QWidget>
#include <vector>

#include "app/plot_printing.h"
#include "app/window_kinds.h"

namespace ormix::app {

class ScenarioSession;

class ScenarioView : public QWidget {
    Q_OBJECT
public:
    ScenarioView(ScenarioSession& session, WindowKind kind, QWidget* parent = nullptr);
    ~ScenarioView() override;

    ScenarioSession& Session() const { return session_; }
    WindowKind Kind() const { return kind_; }
    virtual QString HelpTopic() const;

    // Puts what the window shows on the clipboard; false when it has
    // nothing of its own to copy.
    virtual bool CopyToClipboard() { return false; }
    // The scenario's results or inputs changed: draw again.
    virtual void Refresh() {}

    // What Print prints: pages headed by what the window shows, the
    // scenario's name and its first release; none for a window that does
    // not print.
    virtual std::vector<PrintedPage> PrintedPages() const { return {}; }

    // Export: the file chooser's title, types and suggested file name; an
    // empty filter for a window that exports nothing. ExportTo writes the
    // format the file's extension asks for; false with the reason.
    virtual QString ExportTitle() const { return {}; }
    virtual QString ExportFilter() const { return {}; }
    virtual QString ExportName() const { return {}; }
    virtual bool ExportTo(const QString& path, QString& error);

protected:
    // The lines under a printed page's title: the scenario's name, its
    // first release and when the page was printed.
    QStringList PageLines() const;
    // A file name for an export, without its extension: the scenario's
    // name and what the window shows, in the scenario file's folder.
    QString ExportBaseName() const;

private:
    ScenarioSession& session_;
    WindowKind kind_;
};

}  // namespace ormix::app
