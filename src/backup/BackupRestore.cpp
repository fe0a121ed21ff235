#include "backup/BackupRestore.h"

#include "backup/BackupCheck.h"
#include "backup/BackupContents.h"
#include "backup/BackupWriter.h"
#include "backup/ZipArchive.h"
#include "files/DiskSync.h"
#include "files/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace BackupRestore {

namespace {

std::function<qint64(const QString&)>& freeSpaceHook()
{
    static std::function<qint64(const QString&)> hook;
    return hook;
}

// -1 when the system cannot tell.
qint64 freeSpaceOf(const QString& folder)
{
    if (freeSpaceHook())
        return freeSpaceHook()(folder);
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.isReady() ? storage.bytesAvailable() : -1;
}

bool writeEntry(Zip::Reader& reader, int index, const QString& path, QString& error)
{
    const Zip::Entry& entry = reader.entries().at(index);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    SafeFile file(path);
    if (!file.open() || !reader.extract(index, file.device()) || !file.commit()) {
        error = file.errorString().isEmpty() ? reader.errorString() : file.errorString();
        file.cancel();
        return false;
    }
    if (entry.modified.isValid()) {
        QFile written(path);
        if (written.open(QIODevice::Append))
            written.setFileTime(entry.modified, QFileDevice::FileModificationTime);
    }
    return true;
}

// Cost files, photos and attachments of the present folder that the backup does not hold.
QStringList absentFromBackup(const QString& programFolder, const QSet<QString>& inBackup)
{
    QStringList absent;
    for (const BackupContents::DataFile& file : BackupContents::dataFiles(programFolder)) {
        const bool removable = BackupContents::recordSizeOf(file.name) > 0 ||
                               file.name.startsWith(BackupContents::photoFolder() + QLatin1Char('/')) ||
                               file.name.startsWith(BackupContents::attachmentFolder() + QLatin1Char('/'));
        // A backup without an archive is of a folder that had none yet: the archive goes too.
        if (removable && !inBackup.contains(file.name))
            absent.append(file.path);
    }
    return absent;
}

// Whether every staged file can take its place by a rename once the absent files are gone:
// no folder where a file goes, no file that stays where a folder goes.
bool placesAreFree(const QString& programFolder, const QList<Zip::Entry>& entries, const QStringList& absent,
                   QString& error)
{
    const QSet<QString> going(absent.cbegin(), absent.cend());
    for (const Zip::Entry& entry : entries) {
        const QString name = entry.isFolder ? entry.name.chopped(1) : entry.name;
        const QFileInfo target(programFolder + name);
        if (!entry.isFolder && target.isDir()) {
            error = name + QStringLiteral(": a folder in the program folder");
            return false;
        }
        for (qsizetype slash = name.indexOf(QLatin1Char('/')); slash > 0;
             slash = name.indexOf(QLatin1Char('/'), slash + 1)) {
            const QFileInfo above(programFolder + name.left(slash));
            if (above.exists() && !above.isDir() && !going.contains(above.filePath())) {
                error = name.left(slash) + QStringLiteral(": a file in the program folder");
                return false;
            }
        }
        if (entry.isFolder && target.exists() && !target.isDir() && !going.contains(target.filePath())) {
            error = name + QStringLiteral(": a file in the program folder");
            return false;
        }
    }
    return true;
}

} // namespace

