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

namespace {
void count(Scan& result, Kind kind, Urgency urgency)
{
    switch (urgency) {
    case Urgency::Overdue:
        ++result.counts.overdue;
        break;
    case Urgency::Within7:
        ++result.counts.within7;
        break;
    case Urgency::Within30:
        ++result.counts.within30;
        break;
    case Urgency::Unreadable:
        ++result.counts.unreadable;
        break;
    case Urgency::Later:
        break;
    }
    DueOfKind& ofKind = result.ofKind[static_cast<int>(kind)];
    ofKind.due += urgency == Urgency::Overdue || urgency == Urgency::Within7;
    ofKind.overdue += urgency == Urgency::Overdue;
}
} // namespace

Scan scan(const QString& programFolder, QDate today, Detail detail)
{
    Scan result;
    const bool keepRows = detail == Detail::VehicleTexts;
    StoredField places[KindCount];
    int widest = 0;
    for (int k = 0; k < KindCount; ++k) {
        places[k] = storedField(Members[k]);
        widest = std::max(widest, places[k].capacity);
    }
    // A date as the card writes it is read from its bytes; any other is decoded into one
    // reused buffer, and only an unreadable one is kept as text.
    std::vector<QChar> date(static_cast<std::size_t>(widest));
    const FieldDecoder<V> vehicleDecoder({&V::Marca, &V::Modello, &V::Targa, &V::Tipo, &V::Proprietario, &V::Autista});
    try {
        VehicleArchive archive(programFolder);
        RecordScanner scanner(archive.records());
        if (keepRows) {
            // Most vehicles carry all four dates; one allocation instead of a growing copy.
            result.rows.reserve(static_cast<std::size_t>(scanner.count()) * KindCount);
            result.vehicles.reserve(static_cast<std::size_t>(scanner.count()));
        }
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
                Row row;
                row.vehicle = vehiclesWithDates;
                row.kind = Kinds[k];
                std::optional<QDate> day = DeadlineDate::readAsWritten(stored);
                QStringView text;
                if (!day) {
                    text = QStringView(date.data(), StoredText::decodeTo(stored, date.data()) - date.data());
                    day = DeadlineDate::read(text);
                }
                if (day) {
                    row.julianDay = day->toJulianDay();
                    row.urgency = urgencyOf(*day, today);
                } else {
                    row.urgency = Urgency::Unreadable;
                    if (keepRows) {
                        row.unreadableText = static_cast<int>(result.unreadableTexts.size());
                        result.unreadableTexts.push_back(text.toString());
                    }
                }
                count(result, row.kind, row.urgency);
                if (keepRows)
                    result.rows.push_back(row);
                anyDate = true;
            }
            if (!anyDate || !keepRows)
                continue;
            ++vehiclesWithDates;
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
    return scan.counts;
}

DueOfKind countOfKind(const Scan& scan, Kind kind)
{
    return scan.ofKind[static_cast<int>(kind)];
}

} // namespace DueDates
