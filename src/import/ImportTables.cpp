#include "import/ImportTables.h"

#include "archive/TSchedaVeicolo.h"

#include <QColor>

#include <algorithm>

namespace {

// The first value of a column that is not blank, as a sample of what it holds.
QString firstValue(const CsvTable& table, int column)
{
    for (const QStringList& record : table.records) {
        const QString value = record.value(column).trimmed();
        if (!value.isEmpty())
            return value;
    }
    return {};
}

} // namespace

ImportColumnsModel::ImportColumnsModel(QObject* parent) : QAbstractTableModel(parent) {}

void ImportColumnsModel::load(const CsvTable& table)
{
    beginResetModel();
    m_header = table.header;
    m_samples.clear();
    for (int column = 0; column < m_header.size(); ++column)
        m_samples.append(firstValue(table, column));
    m_matching = ImportFields::matchAll(m_header);
    endResetModel();
}

int ImportColumnsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_header.size());
}

int ImportColumnsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ImportColumnsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int field = m_matching.fields.value(index.row(), -1);
    if (role == Qt::EditRole && index.column() == FieldColumn)
        return field;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case FileColumn:
        return m_header.at(index.row());
    case SampleColumn:
        return m_samples.at(index.row());
    default:
        return field < 0 ? ImportFields::notImported() : ImportFields::label(field);
    }
}

bool ImportColumnsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != FieldColumn || role != Qt::EditRole)
        return false;
    m_matching.notes.clear();
    ImportFields::choose(m_matching, m_header, index.row(), value.toInt());
    // The choice may have taken the field from another column.
    emit dataChanged(this->index(0, FieldColumn), this->index(rowCount() - 1, FieldColumn));
    emit matchingChanged();
    return true;
}

QVariant ImportColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case FileColumn:
        return QStringLiteral("Colonna del file");
    case SampleColumn:
        return QStringLiteral("Esempio");
    case FieldColumn:
        return QStringLiteral("Campo della scheda");
    default:
        return {};
    }
}

Qt::ItemFlags ImportColumnsModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == FieldColumn ? flags | Qt::ItemIsEditable : flags;
}

ImportPreviewModel::ImportPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

void ImportPreviewModel::setPlan(const ImportPlan::Plan& plan, const QList<int>& fields)
{
    beginResetModel();
    m_shown.clear();
    for (const int field : fields) {
        if (field >= 0)
            m_shown.append(field);
    }
    std::sort(m_shown.begin(), m_shown.end());
    m_rows = plan.preview;
    m_planned = true;
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    // Before the first plan there is no "Riga" either.
    return parent.isValid() || !m_planned ? 0 : static_cast<int>(m_shown.size()) + 1;
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const ImportPlan::Row& row = m_rows.at(index.row());
    if (role == Qt::ForegroundRole)
        return row.skipped ? QVariant(QColor(Qt::gray)) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == 0)
        return QString::number(row.line);
    const auto& stored = TSchedaVeicolo::fields();
    return row.record.*(stored[static_cast<size_t>(m_shown.at(index.column() - 1))].member);
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("Riga") : ImportFields::label(m_shown.value(section - 1, -1));
}
