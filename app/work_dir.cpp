#include "app/work_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ormix::app {

namespace {

const QString kOilLib = QStringLiteral("OilLib");

}  // namespace

WorkDirChoice ChooseWorkDir(const QString& given, const QString& current, const QString& dataDir,
                            const QString& bundledOilLib) {
    WorkDirChoice choice;
    if (!given.isEmpty()) {
        QFileInfo info(given);
        if (!info.isDir()) {
            choice.message = QStringLiteral(
                                 "The working directory '%1' does not exist. ORMIX needs "
                                 "an existing directory for its oil libraries and "
                                 "its diagnostic files.")
                                 .arg(given);
            return choice;
        }
        choice.dir = info.absoluteFilePath();
        return choice;
    }
    if (QFileInfo(QDir(current).filePath(kOilLib)).isFile()) {
        choice.dir = QFileInfo(current).absoluteFilePath();
        return choice;
    }
    QDir data(dataDir);
    if (!data.mkpath(QStringLiteral("."))) {
        choice.message = QStringLiteral(
                             "ORMIX cannot create its data directory '%1'. Start it with --workdir "
                             "and a directory that holds the oil library OilLib.")
                             .arg(dataDir);
        return choice;
    }
    choice.dir = data.absolutePath();
    const QString target = data.filePath(kOilLib);
    if (!QFileInfo::exists(target)) {
        // Copied through a temporary name, so that an interrupted copy never
        // leaves a partial library behind.
        const QString temp = target + QStringLiteral(".new");
        QFile::remove(temp);
        if (!QFile::copy(bundledOilLib, temp) || !QFile::rename(temp, target)) {
            QFile::remove(temp);
            choice.message = QStringLiteral(
                                 "ORMIX cannot copy its oil library into '%1'. Oils cannot be "
                                 "chosen until OilLib is there.")
                                 .arg(choice.dir);
        } else {
            // A copied resource keeps the resource's read-only mode.
            QFile::setPermissions(
                target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
    return choice;
}

QString UserDataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

}  // namespace ormix::app
