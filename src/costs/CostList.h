#pragma once

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
