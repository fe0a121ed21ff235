#pragma once

#include "import/CsvReader.h"
#include "import/ImportFields.h"
#include "import/ImportPlan.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The file's columns as the import window lists them: name, a sample value and the card
// field each feeds, by its label or "(non importare)". The field cell is edited by field
// number (Qt::EditRole, -1 for none); choosing a field takes it from any other column,
// with a note, and matchingChanged() follows.
class ImportColumnsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FileColumn, SampleColumn, FieldColumn, ColumnCount };

    explicit ImportColumnsModel(QObject* parent = nullptr);

    // The columns of table, each matched to the field its header names.
    void load(const CsvTable& table);
    const ImportFields::Matching& matching() const { return m_matching; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void matchingChanged();

private:
    QStringList m_header;
    QStringList m_samples;
    ImportFields::Matching m_matching;
};

// The first rows of the dry run as they will be stored: the file's line ("Riga"), then
// every field the file feeds, in record order; skipped rows in grey.
class ImportPreviewModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ImportPreviewModel(QObject* parent = nullptr);

    // fields: the matching's field of each file column, -1 for none.
    void setPlan(const ImportPlan::Plan& plan, const QList<int>& fields);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<int> m_shown; // the fields fed, in record order
    QList<ImportPlan::Row> m_rows;
    bool m_planned = false;
};
