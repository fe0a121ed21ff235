#pragma once

#include "analysis/AnalysisTables.h"
#include "analysis/CostAnalysis.h"

#include <QRectF>
#include <QString>

class QPainter;

// The printed analysis on one page: the title, the two tables and the chart, with the
// chart painted by the same routine as on the screen. The fleet's ranking, when given, goes
// between the chart and the tables, as many vehicles as fit.
namespace AnalysisPage {
void paint(QPainter& painter, const QRectF& page, const QString& title, const CostAnalysis& analysis,
           const AnalysisTable* ranking = nullptr);
} // namespace AnalysisPage
