#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The last import, as Corvanta.ini beside the program keeps it in section
// UltimaImportazione: its first and last positions, the checksum of the bytes it
// appended and when it ran. Written through ProgramSettings; a failed write throws
// IniFileError.
struct LastImport {
    int first = 0;
    int last = 0;
    QByteArray checksum; // RecordChecksum of the appended records
    QDateTime when;

    bool isValid() const { return first >= 1 && last >= first && !checksum.isEmpty(); }
    int count() const { return isValid() ? last - first + 1 : 0; }

    // Invalid when nothing is recorded or the record cannot be read.
    static LastImport read(const QString& programFolder);
    void write(const QString& programFolder) const;
    // Forgets it, once it has been undone.
    static void forget(const QString& programFolder);
};
