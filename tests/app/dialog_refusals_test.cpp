// The smaller input dialogs refuse as the engine does: OK with a refused
// entry shows the engine's own message in an error box, keeps the dialog
// open with the entry as typed, and leaves the scenario as it was.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "app/burn_rate_dialog.h"
#include "app/release_kind_dialogs.h"
#include "app/wind_dialog.h"
#include "app/wind_side_dialogs.h"
#include "dialog_driver.h"
#include "fake_prompts.h"
#include "scenario/response_dialogs.h"
#include "scenario/wind_dialogs.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

// A dialog filled with a refused entry: the field holding it, and the
// engine's answer to the same entries on a scenario of its own.
struct Filled {
    std::unique_ptr<InputDialog> dialog;
    QLineEdit* refused;
    std::function<DialogResult(CSpillDoc&)> engine;
};

using Fill = std::function<Filled(CSpillDoc&, AppContext&)>;

Filled Continuous(CSpillDoc& doc, AppContext& context) {
    auto* d = new ContinuousDialog(doc, context);
    Type(d->duration, "12");
    Click(d->byRate);
    Type(d->rate, "0");
    return {std::unique_ptr<InputDialog>(d), d->rate,
            [e = d->Entries()](CSpillDoc& s) { return ContinuousDialogOK(s, e); }};
}

Filled Contained(CSpillDoc& doc, AppContext& context) {
    auto* d = new ContainedDialog(doc, context);
    Type(d->amount, "1000");
    Choose(d->areaUnit, 2);
    Type(d->area, "20000");
    return {std::unique_ptr<InputDialog>(d), d->area,
            [e = d->Entries()](CSpillDoc& s) { return ContainedDialogOK(s, e); }};
}

Filled AmountUncertainty(CSpillDoc& doc, AppContext& context) {
    auto* d = new AmountUncertaintyDialog(doc, context);
    Type(d->percent, "150");
    return {std::unique_ptr<InputDialog>(d), d->percent,
            [](CSpillDoc& s) { return AmountUncertaintyDialogOK(s, "150"); }};
}

Filled WindUncertainty(CSpillDoc& doc, AppContext& context) {
    auto* d = new WindUncertaintyDialog(doc, context);
    Choose(d->unit, 2);
    Type(d->value, "40");
    return {std::unique_ptr<InputDialog>(d), d->value,
            [](CSpillDoc& s) { return WindUncertaintyDialogOK(s, "40", 2); }};
}

// A constant wind whose waves come from a fetch left empty.
Filled ConstantWind(CSpillDoc& doc, AppContext& context) {
    auto* d = new WindDialog(doc, context);
    Click(d->constant);
    Type(d->speed, "12");
    Type(d->direction, "225");
    Choose(d->waves, kWavesFromFetch);
    Type(d->fetch, "");
    return {std::unique_ptr<InputDialog>(d), d->speed, [](CSpillDoc& s) {
                ConstantWindEntries e{"12", "225", {}, kWavesFromFetch, "", ""};
                return ConstantWindDialogOK(s, e);
            }};
}

Filled BurnRate(CSpillDoc& doc, AppContext& context) {
    auto* d = new BurnRateDialog(doc, context);
    Choose(d->choice, 1);
    Choose(d->unit, 0);
    Type(d->rate, "0.5");
    return {std::unique_ptr<InputDialog>(d), d->rate,
            [e = d->Entries()](CSpillDoc& s) { return BurnRateDialogOK(s, e); }};
}

}  // namespace

class DialogRefusalsTest : public QObject {
    Q_OBJECT
private slots:
    void RefusalKeepsTheDialogAndTheScenario_data() {
        QTest::addColumn<int>("which");
        const char* names[] = {"continuous",       "contained",     "amount uncertainty",
                               "wind uncertainty", "constant wind", "burn rate"};
        for (int i = 0; i < 6; ++i)
            QTest::newRow(names[i]) << i;
    }

    void RefusalKeepsTheDialogAndTheScenario() {
        QFETCH(int, which);
        const Fill fills[] = {Continuous,      Contained,    AmountUncertainty,
                              WindUncertainty, ConstantWind, BurnRate};
        QTemporaryDir work;
        auto doc = NewScenario(work);
        const SpillDocData before = *doc;
        FakeContext f;
        Filled filled = fills[which](*doc, f.context);
        InputDialog* d = filled.dialog.get();
        d->show();
        const QString typed = filled.refused->text();

        auto* ok = d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QCOMPARE(Closes(d, ok), -1);
        const DialogResult expected = filled.engine(*NewScenario(work));
        QVERIFY(!expected.Text().empty());
        QCOMPARE(f.prompts.told.size(), size_t{1});
        QCOMPARE(f.prompts.told[0].kind, MessageKind::Error);
        QCOMPARE(f.prompts.told[0].text, Q(expected.Text()));
        QVERIFY(d->isVisible());
        QCOMPARE(filled.refused->text(), typed);
        QVERIFY(static_cast<const SpillDocData&>(*doc) == before);
    }
};

ORMIX_APP_TEST(DialogRefusalsTest)

}  // namespace ormix::app::testing

#include "dialog_refusals_test.moc"
