#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// A stored text field of capacity N takes N + 1 bytes: a length byte L, then N bytes
// of which the first L are Windows-1252 text and the rest zero fill.
namespace StoredText {
// Removes every character of code U+0020 or below from both ends.
QString trimmed(QStringView text);
// The same without a copy: the part of text that trimmed() keeps.
QStringView trimmedView(QStringView text);

// Writes the field at field[0 .. capacity]: trimmed, converted, cut to capacity, zero-filled.
void write(char* field, int capacity, QStringView value);

// Reads the field at field[0 .. capacity]. A length byte beyond the capacity, as a file
// written elsewhere may hold, is read as the capacity.
QString read(const char* field, int capacity);

// The field's text bytes at field[0 .. capacity] with bytes up to 0x20 removed from both
// ends: the bytes of read()'s text, one byte per character.
QByteArrayView trimmedBytes(const char* field, int capacity);

// Writes the characters of Windows-1252 bytes to out, which has room for bytes.size().
QChar* decodeTo(QByteArrayView bytes, QChar* out);
} // namespace StoredText
