// The input dialogs refuse as the engine does: OK with a refused entry shows
// the engine's own messages, of their kinds, keeps the dialog open with the
// entry as typed, and leaves the scenario as it was.
#include <functional>

#include "app/release_dialog.h"
#include "app/water_dialog.h"
#include "app/wind_dialog.h"
#include "dialog_driver.h"
#include "scenario/release_dialogs.h"
#include "scenario/response_dialogs.h"
#include "scenario/wind_dialogs.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

using Rule = std::function<DialogResult(CSpillDoc&)>;

// A dialog filled with a refused entry: the field holding it (if any), and
// the engine's answer to the same entries on a scenario of its own.
struct Refused {
    InputDialog* dialog;
    QLineEdit* field;
    Rule engine;
};

using Fill = Refused (*)(CSpillDoc&, AppContext&);

const std::pair<const char*, Fill> kRefusals[] = {
    {"water",
     [](CSpillDoc& doc, AppContext& c) -> Refused {
         auto* d = new WaterDialog(doc, c);
         Type(d->temperature, "41");
         d->temperatureUnit->setCurrentIndex(1);
         return {d, d->temperature,
                 [e = d->Entries()](CSpillDoc& s) { return WaterDialogOK(s, e); }};
     }},
    {"release without a kind",
     [](CSpillDoc& doc, AppContext& c) -> Refused {
         return {new ReleaseDialog(doc, c), nullptr,
                 [](CSpillDoc& s) { return ReleaseDialogOK(s, {}); }};
     }},
    // A constant wind whose waves come from a fetch left empty.
    {"constant wind",
     [](CSpillDoc& doc, AppContext& c) -> Refused {
         auto* d = new WindDialog(doc, c);
         Click(d->constant);
         Type(d->speed, "12");
         Type(d->direction, "225");
         d->waves->setCurrentIndex(kWavesFromFetch);
         Type(d->fetch, "");
         return {d, d->speed, [](CSpillDoc& s) {
                     return ConstantWindDialogOK(s, {"12", "225", {}, kWavesFromFetch, "", ""});
                 }};
     }},
};

// Messages as "kind: text", to compare what was told with what was meant.
QStringList Shown(const std::vector<FakePrompts::Told>& told) {
    QStringList out;
    for (const auto& t : told)
        out << QString::number(int(t.kind)) + u": "_s + t.text;
    return out;
}

}  // namespace

class DialogRefusalsTest : public QObject {
    Q_OBJECT
private slots:
    void RefusalKeepsTheDialogAndTheScenario_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kRefusals)); ++i)
            QTest::newRow(kRefusals[i].first) << i;
    }

    void RefusalKeepsTheDialogAndTheScenario() {
        QFETCH(int, row);
        QTemporaryDir work;
        auto doc = NewScenario(work);
        const SpillDocData before = *doc;
        FakeContext f;
        Refused r = kRefusals[row].second(*doc, f.context);
        std::unique_ptr<InputDialog> d(r.dialog);
        d->show();
        const QString typed = r.field ? r.field->text() : QString();

        QCOMPARE(Press(d.get()), kStaysOpen);
        const DialogResult expected = r.engine(*NewScenario(work));
        QVERIFY(!expected.accepted && !expected.Text().empty());
        std::vector<FakePrompts::Told> meant;
        for (const Message& m : expected.messages)
            meant.push_back({m.kind, Q(m.text)});
        QCOMPARE(Shown(f.prompts.told), Shown(meant));
        QVERIFY(d->isVisible());
        if (r.field) QCOMPARE(r.field->text(), typed);
        QVERIFY(static_cast<const SpillDocData&>(*doc) == before);
    }
};

ORMIX_APP_TEST(DialogRefusalsTest)

}  // namespace ormix::app::testing

#include "dialog_refusals_test.moc"
