// What the tests of the main window share: a working directory holding the
// starter oil library, a person who answers at once, and a main window
// whose input dialogs a test can stand in for.
#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "app/scenario_session.h"
#include "fake_prompts.h"

namespace ormix::app::testing {

inline QString SourcePath(const QString& relative) {
    return QStringLiteral(ORMIX_SOURCE_DIR "/") + relative;
}

inline QString Example(const char* name) {
    return SourcePath(u"examples/scenarios/%1.json"_s.arg(QLatin1String(name)));
}

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What a run of the `ormix` command gave.
struct CliRun {
    int status;  // -1 when it did not finish normally
    QByteArray out, err;
};

// Runs `ormix` with `args` and then the words of `words` as arguments, in
// `dir`, without the environment variables `unset`.
inline CliRun RunCli(const QString& dir, const QStringList& args, const char* words = "",
                     const QStringList& unset = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : unset)
        env.remove(name);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir);
    p.start(ORMIX_CLI, args + QString::fromLatin1(words).split(' ', Qt::SkipEmptyParts));
    const bool done = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit;
    return {done ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

// Input dialogs that do not exist in the test: a command is available when
// the test says so, and running it does what the test says.
struct FakeInputs {
    bool available = false;
    std::function<bool(InputCommand, CSpillDoc&)> accept = [](InputCommand, CSpillDoc&) {
        return false;
    };
    std::vector<InputCommand> run;

    InputCommandRunner Runner() {
        return {[this](InputCommand) { return available; },
                [this](InputCommand c, CSpillDoc& doc, AppContext&, QWidget*) {
                    run.push_back(c);
                    return accept(c, doc);
                }};
    }
};

class WindowFixture {
public:
    WindowFixture() {
        QFile::copy(SourcePath(u"data/OilLib"_s), dir.filePath(u"OilLib"_s));
        QSettings().remove(u"RecentFiles"_s);
        window = std::make_unique<MainWindow>(fake.context, dir.path(), inputs.Runner());
        window->resize(1200, 800);
        window->show();
    }

    // Opens an example, seeded so that its runs can be compared.
    ScenarioSession* Open(const char* example) {
        ScenarioSession* s = window->OpenScenario(Example(example));
        if (s) s->Doc().runSeed = 11;
        return s;
    }
    QString File(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    FakeContext fake;
    FakeInputs inputs;
    std::unique_ptr<MainWindow> window;
};

}  // namespace ormix::app::testing
