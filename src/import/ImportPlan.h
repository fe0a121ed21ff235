#pragma once

#include "archive/TSchedaVeicolo.h"
#include "import/CsvReader.h"
#include "import/ImportFields.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The dry run of an import: what every row of the file would become, which rows are
// skipped and why, and what is changed on the way in. Nothing is written.
namespace ImportPlan {

// A plate as compared for duplicates: no blanks at all, a to z in upper case.
QString normalisedPlate(QStringView plate);
// Normalised plate to the 1-based position of its first card in the archive.
using ArchivePlates = QHash<QString, int>;
// Reads the plates of the archive in the program folder; throws FileAccessError.
ArchivePlates platesOf(const QString& programFolder);

// A date in one of the forms sheets write it, as dd/mm/yyyy; empty when it is none of them.
QString convertedDate(QStringView text);

struct Row {
    int line = 0;
    TSchedaVeicolo record;
    bool skipped = false;
};

struct Plan {
    static constexpr int PreviewRows = 50;
    // Indexes into the table's records of the rows to import, in file order.
    QList<int> importable;
    QList<Row> preview; // the first PreviewRows rows of the file
    QStringList problems;
    int skipped = 0;
    int warnings = 0;

    QString summary() const;
};

// The record a row becomes: trimmed, line breaks inside a field made blanks, dates
// converted, plate normalised. Warnings go to problems when given.
TSchedaVeicolo recordOf(const CsvTable& table, const QList<int>& matching, int row, QStringList* problems = nullptr,
                        int* warnings = nullptr);
// The bytes of encodeRecord(recordOf(table, matching, row)) written to bytes[0 .. RecordSize)
// straight from the row's fields, without making the record: what the append stores.
void encodeRowInto(const CsvTable& table, const QList<int>& matching, int row, char* bytes);

Plan plan(const CsvTable& table, const ImportFields::Matching& matching, const ArchivePlates& archive);

} // namespace ImportPlan
