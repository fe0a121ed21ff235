#include "archive/StoredText.h"

#include "archive/Windows1252.h"

#include <algorithm>
#include <cstring>

namespace StoredText {
QString trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin).toString();
}

void write(char* field, int capacity, QStringView value)
{
    const QByteArray bytes = Windows1252::encode(trimmed(value));
    const int length = static_cast<int>(std::min<qsizetype>(bytes.size(), capacity));
    field[0] = static_cast<char>(length);
    std::memcpy(field + 1, bytes.constData(), static_cast<size_t>(length));
    std::memset(field + 1 + length, 0, static_cast<size_t>(capacity - length));
}

QString read(const char* field, int capacity)
{
    const int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    return trimmed(Windows1252::decode(QByteArrayView(field + 1, length)));
}
} // namespace StoredText
