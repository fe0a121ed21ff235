#include "backup/BackupCopy.h"

#include "files/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace BackupCopy {

bool onProgramDisk(const QString& folder, const QString& programFolder)
{
    const QString chosen = QFileInfo(folder).canonicalFilePath();
    const QString program = QFileInfo(programFolder).canonicalFilePath();
    if (chosen.isEmpty() || program.isEmpty())
        return false;
    if (chosen == program || chosen.startsWith(program + QLatin1Char('/')))
        return true;
    struct stat chosenStat {};
    struct stat programStat {};
    if (::stat(QFile::encodeName(chosen).constData(), &chosenStat) != 0 ||
        ::stat(QFile::encodeName(program).constData(), &programStat) != 0)
        return false;
    return chosenStat.st_dev == programStat.st_dev;
}

QString toFolder(const QString& backupPath, const QString& folder, const Job::Progress& progress,
                 const Job::Cancelled& cancelled, QString& error)
{
    QFile source(backupPath);
    if (!source.open(QIODevice::ReadOnly)) {
        error = source.errorString();
        return {};
    }
    const QString target = QDir(folder).filePath(QFileInfo(backupPath).fileName());
    SafeFile copy(target);
    if (!copy.open()) {
        error = copy.errorString();
        return {};
    }
    const qint64 total = qMax<qint64>(source.size(), 1);
    qint64 done = 0;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = source.read(chunk.data(), chunk.size());
        if (got < 0) {
            error = source.errorString();
            copy.cancel();
            return {};
        }
        if (got == 0)
            break;
        if (cancelled && cancelled()) {
            error = QStringLiteral("cancelled");
            copy.cancel();
            return {};
        }
        if (!copy.write(QByteArray::fromRawData(chunk.constData(), static_cast<qsizetype>(got)))) {
            error = copy.errorString();
            return {};
        }
        done += got;
        if (progress)
            progress(static_cast<double>(done) / static_cast<double>(total));
    }
    if (!copy.commit()) {
        error = copy.errorString();
        return {};
    }
    return target;
}

} // namespace BackupCopy
