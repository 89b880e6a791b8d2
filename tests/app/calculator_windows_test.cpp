// The two calculators' results: the leaking tank's Step 7 and the smoke
// plume's result page show the engine's texts, and print their plots on
// pages titled as the engine names them (to a PDF file, no dialog).
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
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

namespace {

// Prints to a PDF file and returns its number of pages (0 on failure).
int PrintedPageCount(const std::vector<PrintedPage>& pages, const QString& file) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    if (!PrintPages(printer, pages)) return 0;
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) return 0;
    return static_cast<int>(
        QString::fromLatin1(pdf.readAll()).count(QRegularExpression(u"/Type\\s*/Page[^s]"_s)));
}

}  // namespace

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
        QCOMPARE(w.releasedPlot->chart()->title(), u"Oil Released"_s);
        QCOMPARE(w.levelsPlot->chart()->title(), u"Levels Inside Tank"_s);

        const std::vector<PrintedPage> pages = w.PrintedPages();
        QCOMPARE(pages.size(), size_t{2});
        for (const PrintedPage& p : pages)
            QCOMPARE(p.title, u"Leaking Tank"_s);
        QCOMPARE(PrintedPageCount(pages, work.filePath(u"tank.pdf"_s)), 2);
        // A printer that cannot write says so.
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QCOMPARE(PrintedPageCount(pages, work.filePath(u"no/such/dir/tank.pdf"_s)), 0);
        // The wizard's Print button asks through the person's prompts.
        const QString printed = work.filePath(u"tank-button.pdf"_s);
        f.prompts.printFiles.push_back(printed);
        Click(w.button(QWizard::CustomButton1));
        QCOMPARE(f.prompts.printsAsked, 1);
        QVERIFY(QFileInfo(printed).size() > 0);
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
        QCOMPARE(PrintedPageCount(pages, work.filePath(u"plume.pdf"_s)), 1);
        // Print asks through the person's prompts; a printer that cannot be
        // used is reported, not passed over.
        const QString printed = work.filePath(u"plume-button.pdf"_s);
        f.prompts.printFiles.push_back(printed);
        f.prompts.printFiles.push_back(work.filePath(u"no/such/dir/plume.pdf"_s));
        Click(d.print);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        Click(d.print);
        QCOMPARE(f.prompts.printsAsked, 2);
        QVERIFY(QFileInfo(printed).size() > 0);
        QCOMPARE(f.prompts.told.size(), size_t{1});
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text() == u"&Help"_s) Click(b);
        QCOMPARE(f.help.topics, QStringList{u"Smoke_Plume.html"_s});
    }
};

ORMIX_APP_TEST(CalculatorWindowsTest)

}  // namespace ormix::app::testing

#include "calculator_windows_test.moc"
