#pragma once

#include <QString>

// What a backup holds, read from its directory alone: for the line of the backups list.
struct BackupSummary {
    bool readable = false;
    qint64 fileSize = 0;
    int cards = 0;
    int costEntries = 0;
    int photos = 0;
    int attachments = 0;

    static BackupSummary of(const QString& zipPath);
};
