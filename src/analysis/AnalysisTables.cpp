#include "analysis/AnalysisTables.h"

#include <QDate>
#include <QLocale>

namespace AnalysisTables {

QString euros(const CentsSum& sum)
{
    return QStringLiteral("\u20AC ") + sum.text();
}

AnalysisTable byYear(const CostAnalysis& analysis)
{
    AnalysisTable table{
        {QStringLiteral("Anno"), QStringLiteral("Totale"), QStringLiteral("N. voci")}, {}, {false, true, true}};
    for (const CostAnalysis::Year& year : analysis.years)
        table.rows.append({year.year, euros(year.sum), QString::number(year.count())});
    return table;
}

AnalysisTable byCause(const CostAnalysis& analysis)
{
    AnalysisTable table{
        {QStringLiteral("Causale"), QStringLiteral("Totale"), QStringLiteral("%")}, {}, {false, true, true}};
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    for (const CostAnalysis::Cause& cause : analysis.causes)
        table.rows.append(
            {cause.cause, euros(cause.sum), italian.toString(cause.percent, 'f', 1) + QStringLiteral(" %")});
    return table;
}

QString totals(const CostAnalysis& analysis)
{
    return QStringLiteral("Totale: ") + euros(analysis.total) + QStringLiteral("   N. voci: ") +
           QString::number(analysis.total.entries + analysis.total.unreadable) + QStringLiteral("   ") +
           analysis.total.unreadableText();
}

AnalysisTable byVehicle(const FleetCosts& fleet, const FleetAnalysis& analysis)
{
    AnalysisTable table{{QStringLiteral("N."), QStringLiteral("Targa"), QStringLiteral("Veicolo"),
                         QStringLiteral("Totale"), QStringLiteral("N. voci"), QStringLiteral("Ultima spesa")},
                        {},
                        {true, false, false, true, true, false}};
    table.rows.reserve(static_cast<qsizetype>(analysis.ranking.size()));
    for (const FleetAnalysis::Ranked& ranked : analysis.ranking) {
        const FleetCosts::Vehicle& vehicle = fleet.vehicles[static_cast<std::size_t>(ranked.vehicle)];
        const QString latest =
            ranked.latestJulianDay == 0
                ? QString()
                : QDate::fromJulianDay(ranked.latestJulianDay).toString(QStringLiteral("dd/MM/yyyy"));
        table.rows.append({QString::number(vehicle.position), vehicle.targa, vehicle.veicolo, euros(ranked.sum),
                           QString::number(ranked.count()), latest});
    }
    return table;
}

QString fleetTotals(const FleetCosts& fleet, const FleetAnalysis& analysis)
{
    constexpr int Named = 3;
    QString text = totals(analysis.analysis);
    const std::vector<const FleetCosts::Vehicle*> unreadable = fleet.unreadable();
    if (unreadable.empty())
        return text;
    QStringList names;
    for (std::size_t i = 0; i < unreadable.size() && i < Named; ++i)
        names.append(QStringLiteral("N. %1 (%2)").arg(unreadable[i]->position).arg(unreadable[i]->targa));
    text += QStringLiteral("   File dei costi non leggibili: ") + names.join(QStringLiteral(", "));
    if (unreadable.size() > Named)
        text += QStringLiteral(" e altri %1").arg(unreadable.size() - Named);
    return text;
}

} // namespace AnalysisTables

AnalysisTableModel::AnalysisTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void AnalysisTableModel::setTable(const AnalysisTable& table)
{
    beginResetModel();
    m_table = table;
    endResetModel();
}

int AnalysisTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int AnalysisTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.headers.size());
}

QVariant AnalysisTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return m_table.rows.at(index.row()).value(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (m_table.numeric.value(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

QVariant AnalysisTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_table.headers.value(section);
    return {};
}
