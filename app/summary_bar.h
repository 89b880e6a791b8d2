// The docked summary bar: the active scenario's inputs in words and numbers,
// one branch per kind of input, each branch refilled when its input changes.
// Activating a line opens the input dialog of its branch.
#pragma once

#include <QDockWidget>
#include <array>

#include "scenario/spill_doc.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace ormix::app {

class ScenarioSession;

class SummaryBar final : public QDockWidget {
    Q_OBJECT
public:
    explicit SummaryBar(QWidget* parent = nullptr);

    // Shows another scenario (or none): every branch is filled again.
    void ShowSession(ScenarioSession* session);
    ScenarioSession* Session() const { return session_; }
    // Refills the branches the scenario has marked; after a run also the
    // emulsification branch, which shows the onset the run estimated.
    void RefreshMarked(bool afterRun = false);

    QTreeWidget* Tree() const { return tree_; }
    // The branch of a section; null while the section has no lines.
    QTreeWidgetItem* SectionItem(SummarySection section) const;
    // How many times a branch has been filled: the tests' way to see that a
    // refresh touches only what changed.
    int FillCount(SummarySection section) const;

signals:
    void SectionActivated(SummarySection section);

private:
    void Fill(SummarySection section);

    QTreeWidget* tree_;
    ScenarioSession* session_ = nullptr;
    std::array<QTreeWidgetItem*, kSummarySections> items_{};
    std::array<int, kSummarySections> fills_{};
};

}  // namespace ormix::app
