#pragma once

#include "analysis/CostAnalysis.h"

#include <QRectF>
#include <QString>

class QPainter;

// The printed analysis on one page: the title, the two tables and the chart, with the
// chart painted by the same routine as on the screen.
namespace AnalysisPage {
void paint(QPainter& painter, const QRectF& page, const QString& title, const CostAnalysis& analysis);
} // namespace AnalysisPage
