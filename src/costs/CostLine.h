#pragma once

#include "costs/TCostoVeicolo.h"
#include "lists/FixedColumns.h"

#include <array>

// The list line of a cost entry:
// Data: Data (10)   Da: Pagatore (26)   A: Beneficiario (26)  Causale: Causale (40)  Costo: € Importo
namespace CostLine {
using C = TCostoVeicolo;

inline constexpr std::array<LineSegment<C>, 10> Segments = {{
    FixedColumns::text<C>(u"Data: "),
    FixedColumns::padded(&C::Data, 10),
    FixedColumns::text<C>(u"   Da: "),
    FixedColumns::padded(&C::Pagatore, 26),
    FixedColumns::text<C>(u"   A: "),
    FixedColumns::padded(&C::Beneficiario, 26),
    FixedColumns::text<C>(u"  Causale: "),
    FixedColumns::padded(&C::Causale, 40),
    FixedColumns::text<C>(u"  Costo: \u20AC "),
    FixedColumns::unpadded(&C::Importo),
}};
static_assert(FixedColumns::fixedWidth(Segments) == 143, "the amount starts at character 143");

inline QString build(const TCostoVeicolo& entry)
{
    return FixedColumns::buildLine(Segments, entry);
}
} // namespace CostLine
