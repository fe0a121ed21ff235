#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Single-byte Windows-1252 text, as every stored field holds it.
namespace Windows1252 {
// One byte per character; a character without a Windows-1252 code becomes '?'.
QByteArray encode(QStringView text);
// The first bytes of encode(text), at most room of them, written to out; returns how many.
qsizetype encodeInto(QStringView text, char* out, qsizetype room);
QString decode(QByteArrayView bytes);
// text without the characters of code U+0020 or below at either end: the blanks and control
// characters around a stored text's words. Inline, as every field read trims.
inline QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}
} // namespace Windows1252
