#include "archive/TSchedaVeicolo.h"

namespace {
using Field = TextField<TSchedaVeicolo>;
using V = TSchedaVeicolo;

constexpr std::array<Field, TSchedaVeicolo::FieldCount> Fields = {{
    {"Tipo", 50, &V::Tipo},
    {"Destinazione", 50, &V::Destinazione},
    {"Marca", 50, &V::Marca},
    {"Modello", 50, &V::Modello},
    {"Targa", 12, &V::Targa},
    {"Anno", 20, &V::Anno},
    {"Colore", 50, &V::Colore},
    {"Telaio", 10, &V::Telaio},
    {"Pneumatici", 120, &V::Pneumatici},
    {"Stato", 50, &V::Stato},
    {"Chilometri", 50, &V::Chilometri},
    {"Lettura", 10, &V::Lettura},
    {"Alimentazione", 50, &V::Alimentazione},
    {"Cilindrata", 50, &V::Cilindrata},
    {"KW", 50, &V::KW},
    {"Ambiente", 50, &V::Ambiente},
    {"Posti", 50, &V::Posti},
    {"Portata", 50, &V::Portata},
    {"Compagnia", 120, &V::Compagnia},
    {"TelAssicuratore", 50, &V::TelAssicuratore},
    {"Polizza", 50, &V::Polizza},
    {"Incidenti", 250, &V::Incidenti},
    {"Proprietario", 50, &V::Proprietario},
    {"Autista", 50, &V::Autista},
    {"TelAutista", 50, &V::TelAutista},
    {"Meccanico", 50, &V::Meccanico},
    {"TelMeccanico", 50, &V::TelMeccanico},
    {"ScadRevisione", 10, &V::ScadRevisione},
    {"ScadTagliando", 10, &V::ScadTagliando},
    {"ScadAssicurazione", 10, &V::ScadAssicurazione},
    {"ScadBollo", 10, &V::ScadBollo},
    {"Note", 250, &V::Note},
    {"File01", 250, &V::File01},
    {"File02", 250, &V::File02},
    {"File03", 250, &V::File03},
    {"Desc01", 250, &V::Desc01},
    {"Desc02", 250, &V::Desc02},
    {"Desc03", 250, &V::Desc03},
}};

static_assert(storedSizeOf(Fields) == TSchedaVeicolo::RecordSize, "the fields must fill the record exactly");
} // namespace

const std::array<TextField<TSchedaVeicolo>, TSchedaVeicolo::FieldCount>& TSchedaVeicolo::fields()
{
    return Fields;
}

bool TSchedaVeicolo::operator==(const TSchedaVeicolo& other) const
{
    for (const auto& field : Fields) {
        if (this->*(field.member) != other.*(field.member))
            return false;
    }
    return true;
}
