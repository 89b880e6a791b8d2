#include "app/water_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/direction_bullseye.h"
#include "scenario/typed_text.h"

namespace ormix::app {

namespace {

// The listed value a stored number stands for, or "Other Value...".
int ChoiceOf(double value, std::initializer_list<double> listed, int other) {
    int i = 0;
    for (double v : listed) {
        if (v == value) return i;
        ++i;
    }
    return other;
}

}  // namespace

WaterDialog::WaterDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Water Properties"));
    const InputWater& w = doc.inputWater;
    const bool entered = doc.m_bWaterInputPassed;

    temperature = NumberEdit(entered ? NumberText(w.temperature) : QString());
    temperatureUnit = ChoiceBox({"°F", "°C"}, w.tempUnits - 1);
    salinityChoice =
        ChoiceBox({"0 (fresh water)", "15 (avg. estuary)", "32 (avg. oceanic)", "Other Value..."},
                  ChoiceOf(w.salinity, {0, 15, 32}, kOtherSalinity));
    salinity = NumberEdit(salinityChoice->currentIndex() == kOtherSalinity ? NumberText(w.salinity)
                                                                           : QString());
    sedimentChoice =
        ChoiceBox({"5 (ocean)", "50 (avg. river/estuary)", "500 (muddy river)", "Other Value..."},
                  ChoiceOf(w.sediment, {5, 50, 500}, kOtherSediment));
    sediment = NumberEdit(sedimentChoice->currentIndex() == kOtherSediment ? NumberText(w.sediment)
                                                                           : QString());
    // A current stored as 0 was left empty.
    const bool current = entered && w.speed != NoData && w.speed != 0;
    currentSpeed = NumberEdit(current ? NumberText(w.speed) : QString());
    currentUnit = ChoiceBox({"mph", "knots", "m/sec"}, w.speedUnits - 1);
    currentDirection = NumberEdit(current ? NumberText(w.direction) : QString());
    compass = new DirectionBullseye;

    auto* water = new QGroupBox(tr("Water"));
    auto* form = new QFormLayout(water);
    form->addRow(BuddyLabel(tr("Water &temperature:"), temperature),
                 Row({temperature, temperatureUnit}));
    form->addRow(BuddyLabel(tr("&Salinity:"), salinityChoice),
                 Row({salinityChoice, salinity}, tr("ppt")));
    form->addRow(BuddyLabel(tr("Se&diment load:"), sedimentChoice),
                 Row({sedimentChoice, sediment}, tr("g/m³")));

    auto* currentBox = new QGroupBox(tr("Current"));
    auto* currentRow = new QHBoxLayout(currentBox);
    auto* currentForm = new QFormLayout;
    currentForm->addRow(BuddyLabel(tr("S&peed:"), currentSpeed), Row({currentSpeed, currentUnit}));
    currentForm->addRow(BuddyLabel(tr("D&irection:"), currentDirection),
                        Row({currentDirection}, tr("degrees")));
    auto* note = new QLabel(tr("Current flows towards the direction indicated"));
    note->setWordWrap(true);
    currentForm->addRow(note);
    auto* pick = new QLabel(tr("Or click on the compass to set the speed and direction."));
    pick->setWordWrap(true);
    currentForm->addRow(pick);
    currentRow->addLayout(currentForm, 1);
    currentRow->addWidget(compass, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(water);
    layout->addWidget(currentBox);
    layout->addWidget(Buttons(QStringLiteral("Water_Properties.html")));

    auto others = [this] {
        salinity->setEnabled(salinityChoice->currentIndex() == kOtherSalinity);
        sediment->setEnabled(sedimentChoice->currentIndex() == kOtherSediment);
    };
    others();
    connect(salinityChoice, &QComboBox::currentIndexChanged, this, others);
    connect(sedimentChoice, &QComboBox::currentIndexChanged, this, others);
    auto showDirection = [this] {
        std::string d = S(currentDirection);
        if (IsEmptyText(d))
            compass->ShowDirection(std::nullopt);
        else
            compass->ShowDirection(TextToDouble(d));
    };
    showDirection();
    connect(currentDirection, &QLineEdit::textEdited, this, showDirection);
    connect(compass, &DirectionBullseye::Picked, this, [this](const CompassClick& c) {
        currentSpeed->setText(Q(c.currentSpeed));
        currentDirection->setText(Q(c.currentDirection));
    });
}

WaterEntries WaterDialog::Entries() const {
    WaterEntries e;
    e.temperature = S(temperature);
    e.temperatureUnit = temperatureUnit->currentIndex();
    e.salinityChoice = salinityChoice->currentIndex();
    e.salinity = S(salinity);
    e.sedimentChoice = sedimentChoice->currentIndex();
    e.sediment = S(sediment);
    e.currentSpeed = S(currentSpeed);
    e.currentUnit = currentUnit->currentIndex();
    e.currentDirection = S(currentDirection);
    return e;
}

bool WaterDialog::Apply() {
    return Show(WaterDialogOK(Doc(), Entries()));
}

}  // namespace ormix::app
