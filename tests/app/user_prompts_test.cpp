#include <QTest>

#include "app/user_prompts.h"
#include "fake_prompts.h"
#include "test_registry.h"

namespace ormix::app::testing {

class UserPromptsTest : public QObject {
    Q_OBJECT
private slots:
    // The engine's messages reach the person as boxes of their kind, in order.
    void EngineMessagesBecomeBoxes() {
        FakePrompts prompts;
        PromptSink sink(prompts, nullptr);
        sink.Warning("Problem with the Input\n\nfirst");
        sink.Error("second");
        QCOMPARE(prompts.told.size(), size_t{2});
        QCOMPARE(prompts.told[0].kind, MessageKind::Warning);
        QCOMPARE(prompts.told[0].text, QStringLiteral("Problem with the Input\n\nfirst"));
        QCOMPARE(prompts.told[1].kind, MessageKind::Error);
    }
};

ORMIX_APP_TEST(UserPromptsTest)

}  // namespace ormix::app::testing

#include "user_prompts_test.moc"
