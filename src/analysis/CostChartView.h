#pragma once

#include "analysis/CostAnalysis.h"

#include <QWidget>

// chtCosti: the analysis's bar chart on the screen, painted by CostChart.
class CostChartView final : public QWidget {
    Q_OBJECT
public:
    explicit CostChartView(QWidget* parent = nullptr);
    void setAnalysis(const CostAnalysis& analysis);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CostAnalysis m_analysis;
};
