#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// Which files of the program folder a backup holds: the archive, the cost files, the photos
// and attached files, the password file and Corvanta.ini. Never the program itself, the
// exports, the guide or the backups.
namespace BackupContents {

struct DataFile {
    QString name; // relative to the program folder, forward slashes
    QString path; // full path
    QDateTime modified;
    qint64 size = 0;
    int recordSize = 0; // the fixed-record files, read under their writers' lock; 0 for the others
};

// The data files that exist now, the archive first when there is one; a missing file is not
// listed, so that a backup never creates it.
QList<DataFile> dataFiles(const QString& programFolder);

// Whether name (relative, forward slashes) may be a data file of a backup: a file of the
// list above, or a folder of photos or attachments beneath it.
bool isDataName(const QString& name);
// The record size a file of that name must be a whole number of; 0 when any size goes.
int recordSizeOf(const QString& name);

QString archiveName();
QString photoFolder();
QString attachmentFolder();

} // namespace BackupContents
