#pragma once

#include "archive/FixedRecordFile.h"

#include <QByteArray>
#include <QByteArrayView>

// Walks a record file from the first record to the last, as the scanning commands do. It
// asks for the number of records once, then reads about 1 MiB of whole records at a time
// into one reused buffer and hands out each record as a view into it: far cheaper than a
// size query, a seek and a fresh buffer per record. Records appended meanwhile are not
// seen, as a scan that counted first would not see them either.
class RecordScanner {
public:
    explicit RecordScanner(FixedRecordFile& file, int blockBytes = 1 << 20);
    // Records first to end - 1 only, so that two scanners can share a long file between them.
    RecordScanner(FixedRecordFile& file, int first, int end, int blockBytes = 1 << 20);

    // The next record, valid until the next call; false after the last. Throws
    // FileAccessError when a read fails.
    bool next(QByteArrayView& record);
    // 0-based index of the record last handed out.
    int index() const { return m_next - 1; }
    // One past the last record it hands out: the number of records, for a whole scan.
    int count() const { return m_count; }

private:
    FixedRecordFile& m_file;
    int m_recordsPerBlock;
    int m_count;
    int m_next = 0;
    int m_blockFirst = 0;
    int m_blockRecords = 0;
    QByteArray m_buffer;
};
