#include "import/CsvReader.h"

#include "files/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <array>

namespace CsvReader {
namespace {

QString tooLarge()
{
    return QStringLiteral("Attenzione: il file supera i 50 MB e non può essere importato.");
}

QString decodeText(const QByteArray& bytes, bool& utf8)
{
    static const QByteArray Bom("\xEF\xBB\xBF");
    const QByteArray body = bytes.startsWith(Bom) ? bytes.mid(Bom.size()) : bytes;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(body);
    utf8 = !decoder.hasError();
    return utf8 ? text : Windows1252::decode(body);
}

// Splits text into records of fields. Stops after limit records when limit > 0. lines
// receives the line each record starts on; unclosedAt the line of a quote never closed.
QList<QStringList> split(const QString& text, QChar separator, int limit, QList<int>* lines, int& unclosedAt)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    int line = 1;
    int recordLine = 1;
    int quoteLine = 0;
    bool quoted = false;
    bool fieldStarted = false;
    const qsizetype size = text.size();
    unclosedAt = 0;
    auto endRecord = [&] {
        record.append(field);
        field.clear();
        records.append(record);
        if (lines)
            lines->append(recordLine);
        record.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < size && text.at(i + 1) == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
                continue;
            }
            field.append(c);
            if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                field.append(text.at(++i));
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                ++line;
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty() && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else if (c == separator) {
            record.append(field);
            field.clear();
            fieldStarted = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRecord();
            ++line;
            recordLine = line;
            if (limit > 0 && records.size() >= limit)
                return records;
        } else {
            field.append(c);
            fieldStarted = true;
        }
    }
    if (quoted)
        unclosedAt = quoteLine;
    if (fieldStarted || !field.isEmpty() || !record.isEmpty())
        endRecord();
    return records;
}

// How well a separator splits the sample: the records that share the most common column
// count, and that count. One column is no split at all.
std::pair<int, int> consistency(const QString& text, QChar separator)
{
    int unclosed = 0;
    const QList<QStringList> sample = split(text, separator, SeparatorSample, nullptr, unclosed);
    QHash<qsizetype, int> byCount;
    for (const QStringList& record : sample)
        ++byCount[record.size()];
    std::pair<int, int> best{0, 1};
    for (auto it = byCount.cbegin(); it != byCount.cend(); ++it) {
        const std::pair<int, int> candidate{it.value(), static_cast<int>(it.key())};
        if (candidate.second > 1 && candidate > best)
            best = candidate;
    }
    return best;
}

QChar chooseSeparator(const QString& text)
{
    // Italian Excel's ";" wins a tie.
    const std::array<QChar, 3> candidates{QLatin1Char(';'), QLatin1Char(','), QLatin1Char('\t')};
    QChar chosen = candidates[0];
    std::pair<int, int> best{-1, 0};
    for (const QChar separator : candidates) {
        const std::pair<int, int> score = consistency(text, separator);
        if (score > best) {
            best = score;
            chosen = separator;
        }
    }
    return chosen;
}

bool blank(const QStringList& record)
{
    for (const QString& field : record) {
        if (!field.trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace

CsvTable read(const QByteArray& bytes)
{
    if (bytes.size() > MaxBytes)
        throw CsvRefused(tooLarge());
    if (bytes.contains('\0'))
        throw CsvRefused(
            QStringLiteral("Attenzione: il file non è un testo (contiene byte nulli) e non può essere importato."));
    CsvTable table;
    const QString text = decodeText(bytes, table.utf8);
    table.separator = chooseSeparator(text);
    int unclosedAt = 0;
    QList<int> lines;
    QList<QStringList> records = split(text, table.separator, 0, &lines, unclosedAt);
    if (unclosedAt > 0)
        throw CsvRefused(QStringLiteral("Attenzione: le virgolette aperte alla riga %1 non vengono mai chiuse, "
                                        "il file non può essere importato.")
                             .arg(unclosedAt));
    // Blank rows, as a sheet's empty lines are written, are no records.
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (blank(records.at(i)))
            continue;
        if (table.header.isEmpty()) {
            table.header = records.at(i);
            continue;
        }
        table.records.append(records.at(i));
        table.lines.append(lines.at(i));
    }
    if (table.records.isEmpty())
        throw CsvRefused(QStringLiteral("Attenzione: il file non contiene nessuna riga dopo l'intestazione."));
    return table;
}

CsvTable readFile(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).size() > MaxBytes)
        throw CsvRefused(tooLarge());
    if (!file.open(QIODevice::ReadOnly))
        throw CsvRefused(QStringLiteral("Attenzione: il file non può essere letto."));
    return read(file.readAll());
}

} // namespace CsvReader
