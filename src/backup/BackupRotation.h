#pragma once

#include <QDate>
#include <QStringList>

// Which backups stay: the 14 newest, and the newest of each of the last 12 months
// (today's month and the 11 before it). Everything else named like a backup goes.
namespace BackupRotation {

constexpr int NewestKept = 14;
constexpr int MonthsKept = 12;

// The names among names (any order) that rotation deletes.
QStringList toDelete(const QStringList& names, const QDate& today);
// Deletes them in folder; the names that could not be deleted are returned.
QStringList rotate(const QString& folder, const QDate& today);

} // namespace BackupRotation
