#include "archive/StoredText.h"

#include "files/Windows1252.h"

#include <algorithm>
#include <cstring>

namespace StoredText {
QStringView trimmedView(QStringView text)
{
    return Windows1252::trimmedView(text);
}

QString trimmed(QStringView text)
{
    return trimmedView(text).toString();
}

void write(char* field, int capacity, QStringView value)
{
    // Encoded straight into the field: a record is written without a string allocated.
    const auto length = static_cast<int>(Windows1252::encodeInto(trimmedView(value), field + 1, capacity));
    field[0] = static_cast<char>(length);
    std::memset(field + 1 + length, 0, static_cast<size_t>(capacity - length));
}

QByteArrayView trimmedBytes(const char* field, int capacity)
{
    // Only bytes up to 0x20 become characters up to U+0020, so trimming the bytes before
    // converting gives the same text, and a blank field allocates nothing.
    const auto* begin = reinterpret_cast<const unsigned char*>(field + 1);
    const unsigned char* end = begin + std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    while (begin < end && *begin <= 0x20)
        ++begin;
    while (end > begin && end[-1] <= 0x20)
        --end;
    return QByteArrayView(begin, end - begin);
}

QString read(const char* field, int capacity)
{
    const QByteArrayView bytes = trimmedBytes(field, capacity);
    if (bytes.isEmpty())
        return QString();
    return Windows1252::decode(bytes);
}

QChar* decodeTo(QByteArrayView bytes, QChar* out)
{
    // Every byte but 0x80 .. 0x9F is its own code; those 32 are taken from the code page once.
    static const QString highBytes = [] {
        char bytes[32];
        for (int i = 0; i < 32; ++i)
            bytes[i] = static_cast<char>(0x80 + i);
        return Windows1252::decode(QByteArrayView(bytes, 32));
    }();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = (code >= 0x80 && code < 0xA0) ? highBytes[code - 0x80] : QChar(static_cast<char16_t>(code));
    }
    return out;
}
} // namespace StoredText
