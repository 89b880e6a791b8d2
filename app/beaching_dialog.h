// The beaching dialog: the amounts of oil that come ashore on each of the
// first six days of the spill.
#pragma once

#include <array>

#include "app/dialog_support.h"
#include "scenario/response_dialogs.h"

class QComboBox;
class QLineEdit;

namespace ormix::app {

class BeachingDialog : public InputDialog {
    Q_OBJECT
public:
    BeachingDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);
    BeachingEntries Entries() const;

    QComboBox* unit;
    std::array<QLineEdit*, kBeachingDays> days{};

protected:
    bool Apply() override;
};

}  // namespace ormix::app
