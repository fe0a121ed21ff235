#include "import/RecordChecksum.h"

#include <QtEndian>

#include <cstring>

namespace {
constexpr quint64 Mix = 0x9E3779B97F4A7C15ULL;

quint64 mixed(quint64 h, quint64 word)
{
    h = (h ^ word) * Mix;
    return h ^ (h >> 31);
}

quint64 recordSum(const char* record, int size)
{
    quint64 h = static_cast<quint64>(size);
    int at = 0;
    for (; at + 8 <= size; at += 8) {
        quint64 word;
        std::memcpy(&word, record + at, 8);
        h = mixed(h, qFromLittleEndian(word));
    }
    quint64 tail = 0;
    for (int shift = 0; at < size; ++at, shift += 8)
        tail |= static_cast<quint64>(static_cast<unsigned char>(record[at])) << shift;
    return mixed(h, tail);
}
} // namespace

void RecordChecksum::addRecords(const char* bytes, qsizetype size)
{
    for (qsizetype at = 0; at + m_recordSize <= size; at += m_recordSize)
        m_sum = mixed((m_sum << 7) | (m_sum >> 57), recordSum(bytes + at, m_recordSize));
}

QByteArray RecordChecksum::hex() const
{
    return QByteArray::number(m_sum, 16).rightJustified(16, '0');
}
