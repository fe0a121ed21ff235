#pragma once

#include "archive/RecordFile.h"
#include "history/TEventoVeicolo.h"

#include <QString>

#include <vector>

// The vehicles' history Storico_Automezzi.pro in the program folder, open for one command:
// 512-byte events back to back, one file for the fleet. Records are only ever appended,
// under the same exclusive lock the archive's writes take; a correction is a new record
// that voids an earlier one by its index. A torn record left at the end by a crash is not
// a record: scans stop before it, and the next append writes over it.
class HistoryFile : public RecordFile<TEventoVeicolo> {
public:
    // programFolder ends with a separator. Throws FileAccessError.
    explicit HistoryFile(const QString& programFolder);

    static QString fileName() { return QStringLiteral("Storico_Automezzi.pro"); }

    // Appends events back to back under one hold of the lock and flushes them, so another
    // program's appends land before or after them, never among them; on any failure (a
    // full disk) the file is left as it was and FileAccessError says why. Returns the
    // 0-based index of the first.
    int appendEvents(const std::vector<TEventoVeicolo>& events);

    struct Indexed {
        int index; // 0-based, in this file
        TEventoVeicolo event;
    };
    // Every record of the vehicle at 1-based position, of any kind, in file order, from one
    // block read of the whole file.
    std::vector<Indexed> eventsOf(int position);
    // Whether any record, of any kind, belongs to a vehicle at positions first .. last (1-based).
    bool holdsAnyOf(int first, int last);
};
