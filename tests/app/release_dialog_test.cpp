// The release dialog and its kinds: the boxes follow the kinds entered, the
// summaries the boxes, OK sets the spill time through the engine; the tank
// wizard stops on a refused page; Help explains and opens the manual.
#include <QLabel>

#include "app/dialog_support.h"
#include "app/release_dialog.h"
#include "app/release_kind_dialogs.h"
#include "app/short_help_dialog.h"
#include "app/tank_wizard_pages.h"
#include "dialog_driver.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

class ReleaseDialogTest : public QObject, ScenarioPerTest {
    Q_OBJECT
private slots:
    void init() { Renew(); }

    void KindsCheckTheirBoxesAndOkSetsTheSpillTime() {
        ReleaseDialog d(*doc, f->context);
        d.show();
        // Nothing entered: no box can be checked.
        QVERIFY(!d.instantaneous->isEnabled() && !d.contained->isEnabled());
        ThroughDialog<InstantaneousDialog>(d.instantaneousButton, &d, [](InstantaneousDialog& i) {
            i.when->SetValue({3, 14, 8});
            Type(i.amount, "1000");
        });
        QVERIFY(d.instantaneous->isChecked());
        QCOMPARE(d.instantaneousSummary->text(), Q(InstantaneousSummary(*doc)));

        ThroughDialog<ContainedDialog>(d.containedButton, &d, [](ContainedDialog& c) {
            c.when->SetValue({3, 14, 7});
            Type(c.amount, "50");
            Type(c.area, "2000");
        });
        QVERIFY(d.contained->isChecked() && !d.instantaneous->isChecked());
        Click(d.instantaneous);  // still entered: it can be checked again
        Click(d.contained);
        QCOMPARE(Press(&d), kAccepted);
        QVERIFY(doc->inputInstant.flag && !doc->inputBoomed.flag);
        QCOMPARE(doc->SpillTime, MakeLocalTime(2026, 3, 14, 8));
    }

    // A refused tank page keeps the wizard on that page; Cancel of the
    // wizard enters nothing.
    void TankWizardStopsOnARefusedPage() {
        ReleaseDialog d(*doc, f->context);
        d.show();
        Click(d.tankButton);
        auto* w = Opened<LeakingTankWizard>(&d);
        QVERIFY(w);
        Type(w->length, "30");
        Type(w->width, "10");
        Type(w->height, "10");
        w->next();
        QCOMPARE(w->currentId(), 0);
        QCOMPARE(f->prompts.told.back().kind, MessageKind::Error);
        Type(w->length, "20");
        w->next();
        QCOMPARE(w->currentId(), 1);
        QCOMPARE(Closes(w, w->button(QWizard::CancelButton)), kRejected);
        QVERIFY(!d.tank->isChecked());
        QVERIFY(!doc->inputTank.flag);
    }

    void HelpExplainsAndOpensTheManual() {
        ReleaseDialog d(*doc, f->context);
        d.show();
        Click(Button(&d, QDialogButtonBox::Help));
        auto* help = Opened<ShortHelpDialog>(&d);
        QVERIFY(help);
        Click(help->readMore);
        QCOMPARE(f->help.topics, QStringList{u"release.html"_s});
    }
};

ORMIX_APP_TEST(ReleaseDialogTest)

}  // namespace ormix::app::testing

#include "release_dialog_test.moc"
