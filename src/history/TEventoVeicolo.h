#pragma once

#include "archive/RecordCodec.h"

#include <QString>

#include <array>

// One event of a vehicle's history: 16 text fields, 512 bytes. Every field is stored as the
// archive stores texts; a field a kind does not use stays empty.
struct TEventoVeicolo {
    QString Tipo;             // the kind, by name: "Modifica", "Creazione", "Annullamento", ...
    QString Posizione;        // the vehicle's 1-based position in the archive
    QString Targa;            // its plate when the event was written
    QString Data, Ora;        // when it happened: dd/mm/yyyy, and hh:mm where the time matters
    QString RegistratoData;   // when it was written: dd/mm/yyyy
    QString RegistratoOra;    // hh:mm:ss
    QString Computer, Utente; // who wrote it
    QString Soggetto;         // what it is about: a changed field's caption, a source, a name
    QString Prima, Dopo;      // the old and the new text of a change
    QString Numero;           // a whole number: kilometres, an amount of months, ...
    QString Riferimento;      // the 0-based index of another record of the file, for a void
    QString Nota;             // free text: a reason, a description
    QString Riserva;          // kept empty, for kinds still to come

    static constexpr int RecordSize = 512;
    static constexpr int FieldCount = 16;

    static const std::array<TextField<TEventoVeicolo>, FieldCount>& fields();
};
