#include "analysis/CostChartView.h"

#include "analysis/CostChart.h"

#include <QPainter>

CostChartView::CostChartView(QWidget* parent) : QWidget(parent) {}

void CostChartView::setAnalysis(const CostAnalysis& analysis)
{
    m_analysis = analysis;
    update();
}

void CostChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CostChart::paint(painter, QRectF(rect()), m_analysis);
}
