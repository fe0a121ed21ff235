#include "archive/RecordScanner.h"

#include <algorithm>

RecordScanner::RecordScanner(FixedRecordFile& file, int blockBytes)
    : m_file(file), m_recordsPerBlock(std::max(1, blockBytes / file.recordSize())), m_count(file.count())
{}

RecordScanner::RecordScanner(FixedRecordFile& file, int first, int end, int blockBytes)
    : m_file(file), m_recordsPerBlock(std::max(1, blockBytes / file.recordSize())),
      m_count(std::min(end, file.count())), m_next(first), m_blockFirst(first)
{}

bool RecordScanner::next(QByteArrayView& record)
{
    if (m_next >= m_count)
        return false;
    if (m_next >= m_blockFirst + m_blockRecords) {
        m_blockFirst = m_next;
        m_blockRecords = m_file.readBlock(m_next, std::min(m_recordsPerBlock, m_count - m_next), m_buffer);
    }
    const int size = m_file.recordSize();
    record = QByteArrayView(m_buffer.constData() + qsizetype(m_next - m_blockFirst) * size, size);
    ++m_next;
    return true;
}
