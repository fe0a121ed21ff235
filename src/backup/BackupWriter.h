#pragma once

#include "jobs/JobControl.h"

#include <QDateTime>
#include <QString>

// Makes one backup of a program folder: a ZIP of its data files, written under a temporary
// name beside the backups, closed, opened again with every entry's CRC checked, flushed to
// the device, and only then renamed to Corvanta_yyyy-MM-dd_HHmmss.zip. A failure or a
// cancel leaves no file behind, and never touches an older backup or a data file.
namespace BackupWriter {

struct Result {
    enum class Outcome { Made, Failed, Cancelled, Busy };
    Outcome outcome = Outcome::Failed;
    QString path;  // the new backup, when made
    QString error; // why not, for the developer
    bool made() const { return outcome == Outcome::Made; }
};

struct Request {
    QString programFolder; // with a trailing separator
    QString intoFolder;    // with a trailing separator; created when missing
    QDateTime when;        // names the backup; a later second when that name is taken
    Job::Progress progress;
    Job::Cancelled cancelled;
};

// One backup at a time in the program: a second request while one runs gets Busy.
Result make(const Request& request);

// Called between the steps of make with the temporary file's path, so that tests can
// spoil or remove it; an empty function removes the hook.
void setAfterCloseForTesting(std::function<void(const QString& temporaryPath)> hook);

} // namespace BackupWriter
