#include "deadlines/DueDates.h"

#include "archive/InTwoHalves.h"
#include "archive/RecordScanner.h"
#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "archive/VehicleTitle.h"
#include "deadlines/DeadlineDate.h"

#include <algorithm>
#include <array>

namespace DueDates {

namespace {

using V = TSchedaVeicolo;

// The members of Text, in its order.
constexpr QString V::*TextMembers[TextCount] = {&V::Marca, &V::Modello,      &V::Targa,
                                                &V::Tipo,  &V::Proprietario, &V::Autista};

std::size_t indexOf(const DeadlineKind& kind)
{
    const std::vector<const DeadlineKind*>& kinds = DeadlineKinds::all();
    return static_cast<std::size_t>(std::find(kinds.begin(), kinds.end(), &kind) - kinds.begin());
}

void count(Scan& result, std::size_t kind, Urgency urgency)
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
    case Urgency::Within90:
    case Urgency::Later:
        break;
    }
    DueOfKind& ofKind = result.ofKind[kind];
    ofKind.due += DeadlineRule::isDue(urgency);
    ofKind.overdue += DeadlineRule::isOverdue(urgency);
}

// Reads the due dates of a record: a date as the card writes it from its bytes, any other
// decoded into one reused buffer, and only an unreadable one kept as text.
class DateReader {
public:
    explicit DateReader(QDate today) : m_today(today), m_kinds(DeadlineKinds::all())
    {
        int widest = 0;
        for (const DeadlineKind* kind : m_kinds) {
            m_places.push_back(storedField(kind->deadline));
            widest = std::max(widest, m_places.back().capacity);
        }
        m_date.resize(static_cast<std::size_t>(widest));
    }

    // Counts the record's dates into result, and keeps them as rows of vehicle when keepRows;
    // true when the record has any date.
    bool read(QByteArrayView bytes, Scan& result, bool keepRows, int vehicle)
    {
        bool anyDate = false;
        for (std::size_t k = 0; k < m_kinds.size(); ++k) {
            // Trimmed: a date of blanks alone, as a file written elsewhere may hold, is no date.
            const QByteArrayView stored =
                StoredText::trimmedBytes(bytes.data() + m_places[k].offset, m_places[k].capacity);
            if (stored.isEmpty())
                continue;
            Row row;
            row.vehicle = vehicle;
            row.kind = m_kinds[k];
            std::optional<QDate> day = DeadlineDate::readAsWritten(stored);
            QStringView text;
            if (!day) {
                text = QStringView(m_date.data(), StoredText::decodeTo(stored, m_date.data()) - m_date.data());
                day = DeadlineDate::read(text);
            }
            row.urgency = DeadlineRule::urgencyOf(day, m_today);
            if (day) {
                row.julianDay = day->toJulianDay();
            } else if (keepRows) {
                row.unreadableText = static_cast<int>(result.unreadableTexts.size());
                result.unreadableTexts.push_back(text.toString());
            }
            count(result, k, row.urgency);
            if (keepRows)
                result.rows.push_back(row);
            anyDate = true;
        }
        return anyDate;
    }

private:
    QDate m_today;
    const std::vector<const DeadlineKind*>& m_kinds;
    std::vector<StoredField> m_places;
    std::vector<QChar> m_date;
};

// Lays the texts of a vehicle into Scan::texts, decoded straight from the record's bytes:
// one buffer sized once for the whole archive instead of six strings per vehicle.
class TextReader {
public:
    TextReader()
    {
        for (int t = 0; t < TextCount; ++t) {
            m_places[static_cast<std::size_t>(t)] = storedField(TextMembers[t]);
            m_widest += m_places[static_cast<std::size_t>(t)].capacity;
        }
    }

    // Room for the texts of count records; only the part written is ever touched.
    void reserve(QString& texts, int count) const { texts.resize(qsizetype(count) * m_widest); }

    // The vehicle at position with its texts written at used, which moves past them.
    Vehicle read(QByteArrayView bytes, int position, QString& texts, qsizetype& used) const
    {
        Vehicle vehicle;
        vehicle.position = position;
        vehicle.textsFrom = static_cast<int>(used);
        QChar* const from = texts.data() + used;
        QChar* out = from;
        for (std::size_t t = 0; t < m_places.size(); ++t) {
            const QByteArrayView stored =
                StoredText::trimmedBytes(bytes.data() + m_places[t].offset, m_places[t].capacity);
            vehicle.lengths[t] = static_cast<std::uint8_t>(stored.size()); // a field holds at most 255 bytes
            out = StoredText::decodeTo(stored, out);
        }
        used += out - from;
        return vehicle;
    }

private:
    std::array<StoredField, TextCount> m_places;
    int m_widest = 0;
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
    Scan second;
    InTwoHalves::read(
        count, [&](int first, int end) { countRange(records, first, end, today, result); },
        [&](int first, int end) {
            try {
                VehicleArchive own(programFolder);
                countRange(own.records(), first, end, today, second);
                own.close();
            } catch (const FileAccessError&) {
                second.complete = false;
            }
        });
    result.complete = result.complete && second.complete;
    result.counts.add(second.counts);
    for (std::size_t k = 0; k < result.ofKind.size(); ++k)
        result.ofKind[k].add(second.ofKind[k]);
}

void readWithTexts(FixedRecordFile& records, QDate today, Scan& result)
{
    DateReader dates(today);
    const TextReader texts;
    RecordScanner scanner(records);
    // Most vehicles carry every date; one allocation each instead of growing copies.
    result.rows.reserve(static_cast<std::size_t>(scanner.count()) * DeadlineKinds::all().size());
    result.vehicles.reserve(static_cast<std::size_t>(scanner.count()));
    texts.reserve(result.texts, scanner.count());
    qsizetype used = 0;
    QByteArrayView bytes;
    try {
        while (scanner.next(bytes)) {
            if (dates.read(bytes, result, true, static_cast<int>(result.vehicles.size())))
                result.vehicles.push_back(texts.read(bytes, scanner.index() + 1, result.texts, used));
        }
    } catch (...) {
        result.texts.resize(used);
        throw;
    }
    result.texts.resize(used);
}

} // namespace

Scan scan(const QString& programFolder, QDate today, Detail detail)
{
    Scan result;
    try {
        VehicleArchive archive(programFolder);
        const int count = archive.records().count();
        if (detail == Detail::VehicleTexts)
            readWithTexts(archive.records(), today, result);
        else if (count >= HalvedFrom)
            countInHalves(programFolder, archive.records(), count, today, result);
        else
            countRange(archive.records(), 0, count, today, result);
        archive.close();
    } catch (const FileAccessError&) {
        result.complete = false;
    }
    return result;
}

QStringView Scan::text(const Vehicle& vehicle, Text which) const
{
    qsizetype from = vehicle.textsFrom;
    const auto t = static_cast<std::size_t>(which);
    for (std::size_t before = 0; before < t; ++before)
        from += vehicle.lengths[before];
    return QStringView(texts).mid(from, vehicle.lengths[t]);
}

QString Scan::makeAndModel(const Vehicle& vehicle) const
{
    return VehicleTitle::makeAndModel(text(vehicle, Text::Marca).toString(), text(vehicle, Text::Modello).toString());
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

DueOfKind countOfKind(const Scan& scan, const DeadlineKind& kind)
{
    return scan.ofKind[indexOf(kind)];
}

} // namespace DueDates
