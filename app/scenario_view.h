// A window that shows one scenario: its start form, a graph or a table.
#pragma once

#include <QWidget>

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

private:
    ScenarioSession& session_;
    WindowKind kind_;
};

}  // namespace ormix::app
