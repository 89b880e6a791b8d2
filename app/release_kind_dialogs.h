// The dialogs of each release kind, opened from the release dialog: the
// instantaneous, contained and continuous releases and the uncertainty of
// the amount spilled. Each checks its entries with the engine on OK and
// then has written the scenario.
#pragma once

#include "app/dialog_support.h"
#include "scenario/release_dialogs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;

namespace ormix::app {

class DayHourEntry;

class InstantaneousDialog : public InputDialog {
    Q_OBJECT
public:
    InstantaneousDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);
    InstantaneousEntries Entries() const;

    DayHourEntry* when;
    QLineEdit* amount;
    QComboBox* unit;

protected:
    bool Apply() override;
};

class ContainedDialog : public InputDialog {
    Q_OBJECT
public:
    ContainedDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);
    ContainedEntries Entries() const;

    DayHourEntry* when;
    QLineEdit* amount;
    QComboBox* unit;
    QLineEdit* area;
    QComboBox* areaUnit;

protected:
    bool Apply() override;
};

class ContinuousDialog : public InputDialog {
    Q_OBJECT
public:
    ContinuousDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);
    ContinuousEntries Entries() const;

    DayHourEntry* when;
    QLineEdit* duration;
    QComboBox* durationUnit;
    QRadioButton* byAmount;
    QRadioButton* byRate;
    QRadioButton* byRates;
    QLineEdit* amount;
    QComboBox* amountUnit;
    QLineEdit* rate;
    QComboBox* rateUnit1;
    QLineEdit* startRate;
    QLineEdit* endRate;
    QComboBox* rateUnit2;

protected:
    bool Apply() override;

private:
    QStackedWidget* modes_;
};

class AmountUncertaintyDialog : public InputDialog {
    Q_OBJECT
public:
    AmountUncertaintyDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);

    QLineEdit* percent;

protected:
    bool Apply() override;
};

}  // namespace ormix::app
