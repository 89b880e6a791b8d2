// The oil library sheet and the custom oils: choosing an oil for the
// scenario, the list's order and search, the property pages, and custom
// oils added, checked, saved, removed and chosen through `CustomLib`.
#include <QTreeWidget>
#include <csignal>

#include <sys/resource.h>

#include "app/custom_oil_dialog.h"
#include "app/custom_oil_sheet.h"
#include "app/dialog_support.h"
#include "app/oil_library_sheet.h"
#include "app/oil_list_view.h"
#include "app/oil_property_view.h"
#include "dialog_driver.h"
#include "oil/oil_fields.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

long PositionOf(const OilLibrary& lib, const char* name) {
    std::vector<const OilSummary*> found = FindOils(lib, name);
    return found.size() == 1 ? found.front()->position : -1;
}

// A blank custom oil typed in and saved through the dialog.
void AddBlankOil(CustomOilDialog& d, const char* name) {
    d.StartNew(NewCustomOil::Blank);
    auto* sheet = Opened<CustomOilSheet>(&d);
    QVERIFY(sheet);
    Type(sheet->name, name);
    Type(sheet->Entry("api"), "30");
    Type(sheet->Entry("kinematicViscosity1"), "20");
    Type(sheet->Entry("kinematicViscosity1Temp"), "15");
    QCOMPARE(Press(sheet), kAccepted);
}

// Files may grow to `bytes` at most while it lives; a write past that
// fails instead of stopping the program.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before_);
        rlimit tiny{bytes, before_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before_); }

private:
    rlimit before_{};
};

}  // namespace

class OilDialogsTest : public QObject, ScenarioPerTest {
    Q_OBJECT
private slots:
    void init() { Renew(); }

    void LibrarySheetChoosesTheHighlightedOil() {
        QCOMPARE(doc->OilLib().Load(), 0);
        const long brent = PositionOf(doc->OilLib(), "Brent Blend");
        {
            OilLibrarySheet s(*doc, doc->OilLib(), f->context,
                              OilLibrarySheet::Purpose::ChooseForScenario);
            QCOMPARE(s.oils->list->topLevelItemCount(), int(doc->OilLib().Summaries().size()));
            Type(s.oils->find, "north sea");
            QVERIFY(s.oils->list->topLevelItemCount() < 10);
            QVERIFY(s.oils->RowOf(brent) >= 0);
            s.oils->Select(brent);
            QCOMPARE(s.pages.front()->ValueOf(u"Name"_s), u"Brent Blend"_s);
            QCOMPARE(Closes(&s, s.done), kAccepted);
        }
        QVERIFY(doc->m_bOilInputPassed);
        QCOMPARE(doc->OilName, std::string("Brent Blend"));
        OilLibrarySheet again(*doc, doc->OilLib(), f->context,
                              OilLibrarySheet::Purpose::ChooseForScenario);
        QCOMPARE(again.oils->SelectedPosition(), brent);  // highlighted again
    }

    void CustomOilsAreAddedCheckedEditedAndChosen() {
        CustomOilDialog d(*doc, f->context);
        d.show();
        // A sheet that fails a rule stays open as typed with the rule's text.
        d.StartNew(NewCustomOil::Blank);
        auto* sheet = Opened<CustomOilSheet>(&d);
        QVERIFY(sheet);
        Type(sheet->name, "My crude, test");
        Type(sheet->Entry("api"), "5");
        QCOMPARE(Press(sheet), kStaysOpen);
        QCOMPARE(f->prompts.told.back().text,
                 u"Problem with the Input\n\n"_s + Q(CustomOilRuleText(4)));
        QCOMPARE(Press(sheet, QDialogButtonBox::Cancel), kRejected);
        QVERIFY(!QFileInfo::exists(work->filePath("CustomLib")));

        AddBlankOil(d, "My crude, test");
        QCOMPARE(d.oils->list->topLevelItemCount(), 1);
        QCOMPARE(d.oils->list->currentItem()->text(0), u"My crude"_s);

        // Editing keeps what it does not show, and the temperature unit
        // converts what is typed.
        Click(d.edit);
        sheet = Opened<CustomOilSheet>(&d);
        QCOMPARE(sheet->Entry("api")->text(), u"30"_s);
        sheet->temperatureUnit->setCurrentIndex(1);
        QCOMPARE(sheet->Entry("kinematicViscosity1Temp")->text(), u"59"_s);
        Type(sheet->Entry("pourPoint"), "32");
        QCOMPARE(Press(sheet), kAccepted);
        QCOMPARE(d.oils->list->topLevelItemCount(), 1);

        Click(d.choose);
        QCOMPARE(d.result(), kAccepted);
        QVERIFY(d.ChoseOil());
        QCOMPARE(doc->OilName, std::string("My crude, test (custom oil)"));
        QVERIFY(QString::fromStdString(doc->PourPoint).startsWith(u"0 "_s));
    }

