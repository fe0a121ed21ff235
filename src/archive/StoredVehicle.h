#pragma once

#include "archive/TSchedaVeicolo.h"

#include <QByteArray>
#include <QString>

// A vehicle as the archive holds it now, for a window that hands it to the card: the
// card keeps the bytes, so that a save can tell whether another PC changed them since.
struct StoredVehicle {
    int position = 0; // 1-based
    TSchedaVeicolo record;
    QByteArray stored; // the bytes it was decoded from

    // Reads position from the archive of programFolder. Throws FileAccessError.
    static StoredVehicle read(const QString& programFolder, int position);
};
