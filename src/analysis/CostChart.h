#pragma once

#include "analysis/CostAnalysis.h"

#include <QColor>
#include <QRectF>

class QPainter;

// The bar chart of an analysis: one bar per year, stacked by the five largest causes and
// "Altre", euro values on the axis and a legend on the right. One routine paints it on
// the screen, on the printed page and into a PNG alike; sizes follow the area given.
namespace CostChart {
void paint(QPainter& painter, const QRectF& area, const CostAnalysis& analysis);
QColor stackColour(int stack);
// The axis step in whole euros for a tallest bar of maxCents: 1, 2 or 5 times a power of ten.
qint64 axisStepEuros(qint64 maxCents);
} // namespace CostChart
