#pragma once

#include "archive/TSchedaVeicolo.h"
#include "lists/FixedColumns.h"

#include <array>

// The line of a vehicle in a deadline list, for one of the four deadline fields:
// Tipo (20)  Marca Modello (30)  Targa: Targa (12)  Scad. deadline (10)  Km: Chilometri (10)  Titolare: Proprietario
namespace DeadlineLine {
using V = TSchedaVeicolo;
using Segments = std::array<LineSegment<V>, 11>;

constexpr Segments segmentsFor(QString V::*deadline)
{
    return {{
        FixedColumns::padded(&V::Tipo, 20),
        FixedColumns::text<V>(u"  "),
        FixedColumns::padded(&V::Marca, &V::Modello, 30),
        FixedColumns::text<V>(u"  Targa: "),
        FixedColumns::padded(&V::Targa, 12),
        FixedColumns::text<V>(u"  Scad. "),
        FixedColumns::padded(deadline, 10),
        FixedColumns::text<V>(u"  Km: "),
        FixedColumns::padded(&V::Chilometri, 10),
        FixedColumns::text<V>(u"  Titolare: "),
        FixedColumns::unpadded(&V::Proprietario),
    }};
}
// 119 characters before the owner, whose name is the 120th character on.
static_assert(FixedColumns::fixedWidth(segmentsFor(&V::ScadBollo)) == 119, "the owner starts at character 120");

inline QString build(const TSchedaVeicolo& vehicle, QString TSchedaVeicolo::*deadline)
{
    return FixedColumns::buildLine(segmentsFor(deadline), vehicle);
}
} // namespace DeadlineLine
