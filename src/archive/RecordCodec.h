#pragma once

#include "archive/StoredText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

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
