#include "history/HistoryRows.h"

#include "history/HistoryEvents.h"

#include <QColor>
#include <QDate>
#include <QHash>
#include <QTime>

#include <algorithm>

namespace History {

namespace {
const QString DateFormat = QStringLiteral("dd/MM/yyyy");

QString emptyShown(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("(vuoto)") : shown(text);
}

QString description(Kind kind, const TEventoVeicolo& event)
{
    if (kind == Kind::Modifica)
        return shown(event.Soggetto) + QStringLiteral(": ") + emptyShown(event.Prima) + QStringLiteral(" ") +
               QString(QChar(0x2192)) + QStringLiteral(" ") + emptyShown(event.Dopo);
    return shown(event.Nota);
}

// The moment an event happened, for the order of the rows; an unreadable date sorts first.
qint64 happened(const TEventoVeicolo& event)
{
    const QDate day = QDate::fromString(event.Data, DateFormat);
    const QTime time = QTime::fromString(event.Ora, QStringLiteral("HH:mm"));
    return (day.isValid() ? day.toJulianDay() : 0) * 24 * 60 +
           (time.isValid() ? time.msecsSinceStartOfDay() / 60000 : 0);
}
} // namespace

QString allKinds()
{
    return QStringLiteral("Tutti gli eventi");
}

std::vector<HistoryRow> rowsOf(const std::vector<HistoryFile::Indexed>& events)
{
    // The voids first, so a row knows its reason whichever comes first in the file.
    QHash<int, QString> reasons;
    for (const HistoryFile::Indexed& indexed : events) {
        if (kindOf(indexed.event.Tipo) != Kind::Annullamento)
            continue;
        bool readable = false;
        const int voided = indexed.event.Riferimento.toInt(&readable);
        if (readable)
            reasons.insert(voided, shown(indexed.event.Nota));
    }

    struct Sorted {
        qint64 when;
        HistoryRow row;
    };
    std::vector<Sorted> sorted;
    sorted.reserve(events.size());
    for (const HistoryFile::Indexed& indexed : events) {
        const TEventoVeicolo& event = indexed.event;
        const Kind kind = kindOf(event.Tipo);
        if (kind == Kind::Annullamento)
            continue;
        HistoryRow row;
        row.index = indexed.index;
        row.data = event.Ora.isEmpty() ? event.Data : event.Data + QLatin1Char(' ') + event.Ora;
        row.evento = kind == Kind::Unknown ? QStringLiteral("Evento sconosciuto") : nameOf(kind);
        row.descrizione = description(kind, event);
        row.registrato = event.RegistratoData + QLatin1Char(' ') + event.RegistratoOra.left(5);
        row.da = event.Utente.isEmpty() ? event.Computer : event.Computer + QStringLiteral(" / ") + event.Utente;
        const auto reason = reasons.constFind(indexed.index);
        if (reason != reasons.constEnd()) {
            row.voided = true;
            row.descrizione += QStringLiteral(" (annullato: ") + *reason + QLatin1Char(')');
        }
        sorted.push_back({happened(event), row});
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const Sorted& a, const Sorted& b) {
        return a.when != b.when ? a.when > b.when : a.row.index > b.row.index;
    });
    std::vector<HistoryRow> rows;
    rows.reserve(sorted.size());
    for (Sorted& entry : sorted)
        rows.push_back(std::move(entry.row));
    return rows;
}

QStringList kindChoices(const std::vector<HistoryRow>& rows)
{
    QStringList choices{allKinds()};
    for (const HistoryRow& row : rows) {
        if (!choices.contains(row.evento))
            choices.append(row.evento);
    }
    return choices;
}

} // namespace History

HistoryModel::HistoryModel(QObject* parent) : QAbstractTableModel(parent), m_kind(History::allKinds()) {}

void HistoryModel::load(std::vector<HistoryRow> rows)
{
    beginResetModel();
    m_all = std::move(rows);
    list();
    endResetModel();
}

void HistoryModel::setKind(const QString& kind)
{
    beginResetModel();
    m_kind = kind;
    list();
    endResetModel();
}

void HistoryModel::list()
{
    m_listed.clear();
    for (int i = 0; i < static_cast<int>(m_all.size()); ++i) {
        if (m_kind == History::allKinds() || m_all[i].evento == m_kind)
            m_listed.push_back(i);
    }
}

QString HistoryModel::text(int row, int column) const
{
    const HistoryRow& shown = rowAt(row);
    switch (column) {
    case Data:
        return shown.data;
    case Evento:
        return shown.evento;
    case Descrizione:
        return shown.descrizione;
    case Registrato:
        return shown.registrato;
    case Da:
        return shown.da;
    default:
        return QString();
    }
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_listed.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    // A long description shows whole under the mouse.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text(index.row(), index.column());
    if (role == Qt::ForegroundRole && rowAt(index.row()).voided)
        return QColor(Qt::gray);
    return QVariant();
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const Names[ColumnCount] = {"Data", "Evento", "Descrizione", "Registrato il", "Da"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QVariant();
    return QString::fromLatin1(Names[section]);
}
