#pragma once

#include <QList>
#include <QString>

#include "backup/ZipArchive.h"

// Whether a ZIP is a backup of Corvanta, checked whole before a restore touches anything:
// it holds something and only data names, no absolute path, no "..", no link, no name
// twice and no name that is both a file and a folder, no entry over MaxEntrySize, its record
// files are whole records, and every entry reads back through its CRC.
namespace BackupCheck {

// Beyond this an entry is no file of the program's; the sizes are the ones the ZIP declares.
constexpr qint64 MaxEntrySize = qint64(2) << 30;
// What a restore leaves free on the disk, so that the program can still save afterwards.
constexpr qint64 SpareSpace = qint64(64) << 20;

// true when valid; otherwise why, for the developer, in *why when given.
bool isValid(Zip::Reader& reader, QString* why = nullptr, const Job::Cancelled& cancelled = {});
bool isValid(const QString& zipPath, QString* why = nullptr);

// The bytes the entries need once written, by their declared sizes.
qint64 neededSpace(const QList<Zip::Entry>& entries);
// Whether those bytes fit in freeBytes with SpareSpace left over.
bool fitsIn(const QList<Zip::Entry>& entries, qint64 freeBytes, QString* why = nullptr);

// Whether the entries, extracted beneath stagingFolder (with a trailing separator), are there
// whole: every file a plain file of its declared size, the record files whole records, and
// nothing else in that folder.
bool isStagedWhole(const QString& stagingFolder, const QList<Zip::Entry>& entries, QString* why = nullptr);

} // namespace BackupCheck
