#include "import/ImportPlan.h"

#include "archive/RecordScanner.h"
#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "deadlines/DeadlineDate.h"
#include "files/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace ImportPlan {
namespace {

const char* const Missing[] = {"manca il tipo", "manca la marca", "manca il modello", "manca la targa"};

QString rowText(int line)
{
    return QStringLiteral("Riga %1: ").arg(line);
}

bool hasLineBreak(QStringView text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'\n' || c == u'\r'; });
}

// Line breaks inside a quoted field would break the card's one-line boxes.
QString oneLine(QStringView text)
{
    QString flat = text.toString();
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat;
}

bool encodable(QStringView text)
{
    // Latin-1 outside the C1 controls is Windows-1252 as it stands: the common case, told
    // without a round trip.
    bool latin = true;
    for (const QChar c : text)
        latin = latin && c.unicode() <= 0xFF && (c.unicode() < 0x80 || c.unicode() >= 0xA0);
    return latin || Windows1252::decode(Windows1252::encode(text)) == text;
}

} // namespace

QString normalisedPlate(QStringView plate)
{
    QString made;
    made.reserve(plate.size());
    for (const QChar c : plate) {
        if (c.unicode() <= 0x20)
            continue;
        made.append(c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 'a' + 'A') : c);
    }
    return made;
}

ArchivePlates platesOf(const QString& programFolder)
{
    VehicleArchive archive(programFolder);
    ArchivePlates plates;
    const FieldDecoder<TSchedaVeicolo> decoder{&TSchedaVeicolo::Targa};
    RecordScanner scanner(archive.records());
    TSchedaVeicolo record;
    QByteArrayView bytes;
    while (scanner.next(bytes)) {
        decoder.decode(bytes, record);
        const QString plate = normalisedPlate(record.Targa);
        if (!plate.isEmpty() && !plates.contains(plate))
            plates.insert(plate, scanner.index() + 1);
    }
    archive.close();
    return plates;
}

