#include "app/release_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/release_kind_dialogs.h"
#include "app/short_help_dialog.h"
#include "app/tank_wizard_pages.h"
#include "scenario/release_kinds.h"

namespace ormix::app {

ReleaseDialog::ReleaseDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : InputDialog(doc, context, parent) {
    setWindowTitle(tr("Release"));
    auto* box = new QGroupBox(tr("How the oil enters the water"));
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(2, 1);
    auto row = [&](int r, QCheckBox*& check, const QString& name, QPushButton*& button,
                   QLabel*& summary, bool flag) {
        check = new QCheckBox;
        check->setChecked(flag);
        check->setAccessibleName(name);
        button = new QPushButton(name);
        summary = new QLabel;
        summary->setWordWrap(true);
        summary->setMinimumWidth(360);
        grid->addWidget(check, r, 0);
        grid->addWidget(button, r, 1);
        grid->addWidget(summary, r, 2);
    };
    row(0, instantaneous, tr("&Instantaneous..."), instantaneousButton, instantaneousSummary,
        doc.inputInstant.flag);
    row(1, continuous, tr("C&ontinuous..."), continuousButton, continuousSummary,
        doc.inputContinuous.flag);
    row(2, tank, tr("&Leaking Tank..."), tankButton, tankSummary, doc.inputTank.flag);
    row(3, contained, tr("Co&ntained..."), containedButton, containedSummary, doc.inputBoomed.flag);
    auto* note =
        new QLabel(tr("Instantaneous, continuous and leaking tank releases can be "
                      "combined; a contained release stands alone."));
    note->setWordWrap(true);
    grid->addWidget(note, 4, 0, 1, 3);

    uncertaintyButton = new QPushButton(tr("&Uncertainty..."));
    auto* uncertaintyNote = new QLabel(tr("Uncertainty of the total amount spilled"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(Row({uncertaintyButton, uncertaintyNote}));
    layout->addWidget(
        Buttons(QString(), [this] { OpenSubDialog(ReleaseHelp(Context().help, this), [] {}); }));

    connect(instantaneousButton, &QPushButton::clicked, this, [this] {
        OpenSubDialog(new InstantaneousDialog(Doc(), Context(), this),
                      [this] { KindEntered(instantaneous); });
    });
    connect(continuousButton, &QPushButton::clicked, this, [this] {
        OpenSubDialog(new ContinuousDialog(Doc(), Context(), this),
                      [this] { KindEntered(continuous); });
    });
    connect(tankButton, &QPushButton::clicked, this, [this] {
        OpenSubDialog(new LeakingTankWizard(Doc(), Context(), this), [this] { KindEntered(tank); });
    });
    connect(containedButton, &QPushButton::clicked, this, [this] {
        OpenSubDialog(new ContainedDialog(Doc(), Context(), this),
                      [this] { KindEntered(contained); });
    });
    connect(uncertaintyButton, &QPushButton::clicked, this,
            [this] { OpenSubDialog(new AmountUncertaintyDialog(Doc(), Context(), this), [] {}); });
    ShowSummaries();
}

void ReleaseDialog::KindEntered(QCheckBox* kind) {
    kind->setChecked(true);
    if (kind == contained) {
        for (QCheckBox* other : {instantaneous, continuous, tank})
            other->setChecked(false);
    } else {
        contained->setChecked(false);
    }
    ShowSummaries();
}

void ReleaseDialog::ShowSummaries() {
    // A kind can be checked only once it has been entered with its button.
    const std::pair<QCheckBox*, ReleaseKind> boxes[] = {{instantaneous, ReleaseKind::Instantaneous},
                                                        {continuous, ReleaseKind::Continuous},
                                                        {tank, ReleaseKind::Tank},
                                                        {contained, ReleaseKind::Contained}};
    for (const auto& [box, kind] : boxes) {
        const bool entered = ReleaseKindEntered(Doc(), kind);
        box->setEnabled(entered || box->isChecked());
        box->setToolTip(entered ? QString() : tr("Enter this release with its button first."));
    }
    // The kind dialogs have written the scenario; the summaries show each
    // kind as its box stands.
    CSpillDoc& doc = Doc();
    struct Kind {
        QCheckBox* box;
        bool* flag;
        QLabel* label;
        std::string (*summary)(const CSpillDoc&);
    };
    const Kind kinds[] = {
        {instantaneous, &doc.inputInstant.flag, instantaneousSummary, InstantaneousSummary},
        {continuous, &doc.inputContinuous.flag, continuousSummary, ContinuousSummary},
        {tank, &doc.inputTank.flag, tankSummary, TankSummary},
        {contained, &doc.inputBoomed.flag, containedSummary, ContainedSummary}};
    for (const Kind& k : kinds) {
        bool kept = *k.flag;
        *k.flag = k.box->isChecked();
        k.label->setText(Q(k.summary(doc)));
        *k.flag = kept;
    }
}

ReleaseChecks ReleaseDialog::Checks() const {
    ReleaseChecks c;
    c.contained = contained->isChecked();
    c.instantaneous = instantaneous->isChecked();
    c.continuous = continuous->isChecked();
    c.tank = tank->isChecked();
    return c;
}

bool ReleaseDialog::Apply() {
    return Show(ReleaseDialogOK(Doc(), Checks()));
}

}  // namespace ormix::app
