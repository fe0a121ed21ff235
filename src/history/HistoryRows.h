#pragma once

#include "history/HistoryFile.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// What the history window lists of one vehicle: a row per event, newest first. A void is
// not a row of its own: the row it voids stays, marked, with the reason at the end of its
// description.
struct HistoryRow {
    int index = 0; // the event's 0-based index in the file
    QString data, evento, descrizione, registrato, da;
    bool voided = false;
};

namespace History {
// The rows of a vehicle's events as eventsOf() returns them.
std::vector<HistoryRow> rowsOf(const std::vector<HistoryFile::Indexed>& events);
// "Tutti gli eventi", then each event name that rows hold, in the order first met.
QStringList kindChoices(const std::vector<HistoryRow>& rows);
QString allKinds();
} // namespace History

// The rows as a table, narrowed to one event name or showing them all.
class HistoryModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Data, Evento, Descrizione, Registrato, Da, ColumnCount };

    explicit HistoryModel(QObject* parent = nullptr);

    void load(std::vector<HistoryRow> rows);
    // An event name, or History::allKinds().
    void setKind(const QString& kind);
    const std::vector<HistoryRow>& allRows() const { return m_all; }
    const HistoryRow& rowAt(int row) const { return m_all[m_listed[row]]; }
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void list();

    std::vector<HistoryRow> m_all;
    std::vector<int> m_listed;
    QString m_kind;
};
