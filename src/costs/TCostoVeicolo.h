#pragma once

#include "archive/RecordCodec.h"

#include <QString>

#include <array>

// One cost entry of a vehicle: 5 text fields, 122 bytes.
struct TCostoVeicolo {
    QString Data, Causale, Pagatore, Beneficiario, Importo;

    static constexpr int RecordSize = 122;
    static constexpr int FieldCount = 5;

    static const std::array<TextField<TCostoVeicolo>, FieldCount>& fields();

    bool operator==(const TCostoVeicolo& other) const;
};
