#pragma once

#include "widgets/ShapeRect.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class ArtworkImage;
class QLabel;
class QLineEdit;
class QWidget;

// Builders for the fixed-position controls of a window's container panel. Each sets
// the control's name, place and look in one line, so a window reads like its layout.
namespace Controls {
QWidget* panel(QWidget* parent, const char* name, QSize size);
ShapeRect* shape(QWidget* parent, const char* name, const QRect& place, const QColor& fill, const QColor& border);
ShapeRect* gradientShape(QWidget* parent, const char* name, const QRect& place, ShapeRect::Gradient direction,
                         const QColor& start, const QColor& end);
QLabel* label(QWidget* parent, const char* name, const QPoint& place, const QString& text, const QFont& font,
              const QColor& colour = Qt::black);
QLineEdit* editBox(QWidget* parent, const char* name, const QRect& place, int maxLength, const QFont& font);
// A picture from the artwork of the same name; clickable ones are picture buttons.
ArtworkImage* picture(QWidget* parent, const char* name, const QRect& place, bool clickable);
} // namespace Controls
