#include "app/wind_side_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "scenario/wind_dialogs.h"

namespace ormix::app {

namespace {

// A fetch of 0 is unlimited: its field is left empty.
QString FetchText(double fetch) {
    return fetch > 0 ? NumberText(fetch) : QString();
}

}  // namespace

FetchDialog::FetchDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Fetch"));
    north = NumberEdit(FetchText(doc.m_dFetchN));
    east = NumberEdit(FetchText(doc.m_dFetchE));
    south = NumberEdit(FetchText(doc.m_dFetchS));
    west = NumberEdit(FetchText(doc.m_dFetchW));
    unit = ChoiceBox({"miles", "km"}, doc.m_iVarFetchUnit);

    auto* intro = new QLabel(
        tr("The distance of open water upwind, for winds from each direction. Leave a field "
           "empty for an unlimited fetch."));
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(tr("&North:"), north), north);
    form->addRow(BuddyLabel(tr("&East:"), east), east);
    form->addRow(BuddyLabel(tr("&South:"), south), south);
    form->addRow(BuddyLabel(tr("&West:"), west), west);
    form->addRow(BuddyLabel(tr("&Unit:"), unit), unit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    // The fetch dialog's help is the manual itself.
    layout->addWidget(Buttons(QString()));
}

bool FetchDialog::Apply() {
    FetchEntries e;
    e.north = S(north);
    e.east = S(east);
    e.south = S(south);
    e.west = S(west);
    e.unit = unit->currentIndex();
    return Show(FetchDialogOK(Doc(), e));
}

WindUncertaintyDialog::WindUncertaintyDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Wind Speed Uncertainty"));
    const InputUncertainty& u = doc.inputUncertainty;
    value = NumberEdit(u.windFlag ? NumberText(u.wind) : QString());
    unit = ChoiceBox({"mph", "knots", "m/s"}, u.windUnits - 1);
    auto* intro = new QLabel(
        tr("How far the wind speed may be from the speeds entered, in either direction. Leave "
           "the field empty for no uncertainty."));
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(tr("&Uncertainty:"), value), Row({value, unit}));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(Buttons(QStringLiteral("Uncertainty.html")));
}

bool WindUncertaintyDialog::Apply() {
    return Show(WindUncertaintyDialogOK(Doc(), S(value), unit->currentIndex()));
}

}  // namespace ormix::app
