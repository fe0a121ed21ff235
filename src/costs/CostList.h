#pragma once

#include "costs/TCostoVeicolo.h"

#include <QString>
#include <QStringList>

// The cost list of one vehicle as the cost window shows it: one line per entry with an
// amount, in file order, and the total of the amounts.
struct CostList {
    QStringList lines;
    double sum = 0;
    // Entries listed whose amount does not read as a number: shown, not totalled.
    int unreadableAmounts = 0;
    // False when reading the file failed; the lines read until then are kept.
    bool complete = true;

    // "€ " and the sum as amount text.
    QString totalText() const;
};

// Reads the cost file of the vehicle at position (creating it empty when missing). Never
// throws: a failure ends the reading with what was read so far.
CostList loadCostList(const QString& programFolder, int position);

struct CostEntryFound {
    int position = 0; // 1-based; 0 when no entry gives the line
    TCostoVeicolo entry;
    QByteArray stored; // the bytes it was decoded from
};

// The entry whose cost line, trimmed, is the given line, trimmed; of several, the last in
// the file. Throws FileAccessError when the file fails.
CostEntryFound findCostEntryByLine(const QString& programFolder, int position, const QString& line);
