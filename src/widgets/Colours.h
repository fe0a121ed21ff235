#pragma once

#include <QColor>

// The named colours the windows are painted with.
namespace Colours {
inline const QColor SteelBlue(0x46, 0x82, 0xB4);
} // namespace Colours
