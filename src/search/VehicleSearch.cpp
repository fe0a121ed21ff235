#include "search/VehicleSearch.h"

#include "archive/RecordScanner.h"
#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "lists/AsciiFold.h"
#include "lists/LineOrder.h"
#include "lists/StoredLine.h"
#include "search/SearchLine.h"

namespace VehicleSearch {
namespace {
const StoredLineBuilder<V>& storedLine()
{
    static const StoredLineBuilder<V> builder(SearchLine::Segments);
    return builder;
}
} // namespace

int givenCount(const Criteria& criteria)
{
    int given = 0;
    for (const QString& criterion : criteria) {
        if (!StoredText::trimmed(criterion).isEmpty())
            ++given;
    }
    return given;
}

Matcher::Matcher(const Criteria& criteria) : m_given(givenCount(criteria))
{
    for (int i = 0; i < CriterionCount; ++i) {
        const QString& criterion = criteria[static_cast<size_t>(i)];
        if (criterion.isEmpty())
            continue;
        const auto field = CriterionFields[static_cast<size_t>(i)];
        m_criteria.push_back({AsciiFold::toLower(criterion), storedField(field), field});
    }
}

int Matcher::score(const V& vehicle) const
{
    int score = 0;
    for (const Criterion& criterion : m_criteria) {
        if (AsciiFold::occursIn(criterion.folded, vehicle.*(criterion.field)))
            ++score;
    }
    return score;
}

bool Matcher::matches(QByteArrayView record) const
{
    int score = 0;
    int left = static_cast<int>(m_criteria.size());
    for (const Criterion& criterion : m_criteria) {
        if (score >= m_given)
            return true;
        if (score + left < m_given)
            return false; // too few criteria left to reach N
        --left;
        const QString value = StoredText::read(record.data() + criterion.place.offset, criterion.place.capacity);
        if (AsciiFold::occursIn(criterion.folded, value))
            ++score;
    }
    return score >= m_given;
}

Result search(const QString& programFolder, const Criteria& criteria)
{
    Result result;
    const Matcher matcher(criteria);
    result.given = matcher.given();
    LineOrder::SortedLines lines;
    try {
        VehicleArchive archive(programFolder);
        RecordScanner scanner(archive.records());
        if (matcher.given() == 0) // every vehicle is listed
            lines.reserve(scanner.count(), FixedColumns::fixedWidth(SearchLine::Segments) + 8);
        QByteArrayView bytes;
        while (scanner.next(bytes)) {
            if (matcher.matches(bytes))
                lines.append(storedLine().build(bytes));
        }
        archive.close();
    } catch (const FileAccessError& error) {
        result.failed = true;
        result.error = QString::fromStdString(error.what());
        return result;
    }
    result.lines = lines.take();
    return result;
}

Recalled recall(const QString& programFolder, const QString& line)
{
    const QString wanted = StoredText::trimmed(line);
    Recalled recalled;
    VehicleArchive archive(programFolder);
    RecordScanner scanner(archive.records());
    QByteArrayView bytes;
    int found = -1;
    while (scanner.next(bytes)) {
        // Lines end in the kilometres, trimmed already; only blanks of an empty one trail.
        if (StoredText::trimmed(storedLine().build(bytes)) == wanted)
            found = scanner.index(); // the last match wins
    }
    if (found >= 0) {
        recalled.stored = archive.records().readAt(found);
        recalled.vehicle = decodeRecord<TSchedaVeicolo>(recalled.stored);
        recalled.position = found + 1;
    }
    archive.close();
    return recalled;
}
} // namespace VehicleSearch
