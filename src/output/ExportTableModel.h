#pragma once

#include "output/ExportColumns.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

// The export grid's rows: the row number, then the 25 exported fields of each record,
// decoded and trimmed once when the window shows. What the user types into an editable
// cell replaces that cell here, so the export writes it; the archive never changes.
// One row holds only its 25 texts, so 100,000 records stay light.
class ExportTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using Row = std::array<QString, ExportColumns::Count>;
    // The rows of the design state, before the archive is read.
    static constexpr int DesignRows = 10;
    static constexpr int ColumnCount = ExportColumns::Count + 1;

    explicit ExportTableModel(QObject* parent = nullptr);

    // Reads the archive of programFolder in file order. Any failure ends the reading
    // silently, keeping the rows read so far; an empty archive keeps the design rows.
    void load(const QString& programFolder);

    const std::vector<Row>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<Row> m_rows;
    bool m_numbered = false; // the design rows carry no row number
};
