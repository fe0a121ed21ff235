#include "backup/BackupRotation.h"

#include "backup/BackupName.h"

#include <QFile>
#include <QSet>

#include <algorithm>

namespace BackupRotation {

QStringList toDelete(const QStringList& names, const QDate& today)
{
    QStringList newestFirst;
    for (const QString& name : names)
        if (BackupName::timeOf(name).isValid())
            newestFirst.append(name);
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<QString>());

    const QDate oldestMonth = QDate(today.year(), today.month(), 1).addMonths(-(MonthsKept - 1));
    QSet<int> monthsSeen;
    QStringList doomed;
    for (int i = 0; i < newestFirst.size(); ++i) {
        const QDate day = BackupName::timeOf(newestFirst.at(i)).date();
        const int month = day.year() * 12 + day.month();
        const bool newestOfItsMonth = !monthsSeen.contains(month);
        monthsSeen.insert(month);
        if (i < NewestKept || (newestOfItsMonth && day >= oldestMonth))
            continue;
        doomed.append(newestFirst.at(i));
    }
    return doomed;
}

QStringList rotate(const QString& folder, const QDate& today)
{
    QStringList kept;
    for (const QString& name : toDelete(BackupName::listIn(folder), today))
        if (!QFile::remove(folder + name))
            kept.append(name);
    return kept;
}

} // namespace BackupRotation
