#pragma once

#include "backup/BackupSummary.h"

#include <QDateTime>
#include <QString>

// One line of the backups list: when it was taken, its size, and what it holds.
namespace BackupLine {

// "10/12/2026 08:30     1,2 MB       3 schede       5 costi     2 foto     1 allegato", with
// " (prima del ripristino)" after it for the backup a restore made of the data it replaced.
QString of(const QDateTime& taken, const BackupSummary& summary, bool beforeRestore = false);
// "1,2 MB", "950 KB": one decimal from a megabyte up, with the decimal comma.
QString sizeText(qint64 bytes);

} // namespace BackupLine
