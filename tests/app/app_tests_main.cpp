// Runs every test class of the desktop program in one QApplication.
#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include "test_registry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Settings (the recent files) and data go to a test location, never to
    // the person's own.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("ORMIX-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("ormix_app_tests"));
    int failed = 0;
    for (auto& make : ormix::app::testing::TestClasses()) {
        auto test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
