#include "deadlines/DeadlineScan.h"

#include "archive/RecordScanner.h"
#include "archive/VehicleArchive.h"
#include "deadlines/DeadlineDate.h"
#include "deadlines/DeadlineLine.h"
#include "deadlines/DeadlineRule.h"
#include "lists/LineOrder.h"
#include "lists/StoredLine.h"

DeadlineScan scanDeadlines(const QString& programFolder, QString TSchedaVeicolo::*deadline, QDate today)
{
    using V = TSchedaVeicolo;
    DeadlineScan scan;
    // The deadline alone first: most vehicles stop there.
    const FieldDecoder<V> deadlineDecoder({deadline});
    const StoredLineBuilder<V> line(DeadlineLine::segmentsFor(deadline));
    LineOrder::SortedLines lines;
    try {
        VehicleArchive archive(programFolder);
        RecordScanner scanner(archive.records());
        QByteArrayView bytes;
        V vehicle;
        while (scanner.next(bytes)) {
            deadlineDecoder.decode(bytes, vehicle);
            const QString& due = vehicle.*deadline;
            if (due.isEmpty())
                continue;
            const DeadlineRule::Urgency urgency = DeadlineRule::urgencyOf(DeadlineDate::read(due), today);
            if (urgency == DeadlineRule::Urgency::Unreadable) {
                // One mistyped date must not hide every later vehicle's deadline.
                ++scan.unreadableDates;
                continue;
            }
            if (!DeadlineRule::isDue(urgency))
                continue;
            lines.append(line.build(bytes));
        }
        archive.close();
    } catch (const FileAccessError&) {
        scan.complete = false;
    }
    scan.lines = lines.take();
    return scan;
}
