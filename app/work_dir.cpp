#include "app/work_dir.h"

#include <QFile>
#include <QTemporaryDir>

#include "core/work_dir.h"

namespace ormix::app {

namespace {

// "the working directory X does not exist" as a sentence for a box.
QString Sentence(const std::string& text) {
    QString s = QString::fromStdString(text);
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    if (!s.isEmpty() && !s.endsWith(QLatin1Char('.'))) s += QLatin1Char('.');
    return s;
}

}  // namespace

WorkDirChoice ChooseWorkDir(const QString& given, const QString& current, const QString& dataDir,
                            const QString& bundledOilLib) {
    // The rule reads a file; an oil library built into the program is put
    // into one first.
    QTemporaryDir unpacked;
    QString oilLib = bundledOilLib;
    if (bundledOilLib.startsWith(QLatin1Char(':'))) {
        oilLib = unpacked.filePath(QStringLiteral("OilLib"));
        if (!unpacked.isValid() || !QFile::copy(bundledOilLib, oilLib)) oilLib.clear();
    }
    const ormix::WorkDirChoice chosen = ormix::ChooseWorkDir(
        given.toStdString(), current.toStdString(), dataDir.toStdString(), oilLib.toStdString());
    return {QString::fromStdString(chosen.dir), Sentence(chosen.message)};
}

QString UserDataDir() {
    return QString::fromStdString(ormix::UserDataDir());
}

QString InstalledOilLib() {
    const std::string installed = ormix::InstalledOilLib();
    return installed.empty() ? QString::fromLatin1(kBundledOilLib)
                             : QString::fromStdString(installed);
}

}  // namespace ormix::app
