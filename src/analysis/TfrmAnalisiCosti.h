#pragma once

#include "analysis/AnalysisTables.h"
#include "analysis/CostAnalysis.h"
#include "analysis/FleetCosts.h"
#include "archive/StoredVehicle.h"

#include <QDialog>

#include <optional>

class CardAccess;
class CostChartView;
class BackgroundJob;
class QComboBox;
class QProgressBar;
class QPushButton;
class QLabel;
class QModelIndex;

// The cost analysis of the vehicle the card shows: its costs by year and by cause, the
// chart of the years stacked by cause, the totals, and the same on paper or in a
// workbook. Opened from the cost window, or from the launcher for the whole fleet, where
// it also ranks the vehicles by what they cost and hands a double-clicked one to the card.
class TfrmAnalisiCosti final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAnalisiCosti)
public:
    // One vehicle's costs, or every vehicle's.
    enum class Mode { Vehicle, Fleet };

    explicit TfrmAnalisiCosti(QWidget* parent = nullptr, Mode mode = Mode::Vehicle);

    // The card of the vehicle analysed; none for the start-up instance.
    void setCard(const CardAccess* card);
    const CostAnalysis& analysis() const { return m_analysis; }

    // Opens the fleet's analysis on owner, modally; the vehicle double-clicked in it, if any.
    static std::optional<StoredVehicle> openFleet(QWidget* owner);
    std::optional<StoredVehicle> chosen() const { return m_chosen; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    // Reads every cost file on a thread of its own, with the progress shown.
    void subCaricaParco();
    void subParcoLetto();
    // The fleet's tables for the year chosen in cboAnno.
    void subMostraAnno();
    void subMostra(const QString& totals);
    void cboAnnoChange(int index);
    void grdPerVeicoloDblClick(const QModelIndex& index);
    // "Analisi costi di Marca Modello targata Targa", or of the fleet and its year.
    QString title() const;
    void btnStampaClick();
    void btnEsportaClick();
    void btnChiudiClick();

    const CardAccess* m_card = nullptr;
    const bool m_fleet;
    FleetCosts m_fleetCosts;
    FleetCosts m_reading; // written by the reading thread until it finishes
    BackgroundJob* m_job = nullptr;
    CostAnalysis m_analysis;
    FleetAnalysis m_fleetAnalysis; // of the year chosen, with the ranking grdPerVeicolo shows
    std::optional<StoredVehicle> m_chosen;
    bool m_shown = false;
    QLabel* lblTitolo = nullptr;
    AnalysisTableModel* m_years = nullptr;
    AnalysisTableModel* m_causes = nullptr;
    AnalysisTableModel* m_vehicles = nullptr; // of the fleet alone, as cboAnno
    QComboBox* cboAnno = nullptr;
    QProgressBar* prgLettura = nullptr;
    QPushButton* btnStampa = nullptr;
    QPushButton* btnEsporta = nullptr;
    CostChartView* chtCosti = nullptr;
    QLabel* lblTotali = nullptr;
};
