#pragma once

#include <QColor>

// The named colours several windows are painted with.
namespace Colours {
inline const QColor SteelBlue(0x46, 0x82, 0xB4);
inline const QColor Crimson(0xDC, 0x14, 0x3C);
inline const QColor DarkCyan(0x00, 0x8B, 0x8B);
} // namespace Colours
