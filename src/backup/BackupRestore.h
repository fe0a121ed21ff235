#pragma once

#include "jobs/JobControl.h"

#include <QDateTime>
#include <QString>

// Puts a backup back into the program folder so that nothing can be lost: the ZIP is
// checked whole first, then the present data go into a new backup, and only when that
// backup is made is each file replaced through a temporary file and a rename. Data files
// the backup does not hold (cost files, photos and attachments of later vehicles) go; they
// are in the safety backup.
namespace BackupRestore {

struct Result {
    enum class Outcome { Restored, NotABackup, SafetyBackupFailed, WriteFailed, Cancelled };
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

} // namespace BackupRestore
