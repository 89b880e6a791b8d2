// The water, wind and emulsification dialogs: what they hand to the engine,
// the messages they show, and what OK and Cancel leave in the scenario.
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "app/dialog_support.h"
#include "app/direction_bullseye.h"
#include "app/emulsification_dialog.h"
#include "app/short_help_dialog.h"
#include "app/water_dialog.h"
#include "app/wind_dialog.h"
#include "app/wind_side_dialogs.h"
#include "dialog_driver.h"
#include "fake_prompts.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

class EnvironmentDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void WaterOkWritesTheScenarioAndShowsAgain() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        {
            WaterDialog d(*doc, f.context);
            Type(d.temperature, "50.7");
            Choose(d.temperatureUnit, 0);
            Choose(d.salinityChoice, kOtherSalinity);
            Type(d.salinity, "20");
            Type(d.currentSpeed, "1.5");
            Choose(d.currentUnit, 1);
            Type(d.currentDirection, "90");
            QCOMPARE(Closes(&d, Button(&d, QDialogButtonBox::Ok)), int(QDialog::Accepted));
        }
        QVERIFY(doc->m_bWaterInputPassed);
        QCOMPARE(doc->inputWater.temperature, 50.7);
        QCOMPARE(doc->inputWater.tempUnits, 1);
        QCOMPARE(doc->inputWater.salinity, 20.0);
        QCOMPARE(doc->inputWater.speedUnits, 2);
        QVERIFY(f.prompts.told.empty());
        WaterDialog again(*doc, f.context);  // the entries come back
        QCOMPARE(again.temperature->text(), QStringLiteral("50.7"));
        QCOMPARE(again.salinityChoice->currentIndex(), int(kOtherSalinity));
        QCOMPARE(again.salinity->text(), QStringLiteral("20"));
        QCOMPARE(again.currentDirection->text(), QStringLiteral("90"));
    }

    void WaterRefusalShowsTheEnginesMessageAndKeepsTheEntries() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        const SpillDocData before = *doc;
        WaterDialog d(*doc, f.context);
        d.show();
        Type(d.temperature, "41");
        Choose(d.temperatureUnit, 1);
        QCOMPARE(Closes(&d, Button(&d, QDialogButtonBox::Ok)), -1);
        auto scratch = NewScenario(work);
        QCOMPARE(f.prompts.told.size(), size_t{1});
        QCOMPARE(f.prompts.told[0].kind, MessageKind::Error);
        QCOMPARE(f.prompts.told[0].text, Q(WaterDialogOK(*scratch, d.Entries()).Text()));
        QVERIFY(d.isVisible());
        QCOMPARE(d.temperature->text(), QStringLiteral("41"));
        QVERIFY(static_cast<const SpillDocData&>(*doc) == before);
    }

    // A click on the compass writes the engine's figures into the fields.
    void CompassClickFillsTheCurrentAndTheWind() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        CompassClick expected;
        QVERIFY(CompassBullseye(30, -40, expected));
        WaterDialog water(*doc, f.context);
        water.show();
        QPoint at = water.compass->Centre() + QPoint(30, -40);
        QTest::mouseClick(water.compass, Qt::LeftButton, {}, at);
        QCOMPARE(water.currentSpeed->text(), Q(expected.currentSpeed));
        QCOMPARE(water.currentDirection->text(), Q(expected.currentDirection));

        WindDialog wind(*doc, f.context);
        wind.show();
        QTest::mouseClick(wind.compass, Qt::LeftButton, {},
                          wind.compass->Centre() + QPoint(30, -40));
        QCOMPARE(wind.speed->text(), QString::number(expected.windSpeed));
        QCOMPARE(wind.direction->text(), QString::number(expected.direction));
        Click(wind.variable);  // with timed winds, into the record being edited
        QTest::mouseClick(wind.compass, Qt::LeftButton, {},
                          wind.compass->Centre() + QPoint(30, -40));
        QCOMPARE(wind.recordSpeed->text(), QString::number(expected.windSpeed));
        // Beyond the compass nothing changes.
        Type(wind.recordSpeed, "");
        QTest::mouseClick(wind.compass, Qt::LeftButton, {}, wind.compass->Centre() + QPoint(85, 0));
        QCOMPARE(wind.recordSpeed->text(), QString());
    }

    void WindRecordsAreAddedReplacedOnlyWhenAskedAndDeleted() {
        QTemporaryDir work;
        auto doc = NewScenario(work, MakeLocalTime(2026, 3, 14, 6));
        FakeContext f;
        WindDialog d(*doc, f.context);
        d.show();
        Click(d.variable);
        auto add = [&](int hour, const char* speed) {
            d.recordTime->SetValue({3, 14, hour});
            Type(d.recordSpeed, speed);
            Type(d.recordDirection, "270");
            return d.AddRecord();
        };
        QVERIFY(add(9, "12"));
        QVERIFY(add(6, "10"));
        QCOMPARE(d.recordList->topLevelItem(0)->text(1), QStringLiteral("06:00"));  // in time order
        QCOMPARE(d.recordList->topLevelItem(0)->text(2), QStringLiteral("10 mph"));
        f.prompts.confirmations = {false, true};
        QVERIFY(!add(6, "20"));  // not replaced
        QCOMPARE(f.prompts.asked.back(), Q(d.Records().ReplaceQuestion(d.TypedRecord())));
        QCOMPARE(d.Records().Rows()[0].speed, std::string("10"));
        QVERIFY(add(6, "20"));
        QCOMPARE(d.Records().Rows()[0].speed, std::string("20"));
        QVERIFY(!add(7, ""));  // refused with the engine's message
        QCOMPARE(f.prompts.told.back().kind, MessageKind::Error);
        QCOMPARE(d.Records().Rows().size(), size_t{2});
        d.recordList->setCurrentItem(d.recordList->topLevelItem(1));
        QCOMPARE(d.recordSpeed->text(), QStringLiteral("12"));  // the chosen record comes back
        Click(d.deleteRecord);
        QCOMPARE(d.Records().Rows().size(), size_t{1});

        QCOMPARE(Closes(&d, Button(&d, QDialogButtonBox::Ok)), int(QDialog::Accepted));
        QVERIFY(doc->m_bVarWind);
        QCOMPARE(doc->m_iVarWindNumber, 1);
        QVERIFY(doc->m_bWindAndWaveInputPassed);
        QCOMPARE(doc->inputWindWave.speed[0], 20.0);
    }

    // Cancel gives the scenario back as it was, even after the fetch and
    // uncertainty dialogs have been closed with OK.
    void WindCancelUndoesItsSubDialogs() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        const SpillDocData before = *doc;
        WindDialog d(*doc, f.context);
        d.show();
        Click(d.variable);
        Choose(d.waves, kWavesFromFetch);
        QVERIFY(d.fetches->isEnabled());
        Click(d.fetches);
        auto* fetch = Opened<FetchDialog>(&d);
        QVERIFY(fetch);
        Type(fetch->north, "0");  // below 1: the engine's refusal
        QCOMPARE(Closes(fetch, Button(fetch, QDialogButtonBox::Ok)), -1);
        QCOMPARE(f.prompts.told.back().text,
                 Q(FetchDialogOK(*NewScenario(work), {"0", "", "", "", 0}).Text()));
        Type(fetch->north, "12");
        QCOMPARE(Closes(fetch, Button(fetch, QDialogButtonBox::Ok)), int(QDialog::Accepted));
        QCOMPARE(doc->m_dFetchN, 12.0);
        Click(d.uncertainty);
        auto* u = Opened<WindUncertaintyDialog>(&d);
        Type(u->value, "5");
        QCOMPARE(Closes(u, Button(u, QDialogButtonBox::Ok)), int(QDialog::Accepted));
        QCOMPARE(doc->inputUncertainty.windFlag, 1);
        QCOMPARE(Closes(&d, Button(&d, QDialogButtonBox::Cancel)), int(QDialog::Rejected));
        QVERIFY(static_cast<const SpillDocData&>(*doc) == before);
    }

    void EmulsificationValueSetsTheOilsOnsetAndHelpOpensItsTopic() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        EmulsificationDialog d(*doc, f.context);
        d.show();
        QVERIFY(!d.value->isEnabled());
        Click(d.useValue);
        Choose(d.unit, 1);
        Type(d.value, "12");
        Type(d.uncertainty, "-1");
        QCOMPARE(Closes(&d, Button(&d, QDialogButtonBox::Ok)), -1);
        QCOMPARE(f.prompts.told.back().text,
                 Q(EmulsificationDialogOK(*NewScenario(work), d.Entries()).Text()));
        Type(d.uncertainty, "2");
        Click(Button(&d, QDialogButtonBox::Help));
        auto* help = Opened<ShortHelpDialog>(&d);
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Help on Emulsification"));
        Click(help->readMore);
        QCOMPARE(f.help.topics, QStringList{QStringLiteral("Emulsification.html")});
        QCOMPARE(Closes(&d, Button(&d, QDialogButtonBox::Ok)), int(QDialog::Accepted));
        QCOMPARE(doc->inputOil.bulltime, 12.0);
        QCOMPARE(doc->inputUncertainty.emul, 2.0);

        // Back to the default onset: the uncertainty left in its disabled
        // field does not count.
        EmulsificationDialog back(*doc, f.context);
        QCOMPARE(back.uncertainty->text(), QStringLiteral("2"));
        Click(back.useDefault);
        QVERIFY(!back.uncertainty->isEnabled());
        QCOMPARE(Closes(&back, Button(&back, QDialogButtonBox::Ok)), int(QDialog::Accepted));
        QCOMPARE(doc->inputOil.bulltime, NoData);
        QCOMPARE(doc->inputUncertainty.emulFlag, 0);
    }
};

ORMIX_APP_TEST(EnvironmentDialogsTest)

}  // namespace ormix::app::testing

#include "environment_dialogs_test.moc"
