#include "history/HistoryFile.h"

#include "archive/RecordScanner.h"
#include "archive/StoredText.h"
#include "history/HistoryEvents.h"

#include <cstring>

HistoryFile::HistoryFile(const QString& programFolder) : RecordFile(programFolder + fileName()) {}

int HistoryFile::appendEvents(const std::vector<TEventoVeicolo>& events)
{
    QByteArray bytes(static_cast<qsizetype>(events.size()) * TEventoVeicolo::RecordSize, Qt::Uninitialized);
    char* into = bytes.data();
    for (const TEventoVeicolo& event : events) {
        TEventoVeicolo stored = event;
        for (const auto& field : TEventoVeicolo::fields())
            stored.*(field.member) = History::storable(stored.*(field.member));
        encodeRecordInto(stored, into);
        into += TEventoVeicolo::RecordSize;
    }
    bool handed = false;
    const int first = records().appendAll([&](QByteArray& chunk) {
        if (handed)
            return false;
        chunk = bytes;
        handed = true;
        return true;
    });
    return first - 1;
}

std::vector<HistoryFile::Indexed> HistoryFile::eventsOf(int position)
{
    // The position field as a record of this vehicle holds it: its length byte and digits.
    const StoredField place = storedField(&TEventoVeicolo::Posizione);
    QByteArray wanted(place.capacity + 1, '\0');
    StoredText::write(wanted.data(), place.capacity, QString::number(position));
    const int compared = 1 + static_cast<unsigned char>(wanted.at(0));

    std::vector<Indexed> found;
    RecordScanner scanner(records());
    QByteArrayView record;
    while (scanner.next(record)) {
        if (std::memcmp(record.data() + place.offset, wanted.constData(), compared) != 0)
            continue;
        found.push_back({scanner.index(), decodeRecord<TEventoVeicolo>(record)});
    }
    return found;
}

bool HistoryFile::holdsAnyOf(int first, int last)
{
    const StoredField place = storedField(&TEventoVeicolo::Posizione);
    RecordScanner scanner(records());
    QByteArrayView record;
    while (scanner.next(record)) {
        const int position = StoredText::trimmedBytes(record.data() + place.offset, place.capacity).toInt();
        if (position >= first && position <= last)
            return true;
    }
    return false;
}
