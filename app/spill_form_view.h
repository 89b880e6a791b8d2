// The scenario's start form: how to build a spill scenario, with link
// buttons for the four inputs every scenario needs and for Solve; after an
// input has changed following a run, the note that the outputs must be
// made again.
#pragma once

#include <functional>

#include "app/scenario_view.h"

class QLabel;
class QPushButton;
class QHBoxLayout;

namespace ormix::app {

enum class FormLink { Release, Oil, WindWave, Water, Solve };

class SpillFormView final : public ScenarioView {
    Q_OBJECT
public:
    explicit SpillFormView(ScenarioSession& session, QWidget* parent = nullptr);

    void SetLinkEnabled(FormLink link, bool enabled);
    QPushButton* Link(FormLink link) const;
    // Shows the instructions, or the re-calculate note when the scenario's
    // inputs changed after its last run.
    void Refresh() override;
    bool ShowsRecalculate() const;

    // Closing the form closes the scenario: the window asks first.
    void SetCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

signals:
    void LinkClicked(FormLink link);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* MakeLink(FormLink link, const char* text);

    QPushButton* links_[5];
    QWidget* instructions_;
    QWidget* recalculate_;
    QHBoxLayout* finishRow_;
    QHBoxLayout* recalculateRow_;
    std::function<bool()> closeGuard_;
};

}  // namespace ormix::app
