#include "costs/CostList.h"

#include "archive/StoredText.h"
#include "costs/Amount.h"
#include "costs/CostFile.h"
#include "costs/CostLine.h"

QString CostList::totalText() const
{
    return costTotalText(sum);
}

CostList loadCostList(const QString& programFolder, int position)
{
    CostList list;
    try {
        CostFile file(programFolder, position);
        const int count = file.count();
        for (int i = 0; i < count; ++i) {
            const TCostoVeicolo entry = file.readNext();
            if (entry.Importo.isEmpty()) // decoded text is already trimmed
                continue;
            list.lines.append(CostLine::build(entry));
            // An amount written by other means may not be a number: it is listed all the
            // same, and the others are still totalled.
            if (const auto amount = Amount::read(entry.Importo))
                list.sum += *amount;
            else
                ++list.unreadableAmounts;
        }
        file.close();
    } catch (const FileAccessError&) {
        list.complete = false;
    }
    return list;
}

CostEntryFound findCostEntryByLine(const QString& programFolder, int position, const QString& line)
{
    const QString wanted = StoredText::trimmed(line);
    CostEntryFound found;
    CostFile file(programFolder, position);
    const int count = file.count();
    for (int i = 0; i < count; ++i) {
        const QByteArray stored = file.records().readNext();
        const TCostoVeicolo entry = decodeRecord<TCostoVeicolo>(stored);
        if (StoredText::trimmed(CostLine::build(entry)) == wanted) {
            found.position = i + 1; // the last match wins
            found.entry = entry;
            found.stored = stored;
        }
    }
    file.close();
    return found;
}
