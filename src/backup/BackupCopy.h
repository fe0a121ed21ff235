#pragma once

#include "jobs/JobControl.h"

#include <QString>

// A backup copied to another disk under its own name: streamed into a temporary file in
// the chosen folder, flushed to the device and renamed, so that a pulled stick or a full
// disk never leaves half a backup there.
namespace BackupCopy {

// True when folder is the program folder, lies inside it, or sits on the same device: a
// copy there would be lost with the program's own disk. A folder that cannot be examined
// is left to the copy to fail on.
bool onProgramDisk(const QString& folder, const QString& programFolder);

// The copy's full path, or empty with the reason in error.
QString toFolder(const QString& backupPath, const QString& folder, const Job::Progress& progress,
                 const Job::Cancelled& cancelled, QString& error);

} // namespace BackupCopy
