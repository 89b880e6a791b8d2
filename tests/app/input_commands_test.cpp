// The shell's entry to the dialogs: every command is available and opens
// its own dialog; the answer says whether the scenario's inputs changed.
#include <QLabel>
#include <QMap>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "app/burn_rate_dialog.h"
#include "app/custom_oil_dialog.h"
#include "app/custom_oil_sheet.h"
#include "app/dialog_support.h"
#include "app/input_commands.h"
#include "app/oil_library_sheet.h"
#include "app/release_kind_dialogs.h"
#include "app/smoke_plume_dialog.h"
#include "app/tank_wizard_pages.h"
#include "app/water_dialog.h"
#include "app/wind_side_dialogs.h"
#include "dialog_driver.h"
#include "scenario/burn_plume.h"
#include "scenario/response_dialogs.h"
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

// The letters used twice as mnemonics among the visible labels, buttons and
// tabs of a dialog.
QStringList MnemonicClashes(QWidget* dialog) {
    QMap<QChar, QStringList> used;
    auto note = [&](const QString& text) {
        int at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size()) used[text[at + 1].toLower()] << text;
    };
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(dialog)) continue;
        if (auto* l = qobject_cast<QLabel*>(w)) note(l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) note(b->text());
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i)
                note(t->tabText(i));
    }
    QStringList clashes;
    for (auto it = used.begin(); it != used.end(); ++it)
        if (it.value().size() > 1) clashes << it.value().join(u" / "_s);
    return clashes;
}

void NoClashes(QWidget* dialog, const QString& where) {
    const QStringList clash = MnemonicClashes(dialog);
    QVERIFY2(clash.isEmpty(), qPrintable(dialog->windowTitle() + where + ": " + clash.join(", ")));
}

}  // namespace

class InputCommandsTest : public QObject, ScenarioPerTest {
    Q_OBJECT
private slots:
    void init() { Renew(); }

    void EveryCommandOpensItsDialog() {
        const char* titles[] = {"Standard Oils",  "Custom Oils",      "Emulsification",
                                "Wind and Waves", "Water Properties", "Release",
                                "Dispersant Use", "In-SituBurn",      "Mechanical Cleanup",
                                "Beaching"};
        for (int c = 0; c <= int(InputCommand::Beaching); ++c) {
            auto command = static_cast<InputCommand>(c);
            QString shown;
            WhenShown([&shown](QDialog* d) {
                shown = d->windowTitle();
                d->reject();
            });
            const SpillDocData before = *doc;
            QVERIFY(!RunInputCommand(command, *doc, f->context, nullptr));
            QCOMPARE(shown, QString::fromLatin1(titles[c]));
            QVERIFY(static_cast<const SpillDocData&>(*doc) == before);  // Cancel: as it was
        }
    }

    void AcceptedChangeIsReported() {
        auto enter = [&](const char* temperature) {
            WhenShown([temperature](QDialog* d) {
                auto* water = qobject_cast<WaterDialog*>(d);
                QVERIFY(water);
                Type(water->temperature, temperature);
                water->temperatureUnit->setCurrentIndex(1);
                water->accept();
            });
            return RunInputCommand(InputCommand::Water, *doc, f->context, nullptr);
        };
        QVERIFY(enter("12"));
        QVERIFY(doc->m_bWaterInputPassed);
        QVERIFY(!enter("12"));  // accepted, but nothing changed
    }

    // With the keyboard alone: OK is the default button, and no two
    // mnemonics of what is on screen at once share a letter, on every page
    // (of the tabs, and of the tank wizard) and in every mode that a choice
    // shows; the sub-dialogs and the smoke plume too.
    void KeyboardMnemonicsAreUnique() {
        QVERIFY(doc->OilLib().Load() == 0);
        auto tank = ExampleScenario(*work, "leaking-tank.json");
        auto burns = ExampleScenario(*work, "response-operations.json");
        std::vector<std::unique_ptr<QDialog>> dialogs;
        for (int c = 0; c <= int(InputCommand::Beaching); ++c)
            dialogs.push_back(
                MakeInputDialog(static_cast<InputCommand>(c), *doc, f->context, nullptr));
        dialogs.push_back(std::make_unique<InstantaneousDialog>(*doc, f->context));
        dialogs.push_back(std::make_unique<ContinuousDialog>(*doc, f->context));
        dialogs.push_back(std::make_unique<ContainedDialog>(*doc, f->context));
        dialogs.push_back(std::make_unique<AmountUncertaintyDialog>(*doc, f->context));
        dialogs.push_back(std::make_unique<FetchDialog>(*doc, f->context));
        dialogs.push_back(std::make_unique<WindUncertaintyDialog>(*doc, f->context));
        dialogs.push_back(std::make_unique<BurnRateDialog>(*doc, f->context));
        dialogs.push_back(std::make_unique<NewCustomOilDialog>(f->context));
        dialogs.push_back(std::make_unique<CustomOilSheet>(doc->CustomLib(), -1, f->context));
        dialogs.push_back(std::make_unique<LeakingTankWizard>(*tank, f->context));
        dialogs.push_back(std::make_unique<SmokePlumeDialog>(
            *burns, f->context, 0, PlumeInputForBurn(*burns, 0, BurnPagesOf(*burns)[0])));
        for (const std::unique_ptr<QDialog>& d : dialogs) {
            d->show();
            auto* tabs = d->findChild<QTabWidget*>();
            auto* wizard = qobject_cast<QWizard*>(d.get());
            for (int page = 0; page < (tabs ? tabs->count() : wizard ? 7 : 1); ++page) {
                if (tabs) tabs->setCurrentIndex(page);
                if (wizard && page > 0) wizard->next();
                QVERIFY(!wizard || wizard->currentId() == page);
                NoClashes(d.get(), u" page %1"_s.arg(page + 1));
                for (QRadioButton* r : d->findChildren<QRadioButton*>()) {
                    if (wizard || !r->isVisibleTo(d.get()) || !r->isEnabled()) continue;
                    r->click();
                    NoClashes(d.get(), " (" + r->text() + ')');
                }
            }
            bool hasDefault = false;
            for (QPushButton* b : d->findChildren<QPushButton*>())
                hasDefault = hasDefault || (b->isDefault() && b->isVisible());
            QVERIFY2(hasDefault, qPrintable(d->windowTitle()));
        }
    }

    // Without a readable oil library the list does not open.
    void UnreadableOilLibraryIsReported() {
        QTemporaryDir work;
        CSpillDoc doc(MakeLocalTime(2026, 3, 14, 6), work.path().toStdString());
        FakeContext f;
        QVERIFY(!RunInputCommand(InputCommand::StandardOils, doc, f.context, nullptr));
        QCOMPARE(f.prompts.told[0].kind, MessageKind::Information);
        QCOMPARE(f.prompts.told[0].text, Q(OilLibraryLoadMessage(doc.OilLib().Load())));
    }
};

ORMIX_APP_TEST(InputCommandsTest)

}  // namespace ormix::app::testing

#include "input_commands_test.moc"
