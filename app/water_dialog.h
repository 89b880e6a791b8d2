// The water dialog: temperature, salinity, sediment load and the current,
// whose speed and direction can also be picked on a compass.
#pragma once

#include "app/dialog_support.h"
#include "scenario/environment_dialogs.h"

class QComboBox;
class QLineEdit;

namespace ormix::app {

class DirectionBullseye;

class WaterDialog : public InputDialog {
    Q_OBJECT
public:
    WaterDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);

    // The entries as typed.
    WaterEntries Entries() const;

    QLineEdit* temperature;
    QComboBox* temperatureUnit;
    QComboBox* salinityChoice;
    QLineEdit* salinity;
    QComboBox* sedimentChoice;
    QLineEdit* sediment;
    QLineEdit* currentSpeed;
    QComboBox* currentUnit;
    QLineEdit* currentDirection;
    DirectionBullseye* compass;

protected:
    bool Apply() override;
};

}  // namespace ormix::app
