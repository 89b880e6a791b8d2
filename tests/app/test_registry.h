// Test classes register themselves here; the test program runs them all.
//
//   class MyTest : public QObject { Q_OBJECT private slots: void Case(); };
//   ORMIX_APP_TEST(MyTest)
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace ormix::app::testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<TestFactory>& TestClasses() {
    static std::vector<TestFactory> classes;
    return classes;
}

struct RegisterTest {
    explicit RegisterTest(TestFactory f) { TestClasses().push_back(std::move(f)); }
};

}  // namespace ormix::app::testing

#define ORMIX_APP_TEST(Class)                                            \
    static const ormix::app::testing::RegisterTest ormixRegister##Class( \
        [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); });
