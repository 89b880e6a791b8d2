#include "app/wind_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/day_hour_entry.h"
#include "app/direction_bullseye.h"
#include "app/wind_side_dialogs.h"
#include "scenario/typed_text.h"

namespace ormix::app {

namespace {

const char* const kSpeedSuffix[3] = {" mph", " kts", " m/s"};

QString Whole(double v) {
    return v == NoData ? QString() : QString::number(v, 'f', 0);
}

}  // namespace

WindDialog::WindDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent), records_(doc) {
    setWindowTitle(tr("Wind and Waves"));
    const bool constantShown = !doc.m_bVarWind;

    constant = new QRadioButton(tr("&Constant wind"));
    variable = new QRadioButton(tr("&Variable winds"));
    (doc.m_bVarWind ? variable : constant)->setChecked(true);

    // Constant wind.
    speed = NumberEdit(constantShown ? Whole(doc.m_dWindSpeed) : QString());
    speedUnit = ChoiceBox({"mph", "knots", "m/sec"}, doc.m_iWindSpeedUnit);
    direction = NumberEdit(constantShown ? Whole(doc.m_dWindDirection) : QString());
    auto* constantPage = new QWidget;
    auto* constantForm = new QFormLayout(constantPage);
    constantForm->addRow(BuddyLabel(tr("Wind &speed:"), speed), Row({speed, speedUnit}));
    constantForm->addRow(BuddyLabel(tr("Wind &direction:"), direction),
                         Row({direction}, tr("degrees")));
    constantForm->addRow(new QLabel(tr("From the direction indicated")));

    // Timed wind records.
    recordTime = new DayHourEntry;
    recordTime->SetTime(doc.SpillTime);
    recordSpeed = NumberEdit(QString());
    recordDirection = NumberEdit(QString());
    recordWaveHeight = NumberEdit(QString());
    recordSpeedUnit = ChoiceBox({"mph", "knots", "m/sec"}, doc.m_iVarSpeedUnit);
    recordWaveHeightUnit = ChoiceBox({"meters", "feet"}, doc.m_iVarWaveHeightUnit);
    addRecord = new QPushButton(tr("&Add Record"));
    deleteRecord = new QPushButton(tr("De&lete Record"));
    recordList = new QTreeWidget;
    recordList->setRootIsDecorated(false);
    recordList->setHeaderLabels(
        {tr("Date"), tr("Hour"), tr("Speed"), tr("Direction"), tr("Wave Height")});
    recordList->setMinimumHeight(150);
    recordList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* variablePage = new QWidget;
    auto* grid = new QGridLayout(variablePage);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(BuddyLabel(tr("&Time:"), recordTime), 0, 0);
    grid->addWidget(recordTime, 0, 1, 1, 3);
    grid->addWidget(BuddyLabel(tr("S&peed:"), recordSpeed), 1, 0);
    grid->addWidget(Row({recordSpeed, recordSpeedUnit}), 1, 1);
    grid->addWidget(BuddyLabel(tr("Di&rection:"), recordDirection), 2, 0);
    grid->addWidget(Row({recordDirection}, tr("degrees (from)")), 2, 1);
    grid->addWidget(BuddyLabel(tr("Wa&ve height:"), recordWaveHeight), 3, 0);
    grid->addWidget(Row({recordWaveHeight, recordWaveHeightUnit}, tr("(optional)")), 3, 1);
    grid->addWidget(Row({addRecord, deleteRecord}), 4, 0, 1, 2);
    grid->addWidget(recordList, 5, 0, 1, 2);

    modes_ = new QStackedWidget;
    modes_->addWidget(constantPage);
    modes_->addWidget(variablePage);
    compass = new DirectionBullseye;
    auto* windBox = new QGroupBox(tr("Wind"));
    auto* windLayout = new QGridLayout(windBox);
    windLayout->addWidget(Row({constant, variable}), 0, 0, 1, 2);
    windLayout->addWidget(modes_, 1, 0);
    auto* compassColumn = new QVBoxLayout;
    compassColumn->addWidget(compass);
    auto* hint = new QLabel(tr("Click on the compass to set the speed and direction."));
    hint->setWordWrap(true);
    hint->setMaximumWidth(compass->sizeHint().width());
    compassColumn->addWidget(hint);
    compassColumn->addStretch();
    windLayout->addLayout(compassColumn, 1, 1);

    // Waves.
    waves = ChoiceBox(
        {"Default - Compute from Wind", "Compute from Wind and Fetch...", "Known Wave Height..."},
        doc.m_iWaveHeightChooser);
    fetch = NumberEdit(doc.m_dFetch > 0 ? Whole(doc.m_dFetch) : QString());
    fetchUnit = ChoiceBox({"miles", "km"}, doc.m_iFetchUnit);
    waveHeight =
        NumberEdit(doc.m_dWaveHeight == NoData ? QString() : NumberText(doc.m_dWaveHeight));
    waveHeightUnit = ChoiceBox({"meters", "feet"}, doc.m_iWaveHeightUnit);
    fetches = new QPushButton(tr("&Fetches..."));
    auto* wavesBox = new QGroupBox(tr("Waves"));
    auto* wavesForm = new QFormLayout(wavesBox);
    wavesForm->addRow(BuddyLabel(tr("&Waves:"), waves), waves);
    wavesForm->addRow(BuddyLabel(tr("F&etch:"), fetch), Row({fetch, fetchUnit, fetches}));
    wavesForm->addRow(BuddyLabel(tr("Wave &height:"), waveHeight),
                      Row({waveHeight, waveHeightUnit}));

    uncertainty = new QPushButton(tr("&Uncertainty..."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(windBox);
    layout->addWidget(wavesBox);
    layout->addWidget(Row({uncertainty}));
    layout->addWidget(Buttons(QStringLiteral("Windwave.html")));

    connect(constant, &QRadioButton::toggled, this, &WindDialog::ShowMode);
    connect(waves, &QComboBox::currentIndexChanged, this, &WindDialog::ShowMode);
    connect(recordSpeedUnit, &QComboBox::currentIndexChanged, this, &WindDialog::ShowRecords);
    connect(addRecord, &QPushButton::clicked, this, &WindDialog::AddRecord);
    connect(deleteRecord, &QPushButton::clicked, this, &WindDialog::DeleteRecord);
    connect(direction, &QLineEdit::textEdited, this, &WindDialog::ShowTypedDirection);
    connect(recordDirection, &QLineEdit::textEdited, this, &WindDialog::ShowTypedDirection);
    connect(recordList, &QTreeWidget::currentItemChanged, this, [this] {
        int i = recordList->currentIndex().row();
        deleteRecord->setEnabled(i >= 0);
        if (i < 0 || i >= static_cast<int>(records_.Rows().size())) return;
        // The chosen record comes back into the fields, to be changed and
        // added again in its place.
        const WindRecordRow& r = records_.Rows()[static_cast<size_t>(i)];
        recordTime->SetValue(r.when);
        recordSpeed->setText(Q(r.speed));
        recordDirection->setText(Q(r.direction));
        recordWaveHeight->setText(Q(r.waveHeight));
        ShowTypedDirection();
    });
    connect(compass, &DirectionBullseye::Picked, this, [this](const CompassClick& c) {
        bool timed = variable->isChecked();
        (timed ? recordSpeed : speed)->setText(QString::number(c.windSpeed));
        (timed ? recordDirection : direction)->setText(QString::number(c.direction));
    });
    connect(fetches, &QPushButton::clicked, this,
            [this] { OpenSubDialog(new FetchDialog(Doc(), Context(), this), [] {}); });
    connect(uncertainty, &QPushButton::clicked, this,
            [this] { OpenSubDialog(new WindUncertaintyDialog(Doc(), Context(), this), [] {}); });
    ShowRecords();
    ShowMode();
}

void WindDialog::ShowMode() {
    const bool timed = variable->isChecked();
    modes_->setCurrentIndex(timed ? 1 : 0);
    const int w = waves->currentIndex();
    fetch->setEnabled(!timed && w == kWavesFromFetch);
    fetchUnit->setEnabled(!timed && w == kWavesFromFetch);
    fetches->setEnabled(timed && w == kWavesFromFetch);
    // Timed winds carry their wave heights in their records.
    waveHeight->setEnabled(!timed && w == kKnownWaveHeight);
    waveHeightUnit->setEnabled(!timed && w == kKnownWaveHeight);
    ShowTypedDirection();
}

void WindDialog::ShowTypedDirection() {
    std::string d = S(variable->isChecked() ? recordDirection : direction);
    if (IsEmptyText(d))
        compass->ShowDirection(std::nullopt);
    else
        compass->ShowDirection(TextToDouble(d));
}

void WindDialog::ShowRecords() {
    const int selected = recordList->currentIndex().row();
    recordList->clear();
    const char* suffix = kSpeedSuffix[recordSpeedUnit->currentIndex()];
    for (const WindRecordRow& r : records_.Rows()) {
        auto* item = new QTreeWidgetItem(recordList);
        item->setText(0, QStringLiteral("%1/%2")
                             .arg(r.when.month, 2, 10, QLatin1Char('0'))
                             .arg(r.when.day, 2, 10, QLatin1Char('0')));
        item->setText(1, QStringLiteral("%1:00").arg(r.when.hour, 2, 10, QLatin1Char('0')));
        item->setText(2, Q(r.speed) + QString::fromLatin1(suffix));
        item->setText(3, Q(r.direction));
        item->setText(4, Q(r.waveHeight));
    }
    if (selected >= 0 && selected < recordList->topLevelItemCount())
        recordList->setCurrentItem(recordList->topLevelItem(selected));
    deleteRecord->setEnabled(recordList->currentItem() != nullptr);
}

WindRecordRow WindDialog::TypedRecord() const {
    WindRecordRow row;
    row.when = recordTime->Value();
    row.speed = S(recordSpeed);
    row.direction = S(recordDirection);
    row.waveHeight = S(recordWaveHeight);
    return row;
}

bool WindDialog::AddRecord() {
    WindRecordRow row = TypedRecord();
    DialogResult result;
    switch (records_.Add(row, recordSpeedUnit->currentIndex(), recordWaveHeightUnit->currentIndex(),
                         result)) {
        case WindRecordList::AddOutcome::Refused:
            Show(result);
            return false;
        case WindRecordList::AddOutcome::AlreadyExists:
            if (!Context().prompts.Confirm(this, Q(records_.ReplaceQuestion(row)))) return false;
            records_.Replace(row);
            break;
        case WindRecordList::AddOutcome::Added:
            break;
    }
    ShowRecords();
    return true;
}

void WindDialog::DeleteRecord() {
    int i = recordList->currentIndex().row();
    if (i < 0 || !records_.Remove(static_cast<size_t>(i))) return;
    ShowRecords();
}

WindUnits WindDialog::Units() const {
    WindUnits u;
    u.speed = speedUnit->currentIndex();
    u.fetch = fetchUnit->currentIndex();
    u.waveHeight = waveHeightUnit->currentIndex();
    u.varSpeed = recordSpeedUnit->currentIndex();
    u.varWaveHeight = recordWaveHeightUnit->currentIndex();
    // The fetch dialog keeps its own unit with its fetches.
    u.varFetch = Doc().m_iVarFetchUnit;
    return u;
}

bool WindDialog::Apply() {
    if (constant->isChecked()) {
        ConstantWindEntries e;
        e.speed = S(speed);
        e.direction = S(direction);
        e.units = Units();
        e.waveChoice = waves->currentIndex();
        e.fetch = S(fetch);
        e.waveHeight = S(waveHeight);
        return Show(ConstantWindDialogOK(Doc(), e));
    }
    VariableWindEntries e;
    e.rows = records_.Rows();
    e.units = Units();
    e.waveChoice = waves->currentIndex();
    return Show(VariableWindDialogOK(Doc(), e));
}

}  // namespace ormix::app
