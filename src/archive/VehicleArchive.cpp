#include "archive/VehicleArchive.h"

VehicleArchive::VehicleArchive(const QString& programFolder) : RecordFile(programFolder + fileName()) {}

namespace ArchiveMessages {
QString accessFailure()
{
    // Line feed before carriage return, as the program has always shown it.
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                          "programma.");
}

QString empty()
{
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}
} // namespace ArchiveMessages
