#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Every text the backups show the clerk.
namespace BackupMessages {

QString notABackup();
// With the cards in the archive now and in the backup; "Attenzione: " first when the backup
// holds fewer.
QString restoreQuestion(const QDateTime& taken, int currentCards, int backupCards);
QString restored();
QString restoreFailed(const QString& safetyBackupName);
QString noSpaceToRestore();
QString safetyBackupFailed();
QString backupFailed();
QString busy();
QString copiedTo(const QString& folder);
QString sameDiskAsProgram();

// The launcher's notice: the failure of the automatic backup first, then a missing copy on
// another disk when the archive holds a vehicle; empty when there is nothing to say.
QString notice(bool automaticFailed, bool archiveHasVehicle, const QDate& lastExternalCopy, const QDate& today);
QString automaticFailedNotice();
QString noExternalCopyNotice();
constexpr int ExternalCopyDays = 30;

} // namespace BackupMessages
