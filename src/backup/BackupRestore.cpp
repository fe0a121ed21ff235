#include "backup/BackupRestore.h"

#include "backup/BackupCheck.h"
#include "backup/BackupContents.h"
#include "backup/BackupWriter.h"
#include "backup/ZipArchive.h"
#include "files/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace BackupRestore {

namespace {

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
        if (removable && file.name != BackupContents::archiveName() && !inBackup.contains(file.name))
            absent.append(file.path);
    }
    return absent;
}

} // namespace

Result restore(const Request& request)
{
    Result result;
    Zip::Reader reader(request.zipPath);
    const bool valid = BackupCheck::isValid(reader, &result.error, request.cancelled);
    if (request.cancelled && request.cancelled()) {
        result.outcome = Result::Outcome::Cancelled;
        return result;
    }
    if (!valid) {
        result.outcome = Result::Outcome::NotABackup;
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

    QSet<QString> inBackup;
    const QList<Zip::Entry>& entries = reader.entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).isFolder) {
            QDir().mkpath(request.programFolder + entries.at(i).name);
            continue;
        }
        inBackup.insert(entries.at(i).name);
        if (!writeEntry(reader, i, request.programFolder + entries.at(i).name, result.error)) {
            result.outcome = Result::Outcome::WriteFailed;
            return result;
        }
        if (request.progress)
            request.progress((i + 1) / static_cast<double>(entries.size()));
    }
    for (const QString& path : absentFromBackup(request.programFolder, inBackup)) {
        if (!QFile::remove(path)) {
            result.error = QStringLiteral("cannot remove %1").arg(path);
            result.outcome = Result::Outcome::WriteFailed;
            return result;
        }
    }
    result.outcome = Result::Outcome::Restored;
    return result;
}

} // namespace BackupRestore
