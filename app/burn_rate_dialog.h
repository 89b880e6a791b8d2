// The burn regression rate dialog ("Advanced Options" of the in-situ burn
// sheet): the default rate, or another one in millimetres or inches per
// second, for every burn.
#pragma once

#include "app/dialog_support.h"
#include "scenario/response_dialogs.h"

class QComboBox;
class QLineEdit;

namespace ormix::app {

class BurnRateDialog : public InputDialog {
    Q_OBJECT
public:
    BurnRateDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);
    BurnRateEntries Entries() const;

    QComboBox* choice;
    QLineEdit* rate;
    QComboBox* unit;

protected:
    bool Apply() override;
};

}  // namespace ormix::app
