#pragma once

#include "jobs/JobControl.h"

#include <QDateTime>
#include <QString>

#include <functional>

// Puts a backup back into the program folder all or nothing: the ZIP is checked whole first
// and refused when the disk cannot take it; then the present data go into a new backup, every
// entry is extracted into a staging folder inside the program folder and checked there whole,
// and only then do the files move into place by renames. Until those moves the program folder
// stays byte for byte as it was, and the staging folder goes. Data files the backup does not
// hold (cost files, photos and attachments of later vehicles, the archive of a folder that had
// none) go; they are in the safety backup.
namespace BackupRestore {

struct Result {
    enum class Outcome { Restored, NotABackup, NoSpace, SafetyBackupFailed, WriteFailed, Cancelled };
    Outcome outcome = Outcome::WriteFailed;
    QString safetyBackup; // the backup of the state before, once made
    QString error;        // for the developer
    bool restored() const { return outcome == Outcome::Restored; }
};

struct Request {
    QString zipPath;
    QString programFolder; // with a trailing separator
    QString backupFolder;  // where the safety backup goes, with a trailing separator
    QDateTime when;        // names the safety backup
    Job::Progress progress;
    // Asked until the first file is replaced; from there on the restore runs to its end.
    Job::Cancelled cancelled;
};

Result restore(const Request& request);

// Replaces the free space of the program folder's disk for tests; an empty function restores
// the real one.
void setFreeSpaceForTesting(std::function<qint64(const QString& folder)> freeSpace);

} // namespace BackupRestore
