// The two small dialogs of the wind dialog: the fetches of the timed winds,
// one per direction, and the uncertainty of the wind speed.
#pragma once

#include "app/dialog_support.h"

class QComboBox;
class QLineEdit;

namespace ormix::app {

class FetchDialog : public InputDialog {
    Q_OBJECT
public:
    FetchDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);

    QLineEdit* north;
    QLineEdit* east;
    QLineEdit* south;
    QLineEdit* west;
    QComboBox* unit;

protected:
    bool Apply() override;
};

class WindUncertaintyDialog : public InputDialog {
    Q_OBJECT
public:
    WindUncertaintyDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);

    QLineEdit* value;
    QComboBox* unit;

protected:
    bool Apply() override;
};

}  // namespace ormix::app