    void CopiesAndRemovalAskFirst() {
        CustomOilDialog d(*doc, f->context);
        d.show();
        AddBlankOil(d, "First, test");
        // A copy of a library oil starts from the oil picked in the library,
        // and, saved untouched, keeps every value as the library has it.
        QVERIFY(doc->SelectLibraryOil(PositionOf(doc->OilLib(), "Brent Blend")).accepted);
        const SpillDocData chosen = *doc;
        Click(d.newOil);
        auto* ask = Opened<NewCustomOilDialog>(&d);
        QVERIFY(ask->copyOfLibraryOil->isChecked());
        QCOMPARE(Press(ask), kAccepted);
        auto* pick = Opened<OilLibrarySheet>(&d);
        QVERIFY(pick);
        const long diesel = PositionOf(doc->OilLib(), "Diesel Fuel");
        pick->oils->Select(diesel);
        QCOMPARE(Closes(pick, pick->done), kAccepted);
        auto* sheet = Opened<CustomOilSheet>(&d);
        QVERIFY(sheet);
        QCOMPARE(sheet->name->text(), u"Diesel Fuel"_s);
        QCOMPARE(Press(sheet), kAccepted);
        // The scenario keeps its own oil whole.
        QVERIFY(static_cast<const SpillDocData&>(*doc) == chosen);
        const long copy = PositionOf(doc->CustomLib(), "Diesel Fuel");
        QVERIFY(copy >= 0 && doc->CustomLib().ReadRecordAt(copy) == 0);
        QVERIFY(doc->OilLib().ReadRecordAt(diesel) == 0);
        for (int field = 1; field <= oilfield::kNamedFields; ++field)
            if (field != oilfield::kOilId)
                QCOMPARE(Q(std::string(doc->CustomLib().FieldText(field))),
                         Q(std::string(doc->OilLib().FieldText(field))));
        const auto& oils = doc->CustomLib().Summaries();  // each with its own identifier
        QVERIFY(oils.size() == 2 && oils[0].oilId != oils[1].oilId);
        d.oils->Select(PositionOf(doc->CustomLib(), "First, test"));

        const QByteArray before = ReadBytes(work->filePath("CustomLib"));
        f->prompts.confirmations = {false};
        Click(d.remove);
        QCOMPARE(ReadBytes(work->filePath("CustomLib")), before);
        QVERIFY(f->prompts.asked.back().contains(u"First, test"_s));
        Click(d.remove);
        QCOMPARE(d.oils->list->topLevelItemCount(), 1);
    }

    // A save that cannot be written says so and leaves CustomLib whole.
    void FailedSaveKeepsCustomLibWhole() {
        CustomOilDialog d(*doc, f->context);
        d.show();
        AddBlankOil(d, "Kept, test");
        const QString lib = work->filePath("CustomLib");
        const QByteArray before = ReadBytes(lib);
        Click(d.edit);
        auto* sheet = Opened<CustomOilSheet>(&d);
        Type(sheet->Entry("api"), "35");
        {
            // A disk that takes only a few bytes of any file, for any user:
            // the rewrite fails part-way.
            FileSizeLimit tiny(16);
            QCOMPARE(Press(sheet), kStaysOpen);
        }
        QVERIFY(f->prompts.told.back().text.startsWith(Q(kUnableToSaveMessage)));
        QCOMPARE(ReadBytes(lib), before);
        QCOMPARE(sheet->Entry("api")->text(), u"35"_s);
    }
};

ORMIX_APP_TEST(OilDialogsTest)

}  // namespace ormix::app::testing

#include "oil_dialogs_test.moc"
