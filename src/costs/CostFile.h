#pragma once

#include "archive/RecordFile.h"
#include "costs/TCostoVeicolo.h"

#include <QString>

// The cost file Costi_Veicolo_<position>.pro of one vehicle, in the program folder, open
// for one command. Created empty when missing. Appends and overwrites hold the same
// exclusive lock as the archive's, from the count to the end of the write.
class CostFile : public RecordFile<TCostoVeicolo> {
public:
    // programFolder ends with a separator; position is the vehicle's 1-based position.
    CostFile(const QString& programFolder, int position);

    static QString fileName(int position);

    // Replaces the entry at 1-based position p (1 <= p <= count); the current index becomes p.
    void overwriteAtPosition(int position, const TCostoVeicolo& entry) { overwriteAt(position - 1, entry); }
};
