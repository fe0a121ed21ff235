#include "history/TEventoVeicolo.h"

namespace {
using Field = TextField<TEventoVeicolo>;
using E = TEventoVeicolo;

constexpr std::array<Field, TEventoVeicolo::FieldCount> Fields = {{
    {"Tipo", 15, &E::Tipo},
    {"Posizione", 7, &E::Posizione},
    {"Targa", 12, &E::Targa},
    {"Data", 10, &E::Data},
    {"Ora", 5, &E::Ora},
    {"RegistratoData", 10, &E::RegistratoData},
    {"RegistratoOra", 8, &E::RegistratoOra},
    {"Computer", 40, &E::Computer},
    {"Utente", 40, &E::Utente},
    {"Soggetto", 50, &E::Soggetto},
    {"Prima", 63, &E::Prima},
    {"Dopo", 63, &E::Dopo},
    {"Numero", 15, &E::Numero},
    {"Riferimento", 15, &E::Riferimento},
    {"Nota", 120, &E::Nota},
    {"Riserva", 23, &E::Riserva},
}};

static_assert(storedSizeOf(Fields) == TEventoVeicolo::RecordSize, "the fields must fill the record exactly");
} // namespace

const std::array<TextField<TEventoVeicolo>, TEventoVeicolo::FieldCount>& TEventoVeicolo::fields()
{
    return Fields;
}
