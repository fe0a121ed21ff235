#include "backup/BackupCheck.h"

#include "backup/BackupContents.h"

#include <QSet>

namespace BackupCheck {

namespace {
bool refuse(QString* why, const QString& reason)
{
    if (why)
        *why = reason;
    return false;
}
} // namespace

bool isValid(Zip::Reader& reader, QString* why, const Job::Cancelled& cancelled)
{
    if (!reader.isOpen())
        return refuse(why, reader.errorString());
    QSet<QString> names;
    for (const Zip::Entry& entry : reader.entries()) {
        if (entry.isLink)
            return refuse(why, entry.name + QStringLiteral(": a link"));
        // isDataName accepts plain names beneath the data folders only, so absolute paths,
        // drive letters, backslashes and ".." all fail here.
        if (!BackupContents::isDataName(entry.name))
            return refuse(why, entry.name + QStringLiteral(": not a data file"));
        if (names.contains(entry.name))
            return refuse(why, entry.name + QStringLiteral(": twice"));
        names.insert(entry.name);
        const int recordSize = BackupContents::recordSizeOf(entry.name);
        if (recordSize > 0 && entry.size % recordSize != 0)
            return refuse(why, entry.name + QStringLiteral(": not whole records"));
    }
    if (!names.contains(BackupContents::archiveName()))
        return refuse(why, QStringLiteral("no archive"));
    for (int i = 0; i < reader.entries().size(); ++i)
        if (!reader.entries().at(i).isFolder && !reader.extract(i, nullptr, cancelled))
            return refuse(why, reader.errorString());
    return true;
}

bool isValid(const QString& zipPath, QString* why)
{
    Zip::Reader reader(zipPath);
    return isValid(reader, why);
}

} // namespace BackupCheck
