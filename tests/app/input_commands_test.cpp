// The shell's entry to the dialogs: every command is available and opens
// its own dialog; the answer says whether the scenario's inputs changed.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/dialog_support.h"
#include "app/input_commands.h"
#include "app/oil_library_sheet.h"
#include "app/water_dialog.h"
#include "dialog_driver.h"
#include "fake_prompts.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

// Acts on the modal dialog once it is shown.
void WhenShown(std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, [act] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        act(d);
        if (d->isVisible()) {
            d->reject();
            QFAIL("the dialog stayed open");
        }
    });
}

}  // namespace

class InputCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void EveryCommandOpensItsDialog() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        const char* titles[] = {"Standard Oils",  "Custom Oils",      "Emulsification",
                                "Wind and Waves", "Water Properties", "Release",
                                "Dispersant Use", "In-SituBurn",      "Mechanical Cleanup",
                                "Beaching"};
        for (int c = 0; c <= int(InputCommand::Beaching); ++c) {
            auto command = static_cast<InputCommand>(c);
            QVERIFY(InputCommandAvailable(command));
            QString shown;
            WhenShown([&shown](QDialog* d) {
                shown = d->windowTitle();
                d->reject();
            });
            QVERIFY(!RunInputCommand(command, *doc, f.context, nullptr));
            QCOMPARE(shown, QString::fromLatin1(titles[c]));
        }
    }

    void AcceptedChangeIsReported() {
        QTemporaryDir work;
        auto doc = NewScenario(work);
        FakeContext f;
        auto enter = [&](const char* temperature) {
            WhenShown([temperature](QDialog* d) {
                auto* water = qobject_cast<WaterDialog*>(d);
                QVERIFY(water);
                Type(water->temperature, temperature);
                Choose(water->temperatureUnit, 1);
                water->accept();
            });
            return RunInputCommand(InputCommand::Water, *doc, f.context, nullptr);
        };
        QVERIFY(enter("12"));
        QVERIFY(doc->m_bWaterInputPassed);
        QVERIFY(!enter("12"));  // accepted, but nothing changed
    }

    // Without a readable oil library the list does not open.
    void UnreadableOilLibraryIsReported() {
        QTemporaryDir work;
        CSpillDoc doc(MakeLocalTime(2026, 3, 14, 6), work.path().toStdString());
        FakeContext f;
        QVERIFY(!RunInputCommand(InputCommand::StandardOils, doc, f.context, nullptr));
        QCOMPARE(f.prompts.told.size(), size_t{1});
        QCOMPARE(f.prompts.told[0].kind, MessageKind::Information);
        QCOMPARE(f.prompts.told[0].text, Q(OilLibraryLoadMessage(doc.OilLib().Load())));
    }
};

ORMIX_APP_TEST(InputCommandsTest)

}  // namespace ormix::app::testing

#include "input_commands_test.moc"
