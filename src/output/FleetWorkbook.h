#pragma once

#include <QString>

// The workbook Parco_Automezzi.xlsx of the whole archive: the sheets "Parco Automezzi"
// (one row per vehicle, its 32 shown fields), "Costi" (every listed cost entry of every
// vehicle) and "Scadenze" (every due date filled in). Dates that read are date cells,
// kilometres and amounts that read are numbers; what does not read stays text.
namespace FleetWorkbook {
QString fileName();

struct Result {
    bool written = false;
    QString error;
    // Cost files that could not be read: their entries are missing from "Costi".
    int unreadableCostFiles = 0;
};

// Writes the workbook to path, replacing a file there only once it is whole.
Result write(const QString& programFolder, const QString& path);
} // namespace FleetWorkbook
