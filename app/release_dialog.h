// The release dialog: which releases the scenario has (contained,
// instantaneous, continuous, leaking tank), a button that opens each kind's
// dialog, a summary line of each, and the uncertainty of the amount. OK sets
// the spill time and the start hours and checks the schedule.
#pragma once

#include "app/dialog_support.h"
#include "scenario/release_dialogs.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace ormix::app {

class ReleaseDialog : public InputDialog {
    Q_OBJECT
public:
    ReleaseDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);

    ReleaseChecks Checks() const;

    QCheckBox* contained;
    QCheckBox* instantaneous;
    QCheckBox* continuous;
    QCheckBox* tank;
    QPushButton* containedButton;
    QPushButton* instantaneousButton;
    QPushButton* continuousButton;
    QPushButton* tankButton;
    QPushButton* uncertaintyButton;
    QLabel* containedSummary;
    QLabel* instantaneousSummary;
    QLabel* continuousSummary;
    QLabel* tankSummary;

protected:
    bool Apply() override;

private:
    void ShowSummaries();
    // After a kind's dialog closed with OK: its box is checked, and either
    // the contained release or all the others are given up.
    void KindEntered(QCheckBox* kind);
};

}  // namespace ormix::app
