#pragma once

#include "analysis/CostAnalysis.h"
#include "analysis/FleetCosts.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// A table of the analysis as the window, the printout and the tests read it: headers,
// then rows of texts; the numeric columns align right.
struct AnalysisTable {
    QStringList headers;
    QList<QStringList> rows;
    QList<bool> numeric;
};

namespace AnalysisTables {
// Anno, Totale, N. voci.
AnalysisTable byYear(const CostAnalysis& analysis);
// Causale, Totale, %.
AnalysisTable byCause(const CostAnalysis& analysis);
// "€ 1250,50"
QString euros(const CentsSum& sum);
// "Totale: € 1250,50   N. voci: 12   Importi non leggibili: 1"
QString totals(const CostAnalysis& analysis);
// N., Targa, Veicolo, Totale, N. voci, Ultima spesa: the ranking of the fleet.
AnalysisTable byVehicle(const FleetCosts& fleet, const FleetAnalysis& analysis);
// The totals, then the vehicles whose cost file could not be read, the first few by name:
// "   File dei costi non leggibili: N. 4 (AB123CD), N. 9 (CD456EF) e altri 2".
QString fleetTotals(const FleetCosts& fleet, const FleetAnalysis& analysis);
} // namespace AnalysisTables

// One AnalysisTable behind a view.
class AnalysisTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit AnalysisTableModel(QObject* parent = nullptr);
    void setTable(const AnalysisTable& table);
    const AnalysisTable& table() const { return m_table; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    AnalysisTable m_table;
};
