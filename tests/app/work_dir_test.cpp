#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "app/start_options.h"
#include "app/work_dir.h"
#include "app_fixture.h"
#include "test_registry.h"

namespace ormix::app::testing {

class WorkDirTest : public QObject {
    Q_OBJECT
private slots:
    // --workdir when given; else the current directory when it holds
    // OilLib; else the person's data directory, made on first start with a
    // copy of the bundled oil library that later starts keep.
    void WhereTheProgramKeepsItsFiles() {
        QTemporaryDir root;
        QDir dir(root.path());
        dir.mkpath(u"given"_s);
        dir.mkpath(u"with-lib"_s);
        dir.mkpath(u"bare"_s);
        QFile::copy(SourcePath(u"data/OilLib"_s), dir.filePath(u"with-lib/OilLib"_s));
        const QString data = dir.filePath(u"user/data"_s);
        const QString bundled = QString::fromLatin1(kBundledOilLib);

        WorkDirChoice c =
            ChooseWorkDir(dir.filePath(u"given"_s), dir.filePath(u"with-lib"_s), data, bundled);
        QCOMPARE(c.dir, dir.filePath(u"given"_s));
        QVERIFY(c.message.isEmpty());
        c = ChooseWorkDir(QString(), dir.filePath(u"with-lib"_s), data, bundled);
        QCOMPARE(c.dir, dir.filePath(u"with-lib"_s));
        QVERIFY(!QFileInfo::exists(data));

        c = ChooseWorkDir(QString(), dir.filePath(u"bare"_s), data, bundled);
        QCOMPARE(c.dir, data);
        const QString lib = QDir(data).filePath(u"OilLib"_s);
        QCOMPARE(ReadBytes(lib), ReadBytes(SourcePath(u"data/OilLib"_s)));
        QVERIFY(QFileInfo(lib).isWritable());
        QFile kept(lib);
        QVERIFY(kept.open(QIODevice::Append));
        kept.write("\n");
        kept.close();
        const QByteArray edited = ReadBytes(lib);
        ChooseWorkDir(QString(), dir.filePath(u"bare"_s), data, bundled);
        QCOMPARE(ReadBytes(lib), edited);

        // A directory that is not there is refused with its name.
        c = ChooseWorkDir(dir.filePath(u"missing"_s), QString(), data, bundled);
        QVERIFY(c.dir.isEmpty());
        QVERIFY(c.message.contains(dir.filePath(u"missing"_s)));
    }

    void TheCommandLine() {
        StartOptions o =
            ParseStartOptions({"ormix-desktop", "spill.qsx", "--workdir", "/tmp/work"});
        QVERIFY(o.error.isEmpty());
        QCOMPARE(o.file, u"spill.qsx"_s);
        QCOMPARE(o.workDir, u"/tmp/work"_s);
        QVERIFY(ParseStartOptions({"ormix-desktop"}).file.isEmpty());
        QVERIFY(!ParseStartOptions({"ormix-desktop", "a.qsx", "b.qsx"}).error.isEmpty());
        QVERIFY(!ParseStartOptions({"ormix-desktop", "--workdir"}).error.isEmpty());
    }
};

ORMIX_APP_TEST(WorkDirTest)

}  // namespace ormix::app::testing

#include "work_dir_test.moc"
