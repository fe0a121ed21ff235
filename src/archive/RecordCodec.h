#pragma once

#include "archive/StoredText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <vector>

// One text field of a fixed record: its name, its capacity and where it lives in the struct.
template <typename Record> struct TextField {
    const char* name;
    int capacity;
    QString Record::*member;
};

// The bytes a field table takes: each field its capacity and a length byte. A record's
// table must fill its RecordSize exactly, which each record checks at compile time.
template <typename Record, std::size_t Count>
constexpr int storedSizeOf(const std::array<TextField<Record>, Count>& fields)
{
    int size = 0;
    for (const auto& field : fields)
        size += field.capacity + 1;
    return size;
}

// Records are plain structs with a static fields() table in stored order and a static
// RecordSize equal to the sum of capacity + 1 over the table.
// Encodes the record into bytes[0 .. RecordSize), as a bulk writer fills its buffer.
template <typename Record> void encodeRecordInto(const Record& record, char* bytes)
{
    int offset = 0;
    for (const auto& field : Record::fields()) {
        StoredText::write(bytes + offset, field.capacity, record.*(field.member));
        offset += field.capacity + 1;
    }
}

template <typename Record> QByteArray encodeRecord(const Record& record)
{
    QByteArray bytes(Record::RecordSize, Qt::Uninitialized);
    encodeRecordInto(record, bytes.data());
    return bytes;
}

// bytes must hold RecordSize bytes.
template <typename Record> Record decodeRecord(QByteArrayView bytes)
{
    Record record;
    int offset = 0;
    for (const auto& field : Record::fields()) {
        record.*(field.member) = StoredText::read(bytes.data() + offset, field.capacity);
        offset += field.capacity + 1;
    }
    return record;
}

// Where a field lies in its record: its length byte's offset and its capacity. A member
// that is not in the field table gets capacity 0 and so always reads empty.
struct StoredField {
    int offset = 0;
    int capacity = 0;
};

template <typename Record> StoredField storedField(QString Record::*member)
{
    int offset = 0;
    for (const auto& field : Record::fields()) {
        if (field.member == member)
            return {offset, field.capacity};
        offset += field.capacity + 1;
    }
    return {};
}

// Decodes only the fields a command needs, straight from the record's bytes; the other
// members of the target are left as they were.
template <typename Record> class FieldDecoder {
public:
    FieldDecoder(std::initializer_list<QString Record::*> members) { locate(members); }
    // The same from a list of members made at run time, such as a table's columns.
    explicit FieldDecoder(const std::vector<QString Record::*>& members) { locate(members); }

    // bytes must hold RecordSize bytes.
    void decode(QByteArrayView bytes, Record& into) const
    {
        for (const Located& field : m_fields)
            into.*(field.member) = StoredText::read(bytes.data() + field.place.offset, field.place.capacity);
    }

private:
    template <typename Members> void locate(const Members& members)
    {
        for (QString Record::*member : members)
            m_fields.push_back({member, storedField(member)});
    }

    struct Located {
        QString Record::*member;
        StoredField place;
    };

    std::vector<Located> m_fields;
};
