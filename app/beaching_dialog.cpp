#include "app/beaching_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ormix::app {

BeachingDialog::BeachingDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Beaching"));
    unit = ChoiceBox(kAmountUnitNames, 5, doc.m_iBeachingUnits);
    auto* intro = new QLabel(
        tr("The amount of oil that comes ashore on each day of the spill. Day 1 is the rest of "
           "the day on which the spill starts. Leave a day empty when no oil comes ashore."));
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(intro);
    form->addRow(BuddyLabel(tr("&Unit:"), unit), unit);
    for (size_t d = 0; d < days.size(); ++d) {
        days[d] = NumberEdit(NumberText(doc.m_dBeachingAmount[d]));
        form->addRow(BuddyLabel(tr("Day &%1:").arg(d + 1), days[d]), days[d]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Buttons(QStringLiteral("Beaching.html")));
}

BeachingEntries BeachingDialog::Entries() const {
    BeachingEntries e;
    e.unit = unit->currentIndex();
    for (size_t d = 0; d < days.size(); ++d)
        e.amounts[d] = S(days[d]);
    return e;
}

bool BeachingDialog::Apply() {
    return Show(BeachingDialogOK(Doc(), Entries()));
}

}  // namespace ormix::app
