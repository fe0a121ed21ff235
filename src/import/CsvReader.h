#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>

// A file the import refuses, with the sentence the clerk is shown.
class CsvRefused : public std::runtime_error {
public:
    explicit CsvRefused(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A spreadsheet saved as CSV: the header and the records after it, each with the line of
// the file where it starts (the header's is 1).
struct CsvTable {
    QStringList header;
    QList<QStringList> records;
    QList<int> lines;
    QChar separator;
    bool utf8 = false;
};

// Reads what Italian Excel and LibreOffice write: UTF-8 (with or without a BOM) when the
// bytes are valid UTF-8, Windows-1252 otherwise; ";", "," or tab, whichever gives the
// most consistent column count over the first records; fields quoted as RFC 4180, with
// "" for a quote and line breaks inside; CR LF, LF and CR line ends.
namespace CsvReader {
constexpr qint64 MaxBytes = 50LL * 1024 * 1024;
constexpr int SeparatorSample = 50;

// Throws CsvRefused for a file over MaxBytes, with NUL bytes, with a quote never closed,
// or without a record after the header.
CsvTable read(const QByteArray& bytes);
// The same for a file on disk; a file that cannot be read is refused too.
CsvTable readFile(const QString& path);
} // namespace CsvReader
