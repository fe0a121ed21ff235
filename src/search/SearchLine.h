#pragma once

#include "archive/TSchedaVeicolo.h"
#include "lists/FixedColumns.h"

#include <array>

// The search result line of a vehicle:
// Tipo (20)  Marca Modello (30)  Targa: Targa (12)  Titolare: Proprietario (30)  Anno: Anno (10)  Km: Chilometri
namespace SearchLine {
using V = TSchedaVeicolo;

inline constexpr std::array<LineSegment<V>, 11> Segments = {{
    FixedColumns::padded(&V::Tipo, 20),
    FixedColumns::text<V>(u"  "),
    FixedColumns::padded(&V::Marca, &V::Modello, 30),
    FixedColumns::text<V>(u"  Targa: "),
    FixedColumns::padded(&V::Targa, 12),
    FixedColumns::text<V>(u"  Titolare: "),
    FixedColumns::padded(&V::Proprietario, 30),
    FixedColumns::text<V>(u"  Anno: "),
    FixedColumns::padded(&V::Anno, 10),
    FixedColumns::text<V>(u"  Km: "),
    FixedColumns::unpadded(&V::Chilometri),
}};
static_assert(FixedColumns::fixedWidth(Segments) == 139, "the kilometres start at character 139");

inline QString build(const TSchedaVeicolo& vehicle)
{
    return FixedColumns::buildLine(Segments, vehicle);
}
} // namespace SearchLine
