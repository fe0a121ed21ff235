#include "files/Windows1252.h"

#include <QChar>

namespace {
// Characters of bytes 0x80..0x9F. The five bytes Windows leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the C1 control of the same value, as Windows reads them.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeCodePoint(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == code)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}
} // namespace

namespace Windows1252 {
QByteArray encode(QStringView text)
{
    // Never more bytes than characters: a pair of surrogates is one byte.
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.truncate(encodeInto(text, bytes.data(), bytes.size()));
    return bytes;
}

qsizetype encodeInto(QStringView text, char* out, qsizetype room)
{
    qsizetype written = 0;
    for (qsizetype i = 0; i < text.size() && written < room; ++i) {
        const QChar c = text[i];
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            // A character beyond the BMP is one '?', not two.
            code = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        } else if (c.isSurrogate()) {
            code = 0xFFFD;
        }
        out[written++] = encodeCodePoint(code);
    }
    return written;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(HighControls[byte - 0x80]) : QChar(static_cast<char16_t>(byte));
    }
    return text;
}
} // namespace Windows1252
