#include "analysis/AnalysisTables.h"

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
