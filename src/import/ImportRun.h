#pragma once

#include "archive/FixedRecordFile.h"
#include "import/CsvReader.h"
#include "import/ImportFields.h"
#include "import/LastImport.h"
#include "jobs/JobControl.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Appending an import's rows to the archive, and taking the last import back.
namespace ImportRun {

// Appends the records of rows (indexes into the table, in file order) under one hold of
// the archive's lock and records the import in Corvanta.ini; progress is told the share
// written, 0 to 1, on the calling thread while a worker makes the next records from table,
// matching and rows, which must not change meanwhile. cancelled is asked before each chunk
// of records. Writes nothing and returns an invalid LastImport when rows is empty.
// Throws FileAccessError when the archive fails and Job::CancelledError when cancelled said
// so, both with nothing appended, and IniFileError when the archive took the records but
// the record of the import could not be written.
LastImport append(const QString& programFolder, const CsvTable& table, const QList<int>& matching,
                  const QList<int>& rows, const QDateTime& when, const Job::Progress& progress = {},
                  const Job::Cancelled& cancelled = {});

// The checksum of records first .. last (1-based) as they stand in file.
QByteArray checksumOf(FixedRecordFile& file, int first, int last);

enum class Undo { Done, Refused, RefusedForHistory };
// Cuts the archive back to the records before the import, under the lock, when the archive
// is there and still ends at its last record, those records are byte for byte as appended,
// and none of their positions has a cost file, a photo or an attached file; Refused
// otherwise, and nothing changes. RefusedForHistory when one of them has a history: the history is
// append-only, and its records would name vehicles that no longer exist. Throws FileAccessError when the archive fails.
Undo undo(const QString& programFolder, const LastImport& last);
// What undo() would answer now, without the lock and without changing anything, so that the
// clerk is asked only about an import that can still be taken back; undo() checks again
// under the lock. Throws FileAccessError when the archive fails.
Undo wouldUndo(const QString& programFolder, const LastImport& last);

QString completed(const LastImport& done);
QString undoQuestion(const LastImport& last);
QString undoRefused();
QString undoRefusedForHistory();
} // namespace ImportRun
