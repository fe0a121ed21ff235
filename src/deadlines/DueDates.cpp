#include "deadlines/DueDates.h"

#include "archive/RecordScanner.h"
#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "archive/VehicleTitle.h"
#include "deadlines/DeadlineDate.h"

#include <algorithm>
#include <thread>

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
    return VehicleTitle::makeAndModel(marca, modello);
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
// Reads the four due dates of a record: a date as the card writes it from its bytes, any
// other decoded into one reused buffer, and only an unreadable one kept as text.
class DateReader {
public:
    explicit DateReader(QDate today) : m_today(today)
    {
        int widest = 0;
        for (int k = 0; k < KindCount; ++k) {
            m_places[k] = storedField(Members[k]);
            widest = std::max(widest, m_places[k].capacity);
        }
        m_date.resize(static_cast<std::size_t>(widest));
    }

    // Counts the record's dates into result, and keeps them as rows of vehicle when keepRows;
    // true when the record has any date.
    bool read(QByteArrayView bytes, Scan& result, bool keepRows, int vehicle)
    {
        bool anyDate = false;
        for (int k = 0; k < KindCount; ++k) {
            // Trimmed: a date of blanks alone, as a file written elsewhere may hold, is no date.
            const QByteArrayView stored =
                StoredText::trimmedBytes(bytes.data() + m_places[k].offset, m_places[k].capacity);
            if (stored.isEmpty())
                continue;
            Row row;
            row.vehicle = vehicle;
            row.kind = Kinds[k];
            std::optional<QDate> day = DeadlineDate::readAsWritten(stored);
            QStringView text;
            if (!day) {
                text = QStringView(m_date.data(), StoredText::decodeTo(stored, m_date.data()) - m_date.data());
                day = DeadlineDate::read(text);
            }
            if (day) {
                row.julianDay = day->toJulianDay();
                row.urgency = urgencyOf(*day, m_today);
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
        return anyDate;
    }

private:
    QDate m_today;
    StoredField m_places[KindCount];
    std::vector<QChar> m_date;
};

// Counting only, an archive this long is read in two halves, one on a thread of its own:
// the copy out of the file cache, which is most of the time, then runs on both cores.
constexpr int HalvedFrom = 20000;

void countRange(FixedRecordFile& records, int first, int end, QDate today, Scan& into)
{
    DateReader reader(today);
    RecordScanner scanner(records, first, end);
    QByteArrayView bytes;
    while (scanner.next(bytes))
        reader.read(bytes, into, false, 0);
}

void countInHalves(const QString& programFolder, FixedRecordFile& records, int count, QDate today, Scan& result)
{
    const int half = count / 2;
    Scan second;
    std::thread other([&] {
        try {
            VehicleArchive own(programFolder);
            countRange(own.records(), half, count, today, second);
            own.close();
        } catch (const FileAccessError&) {
            second.complete = false;
        }
    });
    try {
        countRange(records, 0, half, today, result);
    } catch (...) {
        other.join();
        throw;
    }
    other.join();
    result.complete = result.complete && second.complete;
    result.counts.add(second.counts);
    for (int k = 0; k < KindCount; ++k)
        result.ofKind[k].add(second.ofKind[k]);
}
} // namespace

Scan scan(const QString& programFolder, QDate today, Detail detail)
{
    Scan result;
    const bool keepRows = detail == Detail::VehicleTexts;
    DateReader reader(today);
    const FieldDecoder<V> vehicleDecoder({&V::Marca, &V::Modello, &V::Targa, &V::Tipo, &V::Proprietario, &V::Autista});
    try {
        VehicleArchive archive(programFolder);
        const int count = archive.records().count();
        if (!keepRows && count >= HalvedFrom) {
            countInHalves(programFolder, archive.records(), count, today, result);
            archive.close();
            return result;
        }
        RecordScanner scanner(archive.records());
        if (keepRows) {
            // Most vehicles carry all four dates; one allocation instead of a growing copy.
            result.rows.reserve(static_cast<std::size_t>(scanner.count()) * KindCount);
            result.vehicles.reserve(static_cast<std::size_t>(scanner.count()));
        }
        QByteArrayView bytes;
        V record;
        while (scanner.next(bytes)) {
            const int vehicle = static_cast<int>(result.vehicles.size());
            if (!reader.read(bytes, result, keepRows, vehicle) || !keepRows)
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

void Counts::add(const Counts& other)
{
    overdue += other.overdue;
    within7 += other.within7;
    within30 += other.within30;
    unreadable += other.unreadable;
}

void DueOfKind::add(const DueOfKind& other)
{
    due += other.due;
    overdue += other.overdue;
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
