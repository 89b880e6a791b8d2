// The two calculators' results: the leaking tank's Step 7 and the smoke
// plume's result page show the engine's texts, and print their plots on
// pages titled as the engine names them (to a PDF file, no dialog).
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include "app/dialog_support.h"

#include "app/plot_printing.h"
#include "app/smoke_plume_dialog.h"
#include "app/tank_wizard_pages.h"
#include "dialog_driver.h"
#include "fake_prompts.h"
#include "scenario/burn_plume.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

class CalculatorWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void TankStep7ShowsAndPrintsTheRelease() {
        QTemporaryDir work;
        auto doc = ExampleScenario(work, "leaking-tank.json");
        FakeContext f;
        LeakingTankWizard w(*doc, f.context);
        w.show();
        // The scenario's tank comes back on the pages; Next runs to Step 7.
        QCOMPARE(w.length->text(), u"15"_s);
        for (int i = 0; i < 6; ++i)
            w.next();
        QCOMPARE(w.currentId(), 6);
        QCOMPARE(w.total->text(), Q(TankTotalText(w.Release().total)));
        QCOMPARE(w.duration->text(), Q(TankDurationText(w.Release().duration)));
        QCOMPARE(w.Release().total, doc->tankPages.totalRelease);

        // Print asks through the person's prompts: a page for each plot.
        for (const PrintedPage& p : w.PrintedPages())
            QCOMPARE(p.title, u"Leaking Tank"_s);
        f.prompts.printFiles.push_back(work.filePath("tank.pdf"));
        Click(w.button(QWizard::CustomButton1));
        QCOMPARE(f.prompts.printsAsked, 1);
        QCOMPARE(PdfPageCount(work.filePath("tank.pdf")), 2);
        Click(w.button(QWizard::HelpButton));
        QCOMPARE(f.help.topics, QStringList{u"Leaking_Tank.html"_s});
    }

    void PlumeResultShowsTheReportAndPrintsIt() {
        QTemporaryDir work;
        auto doc = ExampleScenario(work, "response-operations.json");
        FakeContext f;
        BurnPage burn = BurnPagesOf(*doc)[0];
        const PlumeDialogInput in = PlumeInputForBurn(*doc, 0, burn);
        SmokePlumeDialog d(*doc, f.context, 0, in);
        d.show();
        QVERIFY(d.Next());
        PlumeResult expected;
        SilentSink quiet;
        QCOMPARE(RunSmokePlume(in, expected, quiet), 0);
        QStringList lines;
        for (const std::string& l : PlumeReportLines(in, expected))
            lines << Q(l);
        QCOMPARE(d.report->text(), lines.join(QLatin1Char('\n')));
        QCOMPARE(d.plot->chart()->series().size(), 2);
        const std::vector<PrintedPage> pages = d.PrintedPages();
        QCOMPARE(pages.size(), size_t{1});
        QCOMPARE(pages[0].title, u"Smoke Plume"_s);
        QCOMPARE(pages[0].lines, lines);
        // Print asks through the person's prompts; a printer that cannot be
        // used is reported, not passed over.
        f.prompts.printFiles = {work.filePath("plume.pdf"), work.filePath("no/such/dir/plume.pdf")};
        Click(d.print);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        Click(d.print);
        QCOMPARE(f.prompts.printsAsked, 2);
        QCOMPARE(PdfPageCount(work.filePath("plume.pdf")), 1);
        QCOMPARE(f.prompts.told.size(), size_t{1});
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text() == u"&Help"_s) Click(b);
        QCOMPARE(f.help.topics, QStringList{u"Smoke_Plume.html"_s});
    }
};

ORMIX_APP_TEST(CalculatorWindowsTest)

}  // namespace ormix::app::testing

#include "calculator_windows_test.moc"