Result restore(const Request& request)
{
    Result result;
    const auto cancelled = [&request] { return request.cancelled && request.cancelled(); };
    const auto progress = [&request](double share) {
        if (request.progress)
            request.progress(share);
    };
    Zip::Reader reader(request.zipPath);
    const bool valid = BackupCheck::isValid(reader, &result.error, request.cancelled);
    if (cancelled()) {
        result.outcome = Result::Outcome::Cancelled;
        return result;
    }
    if (!valid) {
        result.outcome = Result::Outcome::NotABackup;
        return result;
    }
    const QList<Zip::Entry>& entries = reader.entries();
    // The staged copy is written in full before any file moves; refused before writing anything
    // when the disk cannot take it. A disk that does not say is left to the staging to find out.
    const qint64 freeBytes = freeSpaceOf(request.programFolder);
    if (freeBytes >= 0 && !BackupCheck::fitsIn(entries, freeBytes, &result.error)) {
        result.outcome = Result::Outcome::NoSpace;
        return result;
    }
    const BackupWriter::Result safety =
        BackupWriter::make({request.programFolder, request.backupFolder, request.when, {}, request.cancelled});
    if (!safety.made()) {
        result.outcome = safety.outcome == BackupWriter::Result::Outcome::Cancelled
                             ? Result::Outcome::Cancelled
                             : Result::Outcome::SafetyBackupFailed;
        result.error = safety.error;
        return result;
    }
    result.safetyBackup = safety.path;

    // Inside the program folder, so that every move below is a rename on one disk; gone
    // with everything in it whatever happens.
    const QTemporaryDir staging(request.programFolder + QStringLiteral(".Ripristino-XXXXXX"));
    if (!staging.isValid()) {
        result.error = QStringLiteral("cannot create the staging folder: %1").arg(staging.errorString());
        result.outcome = Result::Outcome::WriteFailed;
        return result;
    }
    const QString staged = staging.path() + QLatin1Char('/');
    QSet<QString> inBackup;
    for (int i = 0; i < entries.size(); ++i) {
        if (cancelled()) {
            result.outcome = Result::Outcome::Cancelled;
            return result;
        }
        if (entries.at(i).isFolder) {
            if (!QDir().mkpath(staged + entries.at(i).name)) {
                result.error = QStringLiteral("cannot create the folder %1").arg(entries.at(i).name);
                result.outcome = Result::Outcome::WriteFailed;
                return result;
            }
            continue;
        }
        inBackup.insert(entries.at(i).name);
        if (!writeEntry(reader, i, staged + entries.at(i).name, result.error)) {
            result.outcome = Result::Outcome::WriteFailed;
            return result;
        }
        progress(0.9 * (i + 1) / static_cast<double>(entries.size()));
    }
    const QStringList absent = absentFromBackup(request.programFolder, inBackup);
    if (!BackupCheck::isStagedWhole(staged, entries, &result.error) ||
        !placesAreFree(request.programFolder, entries, absent, result.error)) {
        result.outcome = Result::Outcome::WriteFailed;
        return result;
    }
    if (cancelled()) {
        result.outcome = Result::Outcome::Cancelled;
        return result;
    }

    // From here on the restore runs to its end; the data before are in the safety backup.
    for (const QString& path : absent) {
        if (!QFile::remove(path)) {
            result.error = QStringLiteral("cannot remove %1").arg(path);
            result.outcome = Result::Outcome::WriteFailed;
            return result;
        }
    }
    QSet<QString> touchedFolders;
    for (int i = 0; i < entries.size(); ++i) {
        const QString target = request.programFolder + entries.at(i).name;
        if (entries.at(i).isFolder) {
            QDir().mkpath(target);
            continue;
        }
        const QString folder = QFileInfo(target).absolutePath();
        // rename() replaces the old file in one step; QFile::rename would refuse an existing one.
        if (!QDir().mkpath(folder) || std::rename(QFile::encodeName(staged + entries.at(i).name).constData(),
                                                  QFile::encodeName(target).constData()) != 0) {
            result.error = QStringLiteral("cannot move %1 into place").arg(entries.at(i).name);
            result.outcome = Result::Outcome::WriteFailed;
            return result;
        }
        touchedFolders.insert(folder);
    }
    for (const QString& folder : touchedFolders)
        DiskSync::flushFolder(folder);
    progress(1.0);
    result.outcome = Result::Outcome::Restored;
    return result;
}

void setFreeSpaceForTesting(std::function<qint64(const QString& folder)> freeSpace)
{
    freeSpaceHook() = std::move(freeSpace);
}

} // namespace BackupRestore
