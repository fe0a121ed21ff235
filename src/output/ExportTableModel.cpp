#include "output/ExportTableModel.h"

#include "archive/RecordScanner.h"
#include "archive/VehicleArchive.h"

namespace {

// The 25 exported members, in column order.
std::vector<QString TSchedaVeicolo::*> exportedMembers()
{
    std::vector<QString TSchedaVeicolo::*> members;
    for (const ExportColumn& column : ExportColumns::all())
        members.push_back(column.member);
    return members;
}

} // namespace

ExportTableModel::ExportTableModel(QObject* parent) : QAbstractTableModel(parent), m_rows(DesignRows) {}

void ExportTableModel::load(const QString& programFolder)
{
    std::vector<Row> rows;
    // Only the 25 exported fields are decoded.
    const FieldDecoder<TSchedaVeicolo> decoder(exportedMembers());
    const auto& columns = ExportColumns::all();
    try {
        VehicleArchive archive(programFolder);
        RecordScanner scanner(archive.records());
        rows.reserve(scanner.count());
        QByteArrayView bytes;
        TSchedaVeicolo vehicle;
        while (scanner.next(bytes)) {
            decoder.decode(bytes, vehicle);
            Row& row = rows.emplace_back();
            for (int c = 0; c < ExportColumns::Count; ++c)
                row[c] = std::move(vehicle.*(columns[c].member));
        }
        archive.close();
    } catch (const FileAccessError&) {
        // The rows read so far stay; no message.
    }
    if (rows.empty())
        return;
    beginResetModel();
    m_rows = std::move(rows);
    m_numbered = true;
    endResetModel();
}

int ExportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ExportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ExportTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (index.column() == 0)
        return m_numbered ? QVariant(QString::number(index.row() + 1)) : QVariant(QString());
    return m_rows[index.row()][index.column() - 1];
}

bool ExportTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_rows[index.row()][index.column() - 1] = value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant ExportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    if (section == 0)
        return QStringLiteral("N.");
    return QString::fromUtf8(ExportColumns::all()[section - 1].header);
}

Qt::ItemFlags ExportTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0 || ExportColumns::all()[index.column() - 1].readOnly)
        return shown;
    return shown | Qt::ItemIsEditable;
}
