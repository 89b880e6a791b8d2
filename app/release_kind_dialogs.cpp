#include "app/release_kind_dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/day_hour_entry.h"
#include "app/short_help_dialog.h"

namespace ormix::app {

namespace {

QLabel* Note(const QString& text) {
    auto* l = new QLabel(text);
    l->setWordWrap(true);
    return l;
}

}  // namespace

InstantaneousDialog::InstantaneousDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Instantaneous Release"));
    when = new DayHourEntry;
    when->SetTime(doc.InstantaneousTime);
    amount = NumberEdit(NumberText(doc.inputInstant.vol));
    unit = ChoiceBox(kAmountUnitNames, 5, doc.inputInstant.volUnits - 1);
    auto* form = new QFormLayout;
    form->addRow(Note(tr("All the oil is spilled within an hour.")));
    form->addRow(BuddyLabel(tr("&Time of release:"), when), when);
    form->addRow(BuddyLabel(tr("&Amount spilled:"), amount), Row({amount, unit}));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Buttons(QStringLiteral("Instantaneous.html")));
}

InstantaneousEntries InstantaneousDialog::Entries() const {
    InstantaneousEntries e;
    e.when = when->Value();
    e.amount = S(amount);
    e.unit = unit->currentIndex();
    return e;
}

bool InstantaneousDialog::Apply() {
    return Show(InstantaneousDialogOK(Doc(), Entries()));
}

ContainedDialog::ContainedDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Contained Release"));
    const InputBoomed& b = doc.inputBoomed;
    when = new DayHourEntry;
    when->SetTime(doc.ContainedTime);
    amount = NumberEdit(NumberText(b.vol));
    unit = ChoiceBox(kAmountUnitNames, 5, b.volUnits - 1);
    area = NumberEdit(NumberText(b.area));
    areaUnit = ChoiceBox(kAreaUnitNames, 3, b.area == NoData ? 2 : b.areaUnits - 1);
    auto* form = new QFormLayout;
    form->addRow(Note(tr("All the oil is spilled at once into a contained (boomed) area.")));
    form->addRow(BuddyLabel(tr("&Time of release:"), when), when);
    form->addRow(BuddyLabel(tr("&Amount spilled:"), amount), Row({amount, unit}));
    form->addRow(BuddyLabel(tr("Contained a&rea:"), area), Row({area, areaUnit}));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(
        Buttons(QString(), [this] { OpenSubDialog(ContainedHelp(Context().help, this), [] {}); }));
}

ContainedEntries ContainedDialog::Entries() const {
    ContainedEntries e;
    e.when = when->Value();
    e.amount = S(amount);
    e.unit = unit->currentIndex();
    e.area = S(area);
    e.areaUnit = areaUnit->currentIndex();
    return e;
}

bool ContainedDialog::Apply() {
    return Show(ContainedDialogOK(Doc(), Entries()));
}

