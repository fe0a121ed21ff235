#include "deadlines/DueDates.h"

#include "archive/RecordScanner.h"
#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "deadlines/DeadlineDate.h"

#include <algorithm>

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

Scan scan(const QString& programFolder, QDate today, Detail detail)
{
    Scan result;
    StoredField places[KindCount];
    int widest = 0;
    for (int k = 0; k < KindCount; ++k) {
        places[k] = storedField(Members[k]);
        widest = std::max(widest, places[k].capacity);
    }
    // Each date is decoded into one reused buffer: most are read and dropped at once, and
    // only an unreadable one is kept as text.
    std::vector<QChar> date(static_cast<std::size_t>(widest));
    const FieldDecoder<V> vehicleDecoder({&V::Marca, &V::Modello, &V::Targa, &V::Tipo, &V::Proprietario, &V::Autista});
    try {
        VehicleArchive archive(programFolder);
        RecordScanner scanner(archive.records());
        // Most vehicles carry all four dates; one allocation instead of a growing copy.
        result.rows.reserve(static_cast<std::size_t>(scanner.count()) * KindCount);
        if (detail == Detail::VehicleTexts)
            result.vehicles.reserve(static_cast<std::size_t>(scanner.count()));
        QByteArrayView bytes;
        V record;
        int vehiclesWithDates = 0;
        while (scanner.next(bytes)) {
            bool anyDate = false;
            for (int k = 0; k < KindCount; ++k) {
                // Trimmed: a date of blanks alone, as a file written elsewhere may hold, is no date.
                const QByteArrayView stored =
                    StoredText::trimmedBytes(bytes.data() + places[k].offset, places[k].capacity);
                if (stored.isEmpty())
                    continue;
                const QStringView text(date.data(), StoredText::decodeTo(stored, date.data()) - date.data());
                Row row;
                row.vehicle = vehiclesWithDates;
                row.kind = Kinds[k];
                if (const std::optional<QDate> day = DeadlineDate::read(text)) {
                    row.julianDay = day->toJulianDay();
                    row.urgency = urgencyOf(*day, today);
                } else {
                    row.urgency = Urgency::Unreadable;
                    row.unreadableText = static_cast<int>(result.unreadableTexts.size());
                    result.unreadableTexts.push_back(text.toString());
                }
                result.rows.push_back(row);
                anyDate = true;
            }
            if (!anyDate)
                continue;
            ++vehiclesWithDates;
            if (detail == Detail::Urgency)
                continue;
            vehicleDecoder.decode(bytes, record);
            result.vehicles.push_back({scanner.index() + 1, std::move(record.Marca), std::move(record.Modello),
                                       std::move(record.Targa), std::move(record.Tipo), std::move(record.Proprietario),
                                       std::move(record.Autista)});
        }
        archive.close();
    } catch (const FileAccessError&) {
        result.complete = false;
    }
    return result;
}

QString Scan::unreadableText(const Row& row) const
{
    return row.unreadableText < 0 ? QString() : unreadableTexts[static_cast<std::size_t>(row.unreadableText)];
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
