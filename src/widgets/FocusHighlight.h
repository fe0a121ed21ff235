#pragma once

#include <QColor>

class QLineEdit;
class QWidget;
class ShapeRect;

// How the edit box that has the keyboard focus stands out. Every box of a window uses
// one of the two variants.
namespace FocusHighlight {
inline const QColor AliceBlue(0xF0, 0xF8, 0xFF);
inline const QColor Focused(0xFF, 0xFF, 0x00);
inline const QColor SkyBlue(0x87, 0xCE, 0xEB);

// The box itself is coloured: its idle fill without the focus, yellow with it, and a
// sky-blue border always; the text stays black on top.
void colour(QLineEdit* box, const QColor& idle = AliceBlue);

// A yellow rectangle behind the box, a little larger than it, shown only while the box
// has the focus. Made on the box's parent, named name, and returned.
ShapeRect* rectangle(QLineEdit* box, const char* name);
} // namespace FocusHighlight