ContinuousDialog::ContinuousDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Continuous Release"));
    when = new DayHourEntry;
    when->SetTime(doc.ContinuousTime);
    duration = NumberEdit(NumberText(doc.duration));
    durationUnit = ChoiceBox({"hours", "days"}, doc.durationUnits);
    byAmount = new QRadioButton(tr("A total a&mount"));
    byRate = new QRadioButton(tr("A constant &rate"));
    byRates = new QRadioButton(tr("A rate changing from a start rate to an &end rate"));
    auto* group = new QButtonGroup(this);
    group->addButton(byAmount, 0);
    group->addButton(byRate, 1);
    group->addButton(byRates, 2);
    group->button(doc.spilledType >= 0 && doc.spilledType <= 2 ? doc.spilledType : 0)
        ->setChecked(true);

    amount = NumberEdit(NumberText(doc.amount));
    amountUnit = ChoiceBox(kAmountUnitNames, 5, doc.amountUnits);
    rate = NumberEdit(NumberText(doc.rate));
    rateUnit1 = ChoiceBox(kRateUnitNames, 6, doc.rateUnits1);
    startRate = NumberEdit(NumberText(doc.startRate));
    endRate = NumberEdit(NumberText(doc.endRate));
    rateUnit2 = ChoiceBox(kRateUnitNames, 6, doc.rateUnits2);

    auto* amountPage = new QWidget;
    auto* amountForm = new QFormLayout(amountPage);
    amountForm->addRow(BuddyLabel(tr("Amount is"), amount), Row({amount, amountUnit}));
    amountForm->addRow(Note(tr("A rate is calculated by using the duration specified above.")));
    auto* ratePage = new QWidget;
    auto* rateForm = new QFormLayout(ratePage);
    rateForm->addRow(BuddyLabel(tr("Rate is"), rate), Row({rate, rateUnit1}));
    rateForm->addRow(Note(tr("This rate is used for the duration specified above")));
    auto* ratesPage = new QWidget;
    auto* ratesForm = new QFormLayout(ratesPage);
    ratesForm->addRow(BuddyLabel(tr("Start rate"), startRate), Row({startRate, rateUnit2}));
    ratesForm->addRow(BuddyLabel(tr("End rate"), endRate), endRate);
    ratesForm->addRow(
        Note(tr("The rate changes evenly from the start rate to the end rate over "
                "the duration specified above.")));
    modes_ = new QStackedWidget;
    modes_->addWidget(amountPage);
    modes_->addWidget(ratePage);
    modes_->addWidget(ratesPage);
    modes_->setCurrentIndex(group->checkedId());
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) modes_->setCurrentIndex(id);
    });

    auto* form = new QFormLayout;
    form->addRow(Note(tr("Oil is spilled into the water over a given duration.")));
    form->addRow(BuddyLabel(tr("&Start of release:"), when), when);
    form->addRow(BuddyLabel(tr("&Duration:"), duration), Row({duration, durationUnit}));
    auto* how = new QGroupBox(tr("How much oil is spilled"));
    auto* howLayout = new QVBoxLayout(how);
    howLayout->addWidget(byAmount);
    howLayout->addWidget(byRate);
    howLayout->addWidget(byRates);
    howLayout->addWidget(modes_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(how);
    layout->addWidget(Buttons(QStringLiteral("Continuous.html")));
}

ContinuousEntries ContinuousDialog::Entries() const {
    ContinuousEntries e;
    e.when = when->Value();
    e.duration = S(duration);
    e.durationUnit = durationUnit->currentIndex();
    e.mode = byAmount->isChecked() ? 0 : byRate->isChecked() ? 1 : 2;
    e.amount = S(amount);
    e.amountUnit = amountUnit->currentIndex();
    e.rate = S(rate);
    e.rateUnit1 = rateUnit1->currentIndex();
    e.startRate = S(startRate);
    e.endRate = S(endRate);
    e.rateUnit2 = rateUnit2->currentIndex();
    return e;
}

bool ContinuousDialog::Apply() {
    return Show(ContinuousDialogOK(Doc(), Entries()));
}

AmountUncertaintyDialog::AmountUncertaintyDialog(CSpillDoc& doc, AppContext& context,
                                                 QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Uncertainty of the Amount Spilled"));
    const InputUncertainty& u = doc.inputUncertainty;
    percent = NumberEdit(u.volFlag ? NumberText(u.vol) : QString());
    auto* form = new QFormLayout;
    form->addRow(
        Note(tr("How far the amount spilled may be from the amounts entered, in percent "
                "of the total amount spilled. Leave the field empty for no "
                "uncertainty.")));
    form->addRow(BuddyLabel(tr("&Uncertainty:"), percent), Row({percent}, tr("%")));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Buttons(QStringLiteral("Uncertainty.html")));
}

bool AmountUncertaintyDialog::Apply() {
    return Show(AmountUncertaintyDialogOK(Doc(), S(percent)));
}

}  // namespace ormix::app
