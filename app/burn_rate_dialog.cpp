#include "app/burn_rate_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ormix::app {

BurnRateDialog::BurnRateDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Burn Regression Rate"));
    choice = ChoiceBox({"Default - 0.04 mm/sec", "Other Value..."}, doc.m_iBurnRegRateCombo);
    rate = NumberEdit(NumberText(doc.m_dBurnRegRate));
    unit = ChoiceBox({"millimeters/second", "inches/second"}, doc.m_iBurnRegRateUnit);
    auto* intro =
        new QLabel(tr("How fast the burning oil's surface goes down. The rate applies "
                      "to every burn."));
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(intro);
    form->addRow(BuddyLabel(tr("&Regression rate:"), choice), choice);
    form->addRow(BuddyLabel(tr("&Other value:"), rate), Row({rate, unit}));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    // The burn rate dialog's help is the manual itself.
    layout->addWidget(Buttons(QString()));
    auto follow = [this] {
        rate->setEnabled(choice->currentIndex() == 1);
        unit->setEnabled(choice->currentIndex() == 1);
    };
    connect(choice, &QComboBox::currentIndexChanged, this, follow);
    follow();
}

BurnRateEntries BurnRateDialog::Entries() const {
    BurnRateEntries e;
    e.choice = choice->currentIndex();
    e.rate = S(rate);
    e.unit = unit->currentIndex();
    return e;
}

bool BurnRateDialog::Apply() {
    return Show(BurnRateDialogOK(Doc(), Entries()));
}

}  // namespace ormix::app
