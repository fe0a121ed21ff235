#pragma once

#include "archive/RecordCodec.h"

#include <QString>

#include <array>

// The vehicle record: 38 text fields, 3370 bytes. Field names are the card's control
// names without "txt" (fields 1 to 32) or "lbl" (fields 33 to 38).
struct TSchedaVeicolo {
    QString Tipo, Destinazione, Marca, Modello, Targa, Anno, Colore, Telaio, Pneumatici, Stato, Chilometri, Lettura,
        Alimentazione, Cilindrata, KW, Ambiente, Posti, Portata, Compagnia, TelAssicuratore, Polizza, Incidenti,
        Proprietario, Autista, TelAutista, Meccanico, TelMeccanico, ScadRevisione, ScadTagliando, ScadAssicurazione,
        ScadBollo, Note, File01, File02, File03, Desc01, Desc02, Desc03;

    static constexpr int RecordSize = 3370;
    static constexpr int FieldCount = 38;
    // Fields 1 to 32 are shown in edit boxes, 33 to 38 in hidden labels.
    static constexpr int EditFieldCount = 32;

    static const std::array<TextField<TSchedaVeicolo>, FieldCount>& fields();

    bool operator==(const TSchedaVeicolo& other) const;
};
