#pragma once

#include "deadlines/DueDates.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

// The deadline register's rows: the due dates of one period, sorted by date with the
// unreadable ones last, which every period shows. The rows come from one archive scan;
// changing the period only picks other rows of it.
class DeadlineRegisterModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Period { Overdue, Within7, Within30, Within90, All };
    enum Column { Scadenza, Veicolo, Targa, Data, Giorni, Stato, ColumnCount };
    // The value a header click sorts by: the date's day for Data and Giorni (unreadable
    // dates after every other), the shown text elsewhere.
    static constexpr int SortRole = Qt::UserRole;

    explicit DeadlineRegisterModel(QObject* parent = nullptr);

    // The period names in the order of the choice; Within30 is the default.
    static QStringList periodNames();
    static QString nameOf(Period period);

    void load(DueDates::Scan scan, QDate today);
    void setPeriod(Period period);
    Period period() const { return m_period; }

    // The row shown at source row r and its vehicle.
    const DueDates::Row& rowAt(int row) const;
    const DueDates::Vehicle& vehicleAt(int row) const;
    const DueDates::Scan& scan() const { return m_scan; }

    // The texts of a row's columns, for the printed register.
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    bool inPeriod(const DueDates::Row& row) const;
    void pick();

    DueDates::Scan m_scan;
    QDate m_today;
    Period m_period = Period::Within30;
    std::vector<int> m_byDate; // every row, by date, unreadable last
    std::vector<int> m_shown;  // the rows of the period, in m_byDate's order
};

namespace DeadlineRegister {
// "Scade oggi", "Tra 3 giorni", "Scaduta ieri", ...; for an insurance at most 15 days
// overdue, with the day its cover ends.
QString stateText(const DueDates::Row& row, QDate today);
} // namespace DeadlineRegister
