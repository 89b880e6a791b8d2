// The response sheets: a page's box enables its fields, a page in use is
// checked when it is left, OK rebuilds the operation record through the
// engine. The smoke plume opens for the burn of its page.
#include <QLabel>
#include <QTabWidget>

#include "app/dialog_support.h"
#include "app/response_sheets.h"
#include "app/smoke_plume_dialog.h"
#include "dialog_driver.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

class ResponseSheetsTest : public QObject, ScenarioPerTest {
    Q_OBJECT
private slots:
    void init() { Renew(); }

    void DispersantPagesInUseAreCheckedAndBecomeTheRecord() {
        DispersantSheet s(*doc, f->context);
        s.show();
        s.tabs->setCurrentIndex(1);
        Click(s.use[1]);
        s.when[1]->SetValue({3, 14, 8});
        Type(s.duration[1], "2");
        Type(s.percentSprayed[1], "50");
        // Leaving the page with its percent dispersed missing: it stays.
        s.tabs->setCurrentIndex(2);
        QCOMPARE(s.tabs->currentIndex(), 1);
        QCOMPARE(f->prompts.told.back().text, Q(CheckDispersantPage(*doc, 1, s.Page(1)).Text()));
        Type(s.percentDispersed[1], "80");
        s.tabs->setCurrentIndex(0);
        QCOMPARE(s.tabs->currentIndex(), 0);
        // A spray before the first release is warned about once, when its
        // page is left, and not again at OK.
        Click(s.use[0]);
        s.when[0]->SetValue({3, 14, 5});
        Type(s.duration[0], "2");
        Type(s.percentSprayed[0], "50");
        Type(s.percentDispersed[0], "80");
        const size_t told = f->prompts.told.size();
        s.tabs->setCurrentIndex(1);
        QCOMPARE(f->prompts.told.size(), told + 1);
        QCOMPARE(f->prompts.told.back().kind, MessageKind::Warning);
        QCOMPARE(Press(&s), kAccepted);
        QCOMPARE(f->prompts.told.size(), told + 1);
        QCOMPARE(doc->inputDispersant.num, 2);
        QCOMPARE(doc->mDispersantPageUse[1], 1);
    }

    // OK with a refused page shows the engine's message on that page.
    void BurnSheetRefusal() {
        BurnSheet s(*doc, f->context);
        s.show();
        s.tabs->setCurrentIndex(3);
        Click(s.use[3]);
        Type(s.area[3], "5");  // below 10 square feet
        Type(s.thickness[3], "10");
        QCOMPARE(Press(&s), kStaysOpen);
        QCOMPARE(s.tabs->currentIndex(), 3);
        QCOMPARE(f->prompts.told.back().text, Q(CheckBurnPage(s.Page(3)).Text()));
    }

    void SmokePlumeComputesForTheBurnOfItsPage() {
        QTemporaryDir work;
        auto doc = ExampleScenario(work, "response-operations.json");
        FakeContext f;
        BurnSheet s(*doc, f.context);
        s.show();
        // A page whose burn is not given cannot have a plume.
        QVERIFY(!s.smokePlume[2]->isEnabledTo(&s));
        s.tabs->setCurrentIndex(2);
        Click(s.use[2]);
        Click(s.smokePlume[2]);
        QVERIFY(!Opened<SmokePlumeDialog>(&s));
        QCOMPARE(f.prompts.told.back().text, Q(CheckBurnPage(s.Page(2)).Text()));

        Click(s.smokePlume[0]);
        auto* plume = Opened<SmokePlumeDialog>(&s);
        QVERIFY(plume);
        QCOMPARE(plume->loc->text(), u"150"_s);  // kept with the burn
        Type(plume->airTemperature, "120");
        QVERIFY(!plume->Next() && !plume->ShowsResult());
        Type(plume->airTemperature, "70");
        QVERIFY(plume->Next() && plume->ShowsResult());
        Type(plume->loc, "1e12");  // so high that the plume is below it at 50 m
        plume->Back();
        QVERIFY(!plume->Next());
        QVERIFY(f.prompts.told.back().text.startsWith(u"TechError in CalcSmokePlume()"_s));
        Type(plume->loc, "200");
        QCOMPARE(Closes(plume, plume->finished), kAccepted);
        QCOMPARE(doc->plume[0].loc, 200.0);
    }

    void CleanupCarriesOnlyTheChosenQuantity() {
        CleanupSheet s(*doc, f->context);
        s.show();
        Click(s.use[0]);
        s.when[0]->SetValue({3, 14, 6});
        Type(s.duration[0], "10");
        Type(s.rate[0], "50");
        Click(s.byAmount[0]);
        Type(s.amount[0], "100");
        QCOMPARE(Press(&s), kAccepted);
        QCOMPARE(doc->inputSkimmer.amount[0], 100.0);
        QCOMPARE(doc->inputSkimmer.rate[0], NoData);
    }
};

ORMIX_APP_TEST(ResponseSheetsTest)

}  // namespace ormix::app::testing

#include "response_sheets_test.moc"
