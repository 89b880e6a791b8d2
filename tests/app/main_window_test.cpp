#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "app/desktop_program.h"
#include "app/spill_form_view.h"
#include "app/summary_bar.h"
#include "app_fixture.h"
#include "scenario/scenario_file.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

QStringList VisibleMenus(QMainWindow& w) {
    QStringList out;
    for (QAction* a : w.menuBar()->actions())
        if (a->isVisible()) out << a->text().remove(QLatin1Char('&'));
    return out;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The program starts with one new scenario and its start form, or with
    // the scenario named on the command line instead.
    void StartsWithTheScenarioOfTheCommandLine_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("none") << QString() << u"ORMIX2"_s;
        QTest::newRow("json") << Example("open-sea-crude") << u"open-sea-crude.json"_s;
        QTest::newRow("unreadable") << u"/no/such/file.qsx"_s << u"ORMIX2"_s;
    }
    void StartsWithTheScenarioOfTheCommandLine() {
        QFETCH(QString, file);
        QFETCH(QString, title);
        QTemporaryDir dir;
        QFile::copy(SourcePath(u"data/OilLib"_s), dir.filePath("OilLib"));
        FakePrompts prompts;
        DesktopProgram program(&prompts);
        StartOptions options;
        options.file = file;
        options.workDir = dir.path();
        QVERIFY(program.Start(options));
        MainWindow& w = program.Window();
        QCOMPARE(w.Sessions().size(), size_t{1});
        ScenarioSession* s = w.Sessions().front();
        QCOMPARE(s->Title(), title);
        QVERIFY(w.FormOf(s) && w.FormOf(s)->isVisible());
        QCOMPARE(program.WorkDir(), QFileInfo(dir.path()).absoluteFilePath());
        // A file that cannot be opened says why, and the program goes on.
        QCOMPARE(prompts.told.size(), size_t{title == QLatin1String("ORMIX2") && !file.isEmpty()});
    }

    // Without a scenario only what can start one is offered; with one, the
    // graph and table commands wait for a run.
    void MenusFollowTheScenarioState() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QCOMPARE(VisibleMenus(w), (QStringList{"File", "View", "Help"}));

        ScenarioSession* s = f.Open("open-sea-crude");
        QCOMPARE(VisibleMenus(w), (QStringList{"File", "Edit", "Spill", "Removal", "Output", "View",
                                               "Window", "Help"}));
        QVERIFY(w.Action(Command::Solve)->isEnabled());
        for (Command c : {Command::BudgetTable, Command::IcsTable, Command::SingleGraph})
            QVERIFY(!w.Action(c)->isEnabled());
        // The input dialogs are not in the program: their commands and links
        // are there, disabled.
        QVERIFY(!w.Action(Command::Water)->isEnabled());
        QVERIFY(!w.FormOf(s)->Link(FormLink::Water)->isEnabled());

        QVERIFY(w.Solve(s));
        QVERIFY(w.Action(Command::BudgetTable)->isEnabled());
        QVERIFY(w.CloseScenario(s));
        QCOMPARE(VisibleMenus(w), (QStringList{"File", "View", "Help"}));
    }

    // Saving through the window writes what `ormix convert` writes, and the
    // file opens again to the same scenario.
    void SaveAndOpenRoundTripMatchesConvert() {
        WindowFixture f;
        MainWindow& w = *f.window;
        ScenarioSession* s = f.Open("response-operations");
        QVERIFY(s);
        QCOMPARE(
            s->SuggestedFileName(),
            QFileInfo(Example("response-operations")).dir().filePath("response-operations.qsx"));
        f.fake.prompts.files = {f.File("saved")};
        QVERIFY(w.SaveScenario(s));  // a JSON scenario is saved under a new name
        QCOMPARE(s->FilePath(), f.File("saved.qsx"));
        QCOMPARE(s->Title(), u"saved.qsx"_s);

        QCOMPARE(RunCli(f.dir.path(), {u"convert"_s, Example("response-operations"),
                                       f.File("converted.qsx"), "--workdir", "."})
                     .status,
                 0);
        const QByteArray saved = ReadBytes(f.File("saved.qsx"));
        QCOMPARE(saved, ReadBytes(f.File("converted.qsx")));

        // Opened again: the same bytes when saved once more, and exported as
        // JSON it converts back to them.
        QVERIFY(w.CloseScenario(s));
        ScenarioSession* again = w.OpenScenario(f.File("saved.qsx"));
        QVERIFY(again && !again->IsModified());
        QVERIFY(w.SaveScenario(again));
        QCOMPARE(ReadBytes(f.File("saved.qsx")), saved);
        f.fake.prompts.files = {f.File("exported")};
        QVERIFY(w.ExportScenario(again));
        ScenarioSession* exported = w.OpenScenario(f.File("exported.json"));
        f.fake.prompts.files = {f.File("from-json.qsx")};
        QVERIFY(exported && w.SaveScenarioAs(exported));
        QCOMPARE(ReadBytes(f.File("from-json.qsx")), saved);
        QVERIFY(f.fake.prompts.told.empty());
    }

    // Closing a modified scenario asks first: Yes saves, No drops the
    // changes, Cancel keeps the scenario open. Exit asks the same.
    void CloseAsksToSaveAModifiedScenario() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.inputs.available = true;
        f.inputs.accept = [](InputCommand, CSpillDoc& doc) {
            doc.inputWater.salinity = 20;
            return true;
        };
        ScenarioSession* s = w.NewScenario();
        QVERIFY(w.CloseScenario(s));  // unchanged: no question
        QVERIFY(f.fake.prompts.asked.isEmpty());

        s = w.NewScenario();
        QVERIFY(w.RunInput(s, InputCommand::Water));
        QVERIFY(s->IsModified());
        QVERIFY(w.windowTitle().endsWith(QLatin1String(" *")));
        f.fake.prompts.answers = {UserPrompts::Answer::Cancel};
        QVERIFY(!w.CloseScenario(s));
        QCOMPARE(f.fake.prompts.asked.back(), SaveQuestion(s->Title()));
        QCOMPARE(w.Sessions().size(), size_t{1});
        f.fake.prompts.answers = {UserPrompts::Answer::Cancel};
        QVERIFY(!w.close());  // Exit is refused too
        QVERIFY(w.isVisible());

        f.fake.prompts.answers = {UserPrompts::Answer::Yes};
        f.fake.prompts.files = {f.File("kept.qsx")};
        QVERIFY(w.CloseScenario(s));
        QVERIFY(QFile::exists(f.File("kept.qsx")));

        s = w.NewScenario();
        QVERIFY(w.RunInput(s, InputCommand::Water));
        f.fake.prompts.answers = {UserPrompts::Answer::No};
        QVERIFY(w.close());
        QVERIFY(w.Sessions().empty());
        QCOMPARE(f.fake.prompts.asked.size(), 4);
    }

    // A file that cannot be opened shows its message and changes nothing:
    // the open scenario keeps its values, windows and results.
    void ABadFileLeavesTheOpenScenarioAsItWas() {
        WindowFixture f;
        MainWindow& w = *f.window;
        ScenarioSession* s = f.Open("open-sea-crude");
        QVERIFY(w.Solve(s));
        std::vector<unsigned char> before;
        std::string error;
        QVERIFY(EncodeScenario(s->Doc(), before, error));
        QFile bad(f.File("bad.qsx"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a scenario");
        bad.close();
        const auto windows = w.Area()->subWindowList().size();

        f.fake.prompts.told.clear();
        QVERIFY(!w.OpenScenario(f.File("bad.qsx")));
        QCOMPARE(f.fake.prompts.told.size(), size_t{1});
        QCOMPARE(f.fake.prompts.told[0].kind, MessageKind::Error);
        QVERIFY(f.fake.prompts.told[0].text.contains(QLatin1String("bad.qsx")));
        QCOMPARE(w.Sessions().size(), size_t{1});
        QCOMPARE(w.Area()->subWindowList().size(), windows);
        std::vector<unsigned char> after;
        QVERIFY(EncodeScenario(s->Doc(), after, error));
        QVERIFY(after == before);
        QVERIFY(!s->Doc().needsSolving);
        QVERIFY(!w.RecentFiles().contains(f.File("bad.qsx")));
    }

    // Four recent files, the latest first, kept across windows; opening one
    // already open shows it rather than opening it twice; a new scenario
    // nobody touched gives way to the file opened.
    void RecentFilesAndOpenedFiles() {
        WindowFixture f;
        MainWindow& w = *f.window;
        w.NewScenario();
        for (const char* name :
             {"boomed-spill", "open-sea-crude", "uncertainty", "diesel-continuous", "leaking-tank"})
            QVERIFY(w.OpenScenario(Example(name)));
        QCOMPARE(w.Sessions().size(), size_t{5});  // the untouched new one gave way
        QCOMPARE(w.RecentFiles().size(), 4);
        QCOMPARE(w.RecentFiles().front(), Example("leaking-tank"));
        ScenarioSession* first = w.Sessions().front();
        QCOMPARE(w.OpenScenario(Example("boomed-spill")), first);
        QCOMPARE(w.ActiveSession(), first);
        MainWindow other(f.fake.context, f.dir.path(), f.inputs.Runner());
        QCOMPARE(other.RecentFiles(), w.RecentFiles());
    }

    // Files dropped on the window open.
    void DroppedFilesOpen() {
        WindowFixture f;
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(Example("open-sea-crude")),
                      QUrl::fromLocalFile(Example("uncertainty"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &drop);
        QCOMPARE(f.window->Sessions().size(), size_t{2});
        QCOMPARE(f.window->Sessions().back()->Title(), u"uncertainty.json"_s);
    }
};

ORMIX_APP_TEST(MainWindowTest)

}  // namespace ormix::app::testing

#include "main_window_test.moc"
