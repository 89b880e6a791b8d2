// Runs every test class of the desktop program in one QApplication.
#include <QApplication>
#include <QTest>

#include "test_registry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (auto& make : ormix::app::testing::TestClasses()) {
        auto test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
