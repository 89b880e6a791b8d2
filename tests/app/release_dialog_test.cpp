// The release dialog and its kinds: the boxes follow the kinds entered, the
// summaries the boxes, OK sets the spill time through the engine, and
// Cancel gives back the scenario the kind dialogs had changed.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/dialog_support.h"
#include "app/release_dialog.h"
#include "app/release_kind_dialogs.h"
#include "app/short_help_dialog.h"
#include "app/tank_wizard_pages.h"
#include "dialog_driver.h"
#include "fake_prompts.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

void EnterInstantaneous(ReleaseDialog& d, DayAndHour when, const char* amount) {
    Click(d.instantaneousButton);
    auto* i = Opened<InstantaneousDialog>(&d);
    QVERIFY(i);
    i->when->SetValue(when);
    Type(i->amount, amount);
    QCOMPARE(Closes(i, Button(i, QDialogButtonBox::Ok)), int(QDialog::Accepted));
}

}  // namespace

class ReleaseDialogTest : public QObject {
    Q_OBJECT
private slots:
    void KindsCheckTheirBoxesAndOkSetsTheSpillTime() {
        QTemporaryDir work;
        auto doc = NewScenario(work, MakeLocalTime(2026, 3, 14, 6));
        FakeContext f;
        ReleaseDialog d(*doc, f.context);
        d.show();
        // Nothing entered: no box can be checked.
        QVERIFY(!d.instantaneous->isEnabled() && !d.contained->isEnabled());
        EnterInstantaneous(d, {3, 14, 8}, "1000");
        QVERIFY(d.instantaneous->isChecked());
        QCOMPARE(d.instantaneousSummary->text(), Q(InstantaneousSummary(*doc)));

        Click(d.containedButton);
        auto* c = Opened<ContainedDialog>(&d);
        c->when->SetValue({3, 14, 7});
        Type(c->amount, "50");
        Type(c->area, "2000");
        QCOMPARE(Closes(c, Button(c, QDialogButtonBox::Ok)), int(QDialog::Accepted));
        QVERIFY(d.contained->isChecked() && !d.instantaneous->isChecked());
        QCOMPARE(d.instantaneousSummary->text(),
                 QStringLiteral("Oil is spilled in an hour or less."));
        // The instantaneous release stays entered: it can be checked again.
        QVERIFY(d.instantaneous->isEnabled());
        Click(d.instantaneous);
        Click(d.contained);
        QCOMPARE(Closes(&d, Button(&d, QDialogButtonBox::Ok)), int(QDialog::Accepted));
        QVERIFY(doc->m_bReleaseInputPassed);
        QVERIFY(doc->inputInstant.flag && !doc->inputBoomed.flag);
        QCOMPARE(doc->SpillTime, MakeLocalTime(2026, 3, 14, 8));
        QCOMPARE(doc->inputInstant.startHour, 1);
    }

    void RefusalShowsTheEnginesWarningAndStays() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        const SpillDocData before = *doc;
        ReleaseDialog d(*doc, f.context);
        d.show();
        QCOMPARE(Closes(&d, Button(&d, QDialogButtonBox::Ok)), -1);
        QCOMPARE(f.prompts.told.size(), size_t{1});
        QCOMPARE(f.prompts.told[0].kind, MessageKind::Warning);
        QCOMPARE(f.prompts.told[0].text, Q(ReleaseDialogOK(*NewScenario(work), {}).Text()));
        QVERIFY(static_cast<const SpillDocData&>(*doc) == before);

        // A kind's own refusal keeps its dialog open as typed.
        Click(d.instantaneousButton);
        auto* i = Opened<InstantaneousDialog>(&d);
        Type(i->amount, "1");
        QCOMPARE(Closes(i, Button(i, QDialogButtonBox::Ok)), -1);
        QCOMPARE(f.prompts.told.back().text,
                 Q(InstantaneousDialogOK(*NewScenario(work), i->Entries()).Text()));
        QCOMPARE(i->amount->text(), QStringLiteral("1"));
        QVERIFY(!d.instantaneous->isChecked());
    }

    void CancelGivesBackWhatTheKindDialogsWrote() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        const SpillDocData before = *doc;
        ReleaseDialog d(*doc, f.context);
        d.show();
        EnterInstantaneous(d, {3, 14, 6}, "500");
        Click(d.uncertaintyButton);
        auto* u = Opened<AmountUncertaintyDialog>(&d);
        Type(u->percent, "25");
        QCOMPARE(Closes(u, Button(u, QDialogButtonBox::Ok)), int(QDialog::Accepted));
        QVERIFY(!(static_cast<const SpillDocData&>(*doc) == before));
        QCOMPARE(Closes(&d, Button(&d, QDialogButtonBox::Cancel)), int(QDialog::Rejected));
        QVERIFY(static_cast<const SpillDocData&>(*doc) == before);
    }

    // A refused tank page keeps the wizard on that page; Cancel of the
    // wizard enters nothing.
    void TankWizardStopsOnARefusedPage() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        ReleaseDialog d(*doc, f.context);
        d.show();
        Click(d.tankButton);
        auto* w = Opened<LeakingTankWizard>(&d);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Leaking Tank Setup"));
        Type(w->length, "30");
        Type(w->width, "10");
        Type(w->height, "10");
        w->next();
        QCOMPARE(w->currentId(), 0);
        QCOMPARE(f.prompts.told.back().kind, MessageKind::Error);
        QCOMPARE(f.prompts.told.back().text,
                 QStringLiteral("Problem with the Input.\n\nThe length of the tank must be "
                                "between 0.3 and 20 meters."));
        Type(w->length, "20");
        w->next();
        QCOMPARE(w->currentId(), 1);
        QCOMPARE(Closes(w, w->button(QWizard::CancelButton)), int(QDialog::Rejected));
        QVERIFY(!d.tank->isChecked());
        QVERIFY(!doc->inputTank.flag);
    }

    void HelpExplainsAndOpensTheManual() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        ReleaseDialog d(*doc, f.context);
        d.show();
        Click(Button(&d, QDialogButtonBox::Help));
        auto* help = Opened<ShortHelpDialog>(&d);
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Help on Release"));
        QCOMPARE(help->readMore->text().remove(QLatin1Char('&')),
                 QStringLiteral("Read more about it in the online manual"));
        Click(help->readMore);
        Click(d.containedButton);
        auto* c = Opened<ContainedDialog>(&d);
        Click(Button(c, QDialogButtonBox::Help));
        Click(Opened<ShortHelpDialog>(c)->readMore);
        Click(Button(c, QDialogButtonBox::Cancel));
        Click(d.continuousButton);
        auto* cont = Opened<ContinuousDialog>(&d);
        Click(Button(cont, QDialogButtonBox::Help));
        QCOMPARE(f.help.topics,
                 (QStringList{QStringLiteral("release.html"), QStringLiteral("Contained.html"),
                              QStringLiteral("Continuous.html")}));
    }
};

ORMIX_APP_TEST(ReleaseDialogTest)

}  // namespace ormix::app::testing

#include "release_dialog_test.moc"
