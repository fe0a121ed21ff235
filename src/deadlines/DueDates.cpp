#include "deadlines/DueDates.h"

#include "archive/RecordScanner.h"
#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "deadlines/DeadlineDate.h"

namespace DueDates {

namespace {

using V = TSchedaVeicolo;

QString V::*const Members[KindCount] = {&V::ScadRevisione, &V::ScadTagliando, &V::ScadAssicurazione, &V::ScadBollo};

constexpr Kind Kinds[KindCount] = {Kind::Revisione, Kind::Tagliando, Kind::Assicurazione, Kind::Bollo};

} // namespace

QString V::*memberOf(Kind kind)
{
    return Members[static_cast<int>(kind)];
}

QString nameOf(Kind kind)
{
    switch (kind) {
    case Kind::Revisione:
        return QStringLiteral("Revisione");
    case Kind::Tagliando:
        return QStringLiteral("Tagliando");
    case Kind::Assicurazione:
        return QStringLiteral("Assicurazione");
    case Kind::Bollo:
        break;
    }
    return QStringLiteral("Bollo");
}

Urgency urgencyOf(QDate day, QDate today)
{
    const qint64 days = today.daysTo(day);
    if (days < 0)
        return Urgency::Overdue;
    if (days <= 7)
        return Urgency::Within7;
    if (days <= 30)
        return Urgency::Within30;
    return Urgency::Later;
}

QString Vehicle::makeAndModel() const
{
    if (modello.isEmpty())
        return marca;
    if (marca.isEmpty())
        return modello;
    return marca + QLatin1Char(' ') + modello;
}

Scan scan(const QString& programFolder, QDate today)
{
    Scan result;
    // The dates alone first: a vehicle without any needs nothing else.
    const FieldDecoder<V> dateDecoder({&V::ScadRevisione, &V::ScadTagliando, &V::ScadAssicurazione, &V::ScadBollo});
    const FieldDecoder<V> vehicleDecoder({&V::Marca, &V::Modello, &V::Targa, &V::Tipo, &V::Proprietario, &V::Autista});
    try {
        VehicleArchive archive(programFolder);
        RecordScanner scanner(archive.records());
        QByteArrayView bytes;
        V record;
        while (scanner.next(bytes)) {
            dateDecoder.decode(bytes, record);
            bool anyDate = false;
            for (const Kind kind : Kinds) {
                // A file written elsewhere may pad a date with blanks; blanks alone are no date.
                QString text = StoredText::trimmed(record.*memberOf(kind));
                if (text.isEmpty())
                    continue;
                Row row;
                row.vehicle = static_cast<int>(result.vehicles.size());
                row.kind = kind;
                if (const std::optional<QDate> day = DeadlineDate::read(text)) {
                    row.julianDay = day->toJulianDay();
                    row.urgency = urgencyOf(*day, today);
                } else {
                    row.urgency = Urgency::Unreadable;
                    row.unreadableText = std::move(text);
                }
                result.rows.push_back(std::move(row));
                anyDate = true;
            }
            if (!anyDate)
                continue;
            vehicleDecoder.decode(bytes, record);
            result.vehicles.push_back({scanner.index() + 1, record.Marca, record.Modello, record.Targa, record.Tipo,
                                       record.Proprietario, record.Autista});
        }
        archive.close();
    } catch (const FileAccessError&) {
        result.complete = false;
    }
    return result;
}

Counts countAll(const Scan& scan)
{
    Counts counts;
    for (const Row& row : scan.rows) {
        switch (row.urgency) {
        case Urgency::Overdue:
            ++counts.overdue;
            break;
        case Urgency::Within7:
            ++counts.within7;
            break;
        case Urgency::Within30:
            ++counts.within30;
            break;
        case Urgency::Unreadable:
            ++counts.unreadable;
            break;
        case Urgency::Later:
            break;
        }
    }
    return counts;
}

DueOfKind countOfKind(const Scan& scan, Kind kind)
{
    DueOfKind count;
    for (const Row& row : scan.rows) {
        if (row.kind != kind)
            continue;
        count.due += row.urgency == Urgency::Overdue || row.urgency == Urgency::Within7;
        count.overdue += row.urgency == Urgency::Overdue;
    }
    return count;
}

} // namespace DueDates
