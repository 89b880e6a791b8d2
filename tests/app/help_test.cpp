#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include "app/help_window.h"
#include "app/manual.h"
#include "app/manual_help.h"
#include "app_fixture.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

// The topics the dialogs, the windows and the Help menu open.
QStringList NamedTopics() {
    QStringList topics{"release.html",          "Instantaneous.html",   "Continuous.html",
                       "Contained.html",        "Uncertainty.html",     "Water_Properties.html",
                       "Windwave.html",         "Emulsification.html",  "Dispersants.html",
                       "in-situ_burning.html",  "Mechanical.html",      "Beaching.html",
                       "OilInfo.html",          "oil.html#Adding",      "index.html",
                       "Scenario_Summary.html", "Reading_Results.html", "Model_Limits.html"};
    for (const WindowKindInfo& k : kWindowKinds)
        topics << QString::fromLatin1(k.helpTopic);
    return topics;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    // Every topic a window or dialog opens is in the manual, with a title;
    // every link between topics leads somewhere; every page can be found
    // from the contents.
    void TheManualHoldsEveryTopic() {
        const Manual& manual = Manual::BuiltIn();
        for (const QString& topic : NamedTopics()) {
            QVERIFY2(manual.HasTopic(topic), qPrintable(topic));
            QVERIFY2(!manual.TitleOf(topic).isEmpty(), qPrintable(topic));
            const QString anchor = topic.section(QLatin1Char('#'), 1);
            if (!anchor.isEmpty())
                QVERIFY2(ReadBytes(u":/help/"_s + topic.section('#', 0, 0))
                             .contains(u"id=\"%1\""_s.arg(anchor).toUtf8()),
                         qPrintable(topic));
        }
        QStringList listed;
        for (const Manual::Entry& e : manual.Contents()) {
            QVERIFY2(manual.HasTopic(e.topic), qPrintable(e.topic));
            listed << e.topic.section(QLatin1Char('#'), 0, 0);
        }
        static const QRegularExpression link(u"href=\"([^\"#:]+\\.html)"_s);
        for (const QString& topic : manual.Topics()) {
            QVERIFY2(listed.contains(topic), qPrintable(topic + " is not in the contents"));
            const QString html = QString::fromUtf8(ReadBytes(u":/help/"_s + topic));
            for (auto m = link.globalMatch(html); m.hasNext();) {
                const QString target = m.next().captured(1);
                QVERIFY2(manual.HasTopic(target), qPrintable(topic + " links to " + target));
            }
        }
    }

    // The help window shows a topic, an unknown one as the contents page,
    // and finds topics by keyword and by words of their text.
    void TheHelpWindowFindsTopics() {
        HelpWindow window(Manual::BuiltIn());
        window.ShowTopic(u"Windwave.html"_s);
        QCOMPARE(window.CurrentTopic(), u"Windwave.html"_s);
        window.ShowTopic(u"no-such-topic.html"_s);
        QCOMPARE(window.CurrentTopic(), u"index.html"_s);

        window.IndexField()->setText(u"pour point"_s);
        QVERIFY(window.IndexList()->count() >= 1);
        emit window.IndexList()->itemActivated(window.IndexList()->item(0));
        QVERIFY(window.CurrentTopic() != QLatin1String("index.html"));

        window.Search(u"fetch"_s);
        QStringList found;
        for (int i = 0; i < window.SearchResults()->count(); ++i)
            found << window.SearchResults()->item(i)->data(Qt::UserRole).toString();
        QVERIFY(found.contains(u"Windwave.html"_s));
    }

    // F1 opens the topic of the active window; Help Topics the contents.
    void F1OpensTheTopicOfTheActiveWindow() {
        WindowFixture f;
        MainWindow& w = *f.window;
        w.Action(Command::ContextHelp)->trigger();
        QCOMPARE(f.fake.help.topics.back(), u"index.html"_s);
        ScenarioSession* s = f.Open("open-sea-crude");
        w.Action(Command::ContextHelp)->trigger();
        QCOMPARE(f.fake.help.topics.back(), u"Getting_Started.html"_s);
        QVERIFY(w.Solve(s));
        w.Action(Command::ContextHelp)->trigger();
        QCOMPARE(f.fake.help.topics.back(), u"Oil_Budget_Graph.html"_s);
        w.Action(Command::HelpTopics)->trigger();
        QCOMPARE(f.fake.help.topics.back(), u"index.html"_s);
    }

    // In a dialog, F1 opens the topic the dialog names; the manual opened
    // while a modal dialog is up belongs to the dialog, so the person can
    // use both.
    void F1InADialogAndTheManualBesideIt() {
        FakeHelp help;
        HelpKeyFilter filter(help);
        qApp->installEventFilter(&filter);
        QDialog dialog;
        SetHelpTopic(&dialog, u"Water_Properties.html"_s);
        auto* field = new QLineEdit(&dialog);
        dialog.show();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
        qApp->removeEventFilter(&filter);
        QCOMPARE(help.topics, QStringList{u"Water_Properties.html"_s});

        ManualHelp manual;
        QDialog modal;
        modal.setWindowModality(Qt::ApplicationModal);
        modal.show();
        manual.ShowTopic(u"Water_Properties.html"_s);
        QVERIFY(manual.Window() && manual.Window()->isVisible());
        QCOMPARE(manual.Window()->windowHandle()->transientParent(), modal.windowHandle());
        QCOMPARE(manual.Window()->CurrentTopic(), u"Water_Properties.html"_s);
        modal.hide();
        QVERIFY(manual.Window()->isVisible());
    }
};

ORMIX_APP_TEST(HelpTest)

}  // namespace ormix::app::testing

#include "help_test.moc"