namespace {
// The digits of text[from, to) as a number, or -1 when anything else is there. No part of
// a date has more than four digits, so more than nine are refused before they overflow.
int number(QStringView text, qsizetype from, qsizetype to)
{
    if (from >= to || to - from > 9)
        return -1;
    int value = 0;
    for (qsizetype i = from; i < to; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}
} // namespace

QString convertedDate(QStringView text)
{
    // Three parts between two equal separators, one of "/", "-" and ".".
    qsizetype first = 0;
    while (first < text.size() && text.at(first) != QLatin1Char('/') && text.at(first) != QLatin1Char('-') &&
           text.at(first) != QLatin1Char('.'))
        ++first;
    if (first == 0 || first == text.size())
        return {};
    const QChar separator = text.at(first);
    const qsizetype second = text.indexOf(separator, first + 1);
    if (second < 0 || text.indexOf(separator, second + 1) >= 0)
        return {};
    const qsizetype lengths[] = {first, second - first - 1, text.size() - second - 1};
    const int parts[] = {number(text, 0, first), number(text, first + 1, second),
                         number(text, second + 1, text.size())};
    if (parts[0] < 0 || parts[1] < 0 || parts[2] < 0)
        return {};
    std::optional<QDate> date;
    if (lengths[0] == 4 && separator == QLatin1Char('-') && lengths[1] <= 2 && lengths[2] <= 2) {
        const QDate day(parts[0], parts[1], parts[2]);
        if (day.isValid())
            date = day;
    } else if (lengths[0] <= 2 && lengths[1] <= 2 && (lengths[2] == 2 || lengths[2] == 4)) {
        // The deadline lists' reader, so that two-digit years land where they will read them.
        QString dayFirst = text.toString();
        dayFirst[first] = QLatin1Char('/');
        dayFirst[second] = QLatin1Char('/');
        date = DeadlineDate::read(dayFirst);
    }
    if (!date)
        return {};
    // As QDate::toString("dd/MM/yyyy") writes a year of 1 to 9999, without its locale machinery.
    QString made(10, Qt::Uninitialized);
    const auto put = [&made](qsizetype at, int value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            made[at + i] = QChar(u'0' + value % 10);
    };
    put(0, date->day(), 2);
    made[2] = u'/';
    put(3, date->month(), 2);
    made[5] = u'/';
    put(6, date->year(), 4);
    return made;
}

namespace {
// Who is told what a row's conversion changed. Nobody during the append, which then builds
// no warning text at all.
class Warnings {
public:
    Warnings(QStringList* problems, int* count, int line) : m_problems(problems), m_count(count), m_line(line) {}
    bool wanted() const { return m_problems || m_count; }
    // text() makes the sentence, only when the problems are collected.
    template <typename Text> void add(const Text& text)
    {
        if (m_problems)
            m_problems->append(rowText(m_line) + text());
        if (m_count)
            ++*m_count;
    }

private:
    QStringList* m_problems;
    int* m_count;
    int m_line;
};

// The one conversion of a row, which the dry run shows and the append stores: for each
// column feeding a field, in column order, store(field, text, holder) is called with the
// text the field is to hold (at most its capacity) and the string that text lies in.
// Most fields are stored as the file has them and are only viewed, not copied.
template <typename Store>
void convertRow(const CsvTable& table, const QList<int>& matching, int row, Warnings& warnings, const Store& store)
{
    const QStringList& fields = table.records.at(row);
    const auto& stored = TSchedaVeicolo::fields();
    const int plate = ImportFields::required().last();
    for (int column = 0; column < matching.size() && column < fields.size(); ++column) {
        const int field = matching.at(column);
        if (field < 0)
            continue;
        const QString& source = fields.at(column);
        QString made; // the text when it is no longer the file's own
        QStringView value = source;
        const auto remake = [&](QString text) {
            made = std::move(text);
            value = made;
        };
        if (hasLineBreak(value))
            remake(oneLine(value));
        value = StoredText::trimmedView(value);
        if (field == plate)
            remake(normalisedPlate(value));
        if (ImportFields::isDate(field) && !value.isEmpty()) {
            QString date = convertedDate(value);
            if (date.isEmpty())
                warnings.add([&] {
                    return QStringLiteral("%1 «%2» non è una data, importata come scritta.")
                        .arg(ImportFields::label(field), value);
                });
            else
                remake(std::move(date));
        }
        if (warnings.wanted() && !encodable(value))
            warnings.add([&] {
                return QStringLiteral("%1 contiene caratteri che l'archivio non può salvare, salvati come \"?\".")
                    .arg(ImportFields::label(field));
            });
        const int capacity = stored[static_cast<size_t>(field)].capacity;
        if (value.size() > capacity) {
            warnings.add([&] {
                return QStringLiteral("%1 di %2 caratteri, ne verranno salvati %3.")
                    .arg(ImportFields::label(field))
                    .arg(value.size())
                    .arg(capacity);
            });
            value = StoredText::trimmedView(value.left(capacity));
        }
        store(field, value, made.isNull() ? source : made);
    }
    if (warnings.wanted() && fields.size() > table.header.size()) {
        bool extra = false;
        for (qsizetype i = table.header.size(); i < fields.size(); ++i)
            extra = extra || !StoredText::trimmedView(fields.at(i)).isEmpty();
        if (extra)
            warnings.add([&] {
                return QStringLiteral("%1 campi invece di %2, quelli in più sono ignorati.")
                    .arg(fields.size())
                    .arg(table.header.size());
            });
    }
}

// Where each field of a record starts: its length byte.
const std::array<int, TSchedaVeicolo::FieldCount>& fieldOffsets()
{
    static const auto offsets = [] {
        std::array<int, TSchedaVeicolo::FieldCount> made{};
        int offset = 0;
        for (size_t i = 0; i < made.size(); ++i) {
            made[i] = offset;
            offset += TSchedaVeicolo::fields()[i].capacity + 1;
        }
        return made;
    }();
    return offsets;
}
} // namespace

TSchedaVeicolo recordOf(const CsvTable& table, const QList<int>& matching, int row, QStringList* problems,
                        int* warnings)
{
    TSchedaVeicolo record;
    Warnings told(problems, warnings, table.lines.at(row));
    const auto& stored = TSchedaVeicolo::fields();
    convertRow(table, matching, row, told, [&](int field, QStringView text, const QString& holder) {
        // A text that is all of its string shares it instead of copying.
        record.*(stored[static_cast<size_t>(field)].member) = text.size() == holder.size() ? holder : text.toString();
    });
    return record;
}

void encodeRowInto(const CsvTable& table, const QList<int>& matching, int row, char* bytes)
{
    // A blank field is all zero bytes, so a record starts blank and the fields the row
    // feeds are written over it.
    std::memset(bytes, 0, TSchedaVeicolo::RecordSize);
    Warnings nobody(nullptr, nullptr, 0);
    const auto& stored = TSchedaVeicolo::fields();
    const auto& offsets = fieldOffsets();
    convertRow(table, matching, row, nobody, [&](int field, QStringView text, const QString&) {
        StoredText::write(bytes + offsets[static_cast<size_t>(field)], stored[static_cast<size_t>(field)].capacity,
                          text);
    });
}

Plan plan(const CsvTable& table, const ImportFields::Matching& matching, const ArchivePlates& archive)
{
    Plan made;
    QHash<QString, int> earlier; // plate to the line it was first imported from
    const auto& stored = TSchedaVeicolo::fields();
    for (int row = 0; row < table.records.size(); ++row) {
        const int line = table.lines.at(row);
        QStringList problems;
        int warnings = 0;
        const TSchedaVeicolo record = recordOf(table, matching.fields, row, &problems, &warnings);
        QString skip;
        for (int i = 0; i < ImportFields::required().size() && skip.isEmpty(); ++i) {
            const int field = ImportFields::required().at(i);
            if ((record.*(stored[static_cast<size_t>(field)].member)).isEmpty())
                skip = QString::fromUtf8(Missing[i]) + QStringLiteral(", riga saltata.");
        }
        if (skip.isEmpty()) {
            if (const auto inArchive = archive.constFind(record.Targa); inArchive != archive.cend())
                skip = QStringLiteral("la targa %1 è già in archivio (posizione %2), riga saltata.")
                           .arg(record.Targa)
                           .arg(inArchive.value());
            else if (const auto inFile = earlier.constFind(record.Targa); inFile != earlier.cend())
                skip = QStringLiteral("la targa %1 compare già alla riga %2, riga saltata.")
                           .arg(record.Targa)
                           .arg(inFile.value());
        }
        if (skip.isEmpty()) {
            earlier.insert(record.Targa, line);
            made.importable.append(row);
            made.problems.append(problems);
            made.warnings += warnings;
        } else {
            // A skipped row's warnings would not change what is stored.
            made.problems.append(rowText(line) + skip);
            ++made.skipped;
        }
        if (made.preview.size() < Plan::PreviewRows)
            made.preview.append({line, record, !skip.isEmpty()});
    }
    return made;
}

QString Plan::summary() const
{
    return QStringLiteral("Da importare: %1 · Da saltare: %2 · Avvisi: %3")
        .arg(importable.size())
        .arg(skipped)
        .arg(warnings);
}

} // namespace ImportPlan
