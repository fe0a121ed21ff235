#pragma once

#include "analysis/CostAnalysis.h"

#include <QDialog>

class AnalysisTableModel;
class CardAccess;
class CostChartView;
class QLabel;
class QTableView;

// The cost analysis of the vehicle the card shows: its costs by year and by cause, the
// chart of the years stacked by cause, the totals, and the same on paper or in a
// workbook. Opened from the cost window.
class TfrmAnalisiCosti final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAnalisiCosti)
public:
    explicit TfrmAnalisiCosti(QWidget* parent = nullptr);

    // The card of the vehicle analysed; none for the start-up instance.
    void setCard(const CardAccess* card);
    const CostAnalysis& analysis() const { return m_analysis; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    // "Analisi costi di Marca Modello targata Targa"
    QString title() const;
    void btnStampaClick();
    void btnEsportaClick();
    void btnChiudiClick();

    const CardAccess* m_card = nullptr;
    CostAnalysis m_analysis;
    bool m_shown = false;
    QLabel* lblTitolo = nullptr;
    AnalysisTableModel* m_years = nullptr;
    AnalysisTableModel* m_causes = nullptr;
    CostChartView* chtCosti = nullptr;
    QLabel* lblTotali = nullptr;
};
