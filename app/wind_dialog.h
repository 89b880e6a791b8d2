// The wind and wave dialog: one constant wind, or a list of timed wind
// records (add, replace, delete; kept in time order, at most 120); the
// waves from the wind, from the wind and a fetch, or a known height; and
// the fetch and wind uncertainty dialogs. A compass sets a direction and
// speed by a click.
#pragma once

#include "app/dialog_support.h"
#include "scenario/wind_dialogs.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;

namespace ormix::app {

class DayHourEntry;
class DirectionBullseye;

class WindDialog : public InputDialog {
    Q_OBJECT
public:
    WindDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);

    // The record being edited, as typed.
    WindRecordRow TypedRecord() const;
    // Adds the typed record to the list (asking before replacing one of the
    // same hour); false when it is refused.
    bool AddRecord();
    // Deletes the selected record.
    void DeleteRecord();
    const WindRecordList& Records() const { return records_; }

    QRadioButton* constant;
    QRadioButton* variable;
    // Constant wind.
    QLineEdit* speed;
    QComboBox* speedUnit;
    QLineEdit* direction;
    // Timed wind records.
    DayHourEntry* recordTime;
    QLineEdit* recordSpeed;
    QLineEdit* recordDirection;
    QLineEdit* recordWaveHeight;
    QComboBox* recordSpeedUnit;
    QComboBox* recordWaveHeightUnit;
    QPushButton* addRecord;
    QPushButton* deleteRecord;
    QTreeWidget* recordList;
    // Waves.
    QComboBox* waves;
    QLineEdit* fetch;
    QComboBox* fetchUnit;
    QLineEdit* waveHeight;
    QComboBox* waveHeightUnit;
    QPushButton* fetches;
    QPushButton* uncertainty;
    DirectionBullseye* compass;

protected:
    bool Apply() override;

private:
    void ShowMode();
    void ShowRecords();
    void ShowTypedDirection();
    WindUnits Units() const;

    WindRecordList records_;
    QStackedWidget* modes_;
};

}  // namespace ormix::app
