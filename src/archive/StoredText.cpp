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
    // Trimmed as bytes, before converting: only bytes up to 0x20 become characters up to
    // U+0020, so the text is the same, and a blank field allocates nothing.
    const auto* begin = reinterpret_cast<const unsigned char*>(field + 1);
    const unsigned char* end = begin + std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    while (begin < end && *begin <= 0x20)
        ++begin;
    while (end > begin && end[-1] <= 0x20)
        --end;
    if (begin == end)
        return QString();
    return Windows1252::decode(QByteArrayView(begin, end - begin));
}
} // namespace StoredText
