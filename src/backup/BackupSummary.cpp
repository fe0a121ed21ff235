#include "backup/BackupSummary.h"

#include "archive/TSchedaVeicolo.h"
#include "backup/BackupContents.h"
#include "backup/ZipArchive.h"
#include "costs/TCostoVeicolo.h"

#include <QFileInfo>

BackupSummary BackupSummary::of(const QString& zipPath)
{
    BackupSummary summary;
    summary.fileSize = QFileInfo(zipPath).size();
    const Zip::Reader reader(zipPath);
    if (!reader.isOpen())
        return summary;
    summary.readable = true;
    const QString photos = BackupContents::photoFolder() + QLatin1Char('/');
    const QString attachments = BackupContents::attachmentFolder() + QLatin1Char('/');
    for (const Zip::Entry& entry : reader.entries()) {
        if (entry.isFolder)
            continue;
        const int recordSize = BackupContents::recordSizeOf(entry.name);
        if (recordSize == TSchedaVeicolo::RecordSize && entry.name == BackupContents::archiveName())
            summary.cards += static_cast<int>(entry.size / recordSize);
        else if (recordSize == TCostoVeicolo::RecordSize)
            summary.costEntries += static_cast<int>(entry.size / recordSize);
        else if (entry.name.startsWith(photos))
            ++summary.photos;
        else if (entry.name.startsWith(attachments))
            ++summary.attachments;
    }
    return summary;
}
