#include "app/solve_runner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <memory>

#include "core/scoped_value.h"

namespace ormix::app {

namespace {

// Hands each message to the prompts on the thread that owns the windows and
// waits until it has been shown.
class WindowThreadSink final : public MessageSink {
public:
    WindowThreadSink(UserPrompts& prompts, QWidget* parent) : prompts_(prompts), parent_(parent) {}
    void Show(MessageKind kind, const std::string& text) override {
        const QString message = QString::fromStdString(text);
        auto tell = [this, kind, &message] { prompts_.Tell(parent_, kind, message); };
        QCoreApplication* app = QCoreApplication::instance();
        if (QThread::currentThread() == app->thread())
            tell();
        else
            QMetaObject::invokeMethod(app, tell, Qt::BlockingQueuedConnection);
    }

private:
    UserPrompts& prompts_;
    QWidget* parent_;
};

}  // namespace

bool SolveOffThread(CSpillDoc& doc, UserPrompts& prompts, QWidget* parent) {
    WindowThreadSink sink(prompts, parent);
    ScopedValue<MessageSink*> speak(doc.sink, &sink);
    bool solved = false;
    std::unique_ptr<QThread> worker(QThread::create([&doc, &solved] { solved = doc.Solve(); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    return solved;
}

}  // namespace ormix::app
