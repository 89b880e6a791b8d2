// The emulsification dialog: the default onset of emulsification, or a
// value as the percentage evaporated or the hours since the spill started,
// with its uncertainty.
#pragma once

#include "app/dialog_support.h"
#include "scenario/environment_dialogs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace ormix::app {

class EmulsificationDialog : public InputDialog {
    Q_OBJECT
public:
    EmulsificationDialog(CSpillDoc& doc, AppContext& context, QWidget* parent = nullptr);

    EmulsificationEntries Entries() const;

    QRadioButton* useDefault;
    QRadioButton* useValue;
    QLineEdit* value;
    QComboBox* unit;
    QLineEdit* uncertainty;

protected:
    bool Apply() override;

private:
    void ShowChoice();
    QLabel* meaning_;
    QLabel* uncertaintyUnit_;
};

}  // namespace ormix::app
