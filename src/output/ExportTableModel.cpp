#include "output/ExportTableModel.h"

#include "archive/VehicleArchive.h"

#include "archive/FixedRecordFile.h"
#include "archive/StoredText.h"
#include "archive/Windows1252.h"

#include <algorithm>

namespace {

// Where each exported field starts in a stored record, and its capacity.
struct FieldPlace {
    int offset;
    int capacity;
};

std::array<FieldPlace, ExportColumns::Count> exportedPlaces()
{
    std::array<FieldPlace, ExportColumns::Count> places{};
    const auto& columns = ExportColumns::all();
    for (int c = 0; c < ExportColumns::Count; ++c) {
        int offset = 0;
        for (const auto& field : TSchedaVeicolo::fields()) {
            if (field.member == columns[c].member) {
                places[c] = {offset, field.capacity};
                break;
            }
            offset += field.capacity + 1;
        }
    }
    return places;
}

// A stored field as StoredText::read gives it, with one allocation instead of two for
// the usual field that is stored trimmed: a large archive is millions of fields.
QString readTrimmed(const char* field, int capacity)
{
    const int length = std::min(static_cast<int>(static_cast<unsigned char>(field[0])), capacity);
    QString text = Windows1252::decode(QByteArrayView(field + 1, length));
    if (!text.isEmpty() && (text.front() <= QLatin1Char(' ') || text.back() <= QLatin1Char(' ')))
        text = StoredText::trimmed(text);
    return text;
}

// Only the 25 exported fields are decoded.
ExportTableModel::Row exportedFields(const QByteArray& record,
                                     const std::array<FieldPlace, ExportColumns::Count>& places)
{
    ExportTableModel::Row row;
    for (int c = 0; c < ExportColumns::Count; ++c)
        row[c] = readTrimmed(record.constData() + places[c].offset, places[c].capacity);
    return row;
}

} // namespace

ExportTableModel::ExportTableModel(QObject* parent) : QAbstractTableModel(parent), m_rows(DesignRows) {}

void ExportTableModel::load(const QString& programFolder)
{
    std::vector<Row> rows;
    const auto places = exportedPlaces();
    try {
        FixedRecordFile archive(programFolder + VehicleArchive::fileName(), TSchedaVeicolo::RecordSize);
        const int count = archive.count();
        if (count > 0) {
            rows.reserve(count);
            for (int i = 0; i < count; ++i)
                rows.push_back(exportedFields(archive.readNext(), places));
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
