#include "costs/TCostoVeicolo.h"

namespace {
using Field = TextField<TCostoVeicolo>;
using C = TCostoVeicolo;

constexpr std::array<Field, TCostoVeicolo::FieldCount> Fields = {{
    {"Data", 10, &C::Data},
    {"Causale", 40, &C::Causale},
    {"Pagatore", 26, &C::Pagatore},
    {"Beneficiario", 26, &C::Beneficiario},
    {"Importo", 15, &C::Importo},
}};

static_assert(storedSizeOf(Fields) == TCostoVeicolo::RecordSize, "the fields must fill the record exactly");
} // namespace

const std::array<TextField<TCostoVeicolo>, TCostoVeicolo::FieldCount>& TCostoVeicolo::fields()
{
    return Fields;
}

bool TCostoVeicolo::operator==(const TCostoVeicolo& other) const
{
    for (const auto& field : Fields) {
        if (this->*(field.member) != other.*(field.member))
            return false;
    }
    return true;
}
