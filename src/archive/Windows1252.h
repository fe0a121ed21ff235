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
} // namespace Windows1252
