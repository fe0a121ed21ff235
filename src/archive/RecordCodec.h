#pragma once

#include "archive/StoredText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <initializer_list>
#include <vector>

// One text field of a fixed record: its name, its capacity and where it lives in the struct.
template <typename Record> struct TextField {
    const char* name;
    int capacity;
    QString Record::*member;
};

// Records are plain structs with a static fields() table in stored order and a static
// RecordSize equal to the sum of capacity + 1 over the table.
template <typename Record> QByteArray encodeRecord(const Record& record)
{
    QByteArray bytes(Record::RecordSize, '\0');
    int offset = 0;
    for (const auto& field : Record::fields()) {
        StoredText::write(bytes.data() + offset, field.capacity, record.*(field.member));
        offset += field.capacity + 1;
    }
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

// Decodes only the fields a command needs, straight from the record's bytes; the other
// members of the target are left as they were.
template <typename Record> class FieldDecoder {
public:
    FieldDecoder(std::initializer_list<QString Record::*> members)
    {
        for (QString Record::*member : members)
            m_fields.push_back(locate(member));
    }

    // bytes must hold RecordSize bytes.
    void decode(QByteArrayView bytes, Record& into) const
    {
        for (const Located& field : m_fields)
            into.*(field.member) = StoredText::read(bytes.data() + field.offset, field.capacity);
    }

    // One field alone, as the member passed to the constructor at that place.
    QString decodeOne(QByteArrayView bytes, int place) const
    {
        const Located& field = m_fields[static_cast<size_t>(place)];
        return StoredText::read(bytes.data() + field.offset, field.capacity);
    }

private:
    struct Located {
        QString Record::*member;
        int offset;
        int capacity;
    };

    static Located locate(QString Record::*member)
    {
        int offset = 0;
        for (const auto& field : Record::fields()) {
            if (field.member == member)
                return {member, offset, field.capacity};
            offset += field.capacity + 1;
        }
        return {member, 0, 0}; // not a stored field: always reads empty
    }

    std::vector<Located> m_fields;
};
