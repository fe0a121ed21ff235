#pragma once

#include "files/IniFile.h"

#include <QList>
#include <QString>

// Corvanta.ini in the program folder, the one settings file every feature keeps its options
// in, each in a section of its own. The file is read and written here only, through IniFile:
// a key at a time for reading, a section's keys at once for writing.
class ProgramSettings final {
public:
    explicit ProgramSettings(const QString& programFolder);

    static QString fileName();

    // Empty when the file, the section or the key is missing, or the file cannot be read.
    QString value(const QString& section, const QString& key) const;
    // Sets the keys of section in one replacement of the file; throws IniFileError, and the
    // file stays as it was, when it cannot be written.
    void write(const QString& section, const QList<IniFile::KeyValue>& values) const;

private:
    QString m_path;
};
