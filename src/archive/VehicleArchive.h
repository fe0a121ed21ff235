#pragma once

#include "archive/RecordFile.h"
#include "archive/TSchedaVeicolo.h"

#include <QString>

// The archive Parco_Automezzi.pro in the program folder, open for one command.
class VehicleArchive : public RecordFile<TSchedaVeicolo> {
public:
    // programFolder ends with a separator.
    explicit VehicleArchive(const QString& programFolder);

    static QString fileName() { return QStringLiteral("Parco_Automezzi.pro"); }
};

namespace ArchiveMessages {
// Shown, as an error, for any failure on the archive or a cost file.
QString accessFailure();
// Shown, as information, when a command needs a record and the archive is empty.
QString empty();
} // namespace ArchiveMessages
