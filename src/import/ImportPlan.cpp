#include "import/ImportPlan.h"

#include "archive/RecordScanner.h"
#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "archive/Windows1252.h"
#include "deadlines/DeadlineDate.h"

#include <algorithm>

namespace ImportPlan {
namespace {

const char* const Missing[] = {"manca il tipo", "manca la marca", "manca il modello", "manca la targa"};

QString rowText(int line)
{
    return QStringLiteral("Riga %1: ").arg(line);
}

// Line breaks inside a quoted field would break the card's one-line boxes.
QString oneLine(const QString& text)
{
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'\n' || c == u'\r'; }))
        return text;
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat;
}

bool encodable(const QString& text)
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
// The digits of text[from, to) as a number, or -1 when anything else is there.
int number(QStringView text, qsizetype from, qsizetype to)
{
    if (from >= to)
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

QString convertedDate(const QString& text)
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
        QString dayFirst = text;
        dayFirst[first] = QLatin1Char('/');
        dayFirst[second] = QLatin1Char('/');
        date = DeadlineDate::read(dayFirst);
    }
    return date ? date->toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

TSchedaVeicolo recordOf(const CsvTable& table, const QList<int>& matching, int row, QStringList* problems,
                        int* warnings)
{
    TSchedaVeicolo record;
    const QStringList& fields = table.records.at(row);
    const int line = table.lines.at(row);
    auto warn = [&](const QString& text) {
        if (problems)
            problems->append(rowText(line) + text);
        if (warnings)
            ++*warnings;
    };
    const auto& stored = TSchedaVeicolo::fields();
    for (int column = 0; column < matching.size() && column < fields.size(); ++column) {
        const int field = matching.at(column);
        if (field < 0)
            continue;
        QString value = StoredText::trimmed(oneLine(fields.at(column)));
        if (field == ImportFields::required().last())
            value = normalisedPlate(value);
        if (ImportFields::isDate(field) && !value.isEmpty()) {
            const QString date = convertedDate(value);
            if (date.isEmpty())
                warn(QStringLiteral("%1 «%2» non è una data, importata come scritta.")
                         .arg(ImportFields::label(field), value));
            else
                value = date;
        }
        if (!encodable(value))
            warn(QStringLiteral("%1 contiene caratteri che l'archivio non può salvare, salvati come \"?\".")
                     .arg(ImportFields::label(field)));
        const int capacity = stored[static_cast<size_t>(field)].capacity;
        if (value.size() > capacity) {
            warn(QStringLiteral("%1 di %2 caratteri, ne verranno salvati %3.")
                     .arg(ImportFields::label(field))
                     .arg(value.size())
                     .arg(capacity));
            value = StoredText::trimmed(QStringView(value).left(capacity));
        }
        record.*(stored[static_cast<size_t>(field)].member) = value;
    }
    if (fields.size() > table.header.size()) {
        bool extra = false;
        for (qsizetype i = table.header.size(); i < fields.size(); ++i)
            extra = extra || !StoredText::trimmed(fields.at(i)).isEmpty();
        if (extra)
            warn(QStringLiteral("%1 campi invece di %2, quelli in più sono ignorati.")
                     .arg(fields.size())
                     .arg(table.header.size()));
    }
    return record;
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
