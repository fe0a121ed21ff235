#include "files/IniFile.h"

#include "files/SafeFile.h"
#include "files/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

[[noreturn]] void fail(const QString& what, const QString& path, const QString& reason)
{
    throw IniFileError(QStringLiteral("%1 %2: %3").arg(what, path, reason).toStdString());
}

// The file cut into lines, each with its own line end (the last one may have none), so
// that joining them again gives back the same bytes.
QList<QByteArray> splitLines(const QByteArray& content)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype newline = content.indexOf('\n', start);
        const qsizetype end = newline < 0 ? content.size() : newline + 1;
        lines.append(content.mid(start, end - start));
        start = end;
    }
    return lines;
}

// Blanks and control characters around a name or a value do not count.
QString trimmed(QStringView text)
{
    return Windows1252::trimmedView(text).toString();
}

bool hasLineEnd(const QByteArray& line)
{
    return line.endsWith('\n');
}

// A line's text as read: without its line end, without blanks around it.
QString lineText(const QByteArray& line, bool firstLine)
{
    QByteArrayView bytes(line);
    // A byte-order mark left by an editor is not part of the first name.
    if (firstLine && bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return trimmed(Windows1252::decode(bytes));
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isSectionLine(const QString& text)
{
    return text.startsWith(QLatin1Char('['));
}

QString sectionName(const QString& text)
{
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    return trimmed(QStringView(text).mid(1, close < 0 ? -1 : close - 1));
}

struct Entry {
    QString key;
    QString value;
};

// The key and value of a "key=value" line; an empty key for any other line.
Entry entryOf(const QString& text)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    return {trimmed(QStringView(text).left(equals)), trimmed(QStringView(text).mid(equals + 1))};
}

// Where a section and a key lie among the lines; -1 for what is missing.
struct Place {
    int sectionLine = -1;
    int keyLine = -1;
    int lastFilledLine = -1; // the section's last line that is not blank
};

Place find(const QList<QByteArray>& lines, const QString& section, const QString& key)
{
    Place place;
    for (int i = 0; i < lines.size(); ++i) {
        const QString text = lineText(lines[i], i == 0);
        if (isSectionLine(text)) {
            if (place.sectionLine >= 0)
                break; // the end of the first matching section
            if (sameName(sectionName(text), section))
                place.sectionLine = place.lastFilledLine = i;
            continue;
        }
        if (place.sectionLine < 0)
            continue;
        if (!text.isEmpty())
            place.lastFilledLine = i;
        const Entry entry = entryOf(text);
        if (!entry.key.isEmpty() && sameName(entry.key, key)) {
            place.keyLine = i;
            return place;
        }
    }
    return place;
}

// Reads the whole file; an empty array for a file that does not exist.
QByteArray readContent(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (info.isDir())
        fail(QStringLiteral("read"), path, QStringLiteral("is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("open"), path, file.errorString());
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("read"), path, file.errorString());
    return content;
}

QByteArray withValue(const QByteArray& content, const QString& section, const QString& key, const QString& value)
{
    QList<QByteArray> lines = splitLines(content);
    const QByteArray keyLine = Windows1252::encode(key) + '=' + Windows1252::encode(value) + LineEnd;
    const Place place = find(lines, section, key);

    if (place.keyLine >= 0) {
        lines[place.keyLine] = keyLine;
    } else if (place.sectionLine >= 0) {
        // After the section's last entry, before the blank lines that part it from the next.
        QByteArray& previous = lines[place.lastFilledLine];
        if (!hasLineEnd(previous))
            previous += LineEnd;
        lines.insert(place.lastFilledLine + 1, keyLine);
    } else {
        if (!lines.isEmpty() && !hasLineEnd(lines.last()))
            lines.last() += LineEnd;
        lines.append('[' + Windows1252::encode(section) + ']' + LineEnd);
        lines.append(keyLine);
    }
    return lines.join();
}
} // namespace

namespace IniFile {

QString readValue(const QString& path, const QString& section, const QString& key)
{
    const QList<QByteArray> lines = splitLines(readContent(path));
    const Place place = find(lines, section, key);
    if (place.keyLine < 0)
        return {};
    return entryOf(lineText(lines[place.keyLine], place.keyLine == 0)).value;
}

void writeValue(const QString& path, const QString& section, const QString& key, const QString& value)
{
    writeValues(path, section, {{key, value}});
}

void writeValues(const QString& path, const QString& section, const QList<KeyValue>& values)
{
    QByteArray content = readContent(path);
    for (const KeyValue& each : values)
        content = withValue(content, section, each.key, each.value);

    // Written beside the old file and renamed over it, so a full disk keeps the old password.
    // A read-only file is refused, as a write in place would fail.
    QString error;
    if (!writeWholeFile(path, content, &error))
        fail(QStringLiteral("replace"), path, error);
}

} // namespace IniFile
