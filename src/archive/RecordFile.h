#pragma once

#include "archive/FixedRecordFile.h"
#include "archive/RecordCodec.h"

// A fixed-record file of one record type.
template <typename Record> class RecordFile {
public:
    explicit RecordFile(const QString& path) : m_file(path, Record::RecordSize) {}

    int count() { return m_file.count(); }
    Record readAt(int index) { return decodeRecord<Record>(m_file.readAt(index)); }
    Record readNext() { return decodeRecord<Record>(m_file.readNext()); }
    void overwriteAt(int index, const Record& record) { m_file.overwriteAt(index, encodeRecord(record)); }
    int append(const Record& record) { return m_file.append(encodeRecord(record)); }
    int currentIndex() const { return m_file.currentIndex(); }
    void close() { m_file.close(); }
    // The untyped file beneath, for block reads (RecordScanner) and partial decoding.
    FixedRecordFile& records() { return m_file; }

private:
    FixedRecordFile m_file;
};
