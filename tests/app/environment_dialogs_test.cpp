// The water, wind and emulsification dialogs: what they show again, the
// compass, the wind records, and what Cancel leaves in the scenario.
#include <QTreeWidget>

#include "app/dialog_support.h"
#include "app/direction_bullseye.h"
#include "app/emulsification_dialog.h"
#include "app/water_dialog.h"
#include "app/wind_dialog.h"
#include "app/wind_side_dialogs.h"
#include "dialog_driver.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

class EnvironmentDialogsTest : public QObject, ScenarioPerTest {
    Q_OBJECT
private slots:
    void init() { Renew(); }

    // What OK stores, a new dialog on the scenario shows again.
    void WaterEntriesComeBack() {
        auto shown = [](WaterDialog& d) {
            return QStringList{d.temperature->text(),           d.temperatureUnit->currentText(),
                               d.salinityChoice->currentText(), d.salinity->text(),
                               d.currentSpeed->text(),          d.currentUnit->currentText(),
                               d.currentDirection->text()};
        };
        WaterDialog d(*doc, f->context);
        Type(d.temperature, "50.7");
        d.temperatureUnit->setCurrentIndex(0);
        d.salinityChoice->setCurrentIndex(kOtherSalinity);
        Type(d.salinity, "20");
        Type(d.currentSpeed, "1.5");
        d.currentUnit->setCurrentIndex(1);
        Type(d.currentDirection, "90");
        QCOMPARE(Press(&d), kAccepted);
        WaterDialog again(*doc, f->context);
        QCOMPARE(shown(again), shown(d));
    }

    // A click on the compass writes the engine's figures into the fields.
    void CompassClickFillsTheCurrentAndTheWind() {
        CompassClick expected;
        QVERIFY(CompassBullseye(30, -40, expected));
        auto click = [](DirectionBullseye* compass, QPoint offset) {
            QTest::mouseClick(compass, Qt::LeftButton, {}, compass->Centre() + offset);
        };
        WaterDialog water(*doc, f->context);
        water.show();
        click(water.compass, {30, -40});
        QCOMPARE(water.currentSpeed->text(), Q(expected.currentSpeed));
        QCOMPARE(water.currentDirection->text(), Q(expected.currentDirection));

        WindDialog wind(*doc, f->context);
        wind.show();
        click(wind.compass, {30, -40});
        QCOMPARE(wind.speed->text(), QString::number(expected.windSpeed));
        QCOMPARE(wind.direction->text(), QString::number(expected.direction));
        Click(wind.variable);  // with timed winds, into the record being edited
        click(wind.compass, {30, -40});
        QCOMPARE(wind.recordSpeed->text(), QString::number(expected.windSpeed));
    }

    void WindRecordsAreAddedReplacedOnlyWhenAskedAndDeleted() {
        WindDialog d(*doc, f->context);
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
        QCOMPARE(d.recordList->topLevelItem(0)->text(1), u"06:00"_s);  // in time order
        f->prompts.confirmations = {false, true};
        QVERIFY(!add(6, "20"));  // not replaced
        QCOMPARE(f->prompts.asked.back(), Q(d.Records().ReplaceQuestion(d.TypedRecord())));
        QCOMPARE(d.Records().Rows()[0].speed, std::string("10"));
        QVERIFY(add(6, "20"));
        QCOMPARE(d.Records().Rows()[0].speed, std::string("20"));
        QVERIFY(!add(7, ""));  // refused with the engine's message
        QCOMPARE(f->prompts.told.back().kind, MessageKind::Error);
        QCOMPARE(d.Records().Rows().size(), size_t{2});
        d.recordList->setCurrentItem(d.recordList->topLevelItem(1));
        QCOMPARE(d.recordSpeed->text(), u"12"_s);  // the chosen record comes back
        Click(d.deleteRecord);
        QCOMPARE(d.Records().Rows().size(), size_t{1});

        QCOMPARE(Press(&d), kAccepted);
        QCOMPARE(doc->m_iVarWindNumber, 1);
        QCOMPARE(doc->inputWindWave.speed[0], 20.0);
    }

    // Cancel gives the scenario back as it was, even after the fetch and
    // uncertainty dialogs have been closed with OK.
    void CancelUndoesTheSubDialogs() {
        const SpillDocData before = *doc;
        WindDialog d(*doc, f->context);
        d.show();
        Click(d.variable);
        d.waves->setCurrentIndex(kWavesFromFetch);
        ThroughDialog<FetchDialog>(d.fetches, &d, [](FetchDialog& w) { Type(w.north, "12"); });
        QCOMPARE(doc->m_dFetchN, 12.0);
        ThroughDialog<WindUncertaintyDialog>(d.uncertainty, &d,
                                             [](WindUncertaintyDialog& u) { Type(u.value, "5"); });
        QCOMPARE(doc->inputUncertainty.windFlag, 1);
        QCOMPARE(Press(&d, QDialogButtonBox::Cancel), kRejected);
        QVERIFY(static_cast<const SpillDocData&>(*doc) == before);
    }

    // Back to the default onset, the uncertainty left in its disabled field
    // does not count.
    void EmulsificationDefaultDropsTheUncertainty() {
        QVERIFY(EmulsificationDialogOK(*doc, {false, "12", 1, "2"}).accepted);
        EmulsificationDialog back(*doc, f->context);
        QCOMPARE(back.uncertainty->text(), u"2"_s);
        Click(back.useDefault);
        QVERIFY(!back.uncertainty->isEnabled());
        QCOMPARE(Press(&back), kAccepted);
        QCOMPARE(doc->inputOil.bulltime, NoData);
        QCOMPARE(doc->inputUncertainty.emulFlag, 0);
    }
};

ORMIX_APP_TEST(EnvironmentDialogsTest)

}  // namespace ormix::app::testing

#include "environment_dialogs_test.moc"
