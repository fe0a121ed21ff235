#include "deadlines/DeadlineRegisterModel.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <limits>

namespace {

using DueDates::Urgency;

const QString DateFormat = QStringLiteral("dd/MM/yyyy");

const QColor OverdueTint(0xFF, 0xC8, 0xC8);
const QColor SoonTint(0xFF, 0xE0, 0xB0);

} // namespace

namespace DeadlineRegister {

QString stateText(const DueDates::Row& row, QDate today)
{
    if (row.urgency == Urgency::Unreadable)
        return QStringLiteral("Data non leggibile");
    const qint64 days = row.julianDay - today.toJulianDay();
    QString text;
    if (days < -1)
        text = QStringLiteral("Scaduta da %1 giorni").arg(-days);
    else if (days == -1)
        text = QStringLiteral("Scaduta ieri");
    else if (days == 0)
        text = QStringLiteral("Scade oggi");
    else if (days == 1)
        text = QStringLiteral("Scade domani");
    else
        text = QStringLiteral("Tra %1 giorni").arg(days);
    const int graceDays = row.kind->graceDays;
    if (days < 0 && days >= -graceDays) {
        const QDate coverEnds = QDate::fromJulianDay(row.julianDay + graceDays);
        text += QStringLiteral(" (tolleranza fino al %1)").arg(coverEnds.toString(DateFormat));
    }
    return text;
}

} // namespace DeadlineRegister

DeadlineRegisterModel::DeadlineRegisterModel(QObject* parent) : QAbstractTableModel(parent) {}

QStringList DeadlineRegisterModel::periodNames()
{
    return {nameOf(Period::Overdue), nameOf(Period::Within7), nameOf(Period::Within30), nameOf(Period::Within90),
            nameOf(Period::All)};
}

QString DeadlineRegisterModel::nameOf(Period period)
{
    switch (period) {
    case Period::Overdue:
        return QStringLiteral("Scadute");
    case Period::Within7:
        return QStringLiteral("Entro 7 giorni");
    case Period::Within30:
        return QStringLiteral("Entro 30 giorni");
    case Period::Within90:
        return QStringLiteral("Entro 90 giorni");
    case Period::All:
        break;
    }
    return QStringLiteral("Tutte");
}

void DeadlineRegisterModel::load(DueDates::Scan scan, QDate today)
{
    beginResetModel();
    m_scan = std::move(scan);
    m_today = today;
    m_byDate.resize(m_scan.rows.size());
    for (std::size_t i = 0; i < m_byDate.size(); ++i)
        m_byDate[i] = static_cast<int>(i);
    // Stable, so that one day's rows keep the archive's order.
    const auto key = [this](int i) {
        const DueDates::Row& row = m_scan.rows[static_cast<std::size_t>(i)];
        return row.urgency == Urgency::Unreadable ? std::numeric_limits<qint64>::max() : row.julianDay;
    };
    std::stable_sort(m_byDate.begin(), m_byDate.end(), [&key](int a, int b) { return key(a) < key(b); });
    pick();
    endResetModel();
}

void DeadlineRegisterModel::setPeriod(Period period)
{
    beginResetModel();
    m_period = period;
    pick();
    endResetModel();
}

// A period holds the dates of its class and of every more urgent one, and the unreadable ones.
bool DeadlineRegisterModel::inPeriod(const DueDates::Row& row) const
{
    // The least urgent class of each period, in the order of Period.
    static constexpr Urgency Widest[] = {Urgency::Overdue, Urgency::Within7, Urgency::Within30, Urgency::Within90,
                                         Urgency::Later};
    return row.urgency == Urgency::Unreadable || row.urgency <= Widest[static_cast<int>(m_period)];
}

void DeadlineRegisterModel::pick()
{
    m_shown.clear();
    for (const int i : m_byDate) {
        if (inPeriod(m_scan.rows[static_cast<std::size_t>(i)]))
            m_shown.push_back(i);
    }
}

const DueDates::Row& DeadlineRegisterModel::rowAt(int row) const
{
    return m_scan.rows[static_cast<std::size_t>(m_shown[static_cast<std::size_t>(row)])];
}

const DueDates::Vehicle& DeadlineRegisterModel::vehicleAt(int row) const
{
    return m_scan.vehicles[static_cast<std::size_t>(rowAt(row).vehicle)];
}

QString DeadlineRegisterModel::text(int row, int column) const
{
    const DueDates::Row& due = rowAt(row);
    const bool unreadable = due.urgency == Urgency::Unreadable;
    switch (column) {
    case Scadenza:
        return QLatin1String(due.kind->label);
    case Veicolo:
        return m_scan.makeAndModel(vehicleAt(row));
    case Targa:
        return m_scan.text(vehicleAt(row), DueDates::Text::Targa).toString();
    case Data:
        return unreadable ? m_scan.unreadableText(due) : QDate::fromJulianDay(due.julianDay).toString(DateFormat);
    case Giorni:
        return unreadable ? QString() : QString::number(due.julianDay - m_today.toJulianDay());
    case Stato:
        return DeadlineRegister::stateText(due, m_today);
    default:
        return {};
    }
}

int DeadlineRegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int DeadlineRegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DeadlineRegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const DueDates::Row& due = rowAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case SortRole:
        if (index.column() == Data || index.column() == Giorni)
            return due.urgency == Urgency::Unreadable ? std::numeric_limits<qint64>::max() : due.julianDay;
        return text(index.row(), index.column());
    case Qt::BackgroundRole:
        if (DeadlineRule::isOverdue(due.urgency))
            return QBrush(OverdueTint);
        if (DeadlineRule::isDue(due.urgency))
            return QBrush(SoonTint);
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == Giorni)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant DeadlineRegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const Titles[ColumnCount] = {"Scadenza", "Veicolo", "Targa", "Data", "Giorni", "Stato"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(Titles[section]) : QString();
}
