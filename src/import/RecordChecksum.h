#pragma once

#include <QByteArray>
#include <QtGlobal>

// A 64-bit checksum of whole records, the same on every machine: each record's bytes
// mixed eight at a time, the records combined in order. It tells a changed byte or a
// changed order; it is no guard against a forger. Far quicker than a cryptographic hash,
// so that the import stays close to the speed of the plain append.
class RecordChecksum {
public:
    explicit RecordChecksum(int recordSize) : m_recordSize(recordSize) {}

    // bytes holds whole records back to back.
    void addRecords(const char* bytes, qsizetype size);
    void addRecords(const QByteArray& records) { addRecords(records.constData(), records.size()); }
    // Sixteen hexadecimal digits.
    QByteArray hex() const;

private:
    int m_recordSize;
    quint64 m_sum = 0x243F6A8885A308D3ULL;
};
