#include "app/emulsification_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/short_help_dialog.h"

namespace ormix::app {

EmulsificationDialog::EmulsificationDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Emulsification"));
    const InputUncertainty& u = doc.inputUncertainty;
    useDefault = new QRadioButton(tr("&Default: estimated from the oil's properties"));
    useValue = new QRadioButton(tr("&Emulsification starts when"));
    (doc.m_bEmulsDefault ? useDefault : useValue)->setChecked(true);
    value = NumberEdit(NumberText(doc.m_dEmulsValue));
    unit = ChoiceBox({"%", "hours"}, doc.m_bEmulsBullwinkleDefined ? 0 : 1);
    meaning_ = new QLabel;
    uncertainty = NumberEdit(u.emulFlag ? NumberText(u.emul) : QString());
    uncertaintyUnit_ = new QLabel;

    auto* box = new QGroupBox(tr("Onset of emulsification"));
    auto* form = new QFormLayout(box);
    form->addRow(useDefault);
    form->addRow(useValue);
    form->addRow(BuddyLabel(tr("&Value:"), value), Row({value, unit, meaning_}));
    form->addRow(BuddyLabel(tr("&Uncertainty:"), uncertainty),
                 Row({uncertainty, uncertaintyUnit_}));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(Buttons(
        QString(), [this] { OpenSubDialog(EmulsificationHelp(Context().help, this), [] {}); }));
    connect(useDefault, &QRadioButton::toggled, this, &EmulsificationDialog::ShowChoice);
    connect(unit, &QComboBox::currentIndexChanged, this, &EmulsificationDialog::ShowChoice);
    ShowChoice();
}

void EmulsificationDialog::ShowChoice() {
    const bool percent = unit->currentIndex() == 0;
    meaning_->setText(percent ? tr("of any part of the spill has evaporated")
                              : tr("have elapsed since start of spill"));
    uncertaintyUnit_->setText(percent ? tr("%") : tr("hours"));
    const bool typed = useValue->isChecked();
    value->setEnabled(typed);
    unit->setEnabled(typed);
    uncertainty->setEnabled(typed);
}

EmulsificationEntries EmulsificationDialog::Entries() const {
    EmulsificationEntries e;
    e.useDefault = useDefault->isChecked();
    e.value = S(value);
    e.unit = unit->currentIndex();
    // The uncertainty belongs to a value typed in: with the default onset
    // its field is disabled and does not count.
    if (!e.useDefault) e.uncertainty = S(uncertainty);
    return e;
}

bool EmulsificationDialog::Apply() {
    return Show(EmulsificationDialogOK(Doc(), Entries()));
}

}  // namespace ormix::app
