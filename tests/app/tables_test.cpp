#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/budget_table_view.h"
#include "app/dialog_support.h"
#include "app/ics_table_view.h"
#include "app/table_clipboard.h"
#include "app/text_table_view.h"
#include "app_fixture.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

struct SolvedTables : WindowFixture {
    SolvedTables() {
        session = Open("open-sea-crude");
        window->Solve(session);
        window->SetMultipleGraphs(session, true);
        budget =
            static_cast<BudgetTableView*>(window->OpenOutput(session, WindowKind::BudgetTable));
        ics = static_cast<IcsTableView*>(window->OpenOutput(session, WindowKind::IcsTable));
    }
    ScenarioSession* session = nullptr;
    BudgetTableView* budget = nullptr;
    IcsTableView* ics = nullptr;
};

}  // namespace

class TablesTest : public QObject {
    Q_OBJECT
private slots:
    // Each choice of the oil budget table's bar draws the engine's table
    // for that choice; the table starts in the release's unit.
    void BudgetTableBarRedraws() {
        SolvedTables f;
        QVERIFY(f.budget);
        QCOMPARE(f.budget->ReleasedChoice()->currentText(), u"bbl"_s);
        // The bar's time, released and other choices, and the unit chosen.
        const int choices[][4] = {{1, 1, 0, 4}, {0, 2, 2, 0}, {0, 4, 1, 6}};
        for (const auto& [time, released, other, unit] : choices) {
            f.budget->TimeChoice()->setCurrentIndex(time);
            f.budget->ReleasedChoice()->setCurrentIndex(released);
            f.budget->OtherChoice()->setCurrentIndex(other);
            const BudgetTableChoices expected{
                time ? BudgetTimeColumn::Dates : BudgetTimeColumn::Hours, unit,
                static_cast<BudgetOtherColumns>(other)};
            QCOMPARE(f.budget->Table()->Text(),
                     Q(BuildOilBudgetTable(f.session->Doc(), expected).Text()));
        }
    }

    // Copy in a table window puts the table on the clipboard as cells a
    // spreadsheet takes; with text selected in a field, Copy copies that.
    void CopyPutsTheTableOnTheClipboard() {
        SolvedTables f;
        f.window->Area()->setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(f.budget->parentWidget()));
        f.budget->Table()->setFocus();
        f.window->Action(Command::Copy)->trigger();
        QCOMPARE(QApplication::clipboard()->text(), TableAsTabSeparated(f.budget->Table()->Text()));

        f.window->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(f.ics->parentWidget()));
        QLineEdit* duration = f.ics->DurationField();
        duration->setFocus();
        duration->selectAll();
        f.window->Action(Command::Copy)->trigger();
        QCOMPARE(QApplication::clipboard()->text(), u"8"_s);
        f.ics->TableText()->setFocus();
        f.window->Action(Command::Copy)->trigger();
        const QStringList ics = QApplication::clipboard()->text().split(QLatin1Char('\n'));
        QVERIFY(ics.contains(u"Floating, Contained\tnot estimated\tnot estimated"_s));
    }

    // The separators drawn between columns do not become cells.
    void TabSeparatedCellsLeaveTheDrawingOut() {
        const QString text = QStringLiteral(
                                 "Oil Name = X\nAPI = 1\t\t\tPour Point = 2\n%1\n"
                                 "Hours Into\t Released \t \tEvaporated\t\n"
                                 "         1\t  5,000   \t-\t    6     \t\n\n"
                                 "         2\t  5,000   \t \t    9     \t\n")
                                 .arg(QString(67, QLatin1Char('-')));
        QCOMPARE(TableAsTabSeparated(text),
                 u"Oil Name = X\nAPI = 1\tPour Point = 2\n\n"
                 "Hours Into\tReleased\tEvaporated\n1\t5,000\t6\n2\t5,000\t9\n"_s);
        QCOMPARE(TableAsTabSeparated(u"N/A"_s), u"N/A\n"_s);
    }

    // The ICS table follows its operational period; a typed duration is
    // kept within a day and written back as used.
    void IcsTableFollowsItsPeriod() {
        SolvedTables f;
        QVERIFY(f.ics);
        QCOMPARE(f.ics->DayChoice()->value(), 14);
        f.ics->DurationField()->setText(u"30"_s);
        emit f.ics->DurationField()->editingFinished();
        QCOMPARE(f.ics->DurationField()->text(), u"24"_s);
        f.ics->HourChoice()->setValue(10);
        IcsPeriod period{3, 14, 10, 24};
        const IcsTable expected = BuildIcsTable(f.session->Doc(), period);
        QCOMPARE(f.ics->Table().period.duration, 24);
        QCOMPARE(f.ics->Table().opStart, expected.opStart);
        QCOMPARE(f.ics->TableText()->Text(), QString::fromStdString(expected.text));
    }

    // Save asks for the file ("Save ICS Table File", "ICS209.txt", ".ics"
    // added to a bare name) and writes the export; a file that cannot be
    // made says so.
    void IcsSaveWritesTheExport() {
        SolvedTables f;
        f.fake.prompts.files = {f.File("period"), f.File("no/such/dir/ICS209.txt")};
        f.ics->SaveButton()->click();
        QCOMPARE(f.fake.prompts.saveTitles.value(0), u"Save ICS Table File"_s);
        QCOMPARE(f.fake.prompts.saveSuggestions.value(0), u"ICS209.txt"_s);
        QCOMPARE(ReadBytes(f.File("period.ics")),
                 QByteArray::fromStdString(f.ics->Table().exportText));
        QVERIFY(f.fake.prompts.told.empty());

        QVERIFY(!f.ics->SaveTable());
        QCOMPARE(f.fake.prompts.told.size(), size_t{1});
        QVERIFY(f.fake.prompts.told[0].text.startsWith(u"Cannot create file for ICS table.\n\n"_s));
    }
};

ORMIX_APP_TEST(TablesTest)

}  // namespace ormix::app::testing

#include "tables_test.moc"
