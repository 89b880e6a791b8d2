#include <QDir>

#include "app/dialog_screenshots.h"
#include "scenario_helpers.h"
#include "test_registry.h"

namespace ormix::app::testing {

class DialogScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    // Every dialog, page and wizard page renders, and the scenario is given
    // back as it was. With ORMIX_DIALOG_SHOTS set, the pictures are kept
    // there for review.
    void RendersEveryDialogAndPage() {
        QTemporaryDir work, pictures;
        auto doc = ExampleScenario(work, "response-operations.json");
        const SpillDocData before = *doc;
        FakeContext fake;
        QString dir = qEnvironmentVariable("ORMIX_DIALOG_SHOTS", pictures.path());
        QStringList files = RenderDialogScreenshots(dir, *doc, fake.context);
        QVERIFY2(files.size() >= 50, qPrintable(QString::number(files.size())));
        QVERIFY(static_cast<const SpillDocData&>(*doc) == before);
        QVERIFY(fake.prompts.told.empty());
    }
};

ORMIX_APP_TEST(DialogScreenshotsTest)

}  // namespace ormix::app::testing

#include "dialog_screenshots_test.moc"
