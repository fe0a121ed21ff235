#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The names of the backups in Copie_di_sicurezza/: Corvanta_yyyy-MM-dd_HHmmss.zip.
// Only files whose names match are ever listed, rotated or deleted.
namespace BackupName {

QString folderIn(const QString& programFolder); // with a trailing separator
QString of(const QDateTime& when);
// The time a backup's name gives; invalid when the name is not a backup's.
QDateTime timeOf(const QString& fileName);
// The backups of folder, newest first.
QStringList listIn(const QString& folder);
bool hasOneOf(const QString& folder, const QDate& day);

} // namespace BackupName
