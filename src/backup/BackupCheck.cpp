#include "backup/BackupCheck.h"

#include "backup/BackupContents.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

namespace BackupCheck {

namespace {
bool refuse(QString* why, const QString& reason)
{
    if (why)
        *why = reason;
    return false;
}

QString withoutSlash(const QString& name)
{
    return name.endsWith(QLatin1Char('/')) ? name.chopped(1) : name;
}

// A file and a folder of one name cannot both be written; folded, since the disk of the
// office may not tell the case apart.
bool clashes(const QList<Zip::Entry>& entries, QString* why)
{
    QSet<QString> folders;
    for (const Zip::Entry& entry : entries) {
        const QString name = withoutSlash(entry.name).toCaseFolded();
        if (entry.isFolder)
            folders.insert(name);
        for (qsizetype slash = name.indexOf(QLatin1Char('/')); slash > 0;
             slash = name.indexOf(QLatin1Char('/'), slash + 1))
            folders.insert(name.left(slash));
    }
    for (const Zip::Entry& entry : entries)
        if (!entry.isFolder && folders.contains(entry.name.toCaseFolded()))
            return !refuse(why, entry.name + QStringLiteral(": a file and a folder of one name"));
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
        if (entry.size < 0 || entry.size > MaxEntrySize)
            return refuse(why, entry.name + QStringLiteral(": %1 bytes, over 2 GiB").arg(entry.size));
        const int recordSize = BackupContents::recordSizeOf(entry.name);
        if (recordSize > 0 && entry.size % recordSize != 0)
            return refuse(why, entry.name + QStringLiteral(": not whole records"));
    }
    if (clashes(reader.entries(), why))
        return false;
    // A folder that never saved a card backs up without an archive, so only an empty ZIP,
    // which would restore nothing but remove every data file, is refused here.
    if (names.isEmpty())
        return refuse(why, QStringLiteral("nothing in it"));
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

qint64 neededSpace(const QList<Zip::Entry>& entries)
{
    qint64 needed = 0;
    for (const Zip::Entry& entry : entries)
        if (!entry.isFolder)
            needed += qBound(qint64(0), entry.size, MaxEntrySize + 1);
    return needed;
}

bool fitsIn(const QList<Zip::Entry>& entries, qint64 freeBytes, QString* why)
{
    const qint64 needed = neededSpace(entries);
    if (needed > freeBytes - SpareSpace)
        return refuse(
            why, QStringLiteral("%1 bytes needed, %2 free, %3 kept free").arg(needed).arg(freeBytes).arg(SpareSpace));
    return true;
}

bool isStagedWhole(const QString& stagingFolder, const QList<Zip::Entry>& entries, QString* why)
{
    QSet<QString> expected;
    for (const Zip::Entry& entry : entries) {
        if (entry.isFolder) {
            if (!QFileInfo(stagingFolder + withoutSlash(entry.name)).isDir())
                return refuse(why, entry.name + QStringLiteral(": not staged as a folder"));
            continue;
        }
        const QFileInfo staged(stagingFolder + entry.name);
        if (staged.isSymLink() || !staged.isFile())
            return refuse(why, entry.name + QStringLiteral(": not staged as a file"));
        if (staged.size() != entry.size)
            return refuse(why, entry.name +
                                   QStringLiteral(": %1 bytes staged, %2 declared").arg(staged.size()).arg(entry.size));
        const int recordSize = BackupContents::recordSizeOf(entry.name);
        if (recordSize > 0 && staged.size() % recordSize != 0)
            return refuse(why, entry.name + QStringLiteral(": not whole records"));
        expected.insert(entry.name);
    }
    const QDir base(stagingFolder);
    QDirIterator it(stagingFolder, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = base.relativeFilePath(it.next());
        if (!expected.contains(name))
            return refuse(why, name + QStringLiteral(": staged but not in the backup"));
    }
    return true;
}

} // namespace BackupCheck
